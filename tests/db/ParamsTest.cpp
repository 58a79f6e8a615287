#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

#include "db/ConfigurationPaths.h"
#include "db/DatabaseError.h"
#include "db/ParamValues.h"
#include "db/Params.h"
#include "db/SqlConnection.h"
#include "platform/Platform.h"

namespace {

TEST(Params, MatchesKeysWithoutRegardToCaseFirstEntryFirst) {
    db::Params params{{"User_Name", "a"}, {"USER_NAME", "b"}};
    EXPECT_EQ(params.value("user_name"), "a");
    EXPECT_EQ(params.value("Password"), "");
    params.set("user_NAME", "c");
    params.set("Password", "p");
    EXPECT_EQ(params.entries(), (std::vector<std::pair<std::string, std::string>>{
                                    {"User_Name", "c"}, {"USER_NAME", "b"}, {"Password", "p"}}));
}

// 0xA4 0x61 and 0xA4 0x41 are two different Big5 characters.
TEST(Params, FoldsNoCaseInsideDoubleByteCharacters) {
    const db::Params params{{"\xA4\x61", "x"}};
    EXPECT_EQ(params.value("\xA4\x41"), "");
    EXPECT_EQ(params.value("\xA4\x61"), "x");
}

TEST(Params, CarriedParamsInTheirOrder) {
    const db::Params carried = db::carriedParams();
    std::vector<std::string> keys;
    for (const auto& entry : carried.entries()) keys.push_back(entry.first);
    EXPECT_EQ(keys,
              (std::vector<std::string>{"DriverName", "Database", "RoleName", "User_Name",
                                        "Password", "ServerCharSet", "SQLDialect", "BlobSize",
                                        "CommitRetain", "WaitOnLocks", "ErrorResourceFile",
                                        "LocaleCode", "Interbase TransIsolation", "Trim Char"}));
    EXPECT_EQ(carried.value("Password").size(), 8u);
    EXPECT_EQ(carried.value("Interbase TransIsolation"), "ReadCommited");
}

TEST(ParamValues, FlagIsTrueOnlyForTrueInAnyCase) {
    const std::pair<const char*, bool> cases[] = {
        {"TRUE", true}, {"true", true}, {" True\t", true}, {"", false},
        {"1", false},   {"yes", false}, {"TRUEX", false},  {"T RUE", false},
    };
    for (const auto& [value, flag] : cases) EXPECT_EQ(db::flagValue(value), flag) << value;
}

TEST(ParamValues, IsolationComparedInLowerCase) {
    using dbx::Isolation;
    const std::pair<const char*, Isolation> cases[] = {
        {"RepeatableRead", Isolation::RepeatableRead},
        {"REPEATABLEREAD", Isolation::RepeatableRead},
        {"dirtyRead", Isolation::DirtyRead},
        {"ReadCommited", Isolation::ReadCommitted},
        {"Repeatable Read", Isolation::ReadCommitted},
        {"", Isolation::ReadCommitted},
    };
    for (const auto& [value, level] : cases) EXPECT_EQ(db::isolationValue(value), level) << value;
}

TEST(ParamValues, IntegersAndTheirMessage) {
    EXPECT_EQ(db::integerValue("3"), 3);
    EXPECT_EQ(db::integerValue("-1"), -1);
    for (const char* value : {"", "3a", "0x10", "1.5", " 3", "99999999999"}) {
        try {
            db::integerValue(value);
            ADD_FAILURE() << value;
        } catch (const db::DatabaseError& error) {
            EXPECT_EQ(error.what(), "'" + std::string(value) + "' is not a valid integer value");
        }
    }
}

TEST(ParamValues, BlobSizeIsMinusOneWhenAbsent) {
    EXPECT_EQ(db::blobSize(db::Params{}), -1);
    EXPECT_EQ(db::blobSize(db::Params{{"BlobSize", ""}}), -1);
    EXPECT_EQ(db::blobSize(db::Params{{"blobsize", "128"}}), 128);
}

TEST(ConfigurationPaths, SettingElseBesideTheExecutable) {
    unsetenv("DBX_CONNECTION_REGISTRY_FILE");
    unsetenv("DBX_DRIVER_REGISTRY_FILE");
    EXPECT_EQ(db::connectionFilePath(), platform::executableDirectory() + "dbxconnections.ini");
    EXPECT_EQ(db::driverFilePath(), platform::executableDirectory() + "dbxdrivers.ini");

    setenv("DBX_CONNECTION_REGISTRY_FILE", "/etc/c.ini", 1);
    setenv("DBX_DRIVER_REGISTRY_FILE", "/etc/d.ini", 1);
    EXPECT_EQ(db::connectionFilePath(), "/etc/c.ini");
    EXPECT_EQ(db::driverFilePath(), "/etc/d.ini");
    unsetenv("DBX_CONNECTION_REGISTRY_FILE");
    unsetenv("DBX_DRIVER_REGISTRY_FILE");
}

}  // namespace
