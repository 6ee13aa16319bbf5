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
    bool panelShown() {
        return view.controls[Control::sCall].visible && view.controls[Control::gMin].visible &&
               view.controls[Control::Label1].visible &&
               (view.controls[Control::btnAutoMute].visible != view.controls[Control::btnMuteOff].visible);
    }
    bool panelHidden() {
        for (Control c : {Control::sCall, Control::gMin, Control::Label1, Control::btnAutoMute, Control::btnMuteOff})
            if (view.controls[c].visible) return false;
        return true;
    }
};

struct DragCase {
    float height;
    float expectedHeight;  // as the window reports it at 144 DPI, 10 twips a pixel
    bool panel;
};

TEST_F(SizePolicy, HeightsAroundEachBound) {
    view.dpi = 144;  // whole twips per pixel, so every bound is exact
    const DragCase rows[] = {
        {3000, 2560, true},  {2570, 2560, true},  {2560, 2560, true},  {2555, 2560, true},  {2550, 2550, false},
        {2540, 2540, false}, {2130, 2130, false}, {2120, 2130, false}, {1500, 2130, false}, {810, 2130, false},
    };
    for (const DragCase& row : rows) {
        journal.clear();
        drag(4530, row.height);
        // The bounds themselves are inside the band: nothing is set for them.
        const bool heightSet = std::any_of(journal.begin(), journal.end(),
                                           [](const std::wstring& step) { return step.rfind(L"height ", 0) == 0; });
        EXPECT_EQ(heightSet, row.height > kMaximumHeight || row.height < kMinimumHeight) << row.height;
        EXPECT_EQ(view.height(), row.expectedHeight) << row.height;
        EXPECT_EQ(row.panel ? panelShown() : panelHidden(), true) << row.height;
        EXPECT_EQ(view.width(), 4530) << row.height;
    }
}

TEST_F(SizePolicy, TheWidthAlwaysReturns) {
    for (float width : {3000.f, 4500.f, 4545.f, 6000.f, 120.f}) {
        drag(width, 2130);
        EXPECT_EQ(view.clientWidthPx, 294) << width;
    }
}

// At each DPI the full height must still come back above the threshold after
// rounding to pixels, or the panel could never show.
TEST_F(SizePolicy, PixelRoundingAtCommonDpisKeepsBothWindows) {
    for (int dpi : {96, 120, 144}) {
        view.dpi = dpi;
        drag(9999, 9999);
        EXPECT_GT(view.height(), 2550) << dpi;
        EXPECT_TRUE(panelShown()) << dpi;
        EXPECT_EQ(view.clientHeightPx, clientPixelsFor(2560, kDesignFrameHeight, dpi)) << dpi;

        drag(0, 0);
        EXPECT_TRUE(panelHidden()) << dpi;
        EXPECT_EQ(view.clientHeightPx, clientPixelsFor(2130, kDesignFrameHeight, dpi)) << dpi;
        // The compact window's client area is exactly rows 1 to 4.
        EXPECT_EQ(view.clientHeightPx, twipsToPixels(1320, dpi)) << dpi;
        EXPECT_EQ(view.clientWidthPx, twipsToPixels(kClientWidth, dpi)) << dpi;
    }
}

TEST_F(SizePolicy, ItsOwnCorrectionsNestAndSettle) {
    drag(6000, 9000);

    EXPECT_GE(view.deepestResize, 1);
    EXPECT_LE(view.deepestResize, 2);
    EXPECT_EQ(view.resizeDepth, 0);
    EXPECT_EQ(view.width(), 4530);
    EXPECT_EQ(view.height(), 2565);
    EXPECT_TRUE(panelShown());
}

TEST_F(SizePolicy, MinimizedChangesNothingAndRestoringAppliesItAgain) {
    drag(4530, 2560);
    journal.clear();
    view.isMinimized = true;
    view.clientWidthPx = 0, view.clientHeightPx = 0;

    form.Form_Resize();
    EXPECT_TRUE(journal.empty());
    EXPECT_TRUE(panelShown());

    view.isMinimized = false;
    view.clientWidthPx = 294, view.clientHeightPx = 117;
    form.Form_Resize();
    EXPECT_TRUE(panelShown());
}

TEST_F(SizePolicy, ACountdownGoesOnWhileThePanelIsHiddenAndComesBackMuted) {
    drag(4530, 2560);
    textOf(Control::sCall) = L"N0CALL";
    textOf(Control::gMin) = L"2";
    form.btnAutoMute_Click();

    drag(4530, 2130);
    EXPECT_TRUE(panelHidden());
    form.Timer1_Timer();
    EXPECT_EQ(textOf(Control::gMin), L"1");

    drag(4530, 2560);
    EXPECT_TRUE(view.controls[Control::btnMuteOff].visible);
    EXPECT_EQ(view.controls[Control::sCall].back, kMutedColour);
    EXPECT_TRUE(view.controls[Control::gMin].readOnly);
}

TEST_F(SizePolicy, ARefusedSizeIsReportedAndTheRestSkipped) {
    drag(4530, 2560);
    view.refused.insert(L"height 2130");
    journal.clear();

    drag(4530, 1500);

    EXPECT_EQ(journal, (Journal{L"message Form_Resize Error | Rokan"}));
    EXPECT_TRUE(panelShown());
}

}  // namespace
}  // namespace rokan::test
