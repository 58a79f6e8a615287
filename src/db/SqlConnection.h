#pragma once
// The database layer: one connection opened from the configuration files on first use, and the
// datasets that run statements on it.
//
// In: the connection and driver configuration files (dbxconnections.ini, dbxdrivers.ini),
// statement texts (bytes). Out: rows of byte values, or nothing for statements without rows.
// Every failure is a DatabaseError whose message is the user's text. The layer never starts,
// commits or rolls back a transaction; the driver commits each statement by itself.

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "db/DatabaseError.h"
#include "db/DriverInterface.h"
#include "db/Params.h"

namespace db {

using Rows = std::vector<dbx::Row>;

// The parameters the window carries; each opening replaces them with the connection entry's.
Params carriedParams();

class SqlConnection {
public:
    explicit SqlConnection(std::string name);
    ~SqlConnection();
    SqlConnection(const SqlConnection&) = delete;
    SqlConnection& operator=(const SqlConnection&) = delete;

    const std::string& name() const { return name_; }

    // Settings as the window carries them; opening replaces the driver settings and params
    // with those of the configuration files.
    std::string connectionName = "Quenby";
    std::string driverName = "Interbase";
    std::string libraryName = "dbexpint.dll";
    std::string getDriverFunc = "getSQLDriverINTERBASE";
    std::string vendorLib = "gds32.dll";
    // Carried as the window sets them; only these values are supported.
    bool loadParamsOnConnect = true;
    bool loginPrompt = false;
    bool keepConnection = true;
    Params params;

    // Where dbxconnections.ini is; settled when the window is created.
    void setConnectionFile(std::string path) { connectionFile_ = std::move(path); }
    const std::string& connectionFile() const { return connectionFile_; }

    bool connected() const { return connection_ != nullptr; }
    // No-op when open. A failed opening leaves the connection closed; the next one reads the
    // configuration files again.
    void open();
    void close();  // disconnects; no commit, no rollback

    // Opens the connection when needed, runs sql and returns every row.
    Rows query(const std::string& sql);
    // Opens the connection when needed and runs sql, which returns no rows.
    void execute(const std::string& sql);

private:
    void loadParams();
    void loadDriverSettings();
    std::unique_ptr<dbx::Driver> loadDriver();
    std::unique_ptr<dbx::Connection> newConnection(dbx::Driver& driver);
    void connect(dbx::Connection& connection);
    std::unique_ptr<dbx::Cursor> run(const std::string& sql);
    Rows fetchAll(dbx::Cursor& cursor);
    [[noreturn]] void throwDriverError(dbx::ResultCode code, const std::string& serverMessage);

    std::string name_;
    std::string connectionFile_;
    std::unique_ptr<dbx::Driver> driver_;
    std::unique_ptr<dbx::Connection> connection_;
    std::size_t rowsetSize_ = 20;
    std::string previousError_;
};

}  // namespace db
