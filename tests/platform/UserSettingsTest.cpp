#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/Platform.h"

namespace {

class UserSetting : public testing::Test {
protected:
    void SetUp() override {
        unsetenv("DBX_CONNECTION_REGISTRY_FILE");
        unsetenv("DBX_DRIVER_REGISTRY_FILE");
    }
    void TearDown() override { SetUp(); }
};

TEST_F(UserSetting, ComesFromItsEnvironmentVariable) {
    setenv("DBX_CONNECTION_REGISTRY_FILE", "/etc/bills/dbxconnections.ini", 1);
    setenv("DBX_DRIVER_REGISTRY_FILE", "/etc/bills/dbxdrivers.ini", 1);
    EXPECT_EQ(platform::userSetting("Connection Registry File"), "/etc/bills/dbxconnections.ini");
    EXPECT_EQ(platform::userSetting("Driver Registry File"), "/etc/bills/dbxdrivers.ini");
}

TEST_F(UserSetting, IsEmptyWhenUnset) {
    EXPECT_EQ(platform::userSetting("Connection Registry File"), "");
    EXPECT_EQ(platform::userSetting("Driver Registry File"), "");
}

TEST_F(UserSetting, IsEmptyForOtherNames) {
    setenv("DBX_CONNECTION_REGISTRY_FILE", "/etc/bills/dbxconnections.ini", 1);
    EXPECT_EQ(platform::userSetting("Connection File"), "");
    EXPECT_EQ(platform::userSetting("DBX_CONNECTION_REGISTRY_FILE"), "");
}

}  // namespace
