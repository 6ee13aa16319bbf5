// Renders the pictures the README shows, from the real program in Wine's
// virtual desktop: each one is taken once its state has been checked.
// tools/screenshots turns them into the committed PNG files.
#include "rokan_fixture.h"
#include "standin_commands.h"

namespace rokan::e2e {
namespace {

class Screenshots : public RokanTest {
protected:
    void SetUp() override {
        RokanTest::SetUp();
        std::filesystem::create_directories(outputFolder());
        writeIni("position= 165, 45, 4530, 2130\r\n");
        startRokan();
        ASSERT_NE(waitMainWindow(), nullptr);
        SetForegroundWindow(main);
    }
    static std::filesystem::path outputFolder() { return exeDir() / "screenshots"; }

    // The windows given, with a margin of desktop around them.
    void save(const std::string& name, std::initializer_list<HWND> windows) {
        RECT area = windowRect(*windows.begin());
        for (HWND window : windows) {
            RECT r = windowRect(window);
            UnionRect(&area, &area, &r);
        }
        InflateRect(&area, 8, 8);
        area.left = std::max(area.left, 0L);
        area.top = std::max(area.top, 0L);
        Sleep(300);  // the last paint of a just-shown window
        const auto file = outputFolder() / (name + ".bmp");
        saveScreenBmp(area, file);
        EXPECT_GT(std::filesystem::file_size(file), 1000u);
    }
    void makeFull() {
        SetWindowPos(main, nullptr, 0, 0, windowRect(main).right - windowRect(main).left, 400,
                     SWP_NOMOVE | SWP_NOZORDER);
        ASSERT_TRUE(waitUntil([&] { return visible(control(Control::sCall)); }));
    }
};

TEST_F(Screenshots, CompactWindow) {
    setText(control(Control::sInput), L".mute ");
    EXPECT_FALSE(visible(control(Control::sCall)));
    save("compact", {main});
}

TEST_F(Screenshots, FullWindowWhileMuting) {
    makeFull();
    setText(control(Control::sCall), L"N0CALL");
    click(control(Control::btnAutoMute));
    ASSERT_TRUE(waitChatLines(1));
    for (int i = 0; i < 3; ++i) postTimer(main, kTimer1Id);
    ASSERT_TRUE(waitUntil([&] { return text(control(Control::gMin)) == L"7"; }));
    ASSERT_TRUE(visible(control(Control::btnMuteOff)));
    save("full-muting", {main});
}

TEST_F(Screenshots, AboutBox) {
    postCommand(main, kMenuAboutId, 0);
    HWND about = waitDialog(rokan->pid(), std::wstring(L"Rokan Version Info."));
    ASSERT_NE(about, nullptr);
    save("about", {main, about});
    pressEscape(about);
}

TEST_F(Screenshots, MessageBox) {
    standinCommand(STANDIN_CMD_FAIL_ON);
    setText(control(Control::sInput), L".stat");
    click(control(Control::B_Send));
    HWND box = waitDialog(rokan->pid(), std::wstring(L"Rokan"));
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(readMessageBox(box).text, L"SendChatMsg Error");
    save("message-box", {main, box});
    pressOk(box);
}

}  // namespace
}  // namespace rokan::e2e
