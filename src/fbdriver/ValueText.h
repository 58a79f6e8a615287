#pragma once

#include <ibase.h>

#include <string>

namespace fbdriver {

// Whether the driver reads columns of this type (nullable flag included or not).
bool isReadable(short sqltype);
bool isBlob(const XSQLVAR& column);

// The text of a fetched, non-null, non-BLOB column: text as stored, numbers in decimal with
// their scale, dates as YYYY-MM-DD, times as HH:MM:SS.ffff.
std::string scalarText(const XSQLVAR& column, bool trimChar);

}  // namespace fbdriver
