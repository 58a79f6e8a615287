#include "db/ConfigurationPaths.h"

#include <string_view>

#include "platform/Platform.h"

namespace db {
namespace {

std::string settingOrBesideExecutable(std::string_view setting, std::string_view fileName) {
    std::string path = platform::userSetting(setting);
    return path.empty() ? platform::executableDirectory() + std::string(fileName) : path;
}

}  // namespace

std::string connectionFilePath() {
    return settingOrBesideExecutable("Connection Registry File", "dbxconnections.ini");
}

std::string driverFilePath() {
    return settingOrBesideExecutable("Driver Registry File", "dbxdrivers.ini");
}

}  // namespace db
