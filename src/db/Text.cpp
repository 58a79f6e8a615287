#include "db/Text.h"

#include "platform/Platform.h"

namespace db {
namespace {

bool isBlank(char byte) { return static_cast<unsigned char>(byte) <= 0x20; }

}  // namespace

std::string_view trimmedLeft(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    return text;
}

// A Big5 trail byte is never a blank, so trailing bytes can be dropped one by one.
std::string_view trimmed(std::string_view text) {
    text = trimmedLeft(text);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string lowerCase(std::string_view text) { return platform::asciiLower(text); }

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return platform::equalsIgnoringAsciiCase(a, b);
}

}  // namespace db
