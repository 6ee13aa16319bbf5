#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// rokan.ini's one line: "position=" and the main window's Left, Top, Width
// and Height in twips, each with a sign position.
namespace rokan {

// A longer first line is not one Rokan wrote; reading no further keeps a huge file harmless.
inline constexpr std::size_t kMaxSettingsLineBytes = 4096;
// The rectangle before Rokan has stored one, in twips; each value is also
// the least a stored one may be.
struct TwipsRectangle {
    std::int64_t left, top, width, height;
};
inline constexpr TwipsRectangle kDefaultRectangle{165, 45, 4500, 2115};

struct StoredRectangle {
    std::array<std::int64_t, 4> values;  // Left, Top, Width, Height, each at least its minimum
    bool raised;                         // whether any value was below its minimum
};

// The first line of what was read from the start of the file (at least
// kMaxSettingsLineBytes + 1 bytes, or the whole file), without its line end;
// nothing when the first line is longer than the limit.
std::optional<std::string> firstLineOf(std::string_view head);

// The rectangle a first line holds, or nothing when the line is not in the format.
std::optional<StoredRectangle> readSettingsLine(std::string_view line);

// The line, with its CR LF, that stores a rectangle.
std::string settingsLine(float left, float top, float width, float height);
// The line of kDefaultRectangle.
std::string defaultSettingsLine();

}  // namespace rokan
