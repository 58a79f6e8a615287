#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "app/UserId.h"
#include "platform/Platform.h"
#include "support/TestDatabase.h"

namespace {

// Halvern.ini beside this test program, removed after the test; with the working directory
// moved elsewhere so that a file there would be found if it were looked for there.
class UserId : public testing::Test {
protected:
    void SetUp() override {
        previousDirectory_ = std::filesystem::current_path();
        std::filesystem::current_path(workingDirectory_.path());
        testsupport::writeFile(workingDirectory_.file("Halvern.ini"),
                               "[privite]\r\nuserid=FROM_WORKING_DIRECTORY\r\n");
    }
    void TearDown() override {
        std::filesystem::remove(besideExecutable_);
        std::filesystem::current_path(previousDirectory_);
    }

    const std::string besideExecutable_ = platform::executableDirectory() + "Halvern.ini";
    testsupport::TempDir workingDirectory_;
    std::filesystem::path previousDirectory_;
};

struct UserIdCase {
    const char* name;
    std::optional<std::string> file;
    std::string userId;
};

// One test over the table: every row uses the one file beside the executable.
TEST_F(UserId, IsReadFromHalvernIniBesideTheExecutable) {
    const UserIdCase table[] = {
        {"NoFile", std::nullopt, ""},
        {"UserId", "[privite]\r\nuserid=S001\r\n", "S001"},
        {"Big5UserId", "[privite]\r\nuserid=\xB3\x5C\xA5\x5C\r\n", "\xB3\x5C\xA5\x5C"},
        {"EmptyValue", "[privite]\r\nuserid=\r\n", ""},
        {"UsualSpellingNotRead", "[private]\r\nuserid=S001\r\n", ""},
        {"NoKey", "[privite]\r\nuser=S001\r\n", ""},
        {"LongestUserId", "[privite]\r\nuserid=" + std::string(2100, 'u'), std::string(2047, 'u')},
    };
    for (const UserIdCase& row : table) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove(besideExecutable_);
        if (row.file) testsupport::writeFile(besideExecutable_, *row.file);
        EXPECT_EQ(readUserId(), row.userId);
    }
}

}  // namespace
