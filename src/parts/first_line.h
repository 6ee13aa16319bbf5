#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace rokan {

// The first line of what was read from the start of a file, if it ends within
// maxBytes (or the file ends there). `atEnd` tells whether `head` is the whole file.
inline std::optional<std::string> firstLineOf(std::string_view head, bool atEnd, std::size_t maxBytes) {
    const auto end = head.find_first_of("\r\n");
    if (end == std::string_view::npos) {
        if (!atEnd || head.empty() || head.size() > maxBytes) return std::nullopt;
        return std::string(head);
    }
    if (end > maxBytes) return std::nullopt;
    return std::string(head.substr(0, end));
}

}  // namespace rokan
