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
std::vector<std::uint8_t> read_file_bytes(const std::filesystem::path& path);
// The file as UTF-8 text, a leading UTF-8 byte order mark removed.
std::string read_file_utf8(const std::filesystem::path& path);

// Folder of the running test exe: helper exes are built next to it.
std::filesystem::path exe_dir();

}  // namespace rokan::e2e
