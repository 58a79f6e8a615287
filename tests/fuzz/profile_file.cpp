// The profile file reader over any bytes, section, key and buffer size. Input: one byte for the
// buffer size, a line for the section, a line for the key, then the file's bytes.

#include <limits>
#include <string>

#include "FuzzTarget.h"
#include "platform/Platform.h"

namespace {

constexpr std::string_view kDefault = "default";

std::size_t bufferSizeFor(unsigned char byte) { return byte < 250 ? byte : 2048; }

bool isCharacterBoundary(std::string_view text, std::size_t at) {
    std::size_t offset = 0;
    while (offset < at) offset += platform::characterLength(text, offset);
    return offset == at;
}

// A value cut to the buffer keeps whole characters, and as many as fit.
void checkCut(std::string_view whole, std::string_view cut, std::size_t bufferSize) {
    FUZZ_CHECK(cut.size() <= bufferSize - 1);
    FUZZ_CHECK(whole.starts_with(cut));
    FUZZ_CHECK(isCharacterBoundary(whole, cut.size()));
    if (cut.size() < whole.size()) {
        FUZZ_CHECK(cut.size() + platform::characterLength(whole, cut.size()) > bufferSize - 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const std::size_t bufferSize = bufferSizeFor(input.takeByte());
    const std::string_view section = input.takeLine();
    const std::string_view key = input.takeLine();
    const std::string_view file = input.rest();

    const std::string whole = platform::profileStringFromBytes(
        file, section, key, kDefault, std::numeric_limits<std::size_t>::max());
    const std::string cut =
        platform::profileStringFromBytes(file, section, key, kDefault, bufferSize);

    // A value is one line, and a C string.
    FUZZ_CHECK(whole.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);
    if (file.find('[') == std::string_view::npos) FUZZ_CHECK(whole == kDefault);
    if (bufferSize == 0)
        FUZZ_CHECK(cut.empty());
    else
        checkCut(whole, cut, bufferSize);
    return 0;
}
