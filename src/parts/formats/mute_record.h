#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// rokan.mute: while a countdown keeps a station muted, one line such as
//   2026-12-07T21:30:00Z 10 N0CALL
// ended by CR LF: the UTC time at which the unmute falls due, the minutes the
// count started from, and the call sign (printable ASCII, the rest of the line).
namespace rokan {

struct MuteRecord {
    std::int64_t dueUtc;  // seconds since 1970-01-01 00:00:00 UTC
    std::int16_t initialMinutes;
    std::wstring callSign;
};

inline constexpr std::size_t kMaxMuteRecordBytes = 4096;

// Nothing when the record would not be one line Rokan can read back.
std::optional<std::string> muteRecordText(const MuteRecord& record);

// Nothing unless the bytes are exactly one such line, within kMaxMuteRecordBytes.
std::optional<MuteRecord> readMuteRecord(std::string_view bytes);

}  // namespace rokan
