#include "db/ConfigFile.h"

#include "db/Text.h"
#include "platform/Platform.h"

namespace db {
namespace {

std::optional<std::string_view> sectionName(std::string_view line) {
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
    return trimmed(line.substr(1, line.size() - 2));
}

void addEntry(Params& params, std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return;
    params.append(std::string(trimmed(line.substr(0, equals))),
                  std::string(trimmed(line.substr(equals + 1))));
}

}  // namespace

Params configSectionFromBytes(std::string_view fileBytes, std::string_view section) {
    const std::string ansi = platform::ansiFileText(fileBytes);
    std::string_view text = ansi;
    Params params;
    bool inSection = false;
    while (!text.empty()) {
        const std::string_view line = trimmed(platform::takeLine(text));
        if (line.empty() || line.front() == ';') continue;
        if (const auto name = sectionName(line)) {
            if (inSection) break;
            inSection = equalsIgnoringCase(*name, section);
        } else if (inSection) {
            addEntry(params, line);
        }
    }
    return params;
}

std::optional<Params> readConfigSection(const std::string& path, std::string_view section) {
    const auto text = platform::readFileBytes(path);
    if (!text) return std::nullopt;
    return configSectionFromBytes(*text, section);
}

}  // namespace db
