#pragma once
// Text and file helpers for end-to-end tests.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace rokan::e2e {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view wide);

// Throw std::runtime_error when the file cannot be opened.
std::vector<std::uint8_t> readFileBytes(const std::filesystem::path& path);
// The file as UTF-8 text, a leading UTF-8 byte order mark removed.
std::string readFileUtf8(const std::filesystem::path& path);

// Folder of the running test exe: helper exes are built next to it.
std::filesystem::path exeDir();

}  // namespace rokan::e2e
