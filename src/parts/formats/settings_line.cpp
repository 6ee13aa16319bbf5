#include "settings_line.h"

#include "number_text.h"

namespace rokan {
namespace {

// Each minimum is also the default, so the default line is the smallest one taken as it stands.
constexpr std::array<std::int64_t, 4> kMinimums{kDefaultRectangle.left, kDefaultRectangle.top, kDefaultRectangle.width,
                                                kDefaultRectangle.height};

// After the first "=" (or the whole line): three fields ended by ",", then
// the fourth, which is what follows a further "," if there is one.
std::optional<std::array<std::string_view, 4>> fieldsOf(std::string_view line) {
    const auto equals = line.find('=');
    std::string_view rest = equals == std::string_view::npos ? line : line.substr(equals + 1);
    std::array<std::string_view, 4> fields;
    for (int i = 0; i < 3; ++i) {
        const auto comma = rest.find(',');
        if (comma == std::string_view::npos) return std::nullopt;
        fields[i] = rest.substr(0, comma);
        rest = rest.substr(comma + 1);
    }
    const auto comma = rest.find(',');
    fields[3] = comma == std::string_view::npos ? rest : rest.substr(comma + 1);
    return fields;
}

// Bytes above 127 become characters that are no digits, so they fail the conversion.
std::wstring widened(std::string_view bytes) {
    std::wstring text;
    for (char byte : bytes) text += static_cast<wchar_t>(static_cast<unsigned char>(byte));
    return text;
}

}  // namespace

std::optional<std::string> firstLineOf(std::string_view head) {
    const std::string_view line = head.substr(0, head.find_first_of("\r\n"));
    if (line.size() > kMaxSettingsLineBytes) return std::nullopt;
    return std::string(line);
}

std::optional<StoredRectangle> readSettingsLine(std::string_view line) {
    const auto fields = fieldsOf(line);
    if (!fields) return std::nullopt;
    StoredRectangle stored{{}, false};
    for (std::size_t i = 0; i < stored.values.size(); ++i) {
        const auto value = parseWholeNumber(widened((*fields)[i]), INT32_MIN, INT32_MAX);
        if (!value) return std::nullopt;
        stored.values[i] = *value;
    }
    for (std::size_t i = 0; i < stored.values.size(); ++i) {
        if (stored.values[i] < kMinimums[i]) {
            stored.values[i] = kMinimums[i];
            stored.raised = true;
        }
    }
    return stored;
}

std::string settingsLine(float left, float top, float width, float height) {
    return "position=" + signedNumberText(left) + "," + signedNumberText(top) + "," + signedNumberText(width) + "," +
           signedNumberText(height) + "\r\n";
}

std::string defaultSettingsLine() {
    const auto& [left, top, width, height] = kDefaultRectangle;
    return settingsLine(static_cast<float>(left), static_cast<float>(top), static_cast<float>(width),
                        static_cast<float>(height));
}

}  // namespace rokan
