#include <gtest/gtest.h>

#include "number_text.h"

namespace rokan {
namespace {

TEST(ParseWholeNumber, FollowsTheClassicRules) {
    // Blanks around, a sign, leading zeros; halves to the even neighbour and the rest to the nearest, however far
    // the deciding digit; the ends of the range, also when reached by rounding.
    const std::pair<const wchar_t*, std::int16_t> numbers[] = {
        {L"\t 5 ", 5},       {L"+7", 7},          {L"-3", -3},          {L"-0", 0},    {L"0010", 10},
        {L"2.50", 2},        {L"3.5", 4},         {L"-2.5", -2},        {L"-3.5", -4}, {L"2.50000000000000000001", 3},
        {L"2.4999999", 2},   {L"7.", 7},          {L".5", 0},           {L".6", 1},    {L"32767", 32767},
        {L"-32768", -32768}, {L"32767.4", 32767}, {L"-32768.5", -32768}};
    for (const auto& [text, expected] : numbers)
        EXPECT_EQ(parseInteger16(text), expected) << testing::PrintToString(std::wstring(text));
    // Beyond the range (the last would wrap round to 5 in 64 bits), or no number at all.
    const wchar_t* const noNumbers[] = {
        L"32767.5", L"-32769", L"",      L"   ", L".",    L"-",    L"- 5",
        L"1 2",     L"1,5",    L"1.2.3", L"1e3", L"5min", L"１０", L"18446744073709551621"};
    for (const wchar_t* text : noNumbers)
        EXPECT_FALSE(parseInteger16(text)) << testing::PrintToString(std::wstring(text));

    // Any other range, too; the settings line's rows go beyond this one.
    EXPECT_EQ(parseWholeNumber(L"2147483647", INT32_MIN, INT32_MAX), 2147483647);
    EXPECT_EQ(parseWholeNumber(L"-2147483648", INT32_MIN, INT32_MAX), INT32_MIN);
}

}  // namespace
}  // namespace rokan
