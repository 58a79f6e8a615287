#pragma once
// A connection named SQLConnection1 whose configuration files live in a temporary folder and
// name the test driver library, which records the calls it receives.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/SqlConnection.h"
#include "support/TestDatabase.h"

namespace dbtest {

using Calls = std::vector<std::string>;

inline Calls operator+(Calls first, const Calls& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

inline const std::string kTestDriverEntry =
    "[TestDriver]\n"
    "LibraryName=libdbxtestdriver.so\n"
    "VendorLib=libtestclient.so\n"
    "GetDriverFunc=getTestDriver\n";

inline const std::string kDriverNameLine = "DriverName=TestDriver\n";
inline const std::string kDatabaseLine = "Database=db.example:/data/bills.fdb\n";
inline const std::string kLoginLines = "User_Name=clerk\nPassword=secret\n";
inline const std::string kMinimalEntry =
    "[Quenby]\n" + kDriverNameLine + kDatabaseLine + kLoginLines;

// The calls of an opening of kMinimalEntry.
inline const Calls kMinimalOpening = {
    "entry vendorLib=libtestclient.so errorResourceFile=",
    "getConnection",
    "connect database=db.example:/data/bills.fdb user=clerk password=secret",
    "blobSize -1",
};

// The calls the test driver received since the last call.
Calls takeDriverCalls();

class ConnectionFixture : public ::testing::Test {
protected:
    ConnectionFixture();
    ~ConnectionFixture() override;

    void writeConnections(const std::string& bytes) {
        testsupport::writeFile(connectionFile, bytes);
    }
    void writeDrivers(const std::string& bytes) { testsupport::writeFile(driverFile, bytes); }
    // The message of the DatabaseError that run throws.
    template <typename Run>
    std::string failureOf(Run run) {
        try {
            run();
        } catch (const db::DatabaseError& error) {
            return error.what();
        }
        return "(no error)";
    }

    testsupport::TempDir dir;
    const std::string connectionFile = dir.file("dbxconnections.ini");
    const std::string driverFile = dir.file("dbxdrivers.ini");
    db::SqlConnection connection{"SQLConnection1"};
};

}  // namespace dbtest
