// Command templates and the chat line, as the operator uses them.
#include "command_templates.h"
#include "rokan_fixture.h"
#include "standin_commands.h"

namespace rokan::e2e {
namespace {

class Chat : public RokanTest {
protected:
    void SetUp() override {
        RokanTest::SetUp();
        startRokan();
        ASSERT_NE(waitMainWindow(), nullptr);
    }
    HWND line() const { return control(Control::sInput); }
};

TEST_F(Chat, EachTemplateButtonPreparesItsCommandWithoutSendingIt) {
    for (const CommandTemplate& entry : kCommandTemplates) {
        setText(line(), L"abc");
        setFocus(control(Control::B_Send));

        click(control(entry.button));

        const std::wstring expected = entry.text;
        EXPECT_TRUE(waitUntil([&] { return text(line()) == expected; })) << text(control(entry.button));
        EXPECT_EQ(editSelection(line()), std::make_pair(DWORD(expected.size()), DWORD(expected.size())));
        EXPECT_EQ(focusedWindow(main), line());
    }
    EXPECT_TRUE(chatLog().empty());
}

TEST_F(Chat, EnterAndSendDeliverExactlyTheTypedLine) {
    const std::wstring lines[] = {L".stat", L"  two blanks each side  ", L"", L"こんにちは、会議の皆さん",
                                  std::wstring(10000, L'x')};
    std::size_t sent = 0;
    for (const std::wstring& typed : lines) {
        setText(line(), typed);
        if (sent % 2 == 0) {
            setFocus(line());
            pressEnter(main);
        } else {
            click(control(Control::B_Send));
        }
        ASSERT_TRUE(waitChatLines(++sent));
        EXPECT_EQ(chatLog().back(), typed);
        EXPECT_TRUE(waitUntil([&] { return text(line()).empty(); }));
    }
    EXPECT_EQ(findDialog(rokan->pid()), nullptr);
}

TEST_F(Chat, TypedKeysReachTheLineAndEnterIsSwallowed) {
    setFocus(line());
    typeText(main, L".mute JA1");
    pressEnter(main);

    ASSERT_TRUE(waitChatLines(1));
    EXPECT_EQ(chatLog(), std::vector<std::wstring>{L".mute JA1"});
    EXPECT_EQ(text(line()), L"");
}

TEST_F(Chat, AFailingEchoLinkKeepsTheLineForAnotherTry) {
    standinCommand(STANDIN_CMD_FAIL_ON);
    setText(line(), L".users ");
    setFocus(line());
    pressEnter(main);

    const MessageBoxContent box = answerMessageBox(*rokan);
    EXPECT_EQ(box.text, L"SendChatMsg Error");
    EXPECT_EQ(box.caption, L"Rokan");
    EXPECT_EQ(text(line()), L".users ");

    standinCommand(STANDIN_CMD_FAIL_OFF);
    click(control(Control::B_Send));
    ASSERT_TRUE(waitChatLines(1));
    EXPECT_EQ(chatLog().back(), L".users ");
}

}  // namespace
}  // namespace rokan::e2e
