#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ConnectionFixture.h"
#include "db/DataSets.h"

namespace dbtest {
namespace {

struct RowsetCase {
    const char* name;
    std::string entryLine;
    std::size_t rowsetSize;
};

void PrintTo(const RowsetCase& row, std::ostream* out) { *out << row.name; }

const RowsetCase kRowsetCases[] = {
    {"Absent", "", 20},
    {"Given", "RowsetSize=5\n", 5},
    {"NotAnInteger", "RowsetSize=five\n", 20},
    {"Zero", "RowsetSize=0\n", 20},
    {"Negative", "RowsetSize=-3\n", 20},
};

class RowsetTest : public ConnectionFixture, public ::testing::WithParamInterface<RowsetCase> {};

TEST_P(RowsetTest, FetchesEveryRowInBlocksOfRowsetSize) {
    writeConnections(kMinimalEntry + GetParam().entryLine);
    const std::size_t size = GetParam().rowsetSize;
    const int rowCount = static_cast<int>(2 * size + 1);
    connection.open();
    takeDriverCalls();

    const db::Rows rows = connection.query("rows:" + std::to_string(rowCount));

    ASSERT_EQ(rows.size(), static_cast<std::size_t>(rowCount));
    EXPECT_EQ(rows.front(), (dbx::Row{"row1", std::nullopt}));
    EXPECT_EQ(rows.back()[0], "row" + std::to_string(rowCount));
    const std::string fetch = "fetch " + std::to_string(size);
    EXPECT_EQ(takeDriverCalls(), (Calls{"execute rowset=" + std::to_string(size) +
                                            " sql=rows:" + std::to_string(rowCount),
                                        fetch, fetch, fetch}));
}

INSTANTIATE_TEST_SUITE_P(Statements, RowsetTest, ::testing::ValuesIn(kRowsetCases),
                         [](const auto& info) { return std::string(info.param.name); });

class StatementTest : public ConnectionFixture {
protected:
    void SetUp() override { writeConnections(kMinimalEntry); }
};

TEST_F(StatementTest, PassesTheStatementTextUnchanged) {
    const std::string text = "  UPDATE t SET c = '\xB3\x5C' \r\n";
    connection.execute(text);
    EXPECT_EQ(takeDriverCalls().back(), "execute rowset=20 sql=" + text);
}

TEST_F(StatementTest, ReportsRejectedStatementsAndFailedFetches) {
    EXPECT_EQ(failureOf([&] { connection.execute("fail:23:Token unknown"); }),
              "dbExpress Error: [0x0017]: Statement failed\r\nSQL Server Error: Token unknown");
    EXPECT_EQ(failureOf([&] { connection.query("fetchfail:24:lost"); }),
              "dbExpress Error: [0x0018]: Fetch failed\r\nSQL Server Error: lost");
    EXPECT_TRUE(connection.connected());
}

TEST_F(StatementTest, FallsBackOnThePreviousMessageWhenTheDriverSaysNothing) {
    EXPECT_EQ(failureOf([&] { connection.execute("fail:999:"); }),
              "dbExpress Error: Unknown Error Code '999'");
    EXPECT_EQ(failureOf([&] { connection.execute("fail:23:first"); }),
              "dbExpress Error: [0x0017]: Statement failed\r\nSQL Server Error: first");
    EXPECT_EQ(failureOf([&] { connection.execute("fail:999:"); }),
              "dbExpress Error: [0x0017]: Statement failed\r\nSQL Server Error: first");
}

TEST_F(StatementTest, SqlQueryEndsEveryLineWithCrLf) {
    db::SqlQuery query;
    query.sqlConnection = &connection;
    query.sql = {"UPDATE sal_temp set tran_check = 'Y' where MASTERBILLID = 'B1'"};
    query.execSql();
    query.sql = {" UPDATE t", "SET c = 1 "};
    query.execSql();

    const Calls calls = takeDriverCalls();
    EXPECT_EQ(calls.at(calls.size() - 2),
              "execute rowset=20 sql=UPDATE sal_temp set tran_check = 'Y' where MASTERBILLID = "
              "'B1'\r\n");
    EXPECT_EQ(calls.back(), "execute rowset=20 sql= UPDATE t\r\nSET c = 1 \r\n");
}

class DataPathTest : public StatementTest {
protected:
    DataPathTest() {
        dataSet.sqlConnection = &connection;
        provider.dataSet = &dataSet;
        client.provider = &provider;
    }

    db::SqlDataSet dataSet;
    db::DataSetProvider provider;
    db::ClientDataSet client;
};

TEST_F(DataPathTest, ClientDataSetGetsEveryRowOnceWithLeadingBlanksRemoved) {
    client.commandText = " \r\n  rows:3  ";
    client.open();
    client.open();

    EXPECT_TRUE(client.active());
    EXPECT_EQ(client.rows().size(), 3u);
    EXPECT_EQ(takeDriverCalls(),
              (kMinimalOpening + Calls{"execute rowset=20 sql=rows:3  ", "fetch 20"}));

    client.close();
    EXPECT_FALSE(client.active());
    EXPECT_TRUE(client.rows().empty());
    EXPECT_TRUE(connection.connected());
}

TEST_F(DataPathTest, ProviderTrimsTheEndOfErrorMessages) {
    client.commandText = "fail:23:Token unknown - line 1, column 1. \r\n.";
    EXPECT_EQ(
        failureOf([&] { client.open(); }),
        "dbExpress Error: [0x0017]: Statement failed\r\nSQL Server Error: Token unknown - line 1, "
        "column 1");
    EXPECT_FALSE(client.active());

    writeConnections("[Quenby]\n" + kDriverNameLine + kLoginLines);
    connection.close();
    EXPECT_EQ(failureOf([&] { client.open(); }), "Missing Database property");
}

struct TrimCase {
    const char* name;
    std::string message;
    std::string trimmed;
};

void PrintTo(const TrimCase& row, std::ostream* out) { *out << row.name; }

const TrimCase kTrimCases[] = {
    {"Empty", "", ""},
    {"NothingToTrim", "Connection failed", "Connection failed"},
    {"FullStops", "Connection failed...", "Connection failed"},
    {"BlanksControlsAndStops", "failed. \r\n\t. ", "failed"},
    {"OnlyStopsAndBlanks", " . .", ""},
    {"ParenthesisKept", "(code 5).", "(code 5)"},
    {"InnerStopsKept", "a.b. c", "a.b. c"},
    {"DoubleByteLastCharacter", "\xA4\x40\xB3\x5C.", "\xA4\x40\xB3\x5C"},
    {"DoubleByteWithHighTrailByte", "\xA4\xA1", "\xA4\xA1"},
};

class TrimTest : public ::testing::TestWithParam<TrimCase> {};

TEST_P(TrimTest, RemovesTrailingFullStopsBlanksAndControls) {
    EXPECT_EQ(db::trimProviderMessage(GetParam().message), GetParam().trimmed);
}

INSTANTIATE_TEST_SUITE_P(ProviderMessages, TrimTest, ::testing::ValuesIn(kTrimCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dbtest
