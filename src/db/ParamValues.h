#pragma once
// How the values of a connection entry are read: flags, integers, the isolation level and the
// sizes.

#include <cstddef>
#include <string>
#include <string_view>

#include "db/DriverInterface.h"
#include "db/Params.h"

namespace db {

// True only for "TRUE" in any letter case, blanks around it ignored.
bool flagValue(std::string_view value);
// Throws DatabaseError "'<value>' is not a valid integer value".
int integerValue(const std::string& value);
// "repeatableread" and "dirtyread" in any letter case; anything else is read committed.
dbx::Isolation isolationValue(std::string_view value);
// RowsetSize: 20 when absent, not an integer or below one.
std::size_t rowsetSize(const Params& params);
// BlobSize: -1 when absent; throws when not an integer.
int blobSize(const Params& params);

}  // namespace db
