#include "db/Params.h"

#include <algorithm>

#include "db/Text.h"

namespace db {

Params::Params(std::initializer_list<std::pair<std::string, std::string>> entries)
    : entries_(entries) {}

std::string Params::value(const std::string& key) const {
    auto found = std::find_if(entries_.begin(), entries_.end(), [&key](const auto& entry) {
        return equalsIgnoringCase(entry.first, key);
    });
    return found == entries_.end() ? std::string() : found->second;
}

void Params::set(const std::string& key, const std::string& value) {
    for (auto& entry : entries_) {
        if (equalsIgnoringCase(entry.first, key)) {
            entry.second = value;
            return;
        }
    }
    append(key, value);
}

void Params::append(std::string key, std::string value) {
    entries_.emplace_back(std::move(key), std::move(value));
}

}  // namespace db
