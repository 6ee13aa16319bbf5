#pragma once
#include <cstddef>
#include <optional>
#include <string>

namespace rokan {

// The few file operations Rokan's two files need. Paths are Windows paths
// (folders end in "\"). Operations that fail throw Failure.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    // At most maxBytes from the start of the file; nothing when it cannot be read.
    virtual std::optional<std::string> readStart(const std::wstring& path, std::size_t maxBytes) = 0;
    // Creates or truncates the file and writes the bytes through to the disk.
    virtual void writeFile(const std::wstring& path, const std::string& bytes) = 0;
    // Puts `from` in the place of `to` in one step: a reader sees the old file or the new one.
    virtual void replaceFile(const std::wstring& from, const std::wstring& to) = 0;
    // Creates the folder, whose parent exists; one already there is no failure.
    virtual void createFolder(const std::wstring& path) = 0;
    // Whether the file is gone afterwards (also when there was none).
    virtual bool removeFile(const std::wstring& path) noexcept = 0;
};

// Written aside, then put in place in one step: a crash or a full disk leaves
// the old content or the new one, never a torn file, and no stray file.
void replaceFileContent(FileSystem& files, const std::wstring& path, const std::string& bytes);

// The real files of the machine the program runs on.
FileSystem& machineFileSystem();

}  // namespace rokan
