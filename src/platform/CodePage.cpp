#include <iconv.h>

#include <cerrno>
#include <stdexcept>

#include "platform/Platform.h"

namespace platform {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// One iconv conversion descriptor, owned.
class Converter {
public:
    Converter(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {
        if (descriptor_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("No conversion from ") + from + " to " + to);
        }
    }
    ~Converter() { iconv_close(descriptor_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Back to the initial state, whatever the last use stopped on.
    Converter& reset() {
        iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
        return *this;
    }

    // Appends the conversion of in to out up to the first byte that does not convert; returns
    // the number of bytes of in consumed.
    std::size_t convert(std::string_view in, std::string& out) {
        char* input = const_cast<char*>(in.data());
        std::size_t inputLeft = in.size();
        char buffer[1024];
        while (inputLeft > 0) {
            char* output = buffer;
            std::size_t outputLeft = sizeof buffer;
            const std::size_t result = iconv(descriptor_, &input, &inputLeft, &output, &outputLeft);
            out.append(buffer, output);
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) break;
        }
        return in.size() - inputLeft;
    }

private:
    iconv_t descriptor_;
};

// Opened once per thread: items are converted every time they are painted.
Converter& toUtf8() {
    thread_local Converter converter("UTF-8", "CP950");
    return converter.reset();
}

Converter& toAnsi() {
    thread_local Converter converter("CP950", "UTF-8");
    return converter.reset();
}

char asciiLowerByte(char byte) {
    return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte;
}

// The length of the UTF-8 sequence at offset as far as it is well formed: its lead byte and
// the continuation bytes that follow, at least 1.
std::size_t utf8SequenceLength(std::string_view text, std::size_t offset) {
    std::size_t length = 1;
    while (offset + length < text.size() && length < 4 &&
           (static_cast<unsigned char>(text[offset + length]) & 0xC0) == 0x80) {
        ++length;
    }
    return length;
}

}  // namespace

bool isLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

std::size_t characterLength(std::string_view text, std::size_t offset) {
    const bool doubleByte =
        offset + 1 < text.size() && isLeadByte(static_cast<unsigned char>(text[offset]));
    return doubleByte ? 2 : 1;
}

std::size_t lastCharacterStart(std::string_view text) {
    std::size_t last = text.size();
    for (std::size_t offset = 0; offset < text.size(); offset += characterLength(text, offset)) {
        last = offset;
    }
    return last;
}

std::string ansiToUtf8(std::string_view ansi) {
    Converter& converter = toUtf8();
    std::string utf8;
    std::size_t offset = 0;
    while (offset < ansi.size()) {
        offset += converter.convert(ansi.substr(offset), utf8);
        if (offset < ansi.size()) {
            utf8 += kReplacementCharacter;
            offset += characterLength(ansi, offset);
        }
    }
    return utf8;
}

std::string utf8ToAnsi(std::string_view utf8) {
    Converter& converter = toAnsi();
    std::string ansi;
    std::size_t offset = 0;
    while (offset < utf8.size()) {
        offset += converter.convert(utf8.substr(offset), ansi);
        if (offset < utf8.size()) {
            ansi += '?';
            offset += utf8SequenceLength(utf8, offset);
        }
    }
    return ansi;
}

std::string asciiLower(std::string_view text) {
    std::string lower(text);
    for (std::size_t offset = 0; offset < lower.size(); offset += characterLength(lower, offset)) {
        lower[offset] = asciiLowerByte(lower[offset]);
    }
    return lower;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t offset = 0; offset < a.size();) {
        const std::size_t length = characterLength(a, offset);
        const bool same = length == 2 ? a.substr(offset, 2) == b.substr(offset, 2)
                                      : asciiLowerByte(a[offset]) == asciiLowerByte(b[offset]);
        if (!same) return false;
        offset += length;
    }
    return true;
}

bool startsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           equalsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace platform
