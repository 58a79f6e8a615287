#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "DriverFixture.h"

namespace fbtest {
namespace {

using testing::StartsWith;

class TransactionTest : public DriverTest {
protected:
    void SetUp() override {
        database.execute("CREATE TABLE bills (id VARCHAR(10) PRIMARY KEY, mark CHAR(1))");
        database.execute("INSERT INTO bills VALUES ('B1', 'N')");
        database.execute("INSERT INTO bills VALUES ('B2', 'N')");
        database.execute("INSERT INTO bills VALUES ('B3', 'N')");
    }

    testsupport::Rows marks() { return database.query("SELECT id, mark FROM bills ORDER BY id"); }

    std::unique_ptr<dbx::Cursor> openCursor(dbx::Connection& connection, const std::string& sql,
                                            std::size_t firstRows) {
        std::unique_ptr<dbx::Cursor> cursor;
        EXPECT_EQ(connection.execute(sql, 1, cursor), dbx::kSuccess);
        Rows rows;
        bool done = false;
        EXPECT_EQ(cursor->fetch(firstRows, rows, done), dbx::kSuccess);
        EXPECT_FALSE(done);
        return cursor;
    }
};

TEST_F(TransactionTest, EachStatementTakesEffectOnItsOwn) {
    auto connection = connect({{dbx::Option::AutoCommit, false}});
    execute(*connection, "UPDATE bills SET mark = 'Y' WHERE id = 'B1'");
    EXPECT_EQ(marks(), (testsupport::Rows{{"B1", "Y"}, {"B2", "N"}, {"B3", "N"}}));

    std::unique_ptr<dbx::Cursor> none;
    EXPECT_EQ(connection->execute("UPDATE bills SET mark = 'TOO LONG' WHERE id = 'B2'", 20, none),
              dbx::kStatementFailed);
    EXPECT_THAT(connection->lastErrorMessage(),
                StartsWith("arithmetic exception, numeric overflow, or string truncation"));
    connection.reset();

    EXPECT_EQ(marks(), (testsupport::Rows{{"B1", "Y"}, {"B2", "N"}, {"B3", "N"}}));
}

TEST_F(TransactionTest, FailedStatementLeavesConnectionUsable) {
    auto connection = connect();
    std::unique_ptr<dbx::Cursor> none;
    EXPECT_EQ(connection->execute("SELEC id FROM bills", 20, none), dbx::kStatementFailed);
    EXPECT_EQ(connection->lastErrorMessage(),
              "Dynamic SQL Error\r\nSQL error code = -104\r\nToken unknown - line 1, column 1\r\n"
              "SELEC");
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(otherTransactions(), 0);

    execute(*connection, "UPDATE bills SET mark = 'Y' WHERE id = 'B3'");
    EXPECT_EQ(connection->lastErrorMessage(), "");
    EXPECT_EQ(marks().back(), (testsupport::Rows::value_type{"B3", "Y"}));
}

TEST_F(TransactionTest, NoTransactionStaysOpenBetweenStatements) {
    auto connection = connect();
    execute(*connection, "UPDATE bills SET mark = 'Y' WHERE id = 'B1'");
    queryAll(*connection, "SELECT id FROM bills");
    std::unique_ptr<dbx::Cursor> none;
    connection->execute("INSERT INTO bills VALUES ('B1', 'N')", 20, none);
    EXPECT_EQ(otherAttachments(), 1);
    EXPECT_EQ(otherTransactions(), 0);

    connection.reset();
    EXPECT_EQ(otherAttachments(), 0);
}

TEST_F(TransactionTest, CursorEndsItsTransactionAfterLastRow) {
    auto connection = connect();
    auto cursor = openCursor(*connection, "SELECT id FROM bills", 1);
    EXPECT_EQ(otherTransactions(), 1);

    Rows rows;
    bool done = false;
    ASSERT_EQ(cursor->fetch(10, rows, done), dbx::kSuccess);
    EXPECT_TRUE(done);
    EXPECT_EQ(rows.size(), 2u);
    EXPECT_EQ(otherTransactions(), 0);
}

TEST_F(TransactionTest, CursorDestroyedEarlyEndsItsTransaction) {
    auto connection = connect();
    openCursor(*connection, "SELECT id FROM bills", 1).reset();
    EXPECT_EQ(otherTransactions(), 0);
    execute(*connection, "UPDATE bills SET mark = 'Y'");
}

TEST_F(TransactionTest, CursorOutlivingConnectionStillDeliversItsRows) {
    auto connection = connect();
    auto cursor = openCursor(*connection, "SELECT id FROM bills ORDER BY id", 1);
    connection.reset();

    Rows rows;
    bool done = false;
    ASSERT_EQ(cursor->fetch(10, rows, done), dbx::kSuccess);
    EXPECT_EQ(rows, (Rows{{"B2"}, {"B3"}}));
    EXPECT_TRUE(done);
    cursor.reset();
    EXPECT_EQ(otherAttachments(), 0);
}

TEST_F(TransactionTest, LockConflictWithoutWaiting) {
    auto holder = connect();
    auto lock = openCursor(*holder, "SELECT id FROM bills WHERE id = 'B1' WITH LOCK", 1);
    auto connection = connect({{dbx::Option::WaitOnLocks, false}});

    std::unique_ptr<dbx::Cursor> none;
    EXPECT_EQ(connection->execute("UPDATE bills SET mark = 'Y' WHERE id = 'B1'", 20, none),
              dbx::kStatementFailed);
    EXPECT_THAT(connection->lastErrorMessage(),
                StartsWith("deadlock\r\nupdate conflicts with concurrent update\r\n"
                           "concurrent transaction number is "));

    lock.reset();
    execute(*connection, "UPDATE bills SET mark = 'Y' WHERE id = 'B1'");
    EXPECT_EQ(marks().front(), (testsupport::Rows::value_type{"B1", "Y"}));
}

// A statement that hands back values runs once: a second run would turn B2's mark into 'Z'.
TEST_F(TransactionTest, StatementReturningValuesRunsOnceAndCommitsWithoutACursor) {
    auto connection = connect();
    std::unique_ptr<dbx::Cursor> rows;
    EXPECT_EQ(connection->execute("UPDATE bills SET mark = CASE mark WHEN 'N' THEN 'Y' ELSE 'Z' "
                                  "END WHERE id = 'B2' RETURNING mark",
                                  20, rows),
              dbx::kSuccess);
    EXPECT_EQ(rows, nullptr);
    EXPECT_EQ(otherTransactions(), 0);
    EXPECT_EQ(marks(), (testsupport::Rows{{"B1", "N"}, {"B2", "Y"}, {"B3", "N"}}));
}

TEST_F(TransactionTest, BlockThatSuspendsDeliversItsRows) {
    auto connection = connect();
    EXPECT_EQ(queryAll(*connection,
                       "EXECUTE BLOCK RETURNS (id VARCHAR(10)) AS BEGIN "
                       "FOR SELECT id FROM bills ORDER BY id DESC INTO :id DO SUSPEND; END"),
              (Rows{{"B3"}, {"B2"}, {"B1"}}));
    EXPECT_EQ(otherTransactions(), 0);
}

}  // namespace
}  // namespace fbtest
