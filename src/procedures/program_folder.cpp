#include "program_folder.h"

namespace rokan {

const std::wstring& ProgramFolder::find() {
    if (path_.empty()) {
        std::wstring folder = process_.executableFolder();
        if (folder.empty() || folder.back() != L'\\') folder += L'\\';
        path_ = folder;
    }
    return path_;
}

}  // namespace rokan
