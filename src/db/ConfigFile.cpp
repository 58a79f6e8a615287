#include "db/ConfigFile.h"

#include <fstream>
#include <iterator>

#include "db/Text.h"

namespace db {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::optional<std::string> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Cuts the first line off text, whichever of CR LF, LF or CR ends it.
std::string_view takeLine(std::string_view& text) {
    const auto end = text.find_first_of("\r\n");
    const std::string_view line = text.substr(0, end);
    if (end == std::string_view::npos)
        text = {};
    else
        text.remove_prefix(text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1);
    return line;
}

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

Params configSectionFromBytes(std::string_view text, std::string_view section) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    Params params;
    bool inSection = false;
    while (!text.empty()) {
        const std::string_view line = trimmed(takeLine(text));
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
    const auto text = readFile(path);
    if (!text) return std::nullopt;
    return configSectionFromBytes(*text, section);
}

}  // namespace db
