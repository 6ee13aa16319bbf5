#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "clock.h"
#include "file_system.h"
#include "settings_file.h"

namespace rokan {

// A countdown that outlives Rokan: rokan.mute beside rokan.ini, kept while a
// station is muted, so the next start still sends the unmute. The file is a
// safety net and never a reason for a message: where it cannot be written,
// the mute goes on without it.
class MuteRecordFile {
public:
    struct Pending {
        std::wstring callSign;
        std::int16_t initialMinutes;
        std::int16_t minutesLeft;  // whole minutes, rounded up; 0 once due
    };

    MuteRecordFile(FileSystem& files, Clock& clock, const Module1& settings)
        : files_(files), clock_(clock), settings_(settings) {}

    // The unmute falls due `minutes` minutes from now.
    void keep(const std::wstring& callSign, std::int16_t initialMinutes, int minutes) noexcept;
    void remove() noexcept;
    // The kept countdown; a file Rokan cannot use is removed and gives nothing.
    std::optional<Pending> read();

private:
    // Beside rokan.ini, once this run has found that folder.
    std::optional<std::wstring> path() const;

    FileSystem& files_;
    Clock& clock_;
    const Module1& settings_;
};

}  // namespace rokan
