#include "main_window.h"

#include <iterator>
#include <string>

#include "commands.h"
#include "link_object.h"
#include "standin_commands.h"

namespace standin {

namespace {

constexpr wchar_t kClassName[] = L"RokanEchoLinkStandin";
constexpr int kListId = 100;
constexpr int kStatusId = 101;
// A 100,000-character line would make the list unusable; the log keeps it all.
constexpr std::size_t kShownChars = 200;

// A click arrives with the button's handle in lParam, so a button has an id
// of its own (kFirstButtonId + its index) and carries the command's argument.
constexpr int kFirstButtonId = 200;

struct ButtonDef {
    int command;
    const wchar_t* label;
    LPARAM arg;
};

// Two rows: each mode's "on" above its "off".
constexpr ButtonDef kButtons[] = {
    {STANDIN_CMD_FAIL_ON, L"Fail sends", 0},
    {STANDIN_CMD_BUSY, L"Busy 6 s", 6000},
    {STANDIN_CMD_HANG_ON, L"Hang sends", 0},
    {STANDIN_CMD_NOOBJECT_ON, L"No object", 0},
    {STANDIN_CMD_RAISE_OTHER_EVENTS, L"Raise 13 events", 0},
    {STANDIN_CMD_FAIL_OFF, L"Accept sends", 0},
    {STANDIN_CMD_BUSY, L"Not busy", 0},
    {STANDIN_CMD_HANG_OFF, L"Answer sends", 0},
    {STANDIN_CMD_NOOBJECT_OFF, L"Real object", 0},
    {STANDIN_CMD_RAISE_CLOSING_AND_EXIT, L"Closing + exit", 0},
};
constexpr int kButtonCount = static_cast<int>(std::size(kButtons));
constexpr int kButtonsPerRow = 5;
constexpr int kStatusTop = 12 + 30 * ((kButtonCount + kButtonsPerRow - 1) / kButtonsPerRow);
constexpr int kListTop = kStatusTop + 22;

void create_children(HWND window) {
    const HINSTANCE inst = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    for (int i = 0; i < kButtonCount; ++i) {
        HWND button = CreateWindowExW(0, L"BUTTON", kButtons[i].label, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                      8 + 100 * (i % kButtonsPerRow), 8 + 30 * (i / kButtonsPerRow), 96, 26, window,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstButtonId + i)), inst, nullptr);
        SendMessageW(button, WM_SETFONT, font, TRUE);
    }
    HWND status = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, 8, kStatusTop, 600, 18, window,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusId)), inst, nullptr);
    SendMessageW(status, WM_SETFONT, font, TRUE);
    HWND list = CreateWindowExW(
        WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY, 8,
        kListTop, 600, 300, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), inst, nullptr);
    SendMessageW(list, WM_SETFONT, font, TRUE);
}

void layout(HWND window) {
    RECT rc;
    GetClientRect(window, &rc);
    const int width = rc.right - 16;
    if (HWND status = GetDlgItem(window, kStatusId)) MoveWindow(status, 8, kStatusTop, width, 18, TRUE);
    if (HWND list = GetDlgItem(window, kListId)) MoveWindow(list, 8, kListTop, width, rc.bottom - kListTop - 8, TRUE);
}

LRESULT CALLBACK window_proc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lp);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    // Nothing before WM_NCCREATE has the server.
    auto* server = reinterpret_cast<Server*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!server) return DefWindowProcW(window, msg, wp, lp);
    switch (msg) {
        case WM_CREATE:
            server->window = window;
            create_children(window);
            window_refresh_status(*server);
            return 0;
        case WM_SIZE:
            layout(window);
            return 0;
        case WM_COMMAND: {
            // Control notifications other than clicks (the list's) are not commands.
            if (HIWORD(wp) != 0) break;
            const int button = LOWORD(wp) - kFirstButtonId;
            const bool done = button >= 0 && button < kButtonCount
                                  ? run_command(*server, kButtons[button].command, kButtons[button].arg)
                                  : run_command(*server, LOWORD(wp), lp);
            if (done) return 0;
            break;
        }
        case kMsgExitIfUnused:
            server->exit_if_unused();
            return 0;
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            server->window = nullptr;
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, msg, wp, lp);
}

}  // namespace

HWND create_main_window(Server& server, HINSTANCE instance, int show) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = window_proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassExW(&wc)) return nullptr;
    // Beside Rokan's usual place, not over it, and without taking the focus
    // from the program that COM started it for.
    HWND window = CreateWindowExW(0, kClassName, STANDIN_WINDOW_TITLE, WS_OVERLAPPEDWINDOW, 380, 40, 640, 420, nullptr,
                                  nullptr, instance, &server);
    if (window) {
        ShowWindow(window, show == SW_SHOWNORMAL || show == SW_SHOWDEFAULT ? SW_SHOWNOACTIVATE : show);
        UpdateWindow(window);
    }
    return window;
}

void window_show_chat_line(HWND window, std::wstring_view line) {
    HWND list = window ? GetDlgItem(window, kListId) : nullptr;
    if (!list) return;
    std::wstring shown;
    for (std::size_t i = 0; i < line.size() && i < kShownChars; ++i) {
        const wchar_t c = line[i];
        if (c == L'\r')
            shown += L"\\r";
        else if (c == L'\n')
            shown += L"\\n";
        else if (c == L'\0')
            shown += L"\\0";
        else
            shown += c;
    }
    if (line.size() > kShownChars) shown += L"\u2026 (" + std::to_wstring(line.size()) + L" chars)";
    const LRESULT index = SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown.c_str()));
    if (index >= 0) SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
}

void window_refresh_status(const Server& server) {
    HWND status = server.window ? GetDlgItem(server.window, kStatusId) : nullptr;
    if (!status) return;
    const Modes& modes = server.modes;
    std::size_t sinks = 0;
    for (LinkObject* o : server.objects) sinks += o->sinks().size();
    std::wstring text = L"sends: ";
    text += modes.hang_sends ? L"HANG" : modes.fail_sends ? L"FAIL" : L"accept";
    if (modes.busy_ms) text += L" after " + std::to_wstring(modes.busy_ms) + L" ms";
    text += L"   objects: ";
    text += modes.no_object ? L"NULL" : L"real";
    text += L"   live objects: " + std::to_wstring(server.objects.size());
    text += L"   sinks: " + std::to_wstring(sinks);
    SetWindowTextW(status, text.c_str());
}

}  // namespace standin
