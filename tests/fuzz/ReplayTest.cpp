// Feeds every kept input of one fuzz target (its seed corpus and the crashes found so far) to
// the target as the fuzzer would.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FuzzTarget.h"

namespace {

namespace fs = std::filesystem;

// One kept input: "corpus/plain" or "regressions/crash-0a1b".
struct KeptFile {
    fs::path path;
    std::string shortName() const {
        return path.parent_path().parent_path().filename().string() + "/" +
               path.filename().string();
    }
    bool operator<(const KeptFile& other) const { return path < other.path; }
};

void PrintTo(const KeptFile& file, std::ostream* out) { *out << file.shortName(); }

std::vector<KeptFile> keptInputs() {
    std::vector<KeptFile> inputs;
    for (const fs::path dir : {FUZZ_CORPUS_DIR, FUZZ_REGRESSIONS_DIR}) {
        if (!fs::is_directory(dir)) continue;
        for (const auto& entry : fs::directory_iterator(dir))
            if (entry.is_regular_file()) inputs.push_back({entry.path()});
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

std::string bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// "regressions/crash-0a1b" gives "regressions_crash_0a1b".
std::string testName(const KeptFile& file) {
    std::string name = file.shortName();
    const auto notAlphanumeric = [](char c) {
        return !std::isalnum(static_cast<unsigned char>(c));
    };
    std::replace_if(name.begin(), name.end(), notAlphanumeric, '_');
    return name;
}

class KeptInput : public testing::TestWithParam<KeptFile> {};

TEST_P(KeptInput, PassesTheTargetsChecks) {
    const std::string bytes = bytesOf(GetParam().path);
    EXPECT_EQ(
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
        0);
}

TEST(KeptInputs, IncludeASeedCorpus) { EXPECT_FALSE(keptInputs().empty()); }

INSTANTIATE_TEST_SUITE_P(Inputs, KeptInput, testing::ValuesIn(keptInputs()),
                         [](const auto& info) { return testName(info.param); });

}  // namespace
