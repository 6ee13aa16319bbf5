#include "form_fixture.h"

namespace rokan::test {
namespace {

class SizePolicy : public FormTest {
protected:
    void SetUp() override { start(); }

    // As if the operator dragged the frame to this size in twips.
    void drag(float width, float height) {
        view.clientWidthPx = clientPixelsFor(width, kDesignFrameWidth, view.dpi);
        view.clientHeightPx = clientPixelsFor(height, kDesignFrameHeight, view.dpi);
        form.Form_Resize();
    }
    // Shown, with one of its two buttons; hidden; or nothing when only part of it is.
    std::optional<bool> panel() {
        int shown = 0;
        for (Control c : {Control::sCall, Control::gMin, Control::Label1, Control::btnAutoMute, Control::btnMuteOff})
            shown += view.controls[c].visible;
        if (shown == 0) return false;
        if (shown == 4 && view.controls[Control::btnAutoMute].visible != view.controls[Control::btnMuteOff].visible)
            return true;
        return std::nullopt;
    }
};

// The width always returns; heights are tried around each bound of the band.
TEST_F(SizePolicy, TheWidthIsFixedAndTheHeightKeptInItsBand) {
    view.dpi = 144;  // whole twips per pixel, so every bound is exact
    // Dragged to, height as the window then reports it, panel shown.
    const std::tuple<float, float, float, bool> rows[] = {
        {4530, 3000, 2560, true},  {3000, 2570, 2560, true},  {4545, 2560, 2560, true},  {6000, 2555, 2560, true},
        {120, 2550, 2550, false},  {4500, 2540, 2540, false}, {4530, 2130, 2130, false}, {4530, 2120, 2130, false},
        {4530, 1500, 2130, false}, {4530, 810, 2130, false},
    };
    for (const auto& [width, height, expectedHeight, shown] : rows) {
        journal.clear();
        drag(width, height);
        // The bounds themselves are inside the band: nothing is set for them.
        const bool heightSet = std::any_of(journal.begin(), journal.end(),
                                           [](const std::wstring& step) { return step.starts_with(L"height "); });
        EXPECT_EQ(heightSet, height > kMaximumHeight || height < kMinimumHeight) << height;
        EXPECT_EQ(view.height(), expectedHeight) << height;
        EXPECT_EQ(panel(), shown) << height;
        EXPECT_EQ(view.width(), 4530) << width;
        EXPECT_LE(view.deepestResize, 2) << height;  // its own corrections nest once and settle
    }
    EXPECT_GE(view.deepestResize, 1);
}

// At each DPI the full height must still come back above the threshold after
// rounding to pixels, or the panel could never show.
TEST_F(SizePolicy, PixelRoundingAtCommonDpisKeepsBothWindows) {
    for (int dpi : {96, 120, 144}) {
        view.dpi = dpi;
        drag(9999, 9999);
        EXPECT_EQ(panel(), true) << dpi;
        EXPECT_EQ(view.clientHeightPx, clientPixelsFor(2560, kDesignFrameHeight, dpi)) << dpi;

        drag(0, 0);
        EXPECT_EQ(panel(), false) << dpi;
        // The compact window's client area is exactly rows 1 to 4.
        EXPECT_EQ(view.clientHeightPx, twipsToPixels(1320, dpi)) << dpi;
        EXPECT_EQ(view.clientWidthPx, twipsToPixels(kClientWidth, dpi)) << dpi;
    }
}

// Minimized, it changes nothing; a refused size is reported and the rest skipped.
TEST_F(SizePolicy, MinimizedOrRefusedItChangesNothing) {
    drag(4530, 2560);
    view.isMinimized = true;
    view.clientWidthPx = 0, view.clientHeightPx = 0;
    journal.clear();
    form.Form_Resize();
    EXPECT_TRUE(journal.empty());
    EXPECT_EQ(panel(), true);

    view.isMinimized = false;
    view.refused.insert(L"height 2130");
    drag(4530, 1500);
    EXPECT_EQ(steps(), L"message Form_Resize Error | Rokan");
    EXPECT_EQ(panel(), true);
}

}  // namespace
}  // namespace rokan::test
