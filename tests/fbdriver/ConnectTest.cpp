#include <gtest/gtest.h>

#include "DriverFixture.h"

namespace fbtest {
namespace {

using testsupport::TestDatabase;

struct ConnectFailure {
    const char* name;
    Options options;
    std::string (*database)(const TestDatabase&);
    std::string password;  // empty: the right one
    std::string (*message)(const TestDatabase&);
    friend void PrintTo(const ConnectFailure& row, std::ostream* out) { *out << row.name; }
};

std::string testDatabase(const TestDatabase& database) { return database.database(); }

std::string missingFile(const TestDatabase& database) { return database.database() + ".missing"; }

const ConnectFailure kConnectFailures[] = {
    {"NothingListening",
     {{dbx::Option::ServerPort, std::string("3059")}},
     testDatabase,
     "",
     [](const TestDatabase&) -> std::string {
         return "Unable to complete network request to host \"127.0.0.1\".\r\n"
                "Failed to establish a connection.";
     }},
    {"WrongPassword",
     {},
     testDatabase,
     "not-the-password",
     [](const TestDatabase&) -> std::string {
         return "Your user name and password are not defined. Ask your database administrator "
                "to set up a Firebird login.";
     }},
    {"MissingDatabaseFile",
     {},
     missingFile,
     "",
     [](const TestDatabase& database) {
         return "I/O error during \"open\" operation for file \"" + database.filePath() +
                ".missing\"\r\nError while trying to open file\r\nNo such file or directory";
     }},
};

class ConnectFailureTest : public DriverTest,
                           public ::testing::WithParamInterface<ConnectFailure> {};

TEST_P(ConnectFailureTest, ReportsServerTextAndStaysUnconnected) {
    const ConnectFailure& failure = GetParam();
    auto connection = newConnection(failure.options);
    const std::string password =
        failure.password.empty() ? testsupport::sysdbaPassword() : failure.password;

    EXPECT_EQ(connection->connect(failure.database(database), "SYSDBA", password),
              dbx::kConnectionFailed);
    EXPECT_EQ(connection->lastErrorMessage(), failure.message(database));

    std::unique_ptr<dbx::Cursor> rows;
    EXPECT_EQ(connection->execute("SELECT 1 FROM RDB$DATABASE", 20, rows), dbx::kNotConnected);
    EXPECT_EQ(rows, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Causes, ConnectFailureTest, ::testing::ValuesIn(kConnectFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Unconnected, StatementIsRefused) {
    auto connection = newConnection();
    std::unique_ptr<dbx::Cursor> rows;
    EXPECT_EQ(connection->execute("SELECT 1 FROM RDB$DATABASE", 20, rows), dbx::kNotConnected);
    EXPECT_EQ(rows, nullptr);
}

using ConnectTest = DriverTest;

TEST_F(ConnectTest, ServerPortGoesBetweenHostAndPath) {
    auto connection = connect({{dbx::Option::ServerPort, std::string("3050")}});
    EXPECT_EQ(queryAll(*connection, "SELECT 1 FROM RDB$DATABASE"), (Rows{{"1"}}));
}

struct OptionRefusal {
    const char* name;
    dbx::Option option;
    dbx::OptionValue value;
    friend void PrintTo(const OptionRefusal& row, std::ostream* out) { *out << row.name; }
};

const OptionRefusal kOptionRefusals[] = {
    {"DialectOutOfRange", dbx::Option::SqlDialect, 4},
    {"DialectAsText", dbx::Option::SqlDialect, std::string("3")},
    {"NegativeTimeout", dbx::Option::ConnectionTimeout, -1},
    {"FlagAsText", dbx::Option::WaitOnLocks, std::string("True")},
    {"RoleAsFlag", dbx::Option::RoleName, true},
};

class OptionRefusalTest : public ::testing::TestWithParam<OptionRefusal> {};

TEST_P(OptionRefusalTest, RefusesValueItCannotTake) {
    auto connection = newConnection();
    EXPECT_EQ(connection->setOption(GetParam().option, GetParam().value), dbx::kInvalidParameter);
}

INSTANTIATE_TEST_SUITE_P(Values, OptionRefusalTest, ::testing::ValuesIn(kOptionRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

class EmbeddedTest : public DriverTest {
protected:
    EmbeddedTest() : DriverTest(true) {}
};

TEST_F(EmbeddedTest, LocalPathOpensTheFileInProcess) {
    ASSERT_EQ(database.database(), database.filePath());
    auto connection = connect();
    execute(*connection, "CREATE TABLE bills (id VARCHAR(10))");
    execute(*connection, "INSERT INTO bills VALUES ('B1')");
    EXPECT_EQ(queryAll(*connection, "SELECT id FROM bills"), (Rows{{"B1"}}));
}

}  // namespace
}  // namespace fbtest
