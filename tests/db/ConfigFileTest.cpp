#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "db/ConfigFile.h"
#include "support/TestDatabase.h"

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

struct ConfigCase {
    const char* name;
    std::string bytes;
    Entries quenby;  // the entries of section Quenby
};

void PrintTo(const ConfigCase& row, std::ostream* out) { *out << row.name; }

// Every byte value from first to last, in order.
std::string byteRange(int first, int last) {
    std::string bytes;
    for (int byte = first; byte <= last; ++byte) bytes += static_cast<char>(byte);
    return bytes;
}

// Garbage: two lines of control bytes, then one from 0x0E to 0xFF.
const std::string kAllBytes = byteRange(0x00, 0xFF);
const std::string kMegabyte(1 << 20, 'x');

const ConfigCase kConfigCases[] = {
    {"Plain",
     "[Quenby]\nDriverName=Interbase\nDatabase=h:/x.fdb\n",
     {{"DriverName", "Interbase"}, {"Database", "h:/x.fdb"}}},
    {"LinesKeysAndValuesTrimmed",
     "  [ Quenby ]  \n\t Database  =  h:/x.fdb \t\n",
     {{"Database", "h:/x.fdb"}}},
    {"CommentsAndEmptyLinesSkipped",
     "; head\n[Quenby]\n\n;Database=no\n   ; User_Name=no\nA=1\n",
     {{"A", "1"}}},
    {"SemicolonInsideAValueKept", "[Quenby]\nA=x;y\n", {{"A", "x;y"}}},
    {"LinesBeforeTheFirstSectionIgnored", "Database=before\nA\n[Quenby]\nB=2\n", {{"B", "2"}}},
    {"SplitAtTheFirstEquals", "[Quenby]\nPassword = a=b== \n", {{"Password", "a=b=="}}},
    {"EmptyKeyAndValueKept", "[Quenby]\n=x\nDatabase=\n", {{"", "x"}, {"Database", ""}}},
    {"LineWithoutEqualsIgnored", "[Quenby]\nDatabase\nA=1\n", {{"A", "1"}}},
    {"SectionNameWithoutRegardToCase", "[qUENBY]\nA=1\n", {{"A", "1"}}},
    {"OtherSectionsLeftOut", "[A]\nx=1\n[Quenby]\ny=2\n[B]\nz=3\n", {{"y", "2"}}},
    {"SectionMissing", "[Other]\nx=1\n", {}},
    {"EmptyFile", "", {}},
    {"FirstOfTwoSectionsCounts", "[Quenby]\na=1\n[Other]\n[QUENBY]\na=2\nb=3\n", {{"a", "1"}}},
    {"DuplicateKeysKeptInOrder", "[Quenby]\na=1\nA=2\n", {{"a", "1"}, {"A", "2"}}},
    {"HeaderWithoutClosingBracketIsNoSection",
     "[Quenby]\na=1\n[Other\nb=2\n[Next=x\n",
     {{"a", "1"}, {"b", "2"}, {"[Next", "x"}}},
    {"CrLfLineEnds", "[Quenby]\r\na=1\r\nb=2\r\n", {{"a", "1"}, {"b", "2"}}},
    {"CrLineEnds", "[Quenby]\ra=1\rb=2", {{"a", "1"}, {"b", "2"}}},
    {"MixedLineEnds", "[Quenby]\r\na=1\rb=2\nc=3", {{"a", "1"}, {"b", "2"}, {"c", "3"}}},
    {"ByteOrderMarkSkipped", "\xEF\xBB\xBF[Quenby]\r\na=1\r\n", {{"a", "1"}}},
    {"BinaryGarbage", kAllBytes + kAllBytes, {}},
    {"GarbageBeforeTheSection", kAllBytes + "\n[Quenby]\na=1\n", {{"a", "1"}}},
    {"GarbageInsideTheSection",
     "[Quenby]\n" + kAllBytes,
     {{byteRange(0x21, 0x3C), byteRange(0x3E, 0xFF)}}},  // split at 0x3D, bytes to 0x20 trimmed
    {"MegabyteLine", "[Quenby]\nA=" + kMegabyte + "\nB=2\n", {{"A", kMegabyte}, {"B", "2"}}},
    {"ByteOrderMarkWithCrLineEnds", "\xEF\xBB\xBF[Quenby]\ra=1\r", {{"a", "1"}}},
    {"Utf8FileWithMarkComesBackInBig5",
     "\xEF\xBB\xBF[Quenby]\r\nUser_Name=\xE8\xA8\xB1\xE4\xB8\x80\r\n",
     {{"User_Name", "\xB3\x5C\xA4\x40"}}},
    {"DoubleByteTextPassesThrough",
     "[Quenby]\nUser_Name=\xB3\x5C\xA4\x40\n",
     {{"User_Name", "\xB3\x5C\xA4\x40"}}},
};

class ConfigFileTest : public ::testing::TestWithParam<ConfigCase> {
protected:
    testsupport::TempDir dir;
    const std::string path = dir.file("dbxconnections.ini");
};

TEST_P(ConfigFileTest, ReadsTheSectionsEntries) {
    testsupport::writeFile(path, GetParam().bytes);
    const std::optional<db::Params> params = db::readConfigSection(path, "Quenby");
    ASSERT_TRUE(params);
    EXPECT_EQ(params->entries(), GetParam().quenby);
}

INSTANTIATE_TEST_SUITE_P(ConfigFiles, ConfigFileTest, ::testing::ValuesIn(kConfigCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ConfigFile, MissingFileIsNoEntry) {
    testsupport::TempDir dir;
    EXPECT_FALSE(db::readConfigSection(dir.file("nothing.ini"), "Quenby"));
}

TEST(ConfigFile, ReadsTheFileAnewEachTime) {
    testsupport::TempDir dir;
    testsupport::writeFile(dir.file("a.ini"), "[Quenby]\na=1\n");
    EXPECT_EQ(db::readConfigSection(dir.file("a.ini"), "Quenby")->value("a"), "1");
    testsupport::writeFile(dir.file("a.ini"), "[Quenby]\na=2\n");
    EXPECT_EQ(db::readConfigSection(dir.file("a.ini"), "Quenby")->value("a"), "2");
}

}  // namespace
