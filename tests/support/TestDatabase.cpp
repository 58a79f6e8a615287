#include "support/TestDatabase.h"

#include <ibase.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testsupport {
namespace {

const char* const kPasswordFile = "/etc/firebird/3.0/SYSDBA.password";

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

// One attachment, one transaction per call: enough to set up rows and read them back.
class Attachment {
public:
    explicit Attachment(const std::string& database) {
        std::string dpb{char(isc_dpb_version1)};
        addString(dpb, isc_dpb_user_name, "SYSDBA");
        addString(dpb, isc_dpb_password, sysdbaPassword());
        isc_attach_database(status_, 0, database.c_str(), &db_, short(dpb.size()), dpb.data());
        check(status_, "attach " + database);
    }
    ~Attachment() {
        if (tr_) isc_rollback_transaction(status_, &tr_);
        isc_detach_database(status_, &db_);
    }

    void execute(const std::string& sql) {
        begin();
        isc_dsql_execute_immediate(status_, &db_, &tr_, 0, sql.c_str(), SQL_DIALECT_V6, nullptr);
        finish(sql);
    }

    Rows query(const std::string& sql) {
        begin();
        isc_stmt_handle stmt = 0;
        isc_dsql_allocate_statement(status_, &db_, &stmt);
        check(status_, "allocate");
        Rows rows;
        try {
            rows = fetchAll(stmt, sql);
        } catch (...) {
            isc_dsql_free_statement(status_, &stmt, DSQL_drop);
            throw;
        }
        isc_dsql_free_statement(status_, &stmt, DSQL_drop);
        finish(sql);
        return rows;
    }

private:
    static void addString(std::string& dpb, char tag, const std::string& value) {
        dpb += tag;
        dpb += char(value.size());
        dpb += value;
    }

    void begin() {
        isc_start_transaction(status_, &tr_, 1, &db_, 0, nullptr);
        check(status_, "start transaction");
    }

    void finish(const std::string& sql) {
        if (status_[0] == 1 && status_[1] != 0) {
            std::string message = statusText(status_);
            ISC_STATUS_ARRAY ignored;
            isc_rollback_transaction(ignored, &tr_);
            throw std::runtime_error(sql + ": " + message);
        }
        isc_commit_transaction(status_, &tr_);
        check(status_, "commit");
    }

    Rows fetchAll(isc_stmt_handle& stmt, const std::string& sql) {
        std::vector<char> area(XSQLDA_LENGTH(20));
        auto* sqlda = reinterpret_cast<XSQLDA*>(area.data());
        sqlda->version = SQLDA_VERSION1;
        sqlda->sqln = 20;
        isc_dsql_prepare(status_, &tr_, &stmt, 0, sql.c_str(), SQL_DIALECT_V6, sqlda);
        check(status_, sql);
        if (sqlda->sqld > sqlda->sqln) throw std::runtime_error("too many columns: " + sql);
        std::vector<std::vector<char>> buffers(sqlda->sqld);
        std::vector<short> nulls(sqlda->sqld);
        for (int i = 0; i < sqlda->sqld; ++i) {
            XSQLVAR& var = sqlda->sqlvar[i];
            if ((var.sqltype & ~1) != SQL_TEXT && (var.sqltype & ~1) != SQL_VARYING)
                throw std::runtime_error("test queries read text columns only: " + sql);
            buffers[i].resize(var.sqllen + 2);
            var.sqldata = buffers[i].data();
            var.sqlind = &nulls[i];
        }
        isc_dsql_execute(status_, &tr_, &stmt, SQL_DIALECT_V6, nullptr);
        check(status_, sql);
        Rows rows;
        while (isc_dsql_fetch(status_, &stmt, SQL_DIALECT_V6, sqlda) == 0) {
            std::vector<Value> row;
            for (int i = 0; i < sqlda->sqld; ++i) row.push_back(valueOf(sqlda->sqlvar[i]));
            rows.push_back(std::move(row));
        }
        check(status_, sql);
        return rows;
    }

    static Value valueOf(const XSQLVAR& var) {
        if (*var.sqlind < 0) return std::nullopt;
        if ((var.sqltype & ~1) == SQL_TEXT) return std::string(var.sqldata, var.sqllen);
        auto length = *reinterpret_cast<const unsigned short*>(var.sqldata);
        return std::string(var.sqldata + 2, length);
    }

    ISC_STATUS_ARRAY status_{};
    isc_db_handle db_ = 0;
    isc_tr_handle tr_ = 0;
};

}  // namespace

std::string binDir() { return SALSENDCHECK_BIN_DIR; }

std::string sourceDir() { return SALSENDCHECK_SOURCE_DIR; }

std::string sysdbaPassword() {
    std::ifstream in(kPasswordFile);
    std::string line;
    while (std::getline(in, line)) {
        const std::string key = "ISC_PASSWORD=";
        if (line.rfind(key, 0) != 0) continue;
        std::string value = line.substr(key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        return value;
    }
    throw std::runtime_error(std::string("no ISC_PASSWORD in ") + kPasswordFile +
                             ": is firebird3.0-server installed?");
}

TempDir::TempDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "salsendcheck-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
    // The server runs as its own user and writes database files here.
    chmod(path_.c_str(), 0777);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + path);
}

TestDatabase::TestDatabase(bool embedded)
    : filePath_(dir_.file("test.fdb")),
      database_(embedded ? filePath_ : "127.0.0.1:" + filePath_) {
    ISC_STATUS_ARRAY status{};
    isc_db_handle db = 0;
    isc_tr_handle tr = 0;
    const std::string create = "CREATE DATABASE '" + database_ + "' USER 'SYSDBA' PASSWORD '" +
                               sysdbaPassword() + "' PAGE_SIZE 8192";
    isc_dsql_execute_immediate(status, &db, &tr, 0, create.c_str(), SQL_DIALECT_V6, nullptr);
    check(status, "create database " + database_);
    isc_detach_database(status, &db);
    check(status, "detach after create");
}

TestDatabase::~TestDatabase() {
    ISC_STATUS_ARRAY status{};
    isc_db_handle db = 0;
    std::string dpb{char(isc_dpb_version1)};
    auto add = [&dpb](char tag, const std::string& value) {
        dpb += tag;
        dpb += char(value.size());
        dpb += value;
    };
    add(isc_dpb_user_name, "SYSDBA");
    add(isc_dpb_password, sysdbaPassword());
    if (isc_attach_database(status, 0, database_.c_str(), &db, short(dpb.size()), dpb.data()) == 0)
        isc_drop_database(status, &db);
}

void TestDatabase::execute(const std::string& sql) { Attachment(database_).execute(sql); }

Rows TestDatabase::query(const std::string& sql) { return Attachment(database_).query(sql); }

void TestDatabase::createBillTables() {
    execute("CREATE TABLE sal_master (masterbillid VARCHAR(30), chg_user VARCHAR(30))");
    execute(
        "CREATE TABLE sal_temp (masterbillid VARCHAR(30), tran_check CHAR(1), state VARCHAR(10))");
    execute("CREATE INDEX sal_temp_bill ON sal_temp (masterbillid)");
}

}  // namespace testsupport
