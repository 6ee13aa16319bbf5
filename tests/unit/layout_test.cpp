#include <gtest/gtest.h>

#include <sstream>

#include "about_layout.h"
#include "contrast.h"
#include "fakes.h"
#include "main_layout.h"

namespace rokan::test {
namespace {

// The designed numbers written out again, so that a wrong constant in the
// tables fails here: the main window's controls in tab order (the order the
// shell creates them) with caption, left, top, width, height and font; then
// the About box's labels with left, top, width, height and alignment.
TEST(Layout, ControlsAndAboutLabelsStandAsDesigned) {
    std::wostringstream built;
    for (const ControlLayout& c : kMainControls)
        built << nameOf(c.id) << " '" << c.text << "' " << c.left << ' ' << c.top << ' ' << c.width << ' ' << c.height
              << ' ' << c.font.points << (c.font.bold ? " bold\n" : "\n");
    for (const AboutLabelLayout& l : kAboutLabels)
        built << nameOf(l.label) << ' ' << l.left << ' ' << l.top << ' ' << l.width << ' ' << l.height
              << (l.centred ? " centred\n" : "\n");

    EXPECT_EQ(built.str(),
              LR"(sInput '' 60 960 3675 300 12
B_Send 'Send' 3720 960 615 300 9 bold
btnConnect '.connect' 60 60 1395 255 9.75 bold
btnDisconnect '.disconnect' 60 360 1395 255 9.75 bold
btmMute '.mute' 1500 60 1395 255 9.75 bold
btnAdmins '.admins' 60 660 1395 255 9.75 bold
btnUsers '.users' 2940 360 1395 255 9.75 bold
btnStatus '.stat' 1500 660 1395 255 9.75 bold
btnSysop '.sysop' 2940 60 1395 255 9.75 bold
btnUnMute '.unmute' 1500 360 1395 255 9.75 bold
btmLurkd '.lurk disable' 2940 660 1395 255 9.75 bold
sCall '' 60 1320 1515 360 12 bold
btnAutoMute 'noise cancel' 2640 1320 1695 375 9.75 bold
gMin '10' 1680 1320 375 375 12
Label1 'min' 2160 1440 375 255 9.75
btnMuteOff 'Mute Off' 2640 1320 1695 375 9.75 bold
lblDescription 720 240 2835 270
lblDisclaimer 0 900 3525 255 centred
lblTitle 720 0 885 225
lblVersion 1740 0 1815 225
copyright 0 1680 3555 255 centred
readme 720 540 2835 255
)");
}

TEST(Layout, AControlLaidOutTwiceIsCaught) {
    EXPECT_FALSE(eachControlOnce(std::array{kMainControls[0], kMainControls[0]}));
}

// The contrast the high-contrast test judges the screen by, against WCAG's
// own figures: black on white is 21 : 1, #767676 the lightest grey that
// reads on white; white on the muted tint is what High Contrast Black got.
TEST(Contrast, MeasuresAsWcagDoes) {
    const std::tuple<std::uint32_t, std::uint32_t, double> rows[] = {
        {0x000000, 0xFFFFFF, 21.0},     {0xFFFFFF, 0x000000, 21.0},      {0x767676, 0xFFFFFF, 4.54},
        {0xFFFFFF, kMutedColour, 1.72}, {0x000000, kMutedColour, 12.23}, {0x123456, 0x123456, 1.0},
    };
    for (const auto& [a, b, ratio] : rows) EXPECT_NEAR(contrastRatio(a, b), ratio, 0.01) << std::hex << a << ' ' << b;
}

}  // namespace
}  // namespace rokan::test
