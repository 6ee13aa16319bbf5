// The driver against a small known program: each user action must reach the
// program the way a user's would, and each reading must match what the
// program shows.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "driver/driver.h"

namespace e2e = rokan::e2e;
using namespace std::chrono_literals;

namespace {

constexpr int kEdit = 101, kGreet = 102, kQuit = 103, kTicks = 104, kSwatch = 105, kEcho = 106;
const std::wstring kCaption = L"E2E Target";

class DriverSmoke : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("rokan-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + info->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        log_ = dir_ / "events.log";
        startTarget();
    }

    void TearDown() override {
        if (app_) app_->terminate();
        app_.reset();
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

    void startTarget(const std::wstring& colour = L"2080C0") {
        const auto exe = e2e::exeDir() / "e2e_target_app.exe";
        app_.emplace(e2e::Process::start(
            e2e::quoteArg(exe.wstring()) + L" --log " + e2e::quoteArg(log_.wstring()) + L" --colour " + colour, dir_));
        main_ = e2e::waitTopLevel(app_->pid(), {L"RokanE2eTarget", kCaption});
        ASSERT_NE(main_, nullptr) << "target window did not appear";
        // "ready" is logged after the initial focus is set.
        ASSERT_TRUE(e2e::waitUntil([&] { return logHas("ready"); }));
    }

    HWND control(int id) const { return e2e::childById(main_, id); }

    std::string log() const {
        std::error_code ec;
        return std::filesystem::exists(log_, ec) ? e2e::readFileUtf8(log_) : std::string();
    }
    bool logHas(const std::string& line) const { return log().find(line + "\n") != std::string::npos; }

    std::filesystem::path dir_, log_;
    std::optional<e2e::Process> app_;
    HWND main_ = nullptr;
};

TEST_F(DriverSmoke, FindsWindowsAndReadsControls) {
    EXPECT_EQ(e2e::text(main_), kCaption);
    EXPECT_EQ(e2e::className(main_), L"RokanE2eTarget");
    const auto tops = e2e::topLevelWindows(app_->pid());
    EXPECT_NE(std::find(tops.begin(), tops.end(), main_), tops.end());
    EXPECT_EQ(e2e::waitTopLevel(app_->pid(), {L"", L"No such caption"}, 100ms), nullptr);

    EXPECT_EQ(e2e::text(control(kGreet)), L"&Greet");
    EXPECT_EQ(e2e::text(control(kTicks)), L"ticks: 0");
    EXPECT_EQ(e2e::controlId(control(kQuit)), kQuit);
    EXPECT_TRUE(e2e::visible(control(kEdit)));
    EXPECT_TRUE(e2e::enabled(control(kEdit)));
    EXPECT_FALSE(e2e::readOnly(control(kEdit)));
    EXPECT_TRUE(e2e::readOnly(control(kEcho)));
    EXPECT_EQ(e2e::childById(main_, 9999), nullptr);

    // The program placed the edit at (10,10) 200x24 in its client area.
    const RECT inParent = e2e::rectInParentClient(control(kEdit), main_);
    EXPECT_EQ(inParent.left, 10);
    EXPECT_EQ(inParent.top, 10);
    EXPECT_EQ(inParent.right - inParent.left, 200);
    EXPECT_EQ(inParent.bottom - inParent.top, 24);
    const RECT client = e2e::clientRectScreen(main_);
    const RECT edit = e2e::windowRect(control(kEdit));
    EXPECT_EQ(edit.left - client.left, 10);
    EXPECT_EQ(edit.top - client.top, 10);
    const RECT frame = e2e::windowRect(main_);
    EXPECT_LE(frame.left, client.left);
    EXPECT_LT(frame.top, client.top) << "a top-level window has a caption bar above its client area";
}

TEST_F(DriverSmoke, TypedTextReachesTheFocusedEdit) {
    ASSERT_TRUE(e2e::setFocus(control(kEdit)));
    EXPECT_EQ(e2e::focusedWindow(main_), control(kEdit));
    const std::wstring typed = L"Héllo ワールド";
    e2e::typeText(main_, typed);
    ASSERT_TRUE(e2e::waitUntil([&] { return e2e::text(control(kEdit)) == typed; }))
        << e2e::narrow(e2e::text(control(kEdit)));
    const auto sel = e2e::editSelection(control(kEdit));
    EXPECT_EQ(sel.first, typed.size());
    EXPECT_EQ(sel.second, typed.size());
    EXPECT_TRUE(e2e::waitUntil([&] { return e2e::text(control(kEcho)) == typed; }));
    EXPECT_TRUE(logHas("text " + e2e::narrow(typed)));
}

TEST_F(DriverSmoke, SetTextNotifiesTheProgram) {
    e2e::setText(control(kEdit), L"set directly");
    EXPECT_TRUE(e2e::waitUntil([&] { return e2e::text(control(kEcho)) == L"set directly"; }));
    EXPECT_TRUE(logHas("text set directly"));
}

TEST_F(DriverSmoke, TabMovesFocusInTabOrder) {
    ASSERT_TRUE(e2e::setFocus(control(kEdit)));
    const int order[] = {kGreet, kQuit, kEdit, kGreet};
    for (int id : order) {
        e2e::pressTab(main_);
        EXPECT_TRUE(e2e::waitUntil([&] { return e2e::focusedWindow(main_) == control(id); }))
            << "expected focus on control " << id;
    }
}

TEST_F(DriverSmoke, ShiftTabMovesFocusBackwards) {
    ASSERT_TRUE(e2e::setFocus(control(kEdit)));
    e2e::pressTab(main_, true);
    EXPECT_TRUE(e2e::waitUntil([&] { return e2e::focusedWindow(main_) == control(kQuit); }));
    e2e::pressTab(main_, true);
    EXPECT_TRUE(e2e::waitUntil([&] { return e2e::focusedWindow(main_) == control(kGreet); }));
}

TEST_F(DriverSmoke, PostedClickOpensAMessageBoxThatCanBeReadAndClosed) {
    e2e::setText(control(kEdit), L"Rokan");
    e2e::click(control(kGreet));
    HWND box = e2e::waitDialog(app_->pid(), L"Greeting");
    ASSERT_NE(box, nullptr);
    const auto content = e2e::readMessageBox(box);
    EXPECT_EQ(content.caption, L"Greeting");
    EXPECT_EQ(content.text, L"Hello, Rokan!");
    EXPECT_TRUE(logHas("greet Rokan"));
    EXPECT_FALSE(logHas("msgbox 1")) << "the box is modal: the program is still inside MessageBox";

    e2e::pressOk(box);
    EXPECT_TRUE(e2e::waitGone(box));
    EXPECT_TRUE(e2e::waitUntil([&] { return logHas("msgbox 1"); })) << log();
}

TEST_F(DriverSmoke, EnterPressesTheDefaultButton) {
    e2e::setText(control(kEdit), L"enter");
    ASSERT_TRUE(e2e::setFocus(control(kEdit)));
    e2e::pressEnter(main_);
    HWND box = e2e::waitDialog(app_->pid(), L"Greeting");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(e2e::readMessageBox(box).text, L"Hello, enter!");
    e2e::pressOk(box);
    EXPECT_TRUE(e2e::waitUntil([&] { return logHas("msgbox 1"); })) << log();
}

TEST_F(DriverSmoke, AltLetterPressesTheMnemonicButton) {
    e2e::setText(control(kEdit), L"alt");
    ASSERT_TRUE(e2e::setFocus(control(kEdit)));
    e2e::pressAlt(main_, L'g');
    HWND box = e2e::waitDialog(app_->pid(), L"Greeting");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(e2e::readMessageBox(box).text, L"Hello, alt!");
    // Enter in a message box presses its default button, OK.
    e2e::pressEnter(box);
    EXPECT_TRUE(e2e::waitGone(box));
    EXPECT_TRUE(e2e::waitUntil([&] { return logHas("msgbox 1"); })) << log();
}

TEST_F(DriverSmoke, ScreenPixelShowsTheSwatchColour) {
    const POINT inside = e2e::center(e2e::windowRect(control(kSwatch)));
    EXPECT_TRUE(e2e::waitUntil([&] { return e2e::sameColour(e2e::pixel(inside), RGB(0x20, 0x80, 0xC0)); }))
        << std::hex << e2e::pixel(inside);
    // Just outside the swatch is the window background, not the swatch colour.
    const RECT sw = e2e::windowRect(control(kSwatch));
    EXPECT_FALSE(e2e::sameColour(e2e::pixel(sw.left - 3, sw.top + 5), RGB(0x20, 0x80, 0xC0)));
}

TEST_F(DriverSmoke, PixelFollowsTheColourTheProgramWasGiven) {
    app_->terminate();
    startTarget(L"D04010");
    const POINT inside = e2e::center(e2e::windowRect(control(kSwatch)));
    EXPECT_TRUE(e2e::waitUntil([&] { return e2e::sameColour(e2e::pixel(inside), RGB(0xD0, 0x40, 0x10)); }))
        << std::hex << e2e::pixel(inside);
}

TEST_F(DriverSmoke, PostedTimerTicksReachTheProgram) {
    e2e::postTimer(main_, 7);
    e2e::postTimer(main_, 7);
    e2e::postTimer(main_, 8);  // not the program's timer: no tick
    e2e::postTimer(main_, 7);
    EXPECT_TRUE(e2e::waitUntil([&] { return logHas("timer 8"); }));
    EXPECT_EQ(e2e::text(control(kTicks)), L"ticks: 3");
}

TEST_F(DriverSmoke, ExitCodeComesFromTheProgram) {
    e2e::setText(control(kEdit), L"42");
    e2e::click(control(kQuit));
    EXPECT_EQ(app_->waitExit(), 42u);
    EXPECT_FALSE(app_->running());
}

TEST_F(DriverSmoke, CloseEndsTheProgramNormally) {
    e2e::postClose(main_);
    EXPECT_TRUE(e2e::waitGone(main_));
    EXPECT_EQ(app_->waitExit(), 0u);
    EXPECT_TRUE(logHas("close"));
}

TEST_F(DriverSmoke, TerminateStopsAProgramThatDoesNotQuit) {
    EXPECT_EQ(app_->waitExit(50ms), std::nullopt);
    app_->terminate(9);
    EXPECT_EQ(app_->waitExit(), 9u);
}

TEST_F(DriverSmoke, SendInputTypesIntoTheForegroundWindow) {
    ASSERT_TRUE(e2e::activate(main_));
    ASSERT_TRUE(e2e::setFocus(control(kEdit)));
    e2e::sendText(L"via SendInput");
    EXPECT_TRUE(e2e::waitUntil([&] { return e2e::text(control(kEdit)) == L"via SendInput"; }))
        << e2e::narrow(e2e::text(control(kEdit)));
    e2e::sendKeys(VK_TAB, e2e::kShift);
    EXPECT_TRUE(e2e::waitUntil([&] { return e2e::focusedWindow(main_) == control(kQuit); }));
}

TEST(DriverHelpers, StartFailsLoudlyForAMissingProgram) {
    EXPECT_THROW(e2e::Process::start(L"no-such-program-here.exe"), std::runtime_error);
}

TEST(DriverHelpers, Utf8RoundTrip) {
    const std::string utf8 = "Rokan \xE3\x83\xAD\xE3\x82\xAB\xE3\x83\xB3 \xC3\xA9";
    EXPECT_EQ(e2e::widen(utf8), L"Rokan ロカン é");
    EXPECT_EQ(e2e::narrow(e2e::widen(utf8)), utf8);
}

TEST(DriverHelpers, ReadsFilesAsBytesAndText) {
    const auto path =
        std::filesystem::temp_directory_path() / ("rokan-e2e-file-" + std::to_string(GetCurrentProcessId()));
    {
        FILE* f = _wfopen(path.c_str(), L"wb");
        ASSERT_NE(f, nullptr);
        std::fputs("\xEF\xBB\xBFline\r\n", f);
        std::fclose(f);
    }
    EXPECT_EQ(e2e::readFileBytes(path).size(), 9u);
    EXPECT_EQ(e2e::readFileUtf8(path), "line\r\n");
    std::filesystem::remove(path);
    EXPECT_THROW(e2e::readFileBytes(path), std::runtime_error);
}

TEST(DriverHelpers, WaitUntilReturnsAsSoonAsTrueAndFalseAfterTimeout) {
    int calls = 0;
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_TRUE(e2e::waitUntil([&] { return ++calls == 3; }, 5s));
    EXPECT_LT(std::chrono::steady_clock::now() - t0, 2s);
    EXPECT_FALSE(e2e::waitUntil([] { return false; }, 60ms));
    EXPECT_GE(std::chrono::steady_clock::now() - t0, 60ms);
}

TEST(DriverHelpers, QuoteArgFollowsCommandLineRules) {
    EXPECT_EQ(e2e::quoteArg(L"plain"), L"plain");
    EXPECT_EQ(e2e::quoteArg(L"a b"), L"\"a b\"");
    EXPECT_EQ(e2e::quoteArg(L"say \"hi\""), L"\"say \\\"hi\\\"\"");
    EXPECT_EQ(e2e::quoteArg(L"dir\\"), L"dir\\");
    EXPECT_EQ(e2e::quoteArg(L"my dir\\"), L"\"my dir\\\\\"");
    EXPECT_EQ(e2e::quoteArg(L""), L"\"\"");
}

// The prefix tools/wine prepares: what Rokan's windows will be drawn with.

bool underWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

TEST(WinePrefix, ScreenDpiIsTheOneTheHarnessSet) {
    const char* wanted = std::getenv("ROKAN_WINE_DPI");
    if (!underWine() || !wanted) GTEST_SKIP() << "not run by tools/wine/run-exe";
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(dpi, std::atoi(wanted));
}

struct FontFacts {
    SIZE narrow, wide;
    WORD japaneseGlyph;
    BYTE charset;
};

FontFacts fontFacts(const wchar_t* face) {
    HDC dc = GetDC(nullptr);
    HFONT font = CreateFontW(-16, 0, 0, 0, FW_BOLD, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, DEFAULT_QUALITY, 0, face);
    HGDIOBJ old = SelectObject(dc, font);
    FontFacts f{};
    GetTextExtentPoint32W(dc, L"iiii", 4, &f.narrow);
    GetTextExtentPoint32W(dc, L"WWWW", 4, &f.wide);
    GetGlyphIndicesW(dc, L"\u30B4", 1, &f.japaneseGlyph, GGI_MARK_NONEXISTING_GLYPHS);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    f.charset = tm.tmCharSet;
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return f;
}

TEST(WinePrefix, JapaneseUiFaceIsAProportionalGothic) {
    if (!underWine()) GTEST_SKIP() << "the face comes with Japanese Windows, not from this harness";
    // MS PGothic, written as Rokan writes it (ASCII space).
    const FontFacts ui = fontFacts(L"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF");
    EXPECT_EQ(ui.charset, SHIFTJIS_CHARSET);
    EXPECT_NE(ui.japaneseGlyph, 0xFFFF);
    EXPECT_LT(ui.narrow.cx * 2, ui.wide.cx) << "a proportional face draws i much narrower than W";
    // A face the prefix does not know falls back to another font.
    const FontFacts unknown = fontFacts(L"Rokan No Such Face");
    EXPECT_NE(ui.narrow.cx, unknown.narrow.cx);
}

}  // namespace
