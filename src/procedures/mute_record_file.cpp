#include "mute_record_file.h"

#include "mute_record.h"

namespace rokan {

std::optional<std::wstring> MuteRecordFile::path() const {
    if (settings_.applicationDirectory().empty()) return std::nullopt;
    return settings_.applicationDirectory() + L"rokan.mute";
}

void MuteRecordFile::keep(const std::wstring& callSign, std::int16_t initialMinutes, int minutes) noexcept {
    try {
        const auto file = path();
        const auto text = muteRecordText({clock_.nowUtc() + std::int64_t{60} * minutes, initialMinutes, callSign});
        if (file && text) replaceFileContent(files_, *file, *text);
    } catch (...) {
    }
}

void MuteRecordFile::remove() noexcept {
    try {
        if (const auto file = path()) files_.removeFile(*file);
    } catch (...) {
    }
}

std::optional<MuteRecordFile::Pending> MuteRecordFile::read() {
    const auto file = path();
    const auto bytes = file ? files_.readStart(*file, kMaxMuteRecordBytes + 1) : std::nullopt;
    if (!bytes) return std::nullopt;
    const auto record = readMuteRecord(*bytes);
    const std::int64_t secondsLeft = record ? record->dueUtc - clock_.nowUtc() : 0;
    const std::int64_t minutesLeft = secondsLeft > 0 ? (secondsLeft + 59) / 60 : 0;
    // A count longer than the countdown can hold is no record of Rokan's.
    if (!record || minutesLeft > INT16_MAX) {
        remove();
        return std::nullopt;
    }
    return Pending{record->callSign, record->initialMinutes, static_cast<std::int16_t>(minutesLeft)};
}

}  // namespace rokan
