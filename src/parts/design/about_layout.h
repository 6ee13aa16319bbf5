#pragma once
#include <array>

#include "separator_line.h"

// The About box as designed, in twips.
namespace rokan {

enum class AboutLabel { lblTitle, lblVersion, lblDescription, readme, lblDisclaimer, copyright };

inline constexpr wchar_t kAboutCreatedCaption[] = L"Version Info.";
inline constexpr int kAboutClientWidth = 3615;
inline constexpr int kAboutClientHeight = 2010;

struct AboutLabelLayout {
    AboutLabel label;
    const wchar_t* createdText;
    int left, top, width, height;
    bool centred;
};

inline constexpr int kIconLeft = 60, kIconTop = 60, kIconSize = 540;
inline constexpr int kOkLeft = 1080, kOkTop = 1260, kOkWidth = 1380, kOkHeight = 345;

// In tab order after OK (0) and the icon (1); none of them takes the focus.
inline constexpr auto kAboutLabels = std::to_array<AboutLabelLayout>({
    {AboutLabel::lblDescription, L"ｱﾌﾟﾘｹｰｼｮﾝの説明", 720, 240, 2835, 270, false},
    {AboutLabel::lblDisclaimer, L"Caution:", 0, 900, 3525, 255, true},
    {AboutLabel::lblTitle, L"ｱﾌﾟﾘｹｰｼｮﾝ ﾀｲﾄﾙ", 720, 0, 885, 225, false},
    {AboutLabel::lblVersion, L"ﾊﾞｰｼﾞｮﾝ", 1740, 0, 1815, 225, false},
    {AboutLabel::copyright, L"copyright", 0, 1680, 3555, 255, true},
    {AboutLabel::readme, L"Readme.txt", 720, 540, 2835, 255, false},
});

// The etched line between the readme note and the message.
inline constexpr int kAboutSeparatorY = 840;
inline constexpr auto kAboutSeparator = std::to_array<SeparatorLine>({
    {0, 3540, 0x00FFFFFF, 2, SeparatorLine::Edge::highlight},
    {0, 3540, 0x00808080, 1, SeparatorLine::Edge::shadow},
});

}  // namespace rokan
