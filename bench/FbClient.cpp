#include "FbClient.h"

#include <stdexcept>

namespace bench {
namespace {

// The transaction the program's driver starts for each statement: read committed, waiting.
constexpr char kTransactionParameters[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed,
                                           isc_tpb_rec_version, isc_tpb_wait};

std::string statusText(const ISC_STATUS* status) {
    std::string text;
    char line[1024];
    while (fb_interpret(line, sizeof line, &status) > 0) text += std::string(line) + "\n";
    return text;
}

std::string columnText(const XSQLVAR& column) {
    if ((column.sqltype & 1) && *column.sqlind < 0) return {};
    if ((column.sqltype & ~1) == SQL_TEXT) return std::string(column.sqldata, column.sqllen);
    const auto length = *reinterpret_cast<const unsigned short*>(column.sqldata);
    return std::string(column.sqldata + sizeof(short), length);
}

}  // namespace

FbClient::FbClient(const std::string& database) {
    isc_attach_database(status_, 0, database.c_str(), &db_, 0, nullptr);
    check("attach " + database);
}

FbClient::~FbClient() {
    ISC_STATUS_ARRAY ignored;
    if (tr_) isc_rollback_transaction(ignored, &tr_);
    if (db_) isc_detach_database(ignored, &db_);
}

void FbClient::fetchEach(const std::string& sql,
                         const std::function<void(const XSQLVAR&)>& eachRow) {
    XSQLDA sqlda{};
    sqlda.version = SQLDA_VERSION1;
    sqlda.sqln = 1;
    char buffer[8192 + sizeof(short)];
    short indicator = 0;
    isc_stmt_handle statement = 0;
    startTransaction();
    isc_dsql_allocate_statement(status_, &db_, &statement);
    check("allocate");
    isc_dsql_prepare(status_, &tr_, &statement, 0, sql.c_str(), SQL_DIALECT_V6, &sqlda);
    check(sql);
    if (sqlda.sqld != 1 || sqlda.sqlvar[0].sqllen > 8192)
        throw std::runtime_error("not one short column: " + sql);
    sqlda.sqlvar[0].sqldata = buffer;
    sqlda.sqlvar[0].sqlind = &indicator;
    isc_dsql_execute(status_, &tr_, &statement, SQL_DIALECT_V6, nullptr);
    check(sql);
    while (isc_dsql_fetch(status_, &statement, SQL_DIALECT_V6, &sqlda) == 0)
        eachRow(sqlda.sqlvar[0]);
    check(sql);
    isc_dsql_free_statement(status_, &statement, DSQL_drop);
    check("free");
    commit();
}

std::vector<std::string> FbClient::firstColumn(const std::string& sql) {
    std::vector<std::string> values;
    fetchEach(sql, [&values](const XSQLVAR& column) { values.push_back(columnText(column)); });
    return values;
}

void FbClient::executeCommitted(const std::string& sql) {
    startTransaction();
    isc_dsql_execute_immediate(status_, &db_, &tr_, 0, sql.c_str(), SQL_DIALECT_V6, nullptr);
    check(sql);
    commit();
}

void FbClient::detach() {
    isc_detach_database(status_, &db_);
    check("detach");
}

void FbClient::startTransaction() {
    isc_start_transaction(status_, &tr_, 1, &db_, short(sizeof kTransactionParameters),
                          kTransactionParameters);
    check("start transaction");
}

void FbClient::commit() {
    isc_commit_transaction(status_, &tr_);
    check("commit");
}

void FbClient::check(const std::string& what) {
    if (status_[0] == 1 && status_[1] != 0)
        throw std::runtime_error(what + ": " + statusText(status_));
}

}  // namespace bench
