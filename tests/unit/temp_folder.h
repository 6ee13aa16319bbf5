#pragma once
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace rokan::test {

// A fresh folder of real files for one test, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() / ("rokan-test-" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder as Windows names it, which is how the program sees it.
    std::wstring windowsPath() const {
        std::wstring text = path_.wstring();
        std::replace(text.begin(), text.end(), L'/', L'\\');
        return text;
    }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }
    void makeFolder(const std::string& name) const { std::filesystem::create_directory(path_ / name); }
    // The file's bytes, or "<missing>".
    std::string read(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        if (!in) return "<missing>";
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::size_t fileCount() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(path_), {}));
    }

private:
    std::filesystem::path path_;
};

}  // namespace rokan::test
