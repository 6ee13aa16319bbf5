#include "stats.h"

#include <algorithm>
#include <cstdio>

namespace rokan::bench {

namespace {

// Linear interpolation between closest ranks, so a median of an even count is
// the mean of the middle two.
double quantile(const std::vector<double>& sorted, double q) {
    const double position = q * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(position);
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    const double fraction = position - static_cast<double>(below);
    return sorted[below] + (sorted[above] - sorted[below]) * fraction;
}

}  // namespace

Summary summarize(std::vector<double> samples) {
    Summary summary;
    if (samples.empty()) return summary;
    std::sort(samples.begin(), samples.end());
    summary.count = samples.size();
    summary.median = quantile(samples, 0.5);
    summary.p25 = quantile(samples, 0.25);
    summary.p75 = quantile(samples, 0.75);
    summary.p90 = quantile(samples, 0.9);
    summary.min = samples.front();
    summary.max = samples.back();
    return summary;
}

void printResult(const char* key, const std::vector<double>& samples) {
    const Summary s = summarize(samples);
    std::printf("RESULT\t%s\t%zu\t%.3f\t%.3f\t%.3f\t%.3f\t%.3f\t%.3f\n", key, s.count, s.median, s.p25, s.p75, s.p90,
                s.min, s.max);
    std::fflush(stdout);
}

void printNote(const std::string& text) {
    std::printf("NOTE\t%s\n", text.c_str());
    std::fflush(stdout);
}

}  // namespace rokan::bench
