#include "mute_record.h"

#include <array>

#include "number_text.h"

namespace rokan {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Days since 1970-01-01 of a date from 1970 on, and back (the proleptic
// Gregorian calendar in eras of 400 years, counted from March).
std::int64_t daysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day) {
    year -= month <= 2;
    const std::int64_t era = year / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

std::array<std::int64_t, 3> civilFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = days / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const std::int64_t day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const std::int64_t month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    return {yearOfEra + era * 400 + (month <= 2), month, day};
}

std::string twoDigits(std::int64_t value) {
    return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

// 2026-12-07T21:30:00Z; years 1970 to 9999 only.
std::optional<std::string> utcText(std::int64_t seconds) {
    if (seconds < 0) return std::nullopt;
    const auto [year, month, day] = civilFromDays(seconds / kSecondsPerDay);
    if (year > 9999) return std::nullopt;
    const std::int64_t time = seconds % kSecondsPerDay;
    return twoDigits(year / 100) + twoDigits(year % 100) + "-" + twoDigits(month) + "-" + twoDigits(day) + "T" +
           twoDigits(time / 3600) + ":" + twoDigits(time / 60 % 60) + ":" + twoDigits(time % 60) + "Z";
}

// Read by the places of its digits, then written again: a date that is no
// date (02-30, 25:00) or anything out of place does not come back the same.
std::optional<std::int64_t> utcSeconds(std::string_view text) {
    if (text.size() != 20) return std::nullopt;
    const auto number = [&](std::size_t at, std::size_t length) {
        std::int64_t value = 0;
        for (char c : text.substr(at, length)) value = value * 10 + (c - '0');
        return value;
    };
    const std::int64_t seconds = daysFromCivil(number(0, 4), number(5, 2), number(8, 2)) * kSecondsPerDay +
                                 number(11, 2) * 3600 + number(14, 2) * 60 + number(17, 2);
    if (utcText(seconds) != text) return std::nullopt;
    return seconds;
}

// Call signs are plain ASCII, as the conference writes them; one with other
// characters is muted all the same, without the record.
template <class Text>
bool isCallSign(const Text& text) {
    for (auto c : text)
        if (c < ' ' || c > '~') return false;
    return !text.empty();
}

}  // namespace

std::optional<std::string> muteRecordText(const MuteRecord& record) {
    const auto due = utcText(record.dueUtc);
    if (!due || !isCallSign(record.callSign)) return std::nullopt;
    const std::string callSign(record.callSign.begin(), record.callSign.end());
    std::string text = *due + " ";
    for (wchar_t digit : decimalText(record.initialMinutes)) text += static_cast<char>(digit);
    text += " " + callSign + "\r\n";
    if (text.size() > kMaxMuteRecordBytes) return std::nullopt;
    return text;
}

std::optional<MuteRecord> readMuteRecord(std::string_view bytes) {
    if (bytes.size() > kMaxMuteRecordBytes) return std::nullopt;
    const auto end = bytes.find_first_of("\r\n");
    if (end != std::string_view::npos) {
        const std::string_view after = bytes.substr(end);
        if (after != "\r\n" && after != "\n") return std::nullopt;  // more than one line
        bytes = bytes.substr(0, end);
    }
    const auto firstBlank = bytes.find(' ');
    const auto secondBlank = bytes.find(' ', firstBlank == std::string_view::npos ? bytes.size() : firstBlank + 1);
    if (secondBlank == std::string_view::npos) return std::nullopt;
    const auto due = utcSeconds(bytes.substr(0, firstBlank));
    const std::string_view minutes = bytes.substr(firstBlank + 1, secondBlank - firstBlank - 1);
    const auto initial = parseInteger16(std::wstring(minutes.begin(), minutes.end()));
    const std::string_view callSign = bytes.substr(secondBlank + 1);
    if (!due || !initial || !isCallSign(callSign)) return std::nullopt;
    return MuteRecord{*due, *initial, std::wstring(callSign.begin(), callSign.end())};
}

}  // namespace rokan
