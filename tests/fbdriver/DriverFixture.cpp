#include "DriverFixture.h"

#include <dlfcn.h>

#include <stdexcept>

namespace fbtest {
namespace {

std::runtime_error failure(const std::string& what, dbx::ResultCode code,
                           const std::string& message) {
    return std::runtime_error(what + " failed with code " + std::to_string(code) + ": " + message);
}

std::unique_ptr<dbx::Driver> newDriver() {
    dbx::Driver* driver = nullptr;
    const int result = entryFunction()("libfbclient.so.2", "", &driver);
    if (result != 0 || !driver) throw failure("entry function", result, "");
    return std::unique_ptr<dbx::Driver>(driver);
}

int countOf(testsupport::TestDatabase& database, const std::string& sql) {
    return std::stoi(
        database.query("SELECT CAST(COUNT(*) AS VARCHAR(10)) " + sql).at(0).at(0).value());
}

const std::string kOtherUserAttachments =
    "MON$ATTACHMENT_ID <> CURRENT_CONNECTION AND MON$ATTACHMENT_ID IN "
    "(SELECT MON$ATTACHMENT_ID FROM MON$ATTACHMENTS WHERE MON$SYSTEM_FLAG = 0)";

}  // namespace

DbxGetDriverFunc entryFunction() {
    static void* module = dlopen(DBXFB_MODULE, RTLD_NOW | RTLD_LOCAL);
    if (!module) throw std::runtime_error(std::string("cannot load ") + DBXFB_MODULE);
    auto entry = reinterpret_cast<DbxGetDriverFunc>(dlsym(module, "getSQLDriverINTERBASE"));
    if (!entry) throw std::runtime_error("no getSQLDriverINTERBASE");
    return entry;
}

std::unique_ptr<dbx::Connection> newConnection(const Options& options) {
    static const std::unique_ptr<dbx::Driver> driver = newDriver();
    std::unique_ptr<dbx::Connection> connection;
    const dbx::ResultCode result = driver->getConnection(connection);
    if (result != dbx::kSuccess) throw failure("getConnection", result, "");
    for (const auto& [option, value] : options) {
        const dbx::ResultCode refused = connection->setOption(option, value);
        if (refused != dbx::kSuccess) throw failure("setOption", refused, "");
    }
    return connection;
}

Rows queryAll(dbx::Connection& connection, const std::string& sql, std::size_t blockSize) {
    std::unique_ptr<dbx::Cursor> cursor;
    const dbx::ResultCode result = connection.execute(sql, blockSize, cursor);
    if (result != dbx::kSuccess) throw failure(sql, result, connection.lastErrorMessage());
    if (!cursor) throw std::runtime_error(sql + " returned no cursor");
    Rows rows;
    for (bool done = false; !done;) {
        const dbx::ResultCode fetched = cursor->fetch(blockSize, rows, done);
        if (fetched != dbx::kSuccess) throw failure("fetch", fetched, cursor->lastErrorMessage());
    }
    return rows;
}

void execute(dbx::Connection& connection, const std::string& sql) {
    std::unique_ptr<dbx::Cursor> cursor;
    const dbx::ResultCode result = connection.execute(sql, 20, cursor);
    if (result != dbx::kSuccess) throw failure(sql, result, connection.lastErrorMessage());
    if (cursor) throw std::runtime_error(sql + " returned a cursor");
}

std::unique_ptr<dbx::Connection> DriverTest::connect(const Options& options) {
    auto connection = newConnection(options);
    const dbx::ResultCode result =
        connection->connect(database.database(), "SYSDBA", testsupport::sysdbaPassword());
    if (result != dbx::kSuccess) throw failure("connect", result, connection->lastErrorMessage());
    return connection;
}

int DriverTest::otherAttachments() {
    return countOf(database, "FROM MON$ATTACHMENTS WHERE " + kOtherUserAttachments);
}

int DriverTest::otherTransactions() {
    return countOf(database, "FROM MON$TRANSACTIONS WHERE " + kOtherUserAttachments);
}

}  // namespace fbtest
