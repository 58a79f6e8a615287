#include "Figures.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace bench {
namespace {

std::string number(double value, const std::string& unit) {
    char text[32];
    std::snprintf(text, sizeof text,
                  unit == "x"       ? "%.2f"
                  : unit == "items" ? "%.0f"
                                    : "%.1f",
                  value);
    return text;
}

std::string targetText(const Figure& figure) {
    if (!figure.target) return "";
    return (figure.target->strict ? "< " : "≤ ") + number(figure.target->limit, figure.unit) + " " +
           figure.unit;
}

std::string verdict(const Figure& figure) {
    if (!figure.target) return "";
    return figure.meetsTarget() ? "met" : "**missed**";
}

template <typename Combine>
Figure pairwise(const std::string& name, const std::string& unit, const Figure& left,
                const Figure& right, std::optional<Target> target, Combine combine) {
    if (left.samples.size() != right.samples.size())
        throw std::logic_error("unpaired samples for " + name);
    Figure figure(name, unit, target);
    for (std::size_t i = 0; i < left.samples.size(); ++i)
        figure.samples.push_back(combine(left.samples[i], right.samples[i]));
    return figure;
}

}  // namespace

double Figure::median() const {
    if (samples.empty()) throw std::logic_error("no samples for " + name);
    std::vector<double> sorted = samples;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t middle = sorted.size() / 2;
    return sorted.size() % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

bool Figure::meetsTarget() const {
    if (!target) return true;
    return target->strict ? median() < target->limit : median() <= target->limit;
}

Figure ratioOf(const std::string& name, const Figure& numerator, const Figure& denominator,
               std::optional<Target> target) {
    return pairwise(name, "x", numerator, denominator, target,
                    [](double a, double b) { return a / b; });
}

Figure differenceOf(const std::string& name, const Figure& minuend, const Figure& subtrahend,
                    std::optional<Target> target) {
    return pairwise(name, minuend.unit, minuend, subtrahend, target,
                    [](double a, double b) { return a - b; });
}

std::string figureTable(const std::vector<Figure>& figures) {
    std::string table =
        "| Figure | Median | Lowest | Highest | Runs | Target | |\n"
        "|---|---:|---:|---:|---:|---|---|\n";
    for (const Figure& figure : figures) {
        const auto [lowest, highest] =
            std::minmax_element(figure.samples.begin(), figure.samples.end());
        table += "| " + figure.name + " | " + number(figure.median(), figure.unit) + " " +
                 figure.unit + " | " + number(*lowest, figure.unit) + " | " +
                 number(*highest, figure.unit) + " | " + std::to_string(figure.samples.size()) +
                 " | " + targetText(figure) + " | " + verdict(figure) + " |\n";
    }
    return table;
}

std::string withThousands(long number) {
    std::string digits = std::to_string(number);
    for (int at = int(digits.size()) - 3; at > 0; at -= 3) digits.insert(std::size_t(at), ",");
    return digits;
}

}  // namespace bench
