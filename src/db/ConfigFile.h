#pragma once
// The configuration files of the database layer (dbxconnections.ini, dbxdrivers.ini). Their
// rules differ from the profile files of the platform: every line is trimmed, ";" starts a
// comment line, lines before the first section are ignored, and a line is split at its first
// "=". A line that starts with "[" but does not end with "]" is no section header, and a line
// without "=" is ignored. Of sections with the same name the first counts. Lines may end in
// CR LF, LF or CR; a file that starts with the UTF-8 byte order mark is read as UTF-8, as a
// profile file is. Every call reads the file anew.

#include <optional>
#include <string>
#include <string_view>

#include "db/Params.h"

namespace db {

// The entries of section, in file order; empty when the section is missing, nullopt when the
// file cannot be read.
std::optional<Params> readConfigSection(const std::string& path, std::string_view section);
// The same over the bytes of a configuration file.
Params configSectionFromBytes(std::string_view bytes, std::string_view section);

}  // namespace db
