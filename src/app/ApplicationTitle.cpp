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
    const std::size_t first = platform::characterLength(title, 0);
    return title.substr(0, first) + platform::asciiLower(std::string_view(title).substr(first));
}
