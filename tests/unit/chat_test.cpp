#include "form_fixture.h"

namespace rokan::test {
namespace {

using Chat = FormTest;

TEST_F(Chat, EachTemplateButtonReplacesTheLineAndPutsTheCaretAtItsEnd) {
    const std::pair<Control, std::wstring> rows[] = {
        {Control::btmMute, L".mute "},
        {Control::btnUnMute, L".unmute "},
        {Control::btmLurkd, L".lurk disable"},
        {Control::btnConnect, L".connect "},
        {Control::btnDisconnect, L".disconnect "},
        {Control::btnStatus, L".stat"},
        {Control::btnSysop, L".sysop "},
        {Control::btnUsers, L".users "},
        {Control::btnAdmins, L".admins "},
    };
    start();
    for (const auto& [button, expected] : rows) {
        textOf(Control::sInput) = L"abc";
        view.focus = Control::gMin;

        form.templateButton_Click(button);

        EXPECT_EQ(textOf(Control::sInput), expected) << nameOf(button);
        EXPECT_EQ(view.controls[Control::sInput].caret, expected.size()) << nameOf(button);
        EXPECT_EQ(view.focus, Control::sInput) << nameOf(button);
    }
    // Nothing was sent and nothing complained.
    for (const auto& entry : journal) EXPECT_EQ(entry, L"focus sInput");
}

TEST_F(Chat, ARefusedTemplateReportsCmdErrorAndLeavesTheLine) {
    start();
    textOf(Control::sInput) = L"abc";
    view.refused.insert(L"text sInput");

    form.templateButton_Click(Control::btnStatus);

    EXPECT_EQ(journal, (Journal{L"focus sInput", L"message cmd Error | Rokan"}));
    EXPECT_EQ(textOf(Control::sInput), L"abc");
}

TEST_F(Chat, EnterSendsTheLineExactlyAsTypedThenClearsIt) {
    start();
    for (const std::wstring& line :
         std::vector<std::wstring>{L"  .stat  ", L"", L"こんにちは 𝄞", std::wstring(10000, L'x')}) {
        textOf(Control::sInput) = line;
        int key = kEnterKey;

        form.sInput_KeyPress(key);

        EXPECT_EQ(key, 0);
        EXPECT_EQ(journal.at(journal.size() - 2), L"send " + line);
        EXPECT_EQ(journal.back(), L"focus sInput");
        EXPECT_EQ(textOf(Control::sInput), L"");
    }
}

TEST_F(Chat, OtherKeysAreLeftAlone) {
    start();
    textOf(Control::sInput) = L"hello";
    for (int key : {9, 10, 27, 65, 0x3042}) {
        int pressed = key;
        form.sInput_KeyPress(pressed);
        EXPECT_EQ(pressed, key);
    }
    EXPECT_TRUE(journal.empty());
    EXPECT_EQ(textOf(Control::sInput), L"hello");
}

TEST_F(Chat, AFailedSendKeepsTheLineForAnotherTryAndStillSwallowsEnter) {
    start();
    echo.failSends = true;
    textOf(Control::sInput) = L"hello";
    int key = kEnterKey;

    form.sInput_KeyPress(key);

    EXPECT_EQ(key, 0);
    EXPECT_EQ(journal, (Journal{L"send failed hello", L"message SendChatMsg Error | Rokan"}));
    EXPECT_EQ(textOf(Control::sInput), L"hello");

    echo.failSends = false;
    form.B_Send_Click();
    EXPECT_EQ(journal,
              (Journal{L"send failed hello", L"message SendChatMsg Error | Rokan", L"send hello", L"focus sInput"}));
    EXPECT_EQ(textOf(Control::sInput), L"");
}

// After "Launch EchoLink Faild!!" the window stays, and every send fails with its message.
TEST_F(Chat, WithoutAnEchoLinkObjectEverySendFailsWithItsMessage) {
    echo.creation = FakeEcho::Creation::noObject;
    form.Form_Load();
    journal.clear();
    textOf(Control::sInput) = L".stat";

    form.B_Send_Click();

    EXPECT_EQ(journal, (Journal{L"send failed .stat", L"message SendChatMsg Error | Rokan"}));
    EXPECT_EQ(textOf(Control::sInput), L".stat");
}

}  // namespace
}  // namespace rokan::test
