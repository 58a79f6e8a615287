// Driver and client libraries that are missing, are no library at all, or are the wrong one,
// with the real driver: the opening stops with its message, and a corrected entry then opens.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <ostream>
#include <string>

#include "db/SqlConnection.h"
#include "support/TestDatabase.h"

namespace {

struct DriverEntry {
    std::string libraryName = REAL_DRIVER_PATH;
    std::string vendorLib = "libfbclient.so.2";
    std::string getDriverFunc = "getSQLDriverINTERBASE";
};

struct BadLibrary {
    const char* name;
    DriverEntry entry;  // "{dir}" stands for the test's folder, which holds two text files
    std::string message;
};

void PrintTo(const BadLibrary& row, std::ostream* out) { *out << row.name; }

const BadLibrary kBadLibraries[] = {
    {"DriverLibraryIsATextFile",
     {.libraryName = "{dir}/libdbxfb.so"},
     "Unable to Load {dir}/libdbxfb.so"},
    {"DriverLibraryIsNoDriver",
     {.libraryName = "libm.so.6"},
     "Unable to Find Procedure getSQLDriverINTERBASE"},
    {"EntryFunctionMissing",
     {.getDriverFunc = "getSQLDriverNONE"},
     "Unable to Find Procedure getSQLDriverNONE"},
    {"EntryFunctionEmpty", {.getDriverFunc = ""}, "Unable to Find Procedure "},
    {"ClientLibraryMissing",
     {.vendorLib = "libfbclient-not-installed.so.9"},
     "Unable to Load libfbclient-not-installed.so.9"},
    {"ClientLibraryIsATextFile",
     {.vendorLib = "{dir}/libfbclient.so.2"},
     "Unable to Load {dir}/libfbclient.so.2"},
    {"ClientLibraryWithoutClientFunctions", {.vendorLib = "libm.so.6"}, "Unable to Load libm.so.6"},
};

class BadLibraryTest : public testing::TestWithParam<BadLibrary> {
protected:
    BadLibraryTest() {
        testsupport::writeFile(dir.file("libdbxfb.so"), "not a library\n");
        testsupport::writeFile(dir.file("libfbclient.so.2"),
                               "\x7F"
                               "ELF but no more\n");
        setenv("DBX_DRIVER_REGISTRY_FILE", dir.file("dbxdrivers.ini").c_str(), 1);
        testsupport::writeFile(dir.file("dbxconnections.ini"),
                               "[Quenby]\nDriverName=Interbase\nDatabase=" + database.database() +
                                   "\nUser_Name=SYSDBA\nPassword=" + testsupport::sysdbaPassword() +
                                   "\n");
        connection.setConnectionFile(dir.file("dbxconnections.ini"));
    }
    ~BadLibraryTest() override { unsetenv("DBX_DRIVER_REGISTRY_FILE"); }

    std::string withDir(std::string text) const {
        if (const auto at = text.find("{dir}"); at != std::string::npos)
            text.replace(at, 5, dir.path());
        return text;
    }
    void writeDriverEntry(const DriverEntry& entry) {
        testsupport::writeFile(dir.file("dbxdrivers.ini"),
                               "[Interbase]\nLibraryName=" + withDir(entry.libraryName) +
                                   "\nVendorLib=" + withDir(entry.vendorLib) +
                                   "\nGetDriverFunc=" + entry.getDriverFunc + "\n");
    }
    std::string failureOfOpening() {
        try {
            connection.open();
        } catch (const db::DatabaseError& error) {
            return error.what();
        }
        return "(no error)";
    }

    testsupport::TestDatabase database;
    testsupport::TempDir dir;
    db::SqlConnection connection{"SQLConnection1"};
};

TEST_P(BadLibraryTest, StopsTheOpeningWithItsMessageUntilTheEntryIsCorrected) {
    writeDriverEntry(GetParam().entry);
    EXPECT_EQ(failureOfOpening(), withDir(GetParam().message));
    EXPECT_FALSE(connection.connected());

    writeDriverEntry(DriverEntry{});
    EXPECT_EQ(connection.query("select 1 from rdb$database").size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Libraries, BadLibraryTest, testing::ValuesIn(kBadLibraries),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
