#include <gtest/gtest.h>

#include "about_layout.h"
#include "fakes.h"
#include "main_layout.h"

namespace rokan::test {
namespace {

struct Designed {
    Control control;
    const wchar_t* caption;
    int left, top, width, height;
    double points;
    bool bold;
};

// The main window as designed, in tab order: the shell creates the controls
// in the table's order, which is the order Tab walks.
TEST(Layout, TheMainWindowsControlsStandAsDesignedInTabOrder) {
    const Designed designed[] = {
        {Control::sInput, L"", 60, 960, 3675, 300, 12, false},
        {Control::B_Send, L"Send", 3720, 960, 615, 300, 9, true},
        {Control::btnConnect, L".connect", 60, 60, 1395, 255, 9.75, true},
        {Control::btnDisconnect, L".disconnect", 60, 360, 1395, 255, 9.75, true},
        {Control::btmMute, L".mute", 1500, 60, 1395, 255, 9.75, true},
        {Control::btnAdmins, L".admins", 60, 660, 1395, 255, 9.75, true},
        {Control::btnUsers, L".users", 2940, 360, 1395, 255, 9.75, true},
        {Control::btnStatus, L".stat", 1500, 660, 1395, 255, 9.75, true},
        {Control::btnSysop, L".sysop", 2940, 60, 1395, 255, 9.75, true},
        {Control::btnUnMute, L".unmute", 1500, 360, 1395, 255, 9.75, true},
        {Control::btmLurkd, L".lurk disable", 2940, 660, 1395, 255, 9.75, true},
        {Control::sCall, L"", 60, 1320, 1515, 360, 12, true},
        {Control::btnAutoMute, L"noise cancel", 2640, 1320, 1695, 375, 9.75, true},
        {Control::gMin, L"10", 1680, 1320, 375, 375, 12, false},
        {Control::Label1, L"min", 2160, 1440, 375, 255, 9.75, false},
        {Control::btnMuteOff, L"Mute Off", 2640, 1320, 1695, 375, 9.75, true},
    };
    ASSERT_EQ(std::size(designed), kMainControls.size());
    for (std::size_t tab = 0; tab < kMainControls.size(); ++tab) {
        const ControlLayout& built = kMainControls[tab];
        const Designed& row = designed[tab];
        EXPECT_EQ(built.id, row.control) << tab;
        EXPECT_EQ(std::wstring(built.text), row.caption) << nameOf(row.control);
        EXPECT_EQ((std::array{built.left, built.top, built.width, built.height}),
                  (std::array{row.left, row.top, row.width, row.height}))
            << nameOf(row.control);
        EXPECT_EQ(built.font.points, row.points) << nameOf(row.control);
        EXPECT_EQ(built.font.bold, row.bold) << nameOf(row.control);
    }
}

TEST(Layout, TheAboutBoxsLabelsStandAsDesigned) {
    const std::tuple<AboutLabel, int, int, int, int, bool> designed[] = {
        {AboutLabel::lblDescription, 720, 240, 2835, 270, false}, {AboutLabel::lblDisclaimer, 0, 900, 3525, 255, true},
        {AboutLabel::lblTitle, 720, 0, 885, 225, false},          {AboutLabel::lblVersion, 1740, 0, 1815, 225, false},
        {AboutLabel::copyright, 0, 1680, 3555, 255, true},        {AboutLabel::readme, 720, 540, 2835, 255, false},
    };
    for (std::size_t i = 0; i < kAboutLabels.size(); ++i) {
        const AboutLabelLayout& built = kAboutLabels[i];
        EXPECT_EQ(std::tuple(built.label, built.left, built.top, built.width, built.height, built.centred), designed[i])
            << i;
    }
}

}  // namespace
}  // namespace rokan::test
