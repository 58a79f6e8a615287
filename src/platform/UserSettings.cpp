#include <cstdlib>

#include "platform/Platform.h"

namespace platform {

namespace {

// The environment variables that stand in for the values of the database layer's registry key.
struct SettingVariable {
    std::string_view setting;
    const char* variable;
};

constexpr SettingVariable kSettingVariables[] = {
    {"Connection Registry File", "DBX_CONNECTION_REGISTRY_FILE"},
    {"Driver Registry File", "DBX_DRIVER_REGISTRY_FILE"},
};

}  // namespace

std::string userSetting(std::string_view name) {
    for (const auto& [setting, variable] : kSettingVariables) {
        if (setting != name) continue;
        const char* value = std::getenv(variable);
        return value ? value : "";
    }
    return {};
}

}  // namespace platform
