#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/Platform.h"

namespace {

struct DirectoryCase {
    const char* name;
    std::string path;
    std::string directory;
};

void PrintTo(const DirectoryCase& row, std::ostream* out) { *out << row.name; }

class DirectoryPart : public testing::TestWithParam<DirectoryCase> {};

TEST_P(DirectoryPart, CutsAfterTheLastSeparator) {
    EXPECT_EQ(platform::directoryPart(GetParam().path), GetParam().directory);
}

// "\xB3\x5C" is "許", whose trail byte is a backslash.
INSTANTIATE_TEST_SUITE_P(
    Paths, DirectoryPart,
    testing::Values(DirectoryCase{"LinuxPath", "/opt/bills/salsendcheck", "/opt/bills/"},
                    DirectoryCase{"WindowsPath", "C:\\Bills\\tool.exe", "C:\\Bills\\"},
                    DirectoryCase{"DriveOnly", "C:tool.exe", "C:"},
                    DirectoryCase{"ColonInName", "/opt/a:b", "/opt/a:"},
                    DirectoryCase{"NoSeparator", "tool", ""}, DirectoryCase{"Empty", "", ""},
                    DirectoryCase{"EndsInSeparator", "/opt/", "/opt/"},
                    DirectoryCase{"TrailByteBackslashInName", "/opt/\xB3\x5Ctool", "/opt/"},
                    DirectoryCase{"TrailByteBackslashInDirectory", "C:\\\xB3\x5C\\tool",
                                  "C:\\\xB3\x5C\\"},
                    DirectoryCase{"NameEndsInTrailByteBackslash", "/opt/\xB3\x5C", "/opt/"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExecutablePath, NamesThisTestProgram) {
    const std::filesystem::path path = platform::executablePath();
    EXPECT_TRUE(path.is_absolute());
    EXPECT_EQ(path.filename(), "platform_tests");
    EXPECT_TRUE(std::filesystem::is_regular_file(path));
}

TEST(ExecutablePath, DirectoryIsTheOneOfTheExecutable) {
    const std::string directory = platform::executableDirectory();
    EXPECT_EQ(directory + "platform_tests", platform::executablePath());
}

}  // namespace
