#pragma once
// The driver module loaded the way the database layer loads it, and a fixture with a fresh
// database on the local server.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "db/DriverInterface.h"
#include "support/TestDatabase.h"

namespace fbtest {

using Options = std::vector<std::pair<dbx::Option, dbx::OptionValue>>;
using Rows = std::vector<dbx::Row>;

// The module's entry function; throws when the module or the function cannot be found.
DbxGetDriverFunc entryFunction();

// A connection of a driver over libfbclient.so.2, the options set; throws on any failure.
std::unique_ptr<dbx::Connection> newConnection(const Options& options = {});

// Every row of sql, fetched in blocks of blockSize; throws with the driver's code and message.
Rows queryAll(dbx::Connection& connection, const std::string& sql, std::size_t blockSize = 20);
// Runs a statement without rows; throws with the driver's code and message.
void execute(dbx::Connection& connection, const std::string& sql);

class DriverTest : public ::testing::Test {
protected:
    explicit DriverTest(bool embedded = false) : database(embedded) {}
    // A connection to the test database as SYSDBA; throws when it fails.
    std::unique_ptr<dbx::Connection> connect(const Options& options = {});
    // Attachments to the test database other than the test's own second connection.
    int otherAttachments();
    // Transactions open in those attachments.
    int otherTransactions();

    testsupport::TestDatabase database;
};

}  // namespace fbtest
