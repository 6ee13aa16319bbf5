#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace rokan {

// How far apart two colours (0x00BBGGRR) stand for the eye, as WCAG 2
// measures it: from 1 (the same) to 21 (black and white). Text wants 4.5.
inline double contrastRatio(std::uint32_t a, std::uint32_t b) {
    const auto luminance = [](std::uint32_t colour) {
        const auto channel = [&](int shift) {
            const double c = ((colour >> shift) & 0xFF) / 255.0;
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(0) + 0.7152 * channel(8) + 0.0722 * channel(16);
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
inline constexpr double kReadableContrast = 4.5;

}  // namespace rokan
