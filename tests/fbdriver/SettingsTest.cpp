#include <gtest/gtest.h>

#include "DriverFixture.h"

namespace fbtest {
namespace {

const std::string kOwnTransaction =
    "SELECT MON$ISOLATION_MODE, MON$LOCK_TIMEOUT FROM MON$TRANSACTIONS "
    "WHERE MON$TRANSACTION_ID = CURRENT_TRANSACTION";
const std::string kOwnCharSet =
    "SELECT c.RDB$CHARACTER_SET_NAME FROM MON$ATTACHMENTS a JOIN RDB$CHARACTER_SETS c "
    "ON c.RDB$CHARACTER_SET_ID = a.MON$CHARACTER_SET_ID "
    "WHERE a.MON$ATTACHMENT_ID = CURRENT_CONNECTION";
const std::string kOwnRole = "SELECT CURRENT_ROLE FROM RDB$DATABASE";
const std::string kDivision = "SELECT 1 / 2 FROM RDB$DATABASE";

// Isolation modes as the server lists them: 1 concurrency, 2 read committed record version.
struct SettingCase {
    const char* name;
    Options options;
    std::string sql;
    dbx::Row expected;
    friend void PrintTo(const SettingCase& row, std::ostream* out) { *out << row.name; }
};

const SettingCase kSettingCases[] = {
    {"ReadCommittedWaitingByDefault", {}, kOwnTransaction, {"2", "-1"}},
    {"RepeatableRead",
     {{dbx::Option::TransIsolation, dbx::Isolation::RepeatableRead}},
     kOwnTransaction,
     {"1", "-1"}},
    {"DirtyReadIsReadCommitted",
     {{dbx::Option::TransIsolation, dbx::Isolation::DirtyRead}},
     kOwnTransaction,
     {"2", "-1"}},
    {"NoWaitOnLocks", {{dbx::Option::WaitOnLocks, false}}, kOwnTransaction, {"2", "0"}},
    {"NoCharSetByDefault", {}, kOwnCharSet, {"NONE"}},
    {"ServerCharSet", {{dbx::Option::ServerCharSet, std::string("UTF8")}}, kOwnCharSet, {"UTF8"}},
    {"NoRoleByDefault", {}, kOwnRole, {"NONE"}},
    {"RoleName", {{dbx::Option::RoleName, std::string("CLERK")}}, kOwnRole, {"CLERK"}},
    {"Dialect3DividesIntegers", {{dbx::Option::SqlDialect, 3}}, kDivision, {"0"}},
    {"Dialect1DividesExactly", {{dbx::Option::SqlDialect, 1}}, kDivision, {"0.5"}},
    {"IgnoredOptionsAccepted",
     {{dbx::Option::HostName, std::string("elsewhere")},
      {dbx::Option::CommitRetain, true},
      {dbx::Option::AutoCommit, false},
      {dbx::Option::BlockingMode, true},
      {dbx::Option::OsAuthentication, true},
      {dbx::Option::MultipleTransaction, true},
      {dbx::Option::CustomString, std::string("x=y")},
      {dbx::Option::ConnectionTimeout, 30}},
     kOwnTransaction,
     {"2", "-1"}},
};

class SettingTest : public DriverTest, public ::testing::WithParamInterface<SettingCase> {};

TEST_P(SettingTest, ReachesTheServer) {
    database.execute("CREATE ROLE CLERK");
    database.execute("GRANT CLERK TO SYSDBA");
    Options options = GetParam().options;
    options.emplace_back(dbx::Option::TrimChar, true);
    auto connection = connect(options);
    EXPECT_EQ(queryAll(*connection, GetParam().sql), (Rows{GetParam().expected}));
}

INSTANTIATE_TEST_SUITE_P(Options, SettingTest, ::testing::ValuesIn(kSettingCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fbtest
