#include "rokan_fixture.h"

#include <algorithm>
#include <cmath>

namespace rokan::e2e {

int pixels(double twips) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return static_cast<int>(std::lround(twips * dpi / 1440));
}

void RokanTest::SetUp() {
    // A folder of this run's own: what an earlier, interrupted run left cannot get in the way.
    static int runs = 0;
    folder = std::filesystem::temp_directory_path() /
             ("rokan-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++runs));
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(exeDir() / "rokan.exe", folder / "rokan.exe");
    endStandins();
    standin::removeLogs();
    // The user's own folder is the test's too: nothing there outlives it.
    std::filesystem::create_directories(folder / "AppData");
    SetEnvironmentVariableW(L"LOCALAPPDATA", (folder / "AppData").c_str());
    registerStandin(true);
}

void RokanTest::TearDown() {
    rokan.reset();
    endStandins();
    standin.reset();
    // Wine may hold an ended program's exe for a moment.
    waitUntil([&] {
        std::error_code notYet;
        std::filesystem::remove_all(folder, notYet);
        return !notYet;
    });
}

void RokanTest::makeFull() {
    SetWindowPos(main, nullptr, 0, 0, windowRect(main).right - windowRect(main).left, 400, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(waitUntil([&] { return visible(control(Control::sCall)); }));
    EXPECT_EQ(clientSize(main).cy, pixels(kMaximumHeight - kDesignFrameHeight));
}

void RokanTest::startNoiseCancel(const wchar_t* minutes) {
    makeFull();
    setText(control(Control::sCall), L"N0CALL");
    if (minutes) setText(control(Control::gMin), minutes);
    click(control(Control::btnAutoMute));
}

HWND RokanTest::sendAndWaitBox(const std::wstring& line) {
    setText(control(Control::sInput), line);
    click(control(Control::B_Send));
    return waitDialog(rokan->pid());
}

void RokanTest::startStandin(const std::wstring& flags) {
    standin = standin::start(flags);
    EXPECT_TRUE(standin.has_value()) << "the stand-in's window did not appear";
}

void RokanTest::endStandins() {
    standin::closeAll();
    EXPECT_NE(standin::endLeftovers(), standin::Leftovers::wouldNotEnd);
}

int RokanTest::boxesOpen() const {
    const auto shown = topLevelWindows(rokan->pid());
    return static_cast<int>(
        std::count_if(shown.begin(), shown.end(), [](HWND w) { return visible(w) && className(w) == kDialogClass; }));
}

MessageBoxContent RokanTest::answerMessageBox() {
    HWND box = waitDialog(rokan->pid());
    if (!box) return {};
    EXPECT_EQ(boxesOpen(), 1) << "message boxes come one at a time";
    const MessageBoxContent content = readMessageBox(box);
    click(GetDlgItem(box, IDOK));
    waitGone(box);
    return content;
}

std::string bytesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
}

}  // namespace rokan::e2e
