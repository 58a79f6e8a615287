// bench_run: races the program against the database's own client and prints the figures.
//   bench_run --program DIR --work DIR --make-database SCRIPT
//             [--sizes 1000,10000,100000] [--ticks 1000,10000] [--runs 5] [--out FILE]
// DIR (program) holds salsendcheck with its driver and the bench_* programs; the work folder
// must be writable by the database server. Needs ISC_USER / ISC_PASSWORD and an X server in
// DISPLAY. See tools/bench.sh.

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <exception>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "BenchFiles.h"
#include "BenchRun.h"

namespace {

using Options = std::map<std::string, std::string>;

Options parseOptions(int argc, char** argv) {
    Options options{{"--sizes", "1000,10000,100000"},
                    {"--ticks", "1000,10000"},
                    {"--runs", "5"},
                    {"--out", ""}};
    for (int i = 1; i + 1 < argc; i += 2) options[argv[i]] = argv[i + 1];
    for (const char* required : {"--program", "--work", "--make-database"})
        if (!options.count(required)) throw std::runtime_error(std::string(required) + " missing");
    return options;
}

std::vector<int> numbers(const std::string& list) {
    std::vector<int> values;
    std::istringstream items(list);
    for (std::string item; std::getline(items, item, ',');) values.push_back(std::stoi(item));
    return values;
}

std::string firstLine(const std::string& path, const std::string& prefix) {
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(prefix, 0) == 0) return line.substr(line.find(':') + 2);
    return "unknown";
}

std::string loadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

std::string today() {
    char text[32];
    const std::time_t now = std::time(nullptr);
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", std::localtime(&now));
    return text;
}

// Runs every scenario; each table is printed as soon as it is done.
std::vector<bench::Figure> runAll(bench::BenchRun& run, const Options& options) {
    const std::vector<int> sizes = numbers(options.at("--sizes"));
    const int largest = *std::max_element(sizes.begin(), sizes.end());
    std::vector<bench::Figure> all;
    auto report = [&all](std::vector<bench::Figure> figures) {
        std::printf("%s\n", bench::figureTable(figures).c_str());
        std::fflush(stdout);
        all.insert(all.end(), figures.begin(), figures.end());
    };
    for (int bills : sizes) report(run.startUp(bills));
    for (int bills : sizes)
        for (int ticks : numbers(options.at("--ticks")))
            if (ticks <= bills) report(run.writeBack(bills, ticks));
    report(run.selection(largest));
    report(run.memory(largest));
    return all;
}

std::string document(const std::vector<bench::Figure>& figures, const std::string& loadBefore,
                     int runs) {
    return "# Benchmarks\n\nMade by `bash tools/bench.sh` on " + today() + ": medians of " +
           std::to_string(runs) +
           " runs, the contenders taking turns (see the README, \"Benchmarks\"). Ratios are "
           "taken run by run. MB are 1,024 kB as /proc reports them.\n\n"
           "Machine: " +
           firstLine("/proc/cpuinfo", "model name") + ", " +
           std::to_string(sysconf(_SC_NPROCESSORS_ONLN)) + " cores; load average " + loadBefore +
           " before, " + loadAverage() + " after.\n\n" + bench::figureTable(figures);
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const Options options = parseOptions(argc, argv);
        const int runs = std::stoi(options.at("--runs"));
        const std::string loadBefore = loadAverage();
        bench::Contenders contenders(options.at("--program"), options.at("--work"),
                                     options.at("--make-database"));
        contenders.prepare(0);
        for (int bills : numbers(options.at("--sizes"))) contenders.prepare(bills);
        bench::BenchRun run(contenders, runs);
        const std::vector<bench::Figure> figures = runAll(run, options);
        if (!options.at("--out").empty())
            bench::writeFile(options.at("--out"), document(figures, loadBefore, runs));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_run: %s\n", error.what());
        return 1;
    }
    return 0;
}
