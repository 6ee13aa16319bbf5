#include "command_templates.h"
#include "form_fixture.h"

namespace rokan::test {
namespace {

using Chat = FormTest;

// A click reaches each button's own procedure or its template's line: no
// button of the window may be left doing nothing. The table says what each
// template writes; here: the focus and caret it leaves, and cmd's message
// when the line is refused.
TEST_F(Chat, EveryButtonOfTheWindowHasItsEffect) {
    start();
    const std::map<Control, std::wstring> own{{Control::B_Send, L"send line"},
                                              {Control::btnAutoMute, L"send .mute N0CALL"},
                                              {Control::btnMuteOff, L"send .unmute N0CALL"}};
    std::size_t templates = 0;  // each one's button among the window's
    for (const ControlLayout& layout : kMainControls) {
        if (layout.kind != ControlKind::button) continue;
        textOf(Control::sInput) = L"line";
        textOf(Control::sCall) = L"N0CALL";
        journal.clear();
        form.buttonClick(layout.id);
        const CommandTemplate* entry = templateOf(layout.id);
        if (!entry) {
            if (own.contains(layout.id))
                EXPECT_NE(steps().find(own.at(layout.id)), std::wstring::npos) << nameOf(layout.id) << ": " << steps();
            else
                ADD_FAILURE() << nameOf(layout.id) << " has no effect";
            continue;
        }
        ++templates;
        EXPECT_EQ(steps(), L"focus sInput") << nameOf(layout.id);
        EXPECT_EQ(textOf(Control::sInput), entry->text) << nameOf(layout.id);
        EXPECT_EQ(view.controls[Control::sInput].caret, std::wcslen(entry->text)) << nameOf(layout.id);

        view.refused = {L"text sInput"};
        journal.clear();
        form.buttonClick(layout.id);
        EXPECT_EQ(steps(), L"focus sInput; message cmd Error | Rokan") << nameOf(layout.id);
        view.refused.clear();
    }
    EXPECT_EQ(templates, kCommandTemplates.size());
    // The designed texts: a blank after a command that takes a call sign, none after one that takes nothing.
    for (const auto& [button, designed] :
         {std::pair{Control::btnUnMute, L".unmute "}, std::pair{Control::btnStatus, L".stat"},
          std::pair{Control::btmLurkd, L".lurk disable"}}) {
        form.buttonClick(button);
        EXPECT_EQ(textOf(Control::sInput), designed);
    }
}

// The line goes exactly as typed, then is cleared. One that fails (EchoLink
// refusing, or none at all as after "Launch EchoLink Faild!!") stays for
// another try. Enter is swallowed either way; the end-to-end tests type
// every other key through it.
TEST_F(Chat, EnterSendsTheLineExactlyAsTypedAndKeepsOneThatFailed) {
    start();
    // The line, whether there is an EchoLink object and whether it refuses, the steps.
    const std::tuple<std::wstring, bool, bool, std::wstring> rows[] = {
        {L"  .stat  ", true, false, L"send   .stat  ; focus sInput"},
        {L"こんにちは 𝄞", true, false, L"send こんにちは 𝄞; focus sInput"},
        {L"", true, false, L"send ; focus sInput"},
        {L"hello", true, true, L"send failed hello; message SendChatMsg Error | Rokan"},
        {L"hello", false, false, L"send failed hello; message SendChatMsg Error | Rokan"},
    };
    for (const auto& [line, hasObject, refusing, expected] : rows) {
        echo.hasObject = hasObject;
        echo.failSends = refusing;
        textOf(Control::sInput) = line;
        journal.clear();
        int key = kEnterKey;
        form.sInput_KeyPress(key);
        EXPECT_EQ(key, 0);
        EXPECT_EQ(steps(), expected) << hasObject;
        EXPECT_EQ(textOf(Control::sInput), hasObject && !refusing ? L"" : line);
    }
    echo.hasObject = true;
    echo.failSends = false;
    journal.clear();
    form.B_Send_Click();
    EXPECT_EQ(steps(), L"send hello; focus sInput");
}

// Beside each message, the debugger's output gets what failed and its code,
// so that "EchoLink refused" and "EchoLink gone" differ there; a failure
// without a known cause says so.
TEST(ChatMessages, EachComesWithItsCauseForTheDebugger) {
    enum class Road { start, refusedLine, unansweredLine, refusedTemplate };
    const std::tuple<Road, std::uint32_t, std::wstring_view, std::wstring_view> rows[] = {
        {Road::start, 0, L"EchoLink not Installed!", L"Rokan: EchoLink not Installed!: CoCreateInstance 0x80040154"},
        {Road::refusedLine, 0x80004005, L"SendChatMsg Error", L"Rokan: SendChatMsg Error: SendChat 0x80004005"},
        {Road::refusedLine, 0x80010108, L"SendChatMsg Error", L"Rokan: SendChatMsg Error: SendChat 0x80010108"},
        {Road::unansweredLine, 0, L"SendChatMsg Error", L"Rokan: SendChatMsg Error: SendChat: no answer"},
        {Road::refusedTemplate, 0, L"cmd Error", L"Rokan: cmd Error: cause unknown"},
    };
    for (const auto& [road, code, message, debugLine] : rows) {
        FormRun run;
        run.echo.creation = road == Road::start ? FakeEcho::Creation::error : FakeEcho::Creation::object;
        run.echo.refusalCode = code;
        run.echo.failSends = road == Road::refusedLine;
        run.echo.unanswered = road == Road::unansweredLine;
        if (road == Road::refusedTemplate) run.view.refused = {L"text sInput"};
        run.endsProcess([&] { run.form.Form_Load(); });
        if (road != Road::start) run.journal.clear();
        if (road == Road::refusedTemplate) run.form.templateButton_Click(Control::btnStatus);
        if (road == Road::refusedLine || road == Road::unansweredLine) run.form.B_Send_Click();

        EXPECT_NE(run.steps().find(L"message " + std::wstring(message) + L" | Rokan"), std::wstring::npos)
            << std::wstring(debugLine);
        EXPECT_EQ(run.dialogs.debugLines, std::vector<std::wstring>{std::wstring(debugLine)});
    }
}

}  // namespace
}  // namespace rokan::test
