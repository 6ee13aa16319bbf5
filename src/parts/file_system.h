#pragma once
#include <cstddef>
#include <optional>
#include <string>

namespace rokan {

// The few file operations the settings file needs. Paths are Windows paths
// (folders end in "\"). Operations that fail throw Failure.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    // The first line without its line end (CR LF, LF or CR). Nothing when the
    // file cannot be read, is empty, or its first line is longer than maxBytes.
    virtual std::optional<std::string> readFirstLine(const std::wstring& path, std::size_t maxBytes) = 0;
    // Creates or truncates the file and writes the bytes through to the disk.
    virtual void writeFile(const std::wstring& path, const std::string& bytes) = 0;
    // Puts `from` in the place of `to` in one step: a reader sees the old file or the new one.
    virtual void replaceFile(const std::wstring& from, const std::wstring& to) = 0;
    virtual void removeFile(const std::wstring& path) noexcept = 0;
};

// The real files of the machine the program runs on.
FileSystem& machineFileSystem();

}  // namespace rokan
