#include "db/ParamValues.h"

#include <charconv>
#include <optional>

#include "db/DatabaseError.h"
#include "db/Text.h"

namespace db {
namespace {

constexpr std::size_t kDefaultRowsetSize = 20;

std::optional<int> parsedInteger(std::string_view text) {
    int number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return number;
}

}  // namespace

bool flagValue(std::string_view value) { return equalsIgnoringCase(trimmed(value), "true"); }

int integerValue(const std::string& value) {
    const auto number = parsedInteger(value);
    if (!number) throw DatabaseError("'" + value + "' is not a valid integer value");
    return *number;
}

dbx::Isolation isolationValue(std::string_view value) {
    const std::string level = lowerCase(value);
    if (level == "repeatableread") return dbx::Isolation::RepeatableRead;
    if (level == "dirtyread") return dbx::Isolation::DirtyRead;
    return dbx::Isolation::ReadCommitted;
}

// A rowset below one row would never finish a fetch.
std::size_t rowsetSize(const Params& params) {
    const auto size = parsedInteger(params.value("RowsetSize"));
    return size && *size > 0 ? static_cast<std::size_t>(*size) : kDefaultRowsetSize;
}

int blobSize(const Params& params) {
    const std::string value = params.value("BlobSize");
    return value.empty() ? -1 : integerValue(value);
}

}  // namespace db
