#include "utf8.h"

namespace rokan {
namespace {

bool isSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

void appendWide(std::wstring& text, char32_t c) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (c >= 0x10000) {
            c -= 0x10000;
            text += static_cast<wchar_t>(0xD800 + (c >> 10));
            c = 0xDC00 + (c & 0x3FF);
        }
    }
    text += static_cast<wchar_t>(c);
}

}  // namespace

std::optional<std::string> toUtf8(std::wstring_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = static_cast<char32_t>(text[i]);
        if (sizeof(wchar_t) == 2 && c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(text[++i]) - 0xDC00);
        if (isSurrogate(c) || c > 0x10FFFF) return std::nullopt;
        if (c < 0x80) {
            bytes += static_cast<char>(c);
            continue;
        }
        const int extra = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        constexpr unsigned char kLead[] = {0, 0xC0, 0xE0, 0xF0};
        bytes += static_cast<char>(kLead[extra] | (c >> (6 * extra)));
        for (int shift = 6 * (extra - 1); shift >= 0; shift -= 6) bytes += static_cast<char>(0x80 | ((c >> shift) & 0x3F));
    }
    return bytes;
}

std::optional<std::wstring> fromUtf8(std::string_view bytes) {
    std::wstring text;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i++]);
        int extra = 0;
        if (lead >= 0xF0 && lead < 0xF5)
            extra = 3;
        else if (lead >= 0xE0 && lead < 0xF0)
            extra = 2;
        else if (lead >= 0xC2 && lead < 0xE0)
            extra = 1;
        else if (lead >= 0x80)
            return std::nullopt;
        if (bytes.size() - i < static_cast<std::size_t>(extra)) return std::nullopt;
        char32_t c = lead & (0x7F >> extra);
        for (int k = 0; k < extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i++]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values beyond Unicode are no characters.
        const char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
        if (c < smallest[extra] || isSurrogate(c) || c > 0x10FFFF) return std::nullopt;
        appendWide(text, c);
    }
    return text;
}

}  // namespace rokan
