// The error box's text rule, and the decoding of that text for the screen, over any message.

#include <QString>
#include <algorithm>
#include <string>

#include "FuzzTarget.h"
#include "app/Application.h"
#include "platform/Platform.h"

namespace {

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

bool isWellFormedUtf8(const std::string& bytes) {
    return QString::fromStdString(bytes).toStdString() == bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string message(reinterpret_cast<const char*>(data), size);
    const std::string text = errorBoxText(message);

    FUZZ_CHECK(text == message || text == message + ".");
    if (message.empty()) FUZZ_CHECK(text.empty());
    if (isAscii(message) && !message.empty()) {
        const bool stopAdded = static_cast<unsigned char>(message.back()) > 0x2E;
        FUZZ_CHECK(text.size() == message.size() + (stopAdded ? 1 : 0));
    }

    const std::string shown = platform::ansiToUtf8(text);
    FUZZ_CHECK(isWellFormedUtf8(shown));
    if (isAscii(text)) FUZZ_CHECK(shown == text);
    return 0;
}
