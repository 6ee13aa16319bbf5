// Renders the pictures the README shows, from the real program in Wine's
// virtual desktop, each once its state has been checked. tools/screenshots
// turns them into the committed PNG files.
#include "rokan_fixture.h"

namespace rokan::e2e {
namespace {

constexpr char kCompact[] = "position= 165, 45, 4530, 2130\r\n";

// The main window (and the box over it), with a margin of desktop around.
void save(const std::string& name, HWND main, HWND box = nullptr) {
    RECT area = windowRect(main), boxArea = box ? windowRect(box) : area;
    UnionRect(&area, &area, &boxArea);
    InflateRect(&area, 8, 8);
    area.left = std::max(area.left, 0L);
    area.top = std::max(area.top, 0L);
    std::filesystem::create_directories(exeDir() / "screenshots");
    saveScreenBmp(area, exeDir() / "screenshots" / (name + ".bmp"));
}

TEST_F(RokanTest, Screenshots) {
    writeIni(kCompact);
    ASSERT_NE(startRokan(), nullptr);
    ASSERT_TRUE(activate(main));

    setText(control(Control::sInput), L".mute ");
    save("compact", main);

    // A failed send, as the user meets it in the compact window.
    standinCommand(STANDIN_CMD_FAIL_ON);
    HWND box = sendAndWaitBox(L".stat");
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(readMessageBox(box).text, L"SendChatMsg Error");
    save("message-box", main, box);
    answerMessageBox();
    standinCommand(STANDIN_CMD_FAIL_OFF);

    setText(control(Control::sInput), L"");
    HWND about = openAbout();
    ASSERT_NE(about, nullptr);
    save("about", main, about);
    pressKey(about, VK_ESCAPE);
    ASSERT_TRUE(waitGone(about));

    startNoiseCancel();
    expectChatLog(L".mute N0CALL\n");
    for (int tick = 0; tick < 3; ++tick) postTimer(main, kTimer1Id);
    ASSERT_TRUE(waitUntil([&] { return text(control(Control::gMin)) == L"7"; }));
    save("full-muting", main);
}

}  // namespace
}  // namespace rokan::e2e
