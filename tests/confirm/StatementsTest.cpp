#include <gtest/gtest.h>

#include "confirm/Statements.h"

namespace {

struct LiteralCase {
    const char* name;
    std::string text;
    std::string body;
};

const LiteralCase kLiteralCases[] = {
    {"Empty", "", ""},
    {"Plain", "S0001", "S0001"},
    {"OneQuote", "o'brien", "o''brien"},
    {"OnlyQuotes", "''", "''''"},
    {"InjectionAttempt", "x' or '1'='1", "x'' or ''1''=''1"},
    // Big5 trail bytes never are 0x27, but a lone lead byte before a quote must not hide it.
    {"LeadByteBeforeQuote", "\xB3'", "\xB3''"},
    {"TrailByteBackslash", "\xB3\x5C'", "\xB3\x5C''"},
};

class SqlStringBody : public testing::TestWithParam<LiteralCase> {};

TEST_P(SqlStringBody, DoublesEveryQuoteAndKeepsOtherBytes) {
    EXPECT_EQ(sqlStringBody(GetParam().text), GetParam().body);
}

INSTANTIATE_TEST_SUITE_P(Cases, SqlStringBody, testing::ValuesIn(kLiteralCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ConfirmationStatement, IsOneUpdateOfTheBillsRows) {
    EXPECT_EQ(confirmationStatement("A'1"),
              "UPDATE sal_temp set tran_check = 'Y' where MASTERBILLID = 'A''1'");
}

}  // namespace
