#include "file_system.h"

namespace rokan {

void replaceFileContent(FileSystem& files, const std::wstring& path, const std::string& bytes) {
    const std::wstring written = path + L".new";
    try {
        files.writeFile(written, bytes);
        files.replaceFile(written, path);
    } catch (...) {
        files.removeFile(written);
        throw;
    }
}

}  // namespace rokan
