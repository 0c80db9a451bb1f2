#include "bench/report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace bench {

Summary summarize(std::vector<double> values)
{
    if (values.empty()) {
        return {NAN, NAN, NAN};
    }
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    const double median = values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    return {median, values.front(), values.back()};
}

double ratio(const std::vector<double>& part, const std::vector<double>& whole)
{
    return summarize(part).median / summarize(whole).median;
}

std::string number(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string spread(const std::vector<double>& values, int decimals)
{
    const Summary summary = summarize(values);
    if (values.size() == 1) {
        return number(summary.median, decimals);
    }
    return number(summary.median, decimals) + " (" + number(summary.low, decimals) + "-" +
           number(summary.high, decimals) + ")";
}

std::string percent(double ratio)
{
    return number(100 * ratio, 2) + " %";
}

std::string times(double ratio)
{
    return number(ratio, 2) + " x";
}

const char* verdict(bool met)
{
    return met ? "yes" : "NO";
}

bool allMeasured(const std::vector<Check>& checks)
{
    bool measured = true;
    for (const Check& check : checks) {
        const bool good = !check.values.empty() && std::all_of(check.values.begin(), check.values.end(), [&](double v) {
                              return std::isfinite(v) && (check.mayBeNil ? v >= 0 : v > 0);
                          });
        if (!good) {
            std::fprintf(stderr, "Not measured: %s\n", check.name);
            measured = false;
        }
    }
    return measured;
}

}  // namespace bench
