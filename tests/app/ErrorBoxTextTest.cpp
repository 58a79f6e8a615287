#include <gtest/gtest.h>

#include <string>

#include "app/Application.h"

namespace {

struct BoxTextCase {
    const char* name;
    std::string message;
    std::string text;
};

void PrintTo(const BoxTextCase& row, std::ostream* out) { *out << row.name; }

class ErrorBoxText : public testing::TestWithParam<BoxTextCase> {};

TEST_P(ErrorBoxText, AppendsAFullStopAfterCharactersAbove0x2E) {
    EXPECT_EQ(errorBoxText(GetParam().message), GetParam().text);
}

// Big5 trail bytes run from 0x40: "\xA4\x40" (一) has the lowest.
INSTANTIATE_TEST_SUITE_P(
    Messages, ErrorBoxText,
    testing::Values(BoxTextCase{"Empty", "", ""}, BoxTextCase{"Letter", "Failed", "Failed."},
                    BoxTextCase{"Digit", "code 42", "code 42."},
                    BoxTextCase{"QuestionMark", "Why?", "Why?."},
                    BoxTextCase{"FullStop", "Done.", "Done."},
                    BoxTextCase{"ClosingParenthesis", "(IBConsole)", "(IBConsole)"},
                    BoxTextCase{"Comma", "a,", "a,"}, BoxTextCase{"Hyphen", "a-", "a-"},
                    BoxTextCase{"ExclamationMark", "Stop!", "Stop!"},
                    BoxTextCase{"Slash", "a/", "a/."}, BoxTextCase{"Colon", "a:", "a:."},
                    BoxTextCase{"Blank", "a ", "a "}, BoxTextCase{"LineBreak", "a\r\n", "a\r\n"},
                    BoxTextCase{"ControlCharacter", "a\x01", "a\x01"},
                    BoxTextCase{"Tilde", "a~", "a~."},
                    BoxTextCase{"DoubleByteLowestTrail", "\xA4\x40", "\xA4\x40."},
                    BoxTextCase{"DoubleByteTrailBackslash", "\xB3\x5C", "\xB3\x5C."},
                    BoxTextCase{"ByteAboveAscii", "a\xFF", "a\xFF."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
