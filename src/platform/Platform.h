#pragma once
// The services the program takes from its operating system, in one place: the profile (INI)
// file reader, the executable's own path, the ANSI code page (950, Big5) and the per-user
// settings that locate the database configuration files. Text in and out is bytes in the ANSI
// code page unless a function says UTF-8.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// --- Code page 950 -------------------------------------------------------------------------

// True for a byte that starts a double-byte character.
bool isLeadByte(unsigned char byte);
// The length in bytes (1 or 2) of the character that starts at offset; a lead byte at the end
// of text stands alone.
std::size_t characterLength(std::string_view text, std::size_t offset);
// The offset of the first byte of the last character of text (text.size() when empty).
std::size_t lastCharacterStart(std::string_view text);
// ANSI bytes to UTF-8 for display; a byte that does not decode shows as U+FFFD.
std::string ansiToUtf8(std::string_view ansi);
// UTF-8 to ANSI bytes; a character the code page lacks becomes '?'.
std::string utf8ToAnsi(std::string_view utf8);
// ASCII letters fold, nothing else does: the trail byte of a double-byte character may look
// like a letter and is left as it is.
std::string asciiLower(std::string_view text);
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);
bool startsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix);

// --- Text files ----------------------------------------------------------------------------

// The whole content of the file at path; nothing when it cannot be opened.
std::optional<std::string> readFileBytes(const std::string& path);
// Cuts the first line off text, whichever of CR LF, LF or CR ends it, and returns it without
// its line end.
std::string_view takeLine(std::string_view& text);
// A file's text in the ANSI code page: one that starts with the UTF-8 mark is read as UTF-8.
std::string ansiFileText(std::string_view fileBytes);

// --- Executable path -----------------------------------------------------------------------

// The full path of the running executable, as bytes; empty when the system cannot tell.
std::string executablePath();
// path up to and including its last separator ('/', '\' or ':'), double-byte aware; empty
// when it has none.
std::string directoryPart(std::string_view path);
// The executable's directory, ending in its separator.
std::string executableDirectory();

// --- Profile (INI) files -------------------------------------------------------------------

// The value of key in section of the profile file at path, read the way the Windows profile
// service reads it: defaultValue when the file, section or key is missing; at most
// bufferSize - 1 bytes.
std::string readProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view defaultValue,
                              std::size_t bufferSize);
// The same lookup over the bytes of a profile file.
std::string profileStringFromBytes(std::string_view fileBytes, std::string_view section,
                                   std::string_view key, std::string_view defaultValue,
                                   std::size_t bufferSize);

// --- Per-user settings ---------------------------------------------------------------------

// The per-user setting of the given name ("Connection Registry File", "Driver Registry File");
// empty when unset.
std::string userSetting(std::string_view name);

}  // namespace platform
