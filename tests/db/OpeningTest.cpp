#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>
#include <vector>

#include "ConnectionFixture.h"
#include "db/ConfigurationPaths.h"
#include "db/SqlConnection.h"
#include "platform/Platform.h"

namespace dbtest {
namespace {

const Calls kUpToConnection = {
    "entry vendorLib=libtestclient.so errorResourceFile=",
    "getConnection",
};
const Calls kReleased = {"disconnect", "release driver"};

std::string connectLine(const std::string& database) {
    return "connect database=" + database + " user=clerk password=secret";
}

struct FailedOpening {
    const char* name;
    std::optional<std::string> connections;  // nullopt: no connection file
    std::optional<std::string> drivers;      // nullopt: no driver file
    std::string message;                     // "{connections}" is the connection file's path
    Calls calls;
};

void PrintTo(const FailedOpening& row, std::ostream* out) { *out << row.name; }

const FailedOpening kFailedOpenings[] = {
    {"ConnectionFileMissing",
     std::nullopt,
     kTestDriverEntry,
     "Driver/Connection Registry File '{connections}' not found",
     {}},
    {"EntryMissing",
     "[Other]\n" + kDriverNameLine + kDatabaseLine,
     kTestDriverEntry,
     "Missing DriverName property",
     {}},
    {"DriverNameEmpty",
     "[Quenby]\nDriverName=  \n" + kDatabaseLine,
     kTestDriverEntry,
     "Missing DriverName property",
     {}},
    {"LibraryNameMissing",
     kMinimalEntry,
     "[TestDriver]\nVendorLib=libtestclient.so\nGetDriverFunc=getTestDriver\n",
     "SQLConnection1: DLL/Shared Library Name not Set",
     {}},
    {"VendorLibMissing",
     kMinimalEntry,
     "[TestDriver]\nLibraryName=libdbxtestdriver.so\nVendorLib=\nGetDriverFunc=getTestDriver\n",
     "SQLConnection1: DLL/Shared Library Name not Set",
     {}},
    {"DriverEntryMissing",
     "[Quenby]\nDriverName=Other\n" + kDatabaseLine,
     kTestDriverEntry,
     "SQLConnection1: DLL/Shared Library Name not Set",
     {}},
    {"DriverFileMissing",
     kMinimalEntry,
     std::nullopt,
     "SQLConnection1: DLL/Shared Library Name not Set",
     {}},
    {"DatabaseMissing",
     "[Quenby]\n" + kDriverNameLine + kLoginLines,
     kTestDriverEntry,
     "Missing Database property",
     {}},
    {"DriverLibraryNotLoadable",
     kMinimalEntry,
     "[TestDriver]\nLibraryName=libdbxnowhere.so\nVendorLib=libtestclient.so\n"
     "GetDriverFunc=getTestDriver\n",
     "Unable to Load libdbxnowhere.so",
     {}},
    {"EntryFunctionMissing",
     kMinimalEntry,
     "[TestDriver]\nLibraryName=libdbxtestdriver.so\nVendorLib=libtestclient.so\n"
     "GetDriverFunc=getNoDriver\n",
     "Unable to Find Procedure getNoDriver",
     {}},
    {"EntryFunctionFails",
     kMinimalEntry,
     "[TestDriver]\nLibraryName=libdbxtestdriver.so\nVendorLib=fail-entry\n"
     "GetDriverFunc=getTestDriver\n",
     "Unable to Load fail-entry",
     {"entry vendorLib=fail-entry errorResourceFile="}},
    {"NoConnectionFromDriver",
     kMinimalEntry,
     "[TestDriver]\nLibraryName=libdbxtestdriver.so\nVendorLib=fail-getConnection\n"
     "GetDriverFunc=getTestDriver\n",
     "dbExpress Error: [0x0001]: Out of memory",
     {"entry vendorLib=fail-getConnection errorResourceFile=", "getConnection", "release driver"}},
    {"SqlDialectNotInteger", kMinimalEntry + "SqlDialect=3a\n", kTestDriverEntry,
     "'3a' is not a valid integer value", kUpToConnection + kReleased},
    {"ConnectionTimeoutNotInteger", kMinimalEntry + "Connection Timeout=ten\n", kTestDriverEntry,
     "'ten' is not a valid integer value", kUpToConnection + kReleased},
    {"BlobSizeNotInteger", kMinimalEntry + "BlobSize=-1k\n", kTestDriverEntry,
     "'-1k' is not a valid integer value",
     kUpToConnection + Calls{connectLine("db.example:/data/bills.fdb")} + kReleased},
    {"BlobSizeRefused", kMinimalEntry + "BlobSize=-2\n", kTestDriverEntry,
     "dbExpress Error: [0x000B]: Invalid parameter",
     kUpToConnection + Calls{connectLine("db.example:/data/bills.fdb"), "blobSize -2"} + kReleased},
    {"ConnectFailsWithServerText",
     "[Quenby]\n" + kDriverNameLine + "Database=fail:21:host is down\n" + kLoginLines,
     kTestDriverEntry,
     "dbExpress Error: [0x0015]: Connection failed\r\nSQL Server Error: host is down",
     kUpToConnection + Calls{connectLine("fail:21:host is down")} + kReleased},
    {"ConnectFailsWithoutServerText",
     "[Quenby]\n" + kDriverNameLine + "Database=fail:21:\n" + kLoginLines, kTestDriverEntry,
     "dbExpress Error: [0x0015]: Connection failed",
     kUpToConnection + Calls{connectLine("fail:21:")} + kReleased},
    {"UnknownCodeWithServerText",
     "[Quenby]\n" + kDriverNameLine + "Database=fail:777:odd\n" + kLoginLines, kTestDriverEntry,
     "SQL Server Error: odd", kUpToConnection + Calls{connectLine("fail:777:odd")} + kReleased},
    {"UnknownCodeAlone", "[Quenby]\n" + kDriverNameLine + "Database=fail:777:\n" + kLoginLines,
     kTestDriverEntry, "dbExpress Error: Unknown Error Code '777'",
     kUpToConnection + Calls{connectLine("fail:777:")} + kReleased},
};

class FailedOpeningTest : public ConnectionFixture,
                          public ::testing::WithParamInterface<FailedOpening> {};

TEST_P(FailedOpeningTest, StopsWithItsMessageAndStaysClosed) {
    const FailedOpening& row = GetParam();
    if (row.connections) writeConnections(*row.connections);
    if (row.drivers)
        writeDrivers(*row.drivers);
    else
        std::remove(driverFile.c_str());
    std::string message = row.message;
    if (auto at = message.find("{connections}"); at != std::string::npos)
        message.replace(at, 13, connectionFile);

    EXPECT_EQ(failureOf([&] { connection.query("rows:1"); }), message);
    EXPECT_FALSE(connection.connected());
    EXPECT_EQ(takeDriverCalls(), row.calls);
}

INSTANTIATE_TEST_SUITE_P(Opening, FailedOpeningTest, ::testing::ValuesIn(kFailedOpenings),
                         [](const auto& info) { return std::string(info.param.name); });

using OpeningTest = ConnectionFixture;

TEST_F(OpeningTest, PassesTheEntrysOptionsInTheDriversOrderWithTheirKinds) {
    writeConnections(
        "[Quenby]\n"
        "custom string =  x=1  \n"
        "Connection Timeout=30\n"
        "trim char=TRUE\n"
        "Multiple Transaction= true \n"
        "Server Port=3051\n"
        "OS Authentication=yes\n"
        "SQLDIALECT=3\n"
        "Interbase TransIsolation=RepeatableRead\n"
        "TestDriver TransIsolation=DirtyRead\n"
        "ServerCharSet=BIG_5\n"
        "BlockingMode=False\n"
        "AutoCommit=True\n"
        "CommitRetain=false\n"
        "WaitOnLocks=tRuE\n"
        "RoleName=clerks\n"
        "HostName=host1\n"
        "ErrorResourceFile=errors.res\n"
        "BlobSize=64\n" +
        kDriverNameLine +
        "database=db.example:/data/bills.fdb\nuser_name=clerk\nPASSWORD=secret\n");

    connection.open();

    EXPECT_TRUE(connection.connected());
    EXPECT_EQ(takeDriverCalls(),
              (Calls{
                  "entry vendorLib=libtestclient.so errorResourceFile=errors.res",
                  "getConnection",
                  "option HostName text:host1",
                  "option RoleName text:clerks",
                  "option WaitOnLocks flag:true",
                  "option CommitRetain flag:false",
                  "option AutoCommit flag:true",
                  "option BlockingMode flag:false",
                  "option ServerCharSet text:BIG_5",
                  "option TransIsolation isolation:DirtyRead",
                  "option SqlDialect integer:3",
                  "option OsAuthentication flag:false",
                  "option ServerPort text:3051",
                  "option MultipleTransaction flag:true",
                  "option TrimChar flag:true",
                  "option CustomString text:x=1",
                  "option ConnectionTimeout integer:30",
                  connectLine("db.example:/data/bills.fdb"),
                  "blobSize 64",
              }));
}

TEST_F(OpeningTest, SkipsOptionsWithoutValue) {
    writeConnections(kMinimalEntry +
                     "HostName=\nServerCharSet=   \nSqlDialect=\nTrim Char=\nRoleName=\n");
    connection.open();
    EXPECT_EQ(takeDriverCalls(), kMinimalOpening);
}

TEST_F(OpeningTest, CarriedParamsGiveWayToTheEntry) {
    connection.params = db::carriedParams();
    writeConnections(kMinimalEntry);

    connection.open();

    EXPECT_EQ(takeDriverCalls(), kMinimalOpening);
    EXPECT_EQ(connection.params.entries().size(), 4u);
    EXPECT_EQ(connection.params.value("User_Name"), "clerk");
    EXPECT_EQ(connection.params.value("RoleName"), "");
}

TEST_F(OpeningTest, TakesTheDriverSettingsFromTheDriverEntry) {
    writeConnections(kMinimalEntry);
    connection.open();
    EXPECT_EQ(connection.driverName, "TestDriver");
    EXPECT_EQ(connection.libraryName, "libdbxtestdriver.so");
    EXPECT_EQ(connection.vendorLib, "libtestclient.so");
    EXPECT_EQ(connection.getDriverFunc, "getTestDriver");
}

TEST_F(OpeningTest, LoadsADriverLibraryNamedByItsFullPath) {
    writeDrivers("[TestDriver]\nLibraryName= " TEST_DRIVER_PATH
                 " \nVendorLib=libtestclient.so\nGetDriverFunc=getTestDriver\n");
    writeConnections(kMinimalEntry);
    connection.open();
    EXPECT_EQ(takeDriverCalls(), kMinimalOpening);
}

TEST_F(OpeningTest, TriesAgainAfterAFailureReadingTheFilesAgain) {
    writeConnections("[Quenby]\n" + kDriverNameLine + kLoginLines);
    EXPECT_EQ(failureOf([&] { connection.query("rows:1"); }), "Missing Database property");

    writeConnections(kMinimalEntry);
    EXPECT_EQ(connection.query("rows:1").size(), 1u);
    EXPECT_TRUE(connection.connected());
    EXPECT_EQ(takeDriverCalls(),
              (kMinimalOpening + Calls{"execute rowset=20 sql=rows:1", "fetch 20"}));
}

TEST_F(OpeningTest, OpensOnceAndClosesWithoutCommitOrRollback) {
    writeConnections(kMinimalEntry);
    connection.open();
    connection.open();
    connection.execute("UPDATE t SET c = 1");
    connection.close();

    EXPECT_FALSE(connection.connected());
    EXPECT_EQ(takeDriverCalls(),
              (kMinimalOpening + Calls{"execute rowset=20 sql=UPDATE t SET c = 1"} + kReleased));
}

TEST_F(OpeningTest, OpensAgainAfterClosingReadingTheEntryAgain) {
    writeConnections(kMinimalEntry);
    connection.open();
    connection.close();
    writeConnections("[Quenby]\n" + kDriverNameLine + "Database=other:/b.fdb\n" + kLoginLines);
    connection.open();

    EXPECT_EQ(takeDriverCalls().at(8), connectLine("other:/b.fdb"));
}

TEST_F(OpeningTest, WithoutSettingNamesTheConnectionFileBesideTheExecutable) {
    unsetenv("DBX_CONNECTION_REGISTRY_FILE");
    connection.setConnectionFile(db::connectionFilePath());
    EXPECT_EQ(failureOf([&] { connection.open(); }), "Driver/Connection Registry File '" +
                                                         platform::executableDirectory() +
                                                         "dbxconnections.ini' not found");
    EXPECT_TRUE(takeDriverCalls().empty());
}
TEST(ConnectionLifetime, DisconnectsWhenDestroyed) {
    testsupport::TempDir dir;
    testsupport::writeFile(dir.file("dbxdrivers.ini"), kTestDriverEntry);
    testsupport::writeFile(dir.file("dbxconnections.ini"), kMinimalEntry);
    setenv("DBX_DRIVER_REGISTRY_FILE", dir.file("dbxdrivers.ini").c_str(), 1);
    {
        db::SqlConnection connection("SQLConnection1");
        connection.setConnectionFile(dir.file("dbxconnections.ini"));
        connection.open();
        takeDriverCalls();
    }
    unsetenv("DBX_DRIVER_REGISTRY_FILE");
    EXPECT_EQ(takeDriverCalls(), kReleased);
}

}  // namespace
}  // namespace dbtest
