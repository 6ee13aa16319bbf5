#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

#include "failure.h"

namespace rokan {
namespace {

bool isBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}
bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

std::wstring_view trimBlanks(std::wstring_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Whether a fraction's digits round the whole part up, halves to even.
bool roundsUp(std::wstring_view fraction, bool wholeIsOdd) {
    if (fraction.empty() || fraction.front() < L'5') return false;
    if (fraction.front() > L'5') return true;
    for (wchar_t c : fraction.substr(1))
        if (c != L'0') return true;
    return wholeIsOdd;
}

}  // namespace

std::optional<std::int64_t> parseWholeNumber(std::wstring_view text, std::int64_t minimum, std::int64_t maximum) {
    text = trimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == L'+' || text.front() == L'-')) {
        negative = text.front() == L'-';
        text.remove_prefix(1);
    }
    const auto point = text.find(L'.');
    const std::wstring_view whole = text.substr(0, point);
    const std::wstring_view fraction = point == std::wstring_view::npos ? std::wstring_view{} : text.substr(point + 1);
    if (whole.empty() && fraction.empty()) return std::nullopt;
    for (wchar_t c : whole)
        if (!isDigit(c)) return std::nullopt;
    for (wchar_t c : fraction)
        if (!isDigit(c)) return std::nullopt;

    // Far beyond any range asked for, without overflowing.
    constexpr std::int64_t kCap = std::int64_t{1} << 62;
    std::int64_t magnitude = 0;
    for (wchar_t c : whole) {
        magnitude = magnitude * 10 + (c - L'0');
        if (magnitude > kCap / 10) return std::nullopt;
    }
    if (roundsUp(fraction, magnitude % 2 == 1)) ++magnitude;

    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < minimum || value > maximum) return std::nullopt;
    return value;
}

std::wstring decimalText(std::int64_t value) {
    char digits[24];
    char* end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    return std::wstring(digits, end);
}

std::string signedNumberText(float value) {
    const double magnitude = std::fabs(static_cast<double>(value));
    if (!(magnitude < 1e15)) throw Failure{};  // no window is that far off, nor NaN
    int wholeDigits = 1;
    for (double limit = 10; magnitude >= limit; limit *= 10) ++wholeDigits;
    int decimals = std::max(0, 7 - wholeDigits);
    double scale = std::pow(10.0, decimals);
    auto scaled = static_cast<std::uint64_t>(std::llround(magnitude * scale));
    while (decimals > 0 && scaled % 10 == 0) {
        scaled /= 10;
        --decimals;
    }
    std::string digits;
    for (int i = 0; scaled != 0 || i <= decimals; ++i) {
        if (i == decimals && decimals > 0) digits.insert(digits.begin(), '.');
        digits.insert(digits.begin(), static_cast<char>('0' + scaled % 10));
        scaled /= 10;
    }
    const bool negative = std::signbit(value) && digits.find_first_not_of("0.") != std::string::npos;
    return (negative ? "-" : " ") + digits;
}

}  // namespace rokan
