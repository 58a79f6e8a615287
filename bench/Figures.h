#pragma once
// The figures of a benchmark run: the samples of each, their median and range, and the
// table they are printed in.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace bench {

// An upper bound a figure's median must stay under (strict) or at most reach.
struct Target {
    double limit = 0;
    bool strict = false;
};

struct Figure {
    Figure(std::string name, std::string unit, std::optional<Target> target = std::nullopt)
        : name(std::move(name)), unit(std::move(unit)), target(target) {}

    std::string name;
    std::string unit;  // "ms", "MB", "x" (a ratio) or "items"
    std::vector<double> samples;
    std::optional<Target> target;

    double median() const;
    bool meetsTarget() const;
};

// Run by run: numerator's sample over denominator's, or their difference.
Figure ratioOf(const std::string& name, const Figure& numerator, const Figure& denominator,
               std::optional<Target> target = std::nullopt);
Figure differenceOf(const std::string& name, const Figure& minuend, const Figure& subtrahend,
                    std::optional<Target> target = std::nullopt);

// A Markdown table, one row per figure: median, lowest, highest, target and whether it is met.
std::string figureTable(const std::vector<Figure>& figures);

// 100000 as "100,000".
std::string withThousands(long number);

}  // namespace bench
