#include "fonts.h"

#include <cmath>

#include "twips.h"

namespace rokan {
namespace {

int CALLBACK countFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return 0;  // one is enough
}

bool installed(const wchar_t* face, BYTE charset) {
    LOGFONTW wanted{};
    wanted.lfCharSet = charset;
    lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
    int count = 0;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, countFace, reinterpret_cast<LPARAM>(&count), 0);
    ReleaseDC(nullptr, screen);
    return count > 0;
}

}  // namespace

// Without the designed face the font mapper takes whatever face carries the
// Japanese charset: under Wine a fixed-pitch Gothic, in which the bold
// ".lurk disable" is wider than its button. Tahoma, which every Windows and
// Wine's own fonts have, keeps every caption inside its control.
Fonts::Face Fonts::chosenFace() {
    static const bool designed = installed(kFontFace, kFontCharset) || installed(kFontFaceEnglish, kFontCharset);
    return designed ? Face{kFontFace, kFontCharset} : Face{kFallbackFontFace, DEFAULT_CHARSET};
}

HFONT Fonts::get(FontSpec wanted, int dpi, int smallerBy) {
    if (dpi != dpi_) {
        clear();
        dpi_ = dpi;
    }
    const int weight = wanted.bold ? FW_BOLD : FW_NORMAL;
    const std::tuple key{static_cast<int>(std::lround(wanted.points * 100)), weight, smallerBy};
    if (auto found = fonts_.find(key); found != fonts_.end()) return found->second;

    const Face face = chosenFace();
    LOGFONTW font{};
    font.lfHeight = pointsToFontHeight(wanted.points, dpi) + smallerBy;
    font.lfWeight = weight;
    font.lfCharSet = static_cast<BYTE>(face.charset);
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(font.lfFaceName, face.name, LF_FACESIZE);
    HFONT made = CreateFontIndirectW(&font);
    fonts_.emplace(key, made);
    return made;
}

void Fonts::clear() {
    for (auto& [key, font] : fonts_) DeleteObject(font);
    fonts_.clear();
}

}  // namespace rokan
