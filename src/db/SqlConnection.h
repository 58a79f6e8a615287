#pragma once
// The database layer: one connection opened from the configuration files on first use, and the
// datasets that run statements on it.
//
// In: the connection and driver configuration files (dbxconnections.ini, dbxdrivers.ini),
// statement texts (bytes). Out: rows of byte values, or nothing for statements without rows.
// Every failure is a DatabaseError whose message is the user's text. The layer never starts,
// commits or rolls back a transaction; the driver commits each statement by itself.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "db/DatabaseError.h"
#include "db/DriverInterface.h"

namespace db {

// An ordered list of "key=value" entries, keys matched without regard to case.
class Params {
public:
    Params() = default;
    Params(std::initializer_list<std::pair<std::string, std::string>> entries);
    // The value of key, or empty when it is missing.
    std::string value(const std::string& key) const;
    void set(const std::string& key, const std::string& value);
    const std::vector<std::pair<std::string, std::string>>& entries() const { return entries_; }
    void clear() { entries_.clear(); }

private:
    std::vector<std::pair<std::string, std::string>> entries_;
};

using Rows = std::vector<dbx::Row>;

class SqlConnection {
public:
    explicit SqlConnection(std::string name);
    ~SqlConnection();
    SqlConnection(const SqlConnection&) = delete;
    SqlConnection& operator=(const SqlConnection&) = delete;

    const std::string& name() const { return name_; }

    // Settings as the window carries them.
    std::string connectionName = "Quenby";
    std::string driverName = "Interbase";
    std::string libraryName = "dbexpint.dll";
    std::string getDriverFunc = "getSQLDriverINTERBASE";
    std::string vendorLib = "gds32.dll";
    bool loadParamsOnConnect = true;
    bool loginPrompt = false;
    bool keepConnection = true;
    Params params;

    // Where dbxconnections.ini is; settled when the window is created.
    void setConnectionFile(std::string path) { connectionFile_ = std::move(path); }
    const std::string& connectionFile() const { return connectionFile_; }

    bool connected() const { return connection_ != nullptr; }
    void open();   // no-op when open
    void close();  // disconnects; no commit, no rollback

    // Opens the connection when needed, runs sql and returns every row.
    Rows query(const std::string& sql);
    // Opens the connection when needed and runs sql, which returns no rows.
    void execute(const std::string& sql);

private:
    std::string name_;
    std::string connectionFile_;
    bool paramsLoaded_ = false;
    std::unique_ptr<dbx::Driver> driver_;
    std::unique_ptr<dbx::Connection> connection_;
    std::size_t rowsetSize_ = 20;
    std::string previousError_;
};

}  // namespace db
