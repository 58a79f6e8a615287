#pragma once

#include <string>

#include "db/DriverInterface.h"

namespace db {

// The entry function of a driver library. A library is loaded once and stays loaded for the
// life of the process. A name without '/' is looked for beside the executable first, then on
// the system's library search path.
DbxGetDriverFunc loadDriverEntry(const std::string& libraryName, const std::string& entryName);

}  // namespace db
