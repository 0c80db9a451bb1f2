#pragma once
#include <string>
#include <vector>

// The figures as the benchmark's Markdown tables show them.
namespace bench {

struct Summary {
    double median;
    double low;
    double high;
};

// NaN for every part when there is no value.
Summary summarize(std::vector<double> values);
// The ratio of the two medians.
double ratio(const std::vector<double>& part, const std::vector<double>& whole);
std::string number(double value, int decimals);
// "median (lowest-highest)"
std::string spread(const std::vector<double>& values, int decimals);
std::string percent(double ratio);
std::string times(double ratio);
const char* verdict(bool met);

// A figure is measured when it has samples, all finite; those that cannot be nil must be above zero.
struct Check {
    const char* name;
    std::vector<double> values;
    bool mayBeNil;
};
// Names each figure that was not measured on standard error.
bool allMeasured(const std::vector<Check>& checks);

}  // namespace bench
