#include <fstream>
#include <iterator>
#include <stdexcept>

#include "driver/driver.h"

namespace rokan::e2e {

std::wstring widen(std::string_view utf8) {
    std::wstring out(utf8.size(), L'\0');  // never more UTF-16 units than bytes
    out.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(),
                                   static_cast<int>(out.size())));
    return out;
}

std::string narrow(std::wstring_view wide) {
    std::string out(wide.size() * 3, '\0');  // at most three bytes a UTF-16 unit
    out.resize(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(),
                                   static_cast<int>(out.size()), nullptr, nullptr));
    return out;
}

std::string readFileUtf8(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + narrow(path.wstring()));
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
    return text;
}

}  // namespace rokan::e2e
