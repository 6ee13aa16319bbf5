#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace rokan {

// UTF-8 for the platform's wide strings (UTF-16 on Windows). Text that is not
// valid Unicode, or bytes that are not valid UTF-8, give nothing.
std::optional<std::string> toUtf8(std::wstring_view text);
std::optional<std::wstring> fromUtf8(std::string_view bytes);

}  // namespace rokan
