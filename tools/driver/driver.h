#pragma once
// End-to-end UI test driver: start a program, find its windows, read them and
// act on them as a user would, in one desktop with the program (Windows, or
// Wine through tools/wine/run-exe). Every wait polls with a timeout, so a test
// states what it waits for instead of sleeping.

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace rokan::e2e {

using std::chrono::milliseconds;
inline constexpr milliseconds kTimeout{10000};

// Calls pred until it returns true (then true) or the timeout passes (then
// false); it is always tried once more at the deadline.
inline bool waitUntil(const std::function<bool()>& pred, milliseconds timeout = kTimeout,
                      milliseconds poll = milliseconds(20)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (; !pred(); std::this_thread::sleep_for(poll))
        if (std::chrono::steady_clock::now() >= deadline) return pred();
    return true;
}

// A program under test (process.cpp). Ended, if still running, when the
// object goes: a test that fails half-way must not leave it behind.
class Process {
public:
    // commandLine: the program's path first (see quoteArg). Throws
    // std::runtime_error when the program cannot be started.
    static Process start(const std::wstring& commandLine, const std::filesystem::path& workingDir = {});

    DWORD pid() const { return pid_; }
    HANDLE handle() const { return process_.get(); }
    bool running() const { return WaitForSingleObject(handle(), 0) == WAIT_TIMEOUT; }
    // The exit code, or nothing if still running after timeout.
    std::optional<DWORD> waitExit(milliseconds timeout = kTimeout);
    // Waits until the program first waits for input (its window is up).
    bool waitInputIdle(milliseconds timeout = kTimeout) {
        return WaitForInputIdle(handle(), static_cast<DWORD>(timeout.count())) == 0;
    }
    void terminate() const { endProcess(handle()); }
    // Ends it by force and waits (a moment) until it has ended.
    static void endProcess(HANDLE process);
    // Loads the DLL by its bare name inside the program, as Windows' own DLLs
    // load others on its behalf: the search the program's process makes from
    // then on. True once the load has run there.
    bool loadLibraryInside(const std::wstring& name) const;
    static int threadCount(DWORD pid);  // the process's threads now

private:
    struct Ender {
        void operator()(HANDLE process) const {
            endProcess(process);
            CloseHandle(process);
        }
    };
    std::unique_ptr<void, Ender> process_;
    DWORD pid_ = 0;
};
// A path as one command-line argument (paths hold no quote characters).
inline std::wstring quoteArg(const std::wstring& path) {
    return L"\"" + path + L"\"";
}
// Folder of the running test exe: the programs under test are copied beside it.
std::filesystem::path exeDir();

// Text and files (text.cpp).
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view wide);
// The file as UTF-8 text, a leading byte order mark removed; throws
// std::runtime_error when the file cannot be opened.
std::string readFileUtf8(const std::filesystem::path& path);

// Finding windows and reading them (window.cpp).
struct WindowQuery {
    std::wstring className;               // empty: any class
    std::optional<std::wstring> caption;  // exact text; nothing: any caption
};
// The process's top-level windows, in Z order (topmost first).
std::vector<HWND> topLevelWindows(DWORD pid);
// The first visible one that matches; nullptr when none (within the timeout).
HWND findTopLevel(DWORD pid, const WindowQuery& query);
HWND waitTopLevel(DWORD pid, const WindowQuery& query, milliseconds timeout = kTimeout);
// Until the window is destroyed or hidden.
inline bool waitGone(HWND hwnd) {
    return waitUntil([&] { return !IsWindowVisible(hwnd); });
}
// Ends, by force, every process that shows a top-level window with this exact
// caption, and waits until those windows are gone. True when none is left.
bool endWindowOwners(const std::wstring& caption);

