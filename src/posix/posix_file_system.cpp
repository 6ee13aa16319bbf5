#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "failure.h"
#include "file_system.h"

// For the Linux build that runs the tests: Windows paths mapped onto POSIX ones.
namespace rokan {
namespace {

std::string posixPath(const std::wstring& path) {
    std::string result;
    for (wchar_t c : path) {
        if (c == L'\\') {
            result += '/';
        } else if (c < 0x80) {
            result += static_cast<char>(c);
        } else {
            throw Failure{};  // the tests' folders are plain ASCII
        }
    }
    return result;
}

class PosixFileSystem final : public FileSystem {
public:
    std::optional<std::string> readStart(const std::wstring& path, std::size_t maxBytes) override {
        std::FILE* file = std::fopen(posixPath(path).c_str(), "rb");
        if (!file) return std::nullopt;
        std::string head(maxBytes, '\0');
        head.resize(std::fread(head.data(), 1, head.size(), file));
        const bool failed = std::ferror(file) != 0;
        std::fclose(file);
        if (failed) return std::nullopt;
        return head;
    }

    void writeFile(const std::wstring& path, const std::string& bytes) override {
        std::FILE* file = std::fopen(posixPath(path).c_str(), "wb");
        if (!file) throw Failure{};
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
                             std::fflush(file) == 0 && fsync(fileno(file)) == 0;
        if (std::fclose(file) != 0 || !written) throw Failure{};
    }

    void replaceFile(const std::wstring& from, const std::wstring& to) override {
        if (std::rename(posixPath(from).c_str(), posixPath(to).c_str()) != 0) throw Failure{};
    }

    void createFolder(const std::wstring& path) override {
        if (mkdir(posixPath(path).c_str(), 0777) != 0 && errno != EEXIST) throw Failure{};
    }

    bool removeFile(const std::wstring& path) noexcept override {
        try {
            return std::remove(posixPath(path).c_str()) == 0 || errno == ENOENT;
        } catch (...) {
            return false;
        }
    }
};

}  // namespace

FileSystem& machineFileSystem() {
    static PosixFileSystem files;
    return files;
}

}  // namespace rokan
