#include "support/Session.h"

#include <ibase.h>

#include <stdexcept>
#include <utility>

namespace testsupport {
namespace {

std::string statusText(const ISC_STATUS* status) {
    std::string text;
    char line[1024];
    const ISC_STATUS* cursor = status;
    while (fb_interpret(line, sizeof line, &cursor) > 0) {
        if (!text.empty()) text += "\n";
        text += line;
    }
    return text;
}

void check(const ISC_STATUS* status, const std::string& what) {
    if (status[0] == 1 && status[1] != 0)
        throw std::runtime_error(what + ": " + statusText(status));
}

std::string parameterBlock(const std::string& password) {
    std::string dpb{char(isc_dpb_version1)};
    for (auto [tag, value] : {std::pair{isc_dpb_user_name, std::string("SYSDBA")},
                              std::pair{isc_dpb_password, password}}) {
        dpb += char(tag);
        dpb += char(value.size());
        dpb += value;
    }
    return dpb;
}

// Returns the client library's result: 0 once attached.
ISC_STATUS attach(ISC_STATUS* status, isc_db_handle* db, const std::string& database,
                  const std::string& password) {
    const std::string dpb = parameterBlock(password);
    return isc_attach_database(status, 0, database.c_str(), db, short(dpb.size()), dpb.data());
}

}  // namespace

void createEmptyDatabase(const std::string& database, const std::string& password) {
    ISC_STATUS_ARRAY status{};
    isc_db_handle db = 0;
    isc_tr_handle tr = 0;
    const std::string create = "CREATE DATABASE '" + database + "' USER 'SYSDBA' PASSWORD '" +
                               password + "' PAGE_SIZE 8192";
    isc_dsql_execute_immediate(status, &db, &tr, 0, create.c_str(), SQL_DIALECT_V6, nullptr);
    check(status, "create database " + database);
    isc_detach_database(status, &db);
    check(status, "detach after create");
}

void dropDatabase(const std::string& database, const std::string& password) noexcept {
    ISC_STATUS_ARRAY status{};
    isc_db_handle db = 0;
    if (attach(status, &db, database, password) != 0) return;
    // A drop refused (another attachment still open) must not leave this one attached.
    if (isc_drop_database(status, &db) != 0) isc_detach_database(status, &db);
}

struct Session::Handles {
    ISC_STATUS_ARRAY status{};
    isc_db_handle db = 0;
    isc_tr_handle tr = 0;

    void check(const std::string& what) const { testsupport::check(status, what); }
    void rollbackQuietly() {
        ISC_STATUS_ARRAY ignored;
        if (tr) isc_rollback_transaction(ignored, &tr);
    }
};

namespace {

// A prepared statement whose handle is freed however the caller leaves.
class Statement {
public:
    Statement(Session::Handles& handles, const std::string& sql);
    ~Statement() {
        ISC_STATUS_ARRAY ignored;
        isc_dsql_free_statement(ignored, &stmt_, DSQL_drop);
    }
    Rows fetchAll();

private:
    void bindTextColumns();
    Value valueOf(int column) const;

    Session::Handles& handles_;
    const std::string& sql_;
    isc_stmt_handle stmt_ = 0;
    std::vector<char> area_ = std::vector<char>(XSQLDA_LENGTH(20));
    XSQLDA* sqlda_ = reinterpret_cast<XSQLDA*>(area_.data());
    std::vector<std::vector<char>> buffers_;
    std::vector<short> nulls_;
};

Statement::Statement(Session::Handles& handles, const std::string& sql)
    : handles_(handles), sql_(sql) {
    isc_dsql_allocate_statement(handles_.status, &handles_.db, &stmt_);
    handles_.check("allocate");
    sqlda_->version = SQLDA_VERSION1;
    sqlda_->sqln = 20;
    isc_dsql_prepare(handles_.status, &handles_.tr, &stmt_, 0, sql_.c_str(), SQL_DIALECT_V6,
                     sqlda_);
    handles_.check(sql_);
    bindTextColumns();
}

void Statement::bindTextColumns() {
    if (sqlda_->sqld > sqlda_->sqln) throw std::runtime_error("too many columns: " + sql_);
    buffers_.resize(sqlda_->sqld);
    nulls_.resize(sqlda_->sqld);
    for (int i = 0; i < sqlda_->sqld; ++i) {
        XSQLVAR& var = sqlda_->sqlvar[i];
        const int type = var.sqltype & ~1;
        if (type != SQL_TEXT && type != SQL_VARYING)
            throw std::runtime_error("test queries read text columns only: " + sql_);
        buffers_[i].resize(var.sqllen + 2);
        var.sqldata = buffers_[i].data();
        var.sqlind = &nulls_[i];
    }
}

Rows Statement::fetchAll() {
    isc_dsql_execute(handles_.status, &handles_.tr, &stmt_, SQL_DIALECT_V6, nullptr);
    handles_.check(sql_);
    Rows rows;
    while (isc_dsql_fetch(handles_.status, &stmt_, SQL_DIALECT_V6, sqlda_) == 0) {
        std::vector<Value> row;
        for (int i = 0; i < sqlda_->sqld; ++i) row.push_back(valueOf(i));
        rows.push_back(std::move(row));
    }
    handles_.check(sql_);
    return rows;
}

Value Statement::valueOf(int column) const {
    const XSQLVAR& var = sqlda_->sqlvar[column];
    if (*var.sqlind < 0) return std::nullopt;
    if ((var.sqltype & ~1) == SQL_TEXT) return std::string(var.sqldata, var.sqllen);
    const auto length = *reinterpret_cast<const unsigned short*>(var.sqldata);
    return std::string(var.sqldata + 2, length);
}

}  // namespace

Session::Session(const std::string& database, const std::string& password)
    : handles_(std::make_unique<Handles>()) {
    attach(handles_->status, &handles_->db, database, password);
    handles_->check("attach " + database);
}

Session::~Session() {
    handles_->rollbackQuietly();
    ISC_STATUS_ARRAY ignored;
    isc_detach_database(ignored, &handles_->db);
}

void Session::execute(const std::string& sql) {
    begin();
    try {
        run(sql);
    } catch (...) {
        handles_->rollbackQuietly();
        throw;
    }
    commit();
}

Rows Session::query(const std::string& sql) {
    begin();
    Rows rows;
    try {
        rows = Statement(*handles_, sql).fetchAll();
    } catch (...) {
        handles_->rollbackQuietly();
        throw;
    }
    commit();
    return rows;
}

void Session::begin() {
    isc_start_transaction(handles_->status, &handles_->tr, 1, &handles_->db, 0, nullptr);
    handles_->check("start transaction");
}

void Session::run(const std::string& sql) {
    isc_dsql_execute_immediate(handles_->status, &handles_->db, &handles_->tr, 0, sql.c_str(),
                               SQL_DIALECT_V6, nullptr);
    handles_->check(sql);
}

void Session::commit() {
    isc_commit_transaction(handles_->status, &handles_->tr);
    handles_->check("commit");
}

void Session::rollback() {
    isc_rollback_transaction(handles_->status, &handles_->tr);
    handles_->check("rollback");
}

}  // namespace testsupport