inline HWND childById(HWND parent, int id) {
    return GetDlgItem(parent, id);
}
std::vector<HWND> children(HWND parent);  // direct children, in Z order
std::wstring className(HWND hwnd);
// Sent with a 5 s bound, so a hung program fails the test instead of hanging
// it: throws std::runtime_error on timeout. text() is sent the same way.
DWORD_PTR sendBounded(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
std::wstring text(HWND hwnd);
inline bool visible(HWND hwnd) {  // the window and all its parents
    return IsWindowVisible(hwnd);
}
inline LONG_PTR style(HWND hwnd) {
    return GetWindowLongPtrW(hwnd, GWL_STYLE);
}
RECT windowRect(HWND hwnd);  // screen pixels, frame included
SIZE clientSize(HWND hwnd);  // pixels
// The window's outer rectangle relative to the parent's client area origin.
RECT rectInParentClient(HWND hwnd, HWND parent);
inline DWORD threadOf(HWND hwnd) {
    return GetWindowThreadProcessId(hwnd, nullptr);
}
// Where the keys of the window's thread go now.
HWND focusedWindow(HWND anyWindowOfThread);
// EM_GETSEL: {start, end}; equal values are the caret.
std::pair<DWORD, DWORD> editSelection(HWND edit);
// EM_GETRECT: where the edit lays out its text, in its client area.
RECT editFormattingRect(HWND edit);
// The text as the window's own font draws it; the face that font got.
SIZE textExtent(HWND hwnd, const std::wstring& text);
std::wstring fontFace(HWND hwnd);

// Message boxes and other standard dialogs (window.cpp).
inline constexpr wchar_t kDialogClass[] = L"#32770";
inline HWND findDialog(DWORD pid, const std::optional<std::wstring>& caption = std::nullopt) {
    return findTopLevel(pid, {kDialogClass, caption});
}
inline HWND waitDialog(DWORD pid, const std::optional<std::wstring>& caption = std::nullopt) {
    return waitTopLevel(pid, {kDialogClass, caption});
}
struct MessageBoxContent {
    std::wstring caption, text;
};
MessageBoxContent readMessageBox(HWND box);

// A window as a screen reader reads it through Active Accessibility
// (accessible.cpp); nothing when the window offers no accessible object.
struct AccessibleInfo {
    std::wstring name, value;
    long role = 0, state = 0;
};
std::optional<AccessibleInfo> readAccessible(HWND hwnd);

// Acting as the user (input.cpp). Actions are posted to the program's own
// windows, so they work whichever window is in the foreground and never block
// on a modal box they open.
inline void click(HWND button) {  // also a box's OK: click(GetDlgItem(box, IDOK))
    PostMessageW(button, BM_CLICK, 0, 0);
}
// WM_SETTEXT: the control notifies its parent as if typed over.
void setText(HWND hwnd, const std::wstring& text);
// Gives keyboard focus to a window of another thread; true once seen there.
bool setFocus(HWND hwnd);
// Brings the top-level window to the foreground and activates it.
bool activate(HWND topLevel);
// Keys go to whatever has the focus in target's thread, through the program's
// own message loop, so its TranslateMessage and IsDialogMessage see them.
void pressKey(HWND target, UINT vk);
inline void pressEnter(HWND target) {
    pressKey(target, VK_RETURN);
}
void pressAlt(HWND target, wchar_t letter);  // menu mnemonics (&A)
// Each character as WM_CHAR: any text, any script.
void typeText(HWND target, const std::wstring& text);
// True once the edit's thread takes posted messages again, as its message loop
// does: Rokan drops input that arrives while it waits for EchoLink, and a call
// that changes nothing on screen ends unseen.
bool waitTakesPostedMessages(HWND edit);
// A real drag with the left button, through the system's input (activate the
// window first). True when the press started the window's move/size loop and
// the release ended it.
bool dragWithMouse(HWND window, POINT from, POINT to);
// As Windows ends the session: both messages sent, the second once the first
// has said yes (each with a 5 s bound). True when the window said yes.
bool endSession(HWND topLevel, LPARAM why);
inline void postClose(HWND hwnd) {
    PostMessageW(hwnd, WM_CLOSE, 0, 0);
}
inline void postTimer(HWND hwnd, UINT_PTR timerId) {  // as if that timer fired
    PostMessageW(hwnd, WM_TIMER, timerId, 0);
}
inline void postMenuCommand(HWND hwnd, int id) {
    PostMessageW(hwnd, WM_COMMAND, id, 0);
}

// What the screen shows (screen.cpp).
// System colours set as the user's colour scheme sets them, for as long as
// the object lives; programs started afterwards see them.
class SystemColours {
public:
    SystemColours(std::vector<INT> elements, const std::vector<COLORREF>& colours);
    ~SystemColours();
    SystemColours(const SystemColours&) = delete;
    SystemColours& operator=(const SystemColours&) = delete;

private:
    std::vector<INT> elements_;
    std::vector<COLORREF> saved_;
};
// True when the screen point shows this colour, each channel within a
// tolerance: a display at less than 24 bits rounds colours.
bool showsColour(POINT at, COLORREF colour);
// The colours of a screen rectangle, row by row (in no particular row order).
std::vector<COLORREF> screenPixels(const RECT& screenRect);
// Saves the rectangle, once it has stopped changing, as a 24-bit BMP file.
// Throws std::runtime_error when it cannot.
void saveScreenBmp(const RECT& screenRect, const std::filesystem::path& file);

}  // namespace rokan::e2e
