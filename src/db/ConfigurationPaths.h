#pragma once

#include <string>

namespace db {

// The per-user setting "Connection Registry File", else dbxconnections.ini beside the
// executable.
std::string connectionFilePath();
// The per-user setting "Driver Registry File", else dbxdrivers.ini beside the executable.
std::string driverFilePath();

}  // namespace db
