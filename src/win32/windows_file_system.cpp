#include <windows.h>

#include "failure.h"
#include "file_system.h"

namespace rokan {
namespace {

class WindowsFileSystem final : public FileSystem {
public:
    std::optional<std::string> readStart(const std::wstring& path, std::size_t maxBytes) override {
        HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return std::nullopt;
        std::string head(maxBytes, '\0');
        DWORD read = 0;
        const BOOL ok = ReadFile(file, head.data(), static_cast<DWORD>(head.size()), &read, nullptr);
        CloseHandle(file);
        if (!ok) return std::nullopt;
        head.resize(read);
        return head;
    }

    void writeFile(const std::wstring& path, const std::string& bytes) override {
        HANDLE file =
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) throw Failure{L"CreateFileW", GetLastError()};
        DWORD written = 0;
        const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                        written == bytes.size() && FlushFileBuffers(file);
        const DWORD error = ok ? 0 : GetLastError();
        CloseHandle(file);
        if (!ok) throw Failure{L"WriteFile", error};
    }

    void replaceFile(const std::wstring& from, const std::wstring& to) override {
        if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            throw Failure{L"MoveFileExW", GetLastError()};
    }

    void createFolder(const std::wstring& path) override {
        if (!CreateDirectoryW(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            throw Failure{L"CreateDirectoryW", GetLastError()};
    }

    bool removeFile(const std::wstring& path) noexcept override {
        return DeleteFileW(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
    }
};

}  // namespace

FileSystem& machineFileSystem() {
    static WindowsFileSystem files;
    return files;
}

}  // namespace rokan
