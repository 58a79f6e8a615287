#include <gtest/gtest.h>

#include <string>

#include "platform/Platform.h"

namespace {

// "銷貨單據回傳確認", the window's caption, in both encodings.
const std::string kCaptionUtf8 = "銷貨單據回傳確認";
const std::string kCaptionBig5 = "\xBE\x50\xB3\x66\xB3\xE6\xBE\xDA\xA6\x5E\xB6\xC7\xBD\x54\xBB\x7B";

struct LastCharacterCase {
    const char* name;
    std::string text;
    std::size_t start;
};

void PrintTo(const LastCharacterCase& row, std::ostream* out) { *out << row.name; }

class LastCharacterStart : public testing::TestWithParam<LastCharacterCase> {};

TEST_P(LastCharacterStart, FindsTheFirstByteOfTheLastCharacter) {
    EXPECT_EQ(platform::lastCharacterStart(GetParam().text), GetParam().start);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LastCharacterStart,
    testing::Values(LastCharacterCase{"Empty", "", 0}, LastCharacterCase{"Ascii", "abc", 2},
                    LastCharacterCase{"DoubleByteLast", "a\xB3\x5C", 1},
                    LastCharacterCase{"TwoDoubleBytes", "\xB3\x5C\xA5\x5C", 2},
                    LastCharacterCase{"AsciiAfterDoubleByte",
                                      "\xB3\x5C"
                                      "a",
                                      2},
                    // The byte before the last one is a trail byte that is also a lead byte.
                    LastCharacterCase{"TrailByteInLeadRange", "\xB3\xB3\x5C", 2},
                    LastCharacterCase{"LoneLeadByteAtEnd", "a\xB3", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LeadByte, IsTheRangeFrom0x81To0xFE) {
    EXPECT_FALSE(platform::isLeadByte(0x7F));
    EXPECT_FALSE(platform::isLeadByte(0x80));
    EXPECT_TRUE(platform::isLeadByte(0x81));
    EXPECT_TRUE(platform::isLeadByte(0xFE));
    EXPECT_FALSE(platform::isLeadByte(0xFF));
}

TEST(CodePage, Big5TextRoundTrips) {
    EXPECT_EQ(platform::utf8ToAnsi(kCaptionUtf8), kCaptionBig5);
    EXPECT_EQ(platform::ansiToUtf8(kCaptionBig5), kCaptionUtf8);
    const std::string mixed = "Bill \xB3\x5C\xA5\x5C\r\n#42";
    EXPECT_EQ(platform::utf8ToAnsi(platform::ansiToUtf8(mixed)), mixed);
}

TEST(CodePage, UndecodableBytesShowAsReplacementCharacters) {
    EXPECT_EQ(platform::ansiToUtf8("a\xFF"
                                   "b"),
              "a\uFFFDb");
    EXPECT_EQ(platform::ansiToUtf8("\xA4\x20x"), "\uFFFDx");
    EXPECT_EQ(platform::ansiToUtf8("ab\xA4"), "ab\uFFFD");
}

TEST(CodePage, CharactersTheCodePageLacksBecomeQuestionMarks) {
    EXPECT_EQ(platform::utf8ToAnsi("a\U0001F600b"), "a?b");
    EXPECT_EQ(platform::utf8ToAnsi("\xEA\xB0\x80\xE8\xA8\xB1"), "?\xB3\x5C");
    EXPECT_EQ(platform::utf8ToAnsi("\xC3x"), "?x");
}

}  // namespace
