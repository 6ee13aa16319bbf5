#include "mute_record_file.h"

#include <algorithm>

#include "mute_record.h"

namespace rokan {
namespace {

constexpr wchar_t kRecordName[] = L"rokan.mute";

// A record left behind would act again at the next start, on a station the
// operator may have muted by hand since: one that cannot be deleted is
// emptied, which reads as no record.
void erase(FileSystem& files, const std::optional<std::wstring>& folder) noexcept {
    try {
        if (folder && !files.removeFile(*folder + kRecordName)) files.writeFile(*folder + kRecordName, "");
    } catch (...) {
    }
}

}  // namespace

std::optional<std::wstring> MuteRecordFile::inProgramFolder() const {
    try {
        return programFolder_.find();
    } catch (...) {
        return std::nullopt;
    }
}

std::optional<std::wstring> MuteRecordFile::inUserData() const {
    try {
        std::wstring folder = process_.localAppDataFolder();
        if (folder.empty()) return std::nullopt;
        if (folder.back() != L'\\') folder += L'\\';
        return folder + L"Rokan\\";
    } catch (...) {
        return std::nullopt;
    }
}

// One record at a time: the place that took it is the only one that holds it.
void MuteRecordFile::write(const std::string& bytes) noexcept {
    const auto beside = inProgramFolder(), ownFolder = inUserData();
    try {
        if (!beside) return;
        replaceFileContent(files_, *beside + kRecordName, bytes);
        erase(files_, ownFolder);
        return;
    } catch (...) {
    }
    try {
        if (!ownFolder) return;
        files_.createFolder(*ownFolder);
        replaceFileContent(files_, *ownFolder + kRecordName, bytes);
        erase(files_, beside);
    } catch (...) {
    }
}

std::optional<std::string> MuteRecordFile::current() const {
    for (const auto& folder : {inProgramFolder(), inUserData()}) {
        const auto bytes = folder ? files_.readStart(*folder + kRecordName, kMaxMuteRecordBytes + 1) : std::nullopt;
        if (bytes && !bytes->empty()) return bytes;
    }
    return std::nullopt;
}

MuteRecordFile::Replaced MuteRecordFile::keep(const std::wstring& callSign, std::int16_t initialMinutes,
                                              int minutes) noexcept {
    try {
        Replaced replaced = current();
        const auto text = muteRecordText({clock_.nowUtc() + std::int64_t{60} * minutes, initialMinutes, callSign});
        if (text) write(*text);
        return replaced;
    } catch (...) {
        return std::nullopt;
    }
}

void MuteRecordFile::putBack(const Replaced& replaced) noexcept {
    if (replaced)
        write(*replaced);
    else
        remove();
}

void MuteRecordFile::remove() noexcept {
    erase(files_, inProgramFolder());
    erase(files_, inUserData());
}

std::optional<MuteRecordFile::Pending> MuteRecordFile::read() {
    const auto bytes = current();
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
