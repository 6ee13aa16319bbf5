#include "mute_record_file.h"

#include <algorithm>

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

// A record left behind would act again at the next start, on a station the
// operator may have muted by hand since: one that cannot be deleted is
// emptied, which reads as no record.
void MuteRecordFile::remove() noexcept {
    try {
        const auto file = path();
        if (file && !files_.removeFile(*file)) files_.writeFile(*file, "");
    } catch (...) {
    }
}

std::optional<MuteRecordFile::Pending> MuteRecordFile::read() {
    const auto file = path();
    const auto bytes = file ? files_.readStart(*file, kMaxMuteRecordBytes + 1) : std::nullopt;
    if (!bytes) return std::nullopt;
    const auto record = readMuteRecord(*bytes);
    if (!record) {
        remove();
        return std::nullopt;
    }
    // The clock may be wrong at start (hours slow after another system kept
    // it in UTC, years behind with a flat battery): the count never resumes
    // longer than it was set for, and a due time alone never drops a record.
    const std::int64_t secondsLeft = record->dueUtc - clock_.nowUtc();
    const std::int64_t longest = std::max<std::int64_t>(record->initialMinutes, 1);
    const std::int64_t minutesLeft = std::clamp<std::int64_t>((secondsLeft + 59) / 60, 0, longest);
    return Pending{record->callSign, record->initialMinutes, static_cast<std::int16_t>(minutesLeft)};
}

}  // namespace rokan
