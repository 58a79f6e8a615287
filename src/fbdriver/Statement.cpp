#include "fbdriver/Statement.h"

#include "fbdriver/Attachment.h"
#include "fbdriver/ClientLibrary.h"
#include "fbdriver/Errors.h"
#include "fbdriver/OutputRow.h"

namespace fbdriver {
namespace {

constexpr ISC_STATUS kEndOfCursor = 100;

void checkLength(const std::string& sql) {
    if (sql.size() > 65535)
        throw DriverError(dbx::kStatementFailed, "Statement longer than 65535 bytes");
}

int littleEndian(const unsigned char* bytes, int length) {
    int value = 0;
    for (int i = length - 1; i >= 0; --i) value = value << 8 | bytes[i];
    return value;
}

}  // namespace

bool executeImmediately(Attachment& attachment, Transaction& transaction, const std::string& sql,
                        int dialect) {
    checkLength(sql);
    const ClientApi& api = attachment.api();
    Status status(api);
    const ISC_STATUS result =
        api.executeImmediate(status.vector(), attachment.handle(), transaction.handle(),
                             (unsigned short)sql.size(), sql.data(), dialect, nullptr);
    // The server checks the statement's columns against the (absent) descriptors before it runs.
    if (status.holds(isc_dsql_sqlda_err)) return false;
    status.check(result, dbx::kStatementFailed);
    return true;
}

Statement::Statement(Attachment& attachment) : api_(attachment.api()) {
    Status status(api_);
    status.check(api_.allocateStatement(status.vector(), attachment.handle(), &handle_),
                 dbx::kStatementFailed);
}

Statement::~Statement() {
    Status status(api_);
    api_.freeStatement(status.vector(), &handle_, DSQL_drop);
}

void Statement::prepare(Transaction& transaction, const std::string& sql, int dialect,
                        OutputRow& row) {
    checkLength(sql);
    Status status(api_);
    status.check(api_.prepare(status.vector(), transaction.handle(), &handle_,
                              (unsigned short)sql.size(), sql.data(), dialect, row.sqlda()),
                 dbx::kStatementFailed);
    if (!row.hasRoom()) describe(row);
    row.bindBuffers();
}

void Statement::describe(OutputRow& row) {
    row.growToDescribed();
    Status status(api_);
    status.check(api_.describe(status.vector(), &handle_, SQLDA_VERSION1, row.sqlda()),
                 dbx::kStatementFailed);
}

bool Statement::returnsRows() {
    const int type = statementType();
    return type == isc_info_sql_stmt_select || type == isc_info_sql_stmt_select_for_upd;
}

int Statement::statementType() {
    const char item = isc_info_sql_stmt_type;
    unsigned char answer[16] = {};
    Status status(api_);
    status.check(api_.statementInfo(status.vector(), &handle_, 1, &item, sizeof answer,
                                    reinterpret_cast<char*>(answer)),
                 dbx::kStatementFailed);
    if (answer[0] != isc_info_sql_stmt_type) return 0;
    const int length = littleEndian(answer + 1, 2);
    return length <= 4 ? littleEndian(answer + 3, length) : 0;
}

void Statement::execute(Transaction& transaction, int dialect) {
    Status status(api_);
    status.check(api_.execute(status.vector(), transaction.handle(), &handle_, dialect, nullptr),
                 dbx::kStatementFailed);
}

bool Statement::fetch(OutputRow& row) {
    Status status(api_);
    const ISC_STATUS result = api_.fetch(status.vector(), &handle_, SQLDA_VERSION1, row.sqlda());
    if (result == kEndOfCursor) return false;
    status.check(result, dbx::kFetchFailed);
    return true;
}

}  // namespace fbdriver
