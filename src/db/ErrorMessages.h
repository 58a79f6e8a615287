#pragma once

#include <string>

#include "db/DriverInterface.h"

namespace db {

// The text of a driver's result code, such as "[0x0015]: Connection failed"; empty for a code
// the layer does not know.
std::string resultCodeText(dbx::ResultCode code);

// The message of a failure that a driver reports with code and, perhaps, the server's own
// text. With neither a known code nor a server text it is previousMessage, the last such
// message of the same connection, when there is one.
std::string driverErrorMessage(dbx::ResultCode code, const std::string& serverMessage,
                               const std::string& previousMessage);

}  // namespace db
