#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "clock.h"
#include "file_system.h"
#include "process.h"
#include "program_folder.h"

namespace rokan {

// A countdown that outlives Rokan: rokan.mute beside rokan.ini, kept while a
// station may be muted, so the next start still sends the unmute. Where the
// program's folder refuses it (Program Files, a protected folder), it is kept
// in a Rokan folder of the user's local application data instead, and looked
// for in both places. The file is a safety net and never a reason for a
// message: where neither place takes it, the mute goes on without it.
class MuteRecordFile {
public:
    struct Pending {
        std::wstring callSign;
        std::int16_t initialMinutes;
        std::int16_t minutesLeft;  // whole minutes, rounded up; 0 once due
    };
    // What a record replaced: its bytes, or nothing when there was none.
    using Replaced = std::optional<std::string>;

    MuteRecordFile(FileSystem& files, Clock& clock, ProgramFolder& programFolder, Process& process)
        : files_(files), clock_(clock), programFolder_(programFolder), process_(process) {}

    // The unmute falls due `minutes` minutes from now.
    Replaced keep(const std::wstring& callSign, std::int16_t initialMinutes, int minutes) noexcept;
    // Undoes a keep whose mute never reached EchoLink.
    void putBack(const Replaced& replaced) noexcept;
    void remove() noexcept;
    // The kept countdown; a file Rokan cannot use is removed and gives nothing.
    std::optional<Pending> read();

private:
    // Beside rokan.ini where the program's folder is known, then the user's own.
    std::optional<std::wstring> inProgramFolder() const;
    std::optional<std::wstring> inUserData() const;
    std::optional<std::string> current() const;
    void write(const std::string& bytes) noexcept;

    FileSystem& files_;
    Clock& clock_;
    ProgramFolder& programFolder_;
    Process& process_;
};

}  // namespace rokan
