#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "DriverFixture.h"

namespace fbtest {
namespace {

using FetchTest = DriverTest;

TEST_F(FetchTest, DeliversRowsInServerOrderInBlocks) {
    database.execute("CREATE TABLE numbers (n INTEGER)");
    database.execute(
        "EXECUTE BLOCK AS DECLARE i INTEGER = 1; BEGIN WHILE (i <= 45) DO BEGIN "
        "INSERT INTO numbers VALUES (:i); i = i + 1; END END");
    auto connection = connect();
    std::unique_ptr<dbx::Cursor> cursor;
    ASSERT_EQ(connection->execute("SELECT n FROM numbers ORDER BY n DESC", 20, cursor),
              dbx::kSuccess);

    std::vector<std::pair<std::size_t, bool>> blocks;
    Rows rows;
    for (bool done = false; !done && blocks.size() < 5;) {
        Rows block;
        ASSERT_EQ(cursor->fetch(20, block, done), dbx::kSuccess);
        blocks.emplace_back(block.size(), done);
        rows.insert(rows.end(), block.begin(), block.end());
    }

    EXPECT_EQ(blocks,
              (std::vector<std::pair<std::size_t, bool>>{{20, false}, {20, false}, {5, true}}));
    ASSERT_EQ(rows.size(), 45u);
    for (int i = 0; i < 45; ++i) EXPECT_EQ(rows[i], (dbx::Row{std::to_string(45 - i)}));
}

TEST_F(FetchTest, EmptyResultIsDoneAtOnce) {
    auto connection = connect();
    EXPECT_EQ(queryAll(*connection, "SELECT 1 FROM RDB$DATABASE WHERE 1 = 0"), Rows{});
}

TEST_F(FetchTest, FailedFetchRollsBackAndKeepsFailing) {
    database.execute("CREATE TABLE numbers (n INTEGER)");
    database.execute("INSERT INTO numbers VALUES (1)");
    database.execute("INSERT INTO numbers VALUES (2)");
    auto connection = connect();
    std::unique_ptr<dbx::Cursor> cursor;
    ASSERT_EQ(connection->execute("SELECT 1 / (n - 2) FROM numbers ORDER BY n", 20, cursor),
              dbx::kSuccess);

    for (int attempt = 0; attempt < 2; ++attempt) {
        Rows rows;
        bool done = false;
        EXPECT_EQ(cursor->fetch(20, rows, done), dbx::kFetchFailed);
        EXPECT_FALSE(done);
        EXPECT_THAT(
            cursor->lastErrorMessage(),
            testing::StartsWith("arithmetic exception, numeric overflow, or string truncation\r\n"
                                "Integer divide by zero."));
    }
    EXPECT_EQ(otherTransactions(), 0);
}

TEST_F(FetchTest, UnreadableColumnTypeIsRefused) {
    database.execute("CREATE TABLE grids (cells INTEGER[3])");
    auto connection = connect();
    std::unique_ptr<dbx::Cursor> cursor;
    EXPECT_EQ(connection->execute("SELECT cells FROM grids", 20, cursor), dbx::kNotSupported);
    EXPECT_EQ(connection->lastErrorMessage(), "Column type 540 is not supported");
    EXPECT_EQ(cursor, nullptr);
    EXPECT_EQ(otherTransactions(), 0);
}

struct ValueCase {
    const char* name;
    std::string expression;
    dbx::Value text;
    friend void PrintTo(const ValueCase& row, std::ostream* out) { *out << row.name; }
};

const ValueCase kValueCases[] = {
    {"Varchar", "CAST('ab' AS VARCHAR(5))", "ab"},
    {"VarcharKeepsTrailingBlank", "CAST('ab ' AS VARCHAR(5))", "ab "},
    {"Null", "CAST(NULL AS VARCHAR(5))", std::nullopt},
    {"UntypedNull", "NULL", std::nullopt},
    {"NullInteger", "CAST(NULL AS INTEGER)", std::nullopt},
    {"Smallint", "CAST(-7 AS SMALLINT)", "-7"},
    {"SmallintScaled", "CAST(0.05 AS NUMERIC(4,2))", "0.05"},
    {"IntegerScaled", "CAST(-12.05 AS NUMERIC(9,2))", "-12.05"},
    {"BigintScaledBelowOne", "CAST(-0.5 AS NUMERIC(18,3))", "-0.500"},
    {"BigintLowest", "CAST(-9223372036854775807 AS BIGINT) - 1", "-9223372036854775808"},
    {"Double", "CAST(1.5 AS DOUBLE PRECISION)", "1.5"},
    {"Float", "CAST(0.25 AS FLOAT)", "0.25"},
    {"Date", "DATE '2024-02-29'", "2024-02-29"},
    {"DateBeforeDayZero", "DATE '1858-11-16'", "1858-11-16"},
    {"Time", "TIME '13:45:07.1234'", "13:45:07.1234"},
    {"Timestamp", "TIMESTAMP '2001-12-31 23:59:59.9999'", "2001-12-31 23:59:59.9999"},
    {"Boolean", "1 = 1", "TRUE"},
    {"TextBlob", "CAST('memo' AS BLOB SUB_TYPE TEXT)", "memo"},
};

class ValueTest : public DriverTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(ValueTest, ComesBackAsText) {
    auto connection = connect();
    const Rows rows =
        queryAll(*connection, "SELECT " + GetParam().expression + " FROM RDB$DATABASE");
    EXPECT_EQ(rows, (Rows{{GetParam().text}}));
}

INSTANTIATE_TEST_SUITE_P(Types, ValueTest, ::testing::ValuesIn(kValueCases),
                         [](const auto& info) { return std::string(info.param.name); });

class TrimCharTest : public DriverTest, public ::testing::WithParamInterface<bool> {};

TEST_P(TrimCharTest, TrimsOnlyFixedLengthTextWhenAsked) {
    database.execute("CREATE TABLE ids (fixed CHAR(6), flexible VARCHAR(6))");
    database.execute("INSERT INTO ids VALUES ('A1', 'A1  ')");
    auto connection = connect({{dbx::Option::TrimChar, GetParam()}});
    const dbx::Value fixed = GetParam() ? "A1" : "A1    ";
    EXPECT_EQ(queryAll(*connection, "SELECT fixed, flexible FROM ids"), (Rows{{fixed, "A1  "}}));
}

INSTANTIATE_TEST_SUITE_P(Flag, TrimCharTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Trim" : "Padded"; });

TEST_F(FetchTest, Big5BytesPassThroughUnchanged) {
    const std::string billId = "\xBE\x50\xB3\x66-\xB3\x5C\xA5\x5C\xBB\x5C";
    database.execute("CREATE TABLE bills (id VARCHAR(20), mark CHAR(1))");
    auto connection = connect();
    execute(*connection, "INSERT INTO bills VALUES ('" + billId + "', 'N')");
    execute(*connection, "UPDATE bills SET mark = 'Y' WHERE id = '" + billId + "'\r\n");

    EXPECT_EQ(database.query("SELECT id, mark FROM bills"), (testsupport::Rows{{billId, "Y"}}));
    EXPECT_EQ(queryAll(*connection, "SELECT id FROM bills"), (Rows{{billId}}));
}

struct BlobLimitCase {
    const char* name;
    int kilobytes;
    std::size_t length;
    friend void PrintTo(const BlobLimitCase& row, std::ostream* out) { *out << row.name; }
};

const BlobLimitCase kBlobLimitCases[] = {
    {"NoLimit", -1, 70000},
    {"AnyNegativeIsNoLimit", -5, 70000},
    {"Limit40K", 40, 40960},
    {"LimitZero", 0, 0},
};

class BlobLimitTest : public DriverTest, public ::testing::WithParamInterface<BlobLimitCase> {};

TEST_P(BlobLimitTest, ReadsUpToLimit) {
    const std::string blob =
        std::string(30000, 'x') + std::string(30000, 'y') + std::string(10000, 'z');
    auto connection = connect();
    ASSERT_EQ(connection->setBlobSize(GetParam().kilobytes), dbx::kSuccess);
    const Rows rows = queryAll(*connection,
                               "SELECT CAST(LPAD('', 30000, 'x') AS BLOB SUB_TYPE TEXT) || "
                               "LPAD('', 30000, 'y') || LPAD('', 10000, 'z') FROM RDB$DATABASE");
    EXPECT_EQ(rows, (Rows{{blob.substr(0, GetParam().length)}}));
}

INSTANTIATE_TEST_SUITE_P(Sizes, BlobLimitTest, ::testing::ValuesIn(kBlobLimitCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fbtest
