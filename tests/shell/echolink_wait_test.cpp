// The window's wait for EchoLink, with bounds of milliseconds: what ends it,
// what it drops, and what it leaves for after the call.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "echolink_wait.h"

namespace rokan {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Outcome = EchoLinkWait::Outcome;

constexpr UINT kDuringWait = WM_APP + 3;

// What a test runs inside the wait: kDuringWait, sent from another thread.
std::function<void()> duringWait;

LRESULT CALLBACK testWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kDuringWait) duringWait();
    return DefWindowProcW(window, message, wParam, lParam);
}

struct TestWindow {
    TestWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = testWindowProc;
        windowClass.lpszClassName = L"RokanWaitTest";
        RegisterClassW(&windowClass);
        handle = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    }
    ~TestWindow() { DestroyWindow(handle); }
    HWND handle;
};

bool queued(HWND window, UINT message) {
    MSG found;
    return PeekMessageW(&found, window, message, message, PM_NOREMOVE) != FALSE;
}

class Wait : public ::testing::Test {
protected:
    Wait() { wait.watchForClose(main.handle); }
    ~Wait() override {
        CloseHandle(done);
        MSG left;
        while (PeekMessageW(&left, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    // Waits for a call that does not answer meanwhile; how long it took.
    Clock::duration waitUnanswered(Outcome expected = Outcome::unanswered,
                                   EchoLinkWait::Kind kind = EchoLinkWait::Kind::call) {
        const auto start = Clock::now();
        EXPECT_EQ(wait.forCall(done, kind), expected);
        return Clock::now() - start;
    }
    // Runs the step inside the wait, as a message another thread sends.
    void duringTheWait(std::function<void()> step) {
        duringWait = std::move(step);
        helper = std::jthread([this] { SendMessageW(main.handle, kDuringWait, 0, 0); });
    }

    Ending ending;
    EchoLinkWait wait{WaitBounds{300, 600, 100}, ending};
    TestWindow main, box;
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::jthread helper;  // joined before the windows go
};

TEST_F(Wait, EachKindOfCallHasItsBoundAndEndingShortensThemAll) {
    EXPECT_GE(waitUnanswered(), 290ms);
    EXPECT_LT(waitUnanswered(), 550ms);
    EXPECT_GE(waitUnanswered(Outcome::unanswered, EchoLinkWait::Kind::attach), 590ms);
    ending.begin(Ending::Reason::closed, false);
    EXPECT_LT(waitUnanswered(Outcome::unanswered, EchoLinkWait::Kind::attach), 250ms);
    EXPECT_FALSE(ending.quiet());
}

// The close box or Alt+F4 of another of Rokan's windows closes that window
// after the call; the main window's give up the call, and Rokan ends quietly.
TEST_F(Wait, OnlyAClosedMainWindowGivesUpTheCall) {
    PostMessageW(box.handle, WM_NCLBUTTONDOWN, HTCLOSE, 0);
    EXPECT_GE(waitUnanswered(), 290ms);
    EXPECT_FALSE(ending.started());
    EXPECT_TRUE(queued(box.handle, WM_CLOSE));

    PostMessageW(main.handle, WM_SYSKEYDOWN, VK_F4, 1 << 29);
    EXPECT_LT(waitUnanswered(Outcome::ending), 250ms);
    EXPECT_TRUE(ending.started());
    EXPECT_TRUE(ending.quiet());
    EXPECT_TRUE(queued(main.handle, WM_CLOSE));
}

// What the operator or another program does meanwhile would otherwise run
// after the call, such as a second click of Send, and so would input that
// comes with the answer; the timer waits its turn.
TEST_F(Wait, InputAndPostedClicksAreDroppedAndTicksWait) {
    for (UINT dropped : {UINT{WM_KEYDOWN}, UINT{WM_CHAR}, UINT{WM_LBUTTONDOWN}, UINT{WM_COMMAND}, UINT{BM_CLICK},
                         UINT{0x0246} /* WM_POINTERDOWN */, UINT{0x0240} /* WM_TOUCH */})
        PostMessageW(main.handle, dropped, 0, 0);
    PostMessageW(main.handle, WM_TIMER, 1, 0);
    waitUnanswered();

    MSG left{};
    ASSERT_TRUE(PeekMessageW(&left, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(left.message, static_cast<UINT>(WM_TIMER));
    EXPECT_FALSE(PeekMessageW(&left, nullptr, 0, 0, PM_REMOVE));

    PostMessageW(main.handle, BM_CLICK, 0, 0);
    SetEvent(done);
    EXPECT_EQ(wait.forCall(done, EchoLinkWait::Kind::call), Outcome::answered);
    EXPECT_FALSE(queued(main.handle, BM_CLICK));
}

// A quit asked for during the wait reaches the message loop after it; a
// second wait inside the first is refused at once.
TEST_F(Wait, AQuitDuringTheWaitIsLeftForTheMessageLoopAndASecondWaitIsRefused) {
    Clock::duration inner{};
    duringTheWait([&] {
        PostQuitMessage(7);
        inner = waitUnanswered(Outcome::refused);
        std::thread([this] {
            std::this_thread::sleep_for(100ms);
            SetEvent(done);
        }).detach();
    });
    EXPECT_EQ(wait.forCall(done, EchoLinkWait::Kind::call), Outcome::answered);
    EXPECT_LT(inner, 50ms);
    MSG left{};
    ASSERT_TRUE(PeekMessageW(&left, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(left.wParam, 7u);
}

// A log-off or EchoLink's Closing, sent while Rokan waits, gives up the call.
TEST_F(Wait, AnEndBegunInsideTheWaitGivesUpTheCall) {
    duringTheWait([&] { ending.begin(Ending::Reason::loggingOff, wait.pending()); });
    EXPECT_LT(waitUnanswered(Outcome::ending), 250ms);
    EXPECT_TRUE(ending.quiet());
}

}  // namespace
}  // namespace rokan
