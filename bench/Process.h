#pragma once
// Runs a benchmark program as a child process and times it from fork to exit.

#include <map>
#include <string>
#include <vector>

namespace bench {

struct Finished {
    std::string output;  // standard output; the child's standard error goes to ours
    double seconds = 0;  // wall time from fork to exit
};

// Runs argv[0] (a path) with the extra environment entries; stdout is captured unless
// discarded. Throws std::runtime_error when the child fails.
Finished runProcess(const std::vector<std::string>& argv,
                    const std::map<std::string, std::string>& environment = {},
                    bool discardOutput = false);

// The "name value" lines of a benchmark program's output.
std::map<std::string, std::string> outputValues(const std::string& output);
// One value of that output as a number; throws when it is missing.
double outputNumber(const std::map<std::string, std::string>& values, const std::string& name);

}  // namespace bench
