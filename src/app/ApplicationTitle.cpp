#include "app/Application.h"
#include "platform/Platform.h"

namespace {

// The file name up to its first full stop.
std::string_view baseName(std::string_view path) {
    std::string_view name = path.substr(platform::directoryPart(path).size());
    std::size_t end = 0;
    while (end < name.size() && name[end] != '.') end += platform::characterLength(name, end);
    return name.substr(0, end);
}

}  // namespace

std::string applicationTitle(const std::string& executablePath) {
    std::string title(baseName(executablePath));
    if (title.empty()) return title;
    for (std::size_t offset = platform::characterLength(title, 0); offset < title.size();) {
        const std::size_t length = platform::characterLength(title, offset);
        char& byte = title[offset];
        if (length == 1 && byte >= 'A' && byte <= 'Z') byte = byte - 'A' + 'a';
        offset += length;
    }
    return title;
}
