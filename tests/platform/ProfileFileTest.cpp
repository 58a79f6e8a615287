#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/Platform.h"
#include "support/TestDatabase.h"

namespace {

struct ProfileCase {
    const char* name;
    std::optional<std::string> file;  // none: no file at the path
    std::string section;
    std::string key;
    std::string expected;
    std::string defaultValue = "default";
    std::size_t bufferSize = 2048;
};

void PrintTo(const ProfileCase& row, std::ostream* out) { *out << row.name; }

class ReadProfileString : public testing::TestWithParam<ProfileCase> {
protected:
    testsupport::TempDir dir_;
};

TEST_P(ReadProfileString, ReturnsWhatTheWindowsProfileServiceReturns) {
    const ProfileCase& row = GetParam();
    const std::string path = dir_.file("Halvern.ini");
    if (row.file) testsupport::writeFile(path, *row.file);
    EXPECT_EQ(
        platform::readProfileString(path, row.section, row.key, row.defaultValue, row.bufferSize),
        row.expected);
}

ProfileCase userId(const char* name, std::optional<std::string> file, std::string expected) {
    return {name, std::move(file), "privite", "userid", std::move(expected)};
}

INSTANTIATE_TEST_SUITE_P(
    Lookup, ReadProfileString,
    testing::Values(
        userId("Plain", "[privite]\r\nuserid=A123\r\n", "A123"),
        userId("MissingFile", std::nullopt, "default"), userId("EmptyFile", "", "default"),
        userId("SectionNameIgnoresCase", "[PRIVITE]\r\nuserid=A1\r\n", "A1"),
        userId("KeyNameIgnoresCase", "[privite]\r\nUserID=A1\r\n", "A1"),
        userId("BlanksAroundNamesAndValueDropped", "  [ privite ]  \r\n \t userid \t= A 1 \t\r\n",
               "A 1"),
        userId("EmptyValueIsFound", "[privite]\r\nuserid=\r\n", ""),
        userId("BlankValueIsFound", "[privite]\r\nuserid=   \r\n", ""),
        userId("ValueHoldsEqualsSign", "[privite]\r\nuserid=a=b\r\n", "a=b"),
        userId("LfLineEnds", "[other]\nuserid=X\n[privite]\nuserid=A1\n", "A1"),
        userId("CrLineEnds", "[other]\ruserid=X\r[privite]\ruserid=A1\r", "A1"),
        userId("LastLineWithoutLineEnd", "[privite]\r\nuserid=A1", "A1"),
        userId("OnlyPrivite", "[private]\r\nuserid=A1\r\n", "default"),
        userId("KeyOfNextSectionNotRead", "[privite]\r\nname=x\r\n[other]\r\nuserid=A1\r\n",
               "default"),
        userId("KeysBeforeFirstSectionIgnored", "userid=A1\r\n[privite]\r\n", "default"),
        userId("LineWithoutEqualsIgnored", "[privite]\r\nuserid\r\nuserid=A1\r\n", "A1"),
        userId("FirstDuplicateKeyWins", "[privite]\r\nuserid=A1\r\nuserid=B2\r\n", "A1"),
        userId("FirstDuplicateSectionWins",
               "[privite]\r\nuserid=A1\r\n[other]\r\n[privite]\r\nuserid=B2\r\n", "A1"),
        userId("LaterDuplicateSectionNotRead", "[privite]\r\nname=x\r\n[privite]\r\nuserid=B2\r\n",
               "default"),
        userId("DoubleQuotesRemoved", "[privite]\r\nuserid=\"A1\"\r\n", "A1"),
        userId("SingleQuotesRemoved", "[privite]\r\nuserid='A1'\r\n", "A1"),
        userId("QuotesKeepInnerBlanks", "[privite]\r\nuserid = ' A1 ' \r\n", " A1 "),
        userId("DoubledQuotesLoseOnePair", "[privite]\r\nuserid=\"\"A1\"\"\r\n", "\"A1\""),
        userId("UnmatchedQuotesKept", "[privite]\r\nuserid=\"A1'\r\n", "\"A1'"),
        userId("LoneQuoteKept", "[privite]\r\nuserid=\"\r\n", "\""),
        userId("InnerQuotesKept", "[privite]\r\nuserid=A\"1\"\r\n", "A\"1\""),
        userId("EmptyQuotedValue", "[privite]\r\nuserid=''\r\n", ""),
        userId("CommentLineSkipped", "[privite]\r\n;userid=X\r\nuserid=A1\r\n", "A1"),
        userId("IndentedCommentLineSkipped", "[privite]\r\n  ;userid=X\r\n", "default"),
        userId("SemicolonInValueKept", "[privite]\r\nuserid=A1 ;note\r\n", "A1 ;note"),
        userId("CommentedSectionSkipped", ";[privite]\r\nuserid=A1\r\n", "default"),
        userId("Big5ValueUnchanged", "[privite]\r\nuserid=\xB3\x5C\xA5\x5C\xBB\x5C\r\n",
               "\xB3\x5C\xA5\x5C\xBB\x5C"),
        userId("Utf8FileReadAsUtf8", "\xEF\xBB\xBF[privite]\r\nuserid=\xE8\xA8\xB1\r\n",
               "\xB3\x5C")),
    [](const auto& info) { return std::string(info.param.name); });

// "\xA4\x5D" (也) has ']' as its trail byte, "\xA4\x41" (乙) and "\xA4\x61" (兀) differ only
// in a trail byte that looks like a letter.
INSTANTIATE_TEST_SUITE_P(
    DoubleByteNames, ReadProfileString,
    testing::Values(ProfileCase{"TrailByteBracketInSection", "[\xA4\x5Dx]\r\nuserid=A1\r\n",
                                "\xA4\x5Dx", "userid", "A1"},
                    ProfileCase{"TrailByteLetterNotCaseFolded", "[privite]\r\n\xA4\x41=A1\r\n",
                                "privite", "\xA4\x61", "default"},
                    ProfileCase{"DoubleByteKey",
                                "[privite]\r\n\xA4\x41"
                                "B=A1\r\n",
                                "privite",
                                "\xA4\x41"
                                "b",
                                "A1"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Limits, ReadProfileString,
    testing::Values(
        ProfileCase{"TruncatedToBufferLessOne", "[privite]\r\nuserid=ABCDEF\r\n", "privite",
                    "userid", "ABC", "default", 4},
        ProfileCase{"TruncationKeepsWholeCharacters", "[privite]\r\nuserid=A\xB3\x5C\r\n",
                    "privite", "userid", "A", "default", 3},
        ProfileCase{"At2047Bytes", "[privite]\r\nuserid=" + std::string(3000, 'x') + "\r\n",
                    "privite", "userid", std::string(2047, 'x')},
        ProfileCase{"DefaultTruncated", "", "privite", "userid", "ab", "abcdef", 3},
        ProfileCase{"DefaultLosesTrailingBlanks", "", "privite", "userid", "  ab", "  ab  "},
        ProfileCase{"ZeroBuffer", "[privite]\r\nuserid=A1\r\n", "privite", "userid", "", "default",
                    0}),
    [](const auto& info) { return std::string(info.param.name); });

// Every byte value once, in order; it holds '[', '=', ';', quotes, CR and LF.
std::string allBytes() {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte) bytes += static_cast<char>(byte);
    return bytes;
}

std::string repeated(std::string_view text, std::size_t times) {
    std::string result;
    for (std::size_t i = 0; i < times; ++i) result += text;
    return result;
}

const std::string kMegabyte(1 << 20, 'x');

INSTANTIATE_TEST_SUITE_P(
    HostileFiles, ReadProfileString,
    testing::Values(
        userId("BinaryGarbage", allBytes() + allBytes(), "default"),
        userId("GarbageAroundTheSection",
               allBytes() + "\r\n[privite]\r\nuserid=A1\r\n" + allBytes(), "A1"),
        userId("MegabyteLineBeforeTheSection", kMegabyte + "\r\n[privite]\r\nuserid=A1\r\n", "A1"),
        userId("MegabyteValueCut", "[privite]\r\nuserid=" + kMegabyte, std::string(2047, 'x')),
        // 2047 bytes would split the 1024th character.
        userId("FiveThousandDoubleByteCharactersCutWhole",
               "[privite]\r\nuserid=" + repeated("\xB3\x5C", 5000), repeated("\xB3\x5C", 1023)),
        // The service hands back a C string.
        userId("NulByteEndsTheValue", std::string("[privite]\r\nuserid=A") + '\0' + "B\r\n", "A"),
        userId("HeaderWithoutClosingBracketNamesTheSection", "[privite\r\nuserid=A1\r\n", "A1"),
        userId("TextAfterTheHeaderIgnored", "[privite] x\r\nuserid=A1\r\n", "A1"),
        userId("Utf8MarkOnly", "\xEF\xBB\xBF", "default"),
        userId("Utf8MarkWithUndecodableBytes",
               "\xEF\xBB\xBF[privite]\r\nuserid=a\xFF\xE8\xA8\xB1\r\n", "a?\xB3\x5C"),
        userId("Utf8MarkWithCrLineEnds", "\xEF\xBB\xBF[privite]\ruserid=A1\r", "A1")),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadProfileStringFromDirectory, GivesTheDefault) {
    testsupport::TempDir dir;
    EXPECT_EQ(platform::readProfileString(dir.path(), "privite", "userid", "none", 2048), "none");
}

}  // namespace
