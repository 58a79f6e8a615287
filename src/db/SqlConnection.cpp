#include "db/SqlConnection.h"

#include "db/ConfigFile.h"
#include "db/ConfigurationPaths.h"
#include "db/ConnectionOptions.h"
#include "db/DriverLoader.h"
#include "db/ErrorMessages.h"
#include "db/ParamValues.h"
#include "db/Text.h"

namespace db {

Params carriedParams() {
    return {
        {"DriverName", "Interbase"},
        {"Database", "192.168.1.10:/data/sales.fdb"},
        {"RoleName", "RoleName"},
        {"User_Name", "sysdba"},
        {"Password", "k3Rw9mZq"},
        {"ServerCharSet", ""},
        {"SQLDialect", "3"},
        {"BlobSize", "-1"},
        {"CommitRetain", "False"},
        {"WaitOnLocks", "True"},
        {"ErrorResourceFile", ""},
        {"LocaleCode", "0000"},
        {"Interbase TransIsolation", "ReadCommited"},
        {"Trim Char", "False"},
    };
}

SqlConnection::SqlConnection(std::string name) : name_(std::move(name)) {}

SqlConnection::~SqlConnection() { close(); }

// The driver and the connection are kept only once the connection stands, so a failure at any
// step leaves the connection closed.
void SqlConnection::open() {
    if (connected()) return;
    loadParams();
    loadDriverSettings();
    if (trimmed(params.value("Database")).empty()) throw DatabaseError("Missing Database property");
    std::unique_ptr<dbx::Driver> driver = loadDriver();
    std::unique_ptr<dbx::Connection> connection = newConnection(*driver);
    connect(*connection);
    rowsetSize_ = rowsetSize(params);
    driver_ = std::move(driver);
    connection_ = std::move(connection);
}

void SqlConnection::close() {
    connection_.reset();
    driver_.reset();
}

Rows SqlConnection::query(const std::string& sql) {
    const std::unique_ptr<dbx::Cursor> cursor = run(sql);
    return cursor ? fetchAll(*cursor) : Rows();
}

void SqlConnection::execute(const std::string& sql) { run(sql); }

void SqlConnection::loadParams() {
    std::optional<Params> entry = readConfigSection(connectionFile_, connectionName);
    if (!entry)
        throw DatabaseError("Driver/Connection Registry File '" + connectionFile_ + "' not found");
    params = std::move(*entry);
}

void SqlConnection::loadDriverSettings() {
    driverName = trimmed(params.value("DriverName"));
    if (driverName.empty()) throw DatabaseError("Missing DriverName property");
    const Params entry = readConfigSection(driverFilePath(), driverName).value_or(Params());
    libraryName = trimmed(entry.value("LibraryName"));
    vendorLib = trimmed(entry.value("VendorLib"));
    getDriverFunc = trimmed(entry.value("GetDriverFunc"));
    if (libraryName.empty() || vendorLib.empty())
        throw DatabaseError(name_ + ": DLL/Shared Library Name not Set");
}

std::unique_ptr<dbx::Driver> SqlConnection::loadDriver() {
    const DbxGetDriverFunc entryFunction = loadDriverEntry(libraryName, getDriverFunc);
    const std::string errorResourceFile(trimmed(params.value("ErrorResourceFile")));
    dbx::Driver* created = nullptr;
    const int result = entryFunction(vendorLib.c_str(), errorResourceFile.c_str(), &created);
    std::unique_ptr<dbx::Driver> driver(created);
    if (result != 0 || !driver) throw DatabaseError("Unable to Load " + vendorLib);
    return driver;
}

std::unique_ptr<dbx::Connection> SqlConnection::newConnection(dbx::Driver& driver) {
    std::unique_ptr<dbx::Connection> connection;
    const dbx::ResultCode code = driver.getConnection(connection);
    if (code != dbx::kSuccess || !connection) throwDriverError(code, "");
    return connection;
}

void SqlConnection::connect(dbx::Connection& connection) {
    passConnectionOptions(connection, params, driverName);
    dbx::ResultCode code = connection.connect(std::string(trimmed(params.value("Database"))),
                                              params.value("User_Name"), params.value("Password"));
    if (code == dbx::kSuccess) code = connection.setBlobSize(blobSize(params));
    if (code != dbx::kSuccess) throwDriverError(code, connection.lastErrorMessage());
}

std::unique_ptr<dbx::Cursor> SqlConnection::run(const std::string& sql) {
    open();
    std::unique_ptr<dbx::Cursor> cursor;
    const dbx::ResultCode code = connection_->execute(sql, rowsetSize_, cursor);
    if (code != dbx::kSuccess) throwDriverError(code, connection_->lastErrorMessage());
    return cursor;
}

Rows SqlConnection::fetchAll(dbx::Cursor& cursor) {
    Rows rows;
    for (bool done = false; !done;) {
        const dbx::ResultCode code = cursor.fetch(rowsetSize_, rows, done);
        if (code != dbx::kSuccess) throwDriverError(code, cursor.lastErrorMessage());
    }
    return rows;
}

void SqlConnection::throwDriverError(dbx::ResultCode code, const std::string& serverMessage) {
    previousError_ = driverErrorMessage(code, serverMessage, previousError_);
    throw DatabaseError(previousError_);
}

}  // namespace db
