// The configuration file reader of the database layer over any bytes and section name. Input: a
// line for the section, then the file's bytes.

#include <algorithm>
#include <string>

#include "FuzzTarget.h"
#include "db/ConfigFile.h"

namespace {

bool isTrimmed(std::string_view text) {
    const auto isBlank = [](char byte) { return static_cast<unsigned char>(byte) <= 0x20; };
    return text.empty() || (!isBlank(text.front()) && !isBlank(text.back()));
}

void checkEntry(std::string_view file, const std::string& key, const std::string& value) {
    FUZZ_CHECK(isTrimmed(key) && isTrimmed(value));
    FUZZ_CHECK(key.find_first_of("\r\n=") == std::string::npos);
    FUZZ_CHECK(value.find_first_of("\r\n") == std::string::npos);
    FUZZ_CHECK(file.find(key) != std::string_view::npos);
    FUZZ_CHECK(file.find(value) != std::string_view::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const std::string_view section = input.takeLine();
    const std::string_view file = input.rest();

    const db::Params params = db::configSectionFromBytes(file, section);

    const auto equalsSigns = static_cast<std::size_t>(std::count(file.begin(), file.end(), '='));
    FUZZ_CHECK(params.entries().size() <= equalsSigns);
    for (const auto& [key, value] : params.entries()) checkEntry(file, key, value);
    return 0;
}
