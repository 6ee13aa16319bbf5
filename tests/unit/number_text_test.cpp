#include <gtest/gtest.h>

#include "number_text.h"

namespace rokan {
namespace {

struct ParseCase {
    const wchar_t* text;
    std::optional<std::int64_t> expected;
};

class ParseInteger16 : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseInteger16, FollowsTheClassicRules) {
    const ParseCase& row = GetParam();
    const auto parsed = parseInteger16(row.text);
    if (row.expected) {
        ASSERT_TRUE(parsed.has_value()) << "\"" << testing::PrintToString(std::wstring(row.text)) << "\"";
        EXPECT_EQ(*parsed, *row.expected);
    } else {
        EXPECT_FALSE(parsed.has_value()) << testing::PrintToString(std::wstring(row.text));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ParseInteger16,
    ::testing::Values(
        // blanks around, sign
        ParseCase{L" 5 ", 5}, ParseCase{L"\t12\t", 12}, ParseCase{L"+7", 7}, ParseCase{L"-3", -3}, ParseCase{L"-0", 0},
        ParseCase{L"0010", 10},
        // halves to the even neighbour, everything else to the nearest
        ParseCase{L"2.5", 2}, ParseCase{L"3.5", 4}, ParseCase{L"0.5", 0}, ParseCase{L"-2.5", -2},
        ParseCase{L"-3.5", -4}, ParseCase{L"2.50000000000000000001", 3}, ParseCase{L"2.4999999", 2},
        ParseCase{L"2.51", 3}, ParseCase{L"7.", 7}, ParseCase{L".5", 0}, ParseCase{L".6", 1},
        // the ends of the range, also when reached by rounding
        ParseCase{L"32767", 32767}, ParseCase{L"-32768", -32768}, ParseCase{L"32767.4", 32767},
        ParseCase{L"32767.5", std::nullopt}, ParseCase{L"-32768.5", -32768}, ParseCase{L"-32769", std::nullopt},
        ParseCase{L"40000", std::nullopt}, ParseCase{L"99999999999999999999999999", std::nullopt},
        // not numbers
        ParseCase{L"", std::nullopt}, ParseCase{L"   ", std::nullopt}, ParseCase{L"abc", std::nullopt},
        ParseCase{L".", std::nullopt}, ParseCase{L"-", std::nullopt}, ParseCase{L"1 2", std::nullopt},
        ParseCase{L"- 5", std::nullopt}, ParseCase{L"1,5", std::nullopt}, ParseCase{L"1.2.3", std::nullopt},
        ParseCase{L"1e3", std::nullopt}, ParseCase{L"5min", std::nullopt}, ParseCase{L"１０", std::nullopt}));

TEST(ParseWholeNumber, HonoursTheRangeAskedFor) {
    EXPECT_EQ(parseWholeNumber(L"2147483647", INT32_MIN, INT32_MAX), 2147483647);
    EXPECT_EQ(parseWholeNumber(L"-2147483648", INT32_MIN, INT32_MAX), INT32_MIN);
    EXPECT_FALSE(parseWholeNumber(L"2147483647.5", INT32_MIN, INT32_MAX));
    EXPECT_FALSE(parseWholeNumber(L"2147483648", INT32_MIN, INT32_MAX));
}

TEST(DecimalText, WritesPlainDigitsWithMinusForNegatives) {
    EXPECT_EQ(decimalText(10), L"10");
    EXPECT_EQ(decimalText(-32768), L"-32768");
}

}  // namespace
}  // namespace rokan
