// The cutting of paths: the directory part and the application title, over any path.

#include <string>

#include "FuzzTarget.h"
#include "app/Application.h"
#include "platform/Platform.h"

namespace {

bool isSeparator(char byte) { return byte == '/' || byte == '\\' || byte == ':'; }
bool isUpper(char byte) { return byte >= 'A' && byte <= 'Z'; }
char lower(char byte) { return isUpper(byte) ? static_cast<char>(byte - 'A' + 'a') : byte; }

// Calls check(offset, length) for every character of text.
template <typename Check>
void forEachCharacter(std::string_view text, Check check) {
    for (std::size_t offset = 0; offset < text.size();) {
        const std::size_t length = platform::characterLength(text, offset);
        check(offset, length);
        offset += length;
    }
}

void checkDirectory(std::string_view path, std::string_view directory) {
    FUZZ_CHECK(path.starts_with(directory));
    bool lastIsSeparator = directory.empty();
    forEachCharacter(path, [&](std::size_t offset, std::size_t length) {
        if (offset + 1 == directory.size()) lastIsSeparator = length == 1;
        if (offset >= directory.size()) FUZZ_CHECK(length == 2 || !isSeparator(path[offset]));
    });
    FUZZ_CHECK(lastIsSeparator && (directory.empty() || isSeparator(directory.back())));
}

// The title is the name up to its first full stop, lower-cased after its first character.
void checkTitle(std::string_view name, std::string_view title) {
    FUZZ_CHECK(title.size() <= name.size());
    FUZZ_CHECK(title.size() == name.size() || name[title.size()] == '.');
    forEachCharacter(title, [&](std::size_t offset, std::size_t length) {
        if (length == 2 || offset == 0) {
            FUZZ_CHECK(title.substr(offset, length) == name.substr(offset, length));
        } else {
            FUZZ_CHECK(title[offset] != '.' && !isUpper(title[offset]));
            FUZZ_CHECK(title[offset] == lower(name[offset]));
        }
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path(reinterpret_cast<const char*>(data), size);
    const std::string directory = platform::directoryPart(path);
    checkDirectory(path, directory);
    checkTitle(std::string_view(path).substr(directory.size()), applicationTitle(path));
    return 0;
}
