// Reads a profile file the way the Windows profile service does: lines end at CR LF, LF or CR;
// blanks around lines, names and values are dropped; a line that starts with ';' is a comment
// (a ';' later in a line is part of the value); names match without regard to ASCII case; only
// the first section of a name and the first key of a name in it count; one pair of matching
// quotes around a value is removed. A file that starts with the UTF-8 mark is read as UTF-8.

#include <algorithm>
#include <fstream>
#include <optional>
#include <sstream>

#include "platform/Platform.h"

namespace platform {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string_view trimmedRight(std::string_view text) {
    const std::size_t end = text.find_last_not_of(kBlanks);
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

std::string_view trimmed(std::string_view text) {
    const std::size_t start = text.find_first_not_of(kBlanks);
    return start == std::string_view::npos ? std::string_view() : trimmedRight(text.substr(start));
}

// The name in a line "[name]"; a ']' that is the trail byte of a double-byte character does
// not end it.
std::string_view sectionName(std::string_view line) {
    std::size_t offset = 1;
    while (offset < line.size() && line[offset] != ']') offset += characterLength(line, offset);
    return trimmed(line.substr(1, offset - 1));
}

// The value of a line "key = value" when its key is the one asked for.
std::optional<std::string_view> valueOf(std::string_view line, std::string_view key) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos ||
        !equalsIgnoringAsciiCase(trimmed(line.substr(0, equals)), key)) {
        return std::nullopt;
    }
    return trimmed(line.substr(equals + 1));
}

std::string_view unquoted(std::string_view value) {
    const bool quoted = value.size() >= 2 && value.front() == value.back() &&
                        (value.front() == '"' || value.front() == '\'');
    return quoted ? value.substr(1, value.size() - 2) : value;
}

std::optional<std::string> findValue(std::string_view text, std::string_view section,
                                     std::string_view key) {
    bool inSection = false;
    while (!text.empty()) {
        const std::string_view line = trimmed(takeLine(text));
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            if (inSection) return std::nullopt;
            inSection = equalsIgnoringAsciiCase(sectionName(line), section);
        } else if (inSection) {
            if (const auto value = valueOf(line, key)) return std::string(unquoted(*value));
        }
    }
    return std::nullopt;
}

// text cut to at most maxBytes bytes without splitting a double-byte character.
std::string truncated(std::string_view text, std::size_t maxBytes) {
    std::size_t end = 0;
    while (end < text.size() && end + characterLength(text, end) <= maxBytes) {
        end += characterLength(text, end);
    }
    return std::string(text.substr(0, end));
}

}  // namespace

std::optional<std::string> readFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

std::string_view takeLine(std::string_view& text) {
    const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
    const std::string_view line = text.substr(0, end);
    const bool crLf = text.substr(end, 2) == "\r\n";
    text.remove_prefix(std::min(text.size(), end + (crLf ? 2 : 1)));
    return line;
}

std::string ansiFileText(std::string_view fileBytes) {
    if (!fileBytes.starts_with(kUtf8Mark)) return std::string(fileBytes);
    return utf8ToAnsi(fileBytes.substr(kUtf8Mark.size()));
}

std::string profileStringFromBytes(std::string_view fileBytes, std::string_view section,
                                   std::string_view key, std::string_view defaultValue,
                                   std::size_t bufferSize) {
    if (bufferSize == 0) return {};
    const auto value = findValue(ansiFileText(fileBytes), section, key);
    const std::string_view text = value ? std::string_view(*value) : trimmedRight(defaultValue);
    // The service hands back a C string: a value ends at its first NUL.
    return truncated(text.substr(0, text.find('\0')), bufferSize - 1);
}

std::string readProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view defaultValue,
                              std::size_t bufferSize) {
    // A missing file reads like an empty one: neither holds the key.
    return profileStringFromBytes(readFileBytes(path).value_or(std::string()), section, key,
                                  defaultValue, bufferSize);
}

}  // namespace platform
