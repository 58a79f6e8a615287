// The layer over the real Firebird driver and server: rows, updates that stay in force, and the
// full messages of real failures.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <ostream>
#include <string>

#include "db/DataSets.h"
#include "db/SqlConnection.h"
#include "support/TestDatabase.h"

namespace {

const std::string kRealDriverEntry =
    "[Interbase]\n"
    "LibraryName=" REAL_DRIVER_PATH
    "\n"
    "VendorLib=libfbclient.so.2\n"
    "GetDriverFunc=getSQLDriverINTERBASE\n";

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

class RealDriverTest : public ::testing::Test {
protected:
    RealDriverTest() {
        setenv("DBX_DRIVER_REGISTRY_FILE", dir.file("dbxdrivers.ini").c_str(), 1);
        testsupport::writeFile(dir.file("dbxdrivers.ini"), kRealDriverEntry);
        connection.setConnectionFile(dir.file("dbxconnections.ini"));
        connection.params = db::carriedParams();
    }
    ~RealDriverTest() override { unsetenv("DBX_DRIVER_REGISTRY_FILE"); }

    // "{db}" stands for the test database, "{dir}" for the temporary folder, "{sysdba}" for
    // the SYSDBA password.
    std::string expand(std::string text) const {
        replaceAll(text, "{db}", database.database());
        replaceAll(text, "{dir}", dir.path());
        replaceAll(text, "{sysdba}", testsupport::sysdbaPassword());
        return text;
    }
    void writeEntry(const std::string& databaseValue, const std::string& password,
                    const std::string& extraLines = "") {
        testsupport::writeFile(dir.file("dbxconnections.ini"),
                               "[Quenby]\nDriverName=Interbase\nDatabase=" + expand(databaseValue) +
                                   "\nUser_Name=SYSDBA\nPassword=" + expand(password) +
                                   "\nSQLDialect=3\n" + extraLines);
    }
    std::string failureOf(const std::string& sql) {
        try {
            connection.query(sql);
        } catch (const db::DatabaseError& error) {
            return error.what();
        }
        return "(no error)";
    }

    testsupport::TestDatabase database;
    testsupport::TempDir dir;
    db::SqlConnection connection{"SQLConnection1"};
};

struct RealFailure {
    const char* name;
    std::string database;
    std::string password;
    std::string sql;
    std::string message;
};

void PrintTo(const RealFailure& row, std::ostream* out) { *out << row.name; }

const RealFailure kRealFailures[] = {
    {"NothingListening", "127.0.0.1/3059:{dir}/none.fdb", "{sysdba}", "select 1 from rdb$database",
     "dbExpress Error: [0x0015]: Connection failed\r\n"
     "SQL Server Error: Unable to complete network request to host \"127.0.0.1\".\r\n"
     "Failed to establish a connection."},
    {"WrongPassword", "{db}", "wrong", "select 1 from rdb$database",
     "dbExpress Error: [0x0015]: Connection failed\r\n"
     "SQL Server Error: Your user name and password are not defined. Ask your database "
     "administrator to set up a Firebird login."},
    {"MissingDatabaseFile", "127.0.0.1:{dir}/missing.fdb", "{sysdba}", "select 1 from rdb$database",
     "dbExpress Error: [0x0015]: Connection failed\r\n"
     "SQL Server Error: I/O error during \"open\" operation for file \"{dir}/missing.fdb\"\r\n"
     "Error while trying to open file\r\n"
     "No such file or directory"},
    {"RejectedStatement", "{db}", "{sysdba}", "SELEC 1 from rdb$database",
     "dbExpress Error: [0x0017]: Statement failed\r\n"
     "SQL Server Error: Dynamic SQL Error\r\n"
     "SQL error code = -104\r\n"
     "Token unknown - line 1, column 1\r\n"
     "SELEC"},
};

class RealFailureTest : public RealDriverTest, public ::testing::WithParamInterface<RealFailure> {};

TEST_P(RealFailureTest, ReportsTheServersFullMessage) {
    writeEntry(GetParam().database, GetParam().password);
    EXPECT_EQ(failureOf(GetParam().sql), expand(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(RealDriver, RealFailureTest, ::testing::ValuesIn(kRealFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RealDriverTest, ProviderTrimsTheFullStopOfAServerMessage) {
    writeEntry("127.0.0.1/3059:{dir}/none.fdb", "{sysdba}");
    db::SqlDataSet dataSet;
    db::DataSetProvider provider;
    db::ClientDataSet client;
    dataSet.sqlConnection = &connection;
    provider.dataSet = &dataSet;
    client.provider = &provider;
    client.commandText = "select 1 from rdb$database";

    try {
        client.open();
        ADD_FAILURE() << "opened";
    } catch (const db::DatabaseError& error) {
        const std::string message = error.what();
        EXPECT_TRUE(message.ends_with("\r\nFailed to establish a connection")) << message;
    }
}

TEST_F(RealDriverTest, QueriesRowsInServerOrderAndUpdatesTakeEffectAtOnce) {
    database.createBillTables();
    for (const char* bill : {"B2", "\xB3\x5C\xA4\x40", "B1", "B3"})
        database.execute("INSERT INTO sal_temp (masterbillid) VALUES ('" + std::string(bill) +
                         "')");
    writeEntry("{db}", "{sysdba}", "RowsetSize=3\n");

    const db::Rows rows =
        connection.query("select masterbillid, tran_check from sal_temp order by masterbillid");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (dbx::Row{"B1", std::nullopt}));
    EXPECT_EQ(rows[2][0], "B3");
    EXPECT_EQ(rows[3][0], "\xB3\x5C\xA4\x40");

    db::SqlQuery query;
    query.sqlConnection = &connection;
    query.sql = {"UPDATE sal_temp set tran_check = 'Y' where MASTERBILLID = '\xB3\x5C\xA4\x40'"};
    query.execSql();
    query.sql = {"UPDATE no_such_table set x = 1"};
    EXPECT_THROW(query.execSql(), db::DatabaseError);

    EXPECT_EQ(
        database.query("select tran_check from sal_temp where masterbillid = '\xB3\x5C\xA4\x40'"),
        (testsupport::Rows{{"Y"}}));
}

}  // namespace
