#pragma once

#include <string>

#include "db/DriverInterface.h"

namespace fbdriver {

// What the connection options decide; everything else is accepted and has no effect.
struct ConnectionOptions {
    std::string roleName;
    std::string serverCharSet;
    std::string serverPort;
    bool waitOnLocks = true;
    bool trimChar = false;
    dbx::Isolation isolation = dbx::Isolation::ReadCommitted;
    int sqlDialect = 3;
    int connectionTimeout = 0;

    // Takes one option; a value of the wrong kind or out of range gives kInvalidParameter.
    dbx::ResultCode set(dbx::Option option, const dbx::OptionValue& value);

    // Database parameter buffer for an attachment; throws DriverError on oversized text.
    std::string databaseParameters(const std::string& user, const std::string& password) const;
    // Transaction parameter buffer for every statement's transaction.
    std::string transactionParameters() const;
    // database with the server port put after its host ("host/port:path").
    std::string databaseWithPort(const std::string& database) const;
};

}  // namespace fbdriver
