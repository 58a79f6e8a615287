#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace db {

// An ordered list of "key=value" entries, keys matched without regard to case. Where a key
// appears more than once, its first entry counts.
class Params {
public:
    Params() = default;
    Params(std::initializer_list<std::pair<std::string, std::string>> entries);
    // The value of key, or empty when it is missing.
    std::string value(const std::string& key) const;
    void set(const std::string& key, const std::string& value);
    void append(std::string key, std::string value);
    const std::vector<std::pair<std::string, std::string>>& entries() const { return entries_; }
    void clear() { entries_.clear(); }

private:
    std::vector<std::pair<std::string, std::string>> entries_;
};

}  // namespace db
