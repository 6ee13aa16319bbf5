// The rokan.ini line reader against every file a fuzzer can think of. The
// input bytes are the whole file; an independent reading of the same bytes
// decides what the reader must make of it, and any difference aborts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "settings_line.h"

namespace {

using namespace rokan;

constexpr std::size_t kLineLimit = 4096;
constexpr long long kMinimums[4] = {165, 45, 4500, 2115};

void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "reader invariant broken: %s\n", what);
    std::abort();
}

// Deliberately another way of reading a number than the program's: saturating
// accumulation, and the fraction compared as text against "5".
std::optional<long long> referenceNumber(std::string text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.back())) text.pop_back();
    std::size_t i = 0;
    while (i < text.size() && blank(text[i])) ++i;
    const bool minus = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    long long whole = 0;
    std::string fraction;
    bool point = false;
    int digits = 0;
    for (; i < text.size(); ++i) {
        if (text[i] == '.' && !point) {
            point = true;
            continue;
        }
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        ++digits;
        if (point) {
            fraction += text[i];
        } else {
            whole = std::min(whole * 10 + (text[i] - '0'), 1LL << 40);
        }
    }
    if (digits == 0) return std::nullopt;
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (fraction > "5" || (fraction == "5" && whole % 2 == 1)) ++whole;
    const long long value = minus ? -whole : whole;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return value;
}

// The four numbers of the file, or nothing when the program must fall back to the default line.
std::optional<std::vector<long long>> referenceValues(const std::string& file) {
    const std::string line = file.substr(0, file.find_first_of("\r\n"));
    if (file.empty() || line.size() > kLineLimit) return std::nullopt;
    const std::size_t equals = line.find('=');
    const std::string rest = equals == std::string::npos ? line : line.substr(equals + 1);
    std::vector<std::string> parts(1);
    for (char c : rest) {
        if (c == ',') {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    // A fifth field stands in for the fourth; with more, the last number holds a comma.
    if (parts.size() == 5) parts.erase(parts.begin() + 3);
    if (parts.size() != 4) return std::nullopt;
    std::vector<long long> values;
    for (const std::string& part : parts) {
        const auto value = referenceNumber(part);
        if (!value) return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);
    const auto values = referenceValues(file);

    // As much of the file as the reader asks for, so a long file is cut where it would be.
    const auto line = firstLineOf(file.substr(0, kMaxSettingsLineBytes + 1));
    const auto stored = line ? readSettingsLine(*line) : std::nullopt;

    require(stored.has_value() == values.has_value(), "falls back exactly when the reference does");
    if (!stored) return 0;
    bool raised = false;
    for (int i = 0; i < 4; ++i) {
        raised = raised || (*values)[i] < kMinimums[i];
        require(stored->values[i] == std::max((*values)[i], kMinimums[i]), "each value, raised to its minimum");
    }
    require(stored->raised == raised, "raised exactly when a value was below its minimum");
    return 0;
}
