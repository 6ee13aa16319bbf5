#include "fonts.h"

#include <cmath>

#include "twips.h"

namespace rokan {

HFONT Fonts::get(FontSpec wanted, int dpi) {
    if (dpi != dpi_) {
        clear();
        dpi_ = dpi;
    }
    const int weight = wanted.bold ? FW_BOLD : FW_NORMAL;
    const std::pair key{static_cast<int>(std::lround(wanted.points * 100)), weight};
    if (auto found = fonts_.find(key); found != fonts_.end()) return found->second;

    LOGFONTW font{};
    font.lfHeight = pointsToFontHeight(wanted.points, dpi);
    font.lfWeight = weight;
    font.lfCharSet = kFontCharset;
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(font.lfFaceName, kFontFace, LF_FACESIZE);
    HFONT made = CreateFontIndirectW(&font);
    fonts_.emplace(key, made);
    return made;
}

void Fonts::clear() {
    for (auto& [key, font] : fonts_) DeleteObject(font);
    fonts_.clear();
}

}  // namespace rokan
