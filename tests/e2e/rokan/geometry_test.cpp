// The window's rectangle across runs under the size policy, minimizing, and
// the operator's drag with the mouse.
#include "rokan_fixture.h"

namespace rokan::e2e {
namespace {

struct Stored {
    const char* name;
    const char* ini;
    int left, top;  // twips, as the window opens
    float height;
    const char* iniAfter;
};

const Stored kStoredRectangles[] = {
    {"SmallestIsCompact", "position= 165, 45, 4500, 2115\r\n", 165, 45, kMinimumHeight,
     "position= 165, 45, 4530, 2130\r\n"},
    {"OversizedIsFull", "position= 1230, 780, 6000, 3000\r\n", 1230, 780, kMaximumHeight,
     "position= 1230, 780, 4530, 2565\r\n"},
    {"OffEveryMonitorComesBack", "position= 50000, 780, 4530, 2130\r\n", 165, 45, kMinimumHeight,
     "position= 165, 45, 4530, 2130\r\n"},
};

class Geometry : public RokanTest, public ::testing::WithParamInterface<Stored> {};

TEST_P(Geometry, AStoredRectangleOpensUnderTheSizePolicyStaysThroughMinimizingAndIsSaved) {
    const Stored& row = GetParam();
    writeIni(row.ini);
    ASSERT_NE(startRokan(), nullptr);

    for (const char* when : {"as opened", "restored"}) {
        SCOPED_TRACE(when);
        EXPECT_EQ(windowRect(main).left, pixels(row.left));
        EXPECT_EQ(windowRect(main).top, pixels(row.top));
        EXPECT_EQ(clientSize(main).cx, pixels(kClientWidth));
        EXPECT_EQ(clientSize(main).cy, pixels(row.height - kDesignFrameHeight));
        const bool full = row.height == kMaximumHeight;
        EXPECT_TRUE(waitUntil([&] { return visible(control(Control::sCall)) == full; }));  // and the panel with it

        ShowWindow(main, SW_MINIMIZE);
        ASSERT_TRUE(waitUntil([&] { return IsIconic(main); }));
        ShowWindow(main, SW_RESTORE);
        ASSERT_TRUE(waitUntil([&] { return !IsIconic(main); }));
    }
    // Ended while minimized, it keeps the place it will be restored to.
    ShowWindow(main, SW_MINIMIZE);
    ASSERT_TRUE(waitUntil([&] { return IsIconic(main); }));
    postClose(main);
    EXPECT_EQ(rokan->waitExit(), kExitedCleanly);
    EXPECT_EQ(iniFile(), row.iniAfter);
}

INSTANTIATE_TEST_SUITE_P(Rows, Geometry, ::testing::ValuesIn(kStoredRectangles),
                         [](const auto& row) { return std::string(row.param.name); });

// Windows' own sizing loop, driven by the mouse: the frame stops at the band's ends.
TEST_F(RokanTest, DraggingTheBottomEdgeWithTheMouseStopsAtTheBand) {
    writeIni("position= 165, 45, 4500, 2115\r\n");
    ASSERT_NE(startRokan(), nullptr);
    ASSERT_TRUE(activate(main));

    for (const int distance : {120, -120}) {
        const RECT outer = windowRect(main);
        const POINT edge{(outer.left + outer.right) / 2, outer.bottom - 2};
        ASSERT_EQ(SendMessageW(main, WM_NCHITTEST, 0, MAKELPARAM(edge.x, edge.y)), HTBOTTOM);
        ASSERT_TRUE(dragWithMouse(main, edge, {edge.x, edge.y + distance}));

        const bool full = distance > 0;
        EXPECT_TRUE(waitUntil([&] { return visible(control(Control::sCall)) == full; }));
        EXPECT_EQ(clientSize(main).cy, pixels((full ? kMaximumHeight : kMinimumHeight) - kDesignFrameHeight));
        EXPECT_EQ(clientSize(main).cx, pixels(kClientWidth));
    }
}

}  // namespace
}  // namespace rokan::e2e
