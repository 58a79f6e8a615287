#pragma once
// Text rules of the database layer. Text is bytes in the ANSI code page (Big5): case is folded
// for ASCII letters only, and never for the second byte of a double-byte character.

#include <string>
#include <string_view>

namespace db {

// text without leading and trailing blanks and control characters (bytes up to 0x20).
std::string_view trimmed(std::string_view text);
std::string_view trimmedLeft(std::string_view text);
std::string lowerCase(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace db
