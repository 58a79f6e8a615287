#include <filesystem>
#include <system_error>

#include "platform/Platform.h"

namespace platform {

namespace {

bool isSeparator(char byte) { return byte == '/' || byte == '\\' || byte == ':'; }

}  // namespace

std::string executablePath() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).string();
}

std::string directoryPart(std::string_view path) {
    std::size_t end = 0;
    for (std::size_t offset = 0; offset < path.size(); offset += characterLength(path, offset)) {
        if (isSeparator(path[offset])) end = offset + 1;
    }
    return std::string(path.substr(0, end));
}

std::string executableDirectory() { return directoryPart(executablePath()); }

}  // namespace platform
