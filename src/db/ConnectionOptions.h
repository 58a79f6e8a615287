#pragma once

#include <string>

#include "db/DriverInterface.h"
#include "db/Params.h"

namespace db {

// Passes the options of a connection entry that have a value, in the driver's order. The
// isolation level is under driverName + " TransIsolation". A driver's refusal is ignored;
// an integer option that is no integer throws DatabaseError.
void passConnectionOptions(dbx::Connection& connection, const Params& params,
                           const std::string& driverName);

}  // namespace db
