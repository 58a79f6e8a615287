#include <gtest/gtest.h>

#include "DriverFixture.h"

namespace fbtest {
namespace {

struct EntryCase {
    const char* name;
    const char* vendorLib;
    bool givesDriver;
    friend void PrintTo(const EntryCase& row, std::ostream* out) { *out << row.name; }
};

const EntryCase kEntryCases[] = {
    {"ClientByName", "libfbclient.so.2", true},
    {"ClientByFullPath", FBCLIENT_PATH, true},
    {"LibraryWithoutClientFunctions", "libm.so.6", false},
    {"MissingLibrary", "libfbclient-not-installed.so.9", false},
    {"EmptyName", "", false},
};

class EntryFunctionTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(EntryFunctionTest, GivesDriverOnlyForClientLibrary) {
    dbx::Driver* driver = nullptr;
    const int result = entryFunction()(GetParam().vendorLib, "", &driver);
    std::unique_ptr<dbx::Driver> owned(driver);
    EXPECT_EQ(result == 0, GetParam().givesDriver) << "result " << result;
    EXPECT_EQ(driver != nullptr, GetParam().givesDriver);
}

INSTANTIATE_TEST_SUITE_P(Libraries, EntryFunctionTest, ::testing::ValuesIn(kEntryCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EntryFunction, RefusesMissingOutParameter) {
    EXPECT_NE(entryFunction()("libfbclient.so.2", "", nullptr), 0);
}

}  // namespace
}  // namespace fbtest
