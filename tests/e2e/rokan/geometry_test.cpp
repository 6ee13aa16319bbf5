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

TEST_P(Geometry, AStoredRectangleOpensUnderTheSizePolicyStaysThroughMinimizingAndDraggingAndIsSaved) {
    const Stored& row = GetParam();
    writeIni(row.ini);
    ASSERT_NE(startRokan(), nullptr);
    const auto expectHeight = [&](float height) {
        EXPECT_EQ(clientSize(main).cx, pixels(kClientWidth));
        EXPECT_EQ(clientSize(main).cy, pixels(height - kDesignFrameHeight));
        const bool full = height == kMaximumHeight;
        EXPECT_TRUE(waitUntil([&] { return visible(control(Control::sCall)) == full; }));  // and the panel with it
    };

    for (const char* when : {"as opened", "restored"}) {
        SCOPED_TRACE(when);
        EXPECT_EQ(windowRect(main).left, pixels(row.left));
        EXPECT_EQ(windowRect(main).top, pixels(row.top));
        expectHeight(row.height);

        ShowWindow(main, SW_MINIMIZE);
        ASSERT_TRUE(waitUntil([&] { return IsIconic(main); }));
        ShowWindow(main, SW_RESTORE);
        ASSERT_TRUE(waitUntil([&] { return !IsIconic(main); }));
    }
    // Windows' own sizing loop, driven by the mouse past the band's other end and back: the frame
    // stops at each end.
    ASSERT_TRUE(activate(main));
    for (const float height : {row.height == kMaximumHeight ? kMinimumHeight : kMaximumHeight, row.height}) {
        SCOPED_TRACE(height);
        const RECT outer = windowRect(main);
        const POINT edge{(outer.left + outer.right) / 2, outer.bottom - 2};
        ASSERT_EQ(SendMessageW(main, WM_NCHITTEST, 0, MAKELPARAM(edge.x, edge.y)), HTBOTTOM);
        ASSERT_TRUE(dragWithMouse(main, edge, {edge.x, edge.y + (height == kMaximumHeight ? 120 : -120)}));
        expectHeight(height);
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

}  // namespace
}  // namespace rokan::e2e
