#pragma once
// Summaries of measured samples, printed as tab-separated records that
// bench/run turns into its table.

#include <cstddef>
#include <string>
#include <vector>

namespace rokan::bench {

struct Summary {
    std::size_t count = 0;
    double median = 0, p25 = 0, p75 = 0, p90 = 0, min = 0, max = 0;
};

Summary summarize(std::vector<double> samples);

// RESULT <key> <count> <median> <p25> <p75> <p90> <min> <max>
void printResult(const char* key, const std::vector<double>& samples);
// NOTE <text>: something the reader of the table should know about this run.
void printNote(const std::string& text);

}  // namespace rokan::bench
