#include "app/UserId.h"

#include "platform/Platform.h"

std::string readUserId() {
    const std::string directory = platform::executableDirectory();
    // Without a known directory there is no file beside the executable.
    if (directory.empty()) return {};
    return platform::readProfileString(directory + "Halvern.ini", "privite", "userid", "", 2048);
}
