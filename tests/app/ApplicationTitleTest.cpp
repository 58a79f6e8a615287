#include <gtest/gtest.h>

#include <QCoreApplication>
#include <string>

#include "app/Application.h"

namespace {

struct TitleCase {
    const char* name;
    std::string path;
    std::string title;
};

void PrintTo(const TitleCase& row, std::ostream* out) { *out << row.name; }

class ApplicationTitle : public testing::TestWithParam<TitleCase> {};

TEST_P(ApplicationTitle, IsTheFileNameBeforeItsFirstFullStopLowerCasedAfterTheFirstCharacter) {
    EXPECT_EQ(applicationTitle(GetParam().path), GetParam().title);
}

// "\xB3\x5C" is "許" (trail byte '\'), "\xA4\x41" is "乙" (trail byte 'A').
INSTANTIATE_TEST_SUITE_P(
    Paths, ApplicationTitle,
    testing::Values(
        TitleCase{"WindowsExe", "C:\\Bills\\BillTool.exe", "Billtool"},
        TitleCase{"FirstFullStopCuts", "C:\\Bills\\check.old.exe", "check"},
        TitleCase{"FirstCharacterKept", "/opt/Check.old.exe", "Check"},
        TitleCase{"NoExtension", "/opt/bills/salsendcheck", "salsendcheck"},
        TitleCase{"AllCapitals", "/opt/SALSENDCHECK", "Salsendcheck"},
        TitleCase{"DriveColon", "C:BILL.EXE", "Bill"}, TitleCase{"NoDirectory", "Tool.exe", "Tool"},
        TitleCase{"DirectoryFullStopsIgnored", "/opt/v1.2/Tool", "Tool"},
        TitleCase{"TrailByteBackslashInName", "C:\\\xB3\x5CTOOL.exe", "\xB3\x5Ctool"},
        TitleCase{"TrailByteLetterKept", "/opt/X\xA4\x41Y.exe", "X\xA4\x41y"},
        TitleCase{"DoubleByteFirstCharacter", "/opt/\xA4\x41\xA4\x41Z", "\xA4\x41\xA4\x41z"},
        TitleCase{"StartsWithFullStop", "/opt/.hidden", ""}, TitleCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ApplicationName, IsTheTitleOfThisProgram) {
    EXPECT_EQ(QCoreApplication::applicationName(), "app_tests");
}

}  // namespace
