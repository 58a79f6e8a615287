#pragma once
// What a fuzz target is made of: its entry, property checks and the cutting of its input. A
// broken property aborts, so that the fuzzer keeps the input as a crash and the replay test of
// the normal build fails on it.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzz {

// Cuts a fuzz input into parts: lines taken from the front, then the rest as it is.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    // The first byte, 0 when there is none.
    unsigned char takeByte() {
        if (rest_.empty()) return 0;
        const auto byte = static_cast<unsigned char>(rest_.front());
        rest_.remove_prefix(1);
        return byte;
    }
    // The text up to the first LF, which is dropped; all that is left when there is none.
    std::string_view takeLine() {
        const std::size_t end = rest_.find('\n');
        const std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return line;
    }
    std::string_view rest() const { return rest_; }

private:
    std::string_view rest_;
};

}  // namespace fuzz
