#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rokan {

// Text to a whole number by the classic BASIC rules: blanks around it, an
// optional sign, digits with an optional "." fraction, rounded to the nearest
// whole number with halves to the even neighbour. Anything else, or a value
// outside [minimum, maximum], is no number.
std::optional<std::int64_t> parseWholeNumber(std::wstring_view text, std::int64_t minimum, std::int64_t maximum);

inline std::optional<std::int16_t> parseInteger16(std::wstring_view text) {
    auto value = parseWholeNumber(text, INT16_MIN, INT16_MAX);
    if (!value) return std::nullopt;
    return static_cast<std::int16_t>(*value);
}

// Plain decimal text, "-" before a negative value.
std::wstring decimalText(std::int64_t value);

// A single-precision value as BASIC prints it: a sign position (a blank, or
// "-"), up to seven significant digits, "." before a fraction whatever the
// user's locale, no trailing zeros.
std::string signedNumberText(float value);

}  // namespace rokan
