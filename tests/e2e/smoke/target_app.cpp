// A tiny GUI program for the driver's own tests: an edit, two buttons, a
// label, a read-only echo, a coloured swatch and a timer, with dialog-style
// keyboard navigation. It logs what it receives so a test can check that the
// driver's actions arrived as the program would see a user's.
//
//   e2e_target_app.exe --log FILE [--colour RRGGBB]

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr int kEdit = 101, kGreet = 102, kQuit = 103, kTicks = 104, kSwatch = 105, kEcho = 106;
constexpr UINT_PTR kTimer = 7;

std::wstring gLogPath;
COLORREF gColour = RGB(0x20, 0xA0, 0x60);
HBRUSH gSwatchBrush;
int gTicks = 0;
int gExitCode = 0;

void logLine(const std::wstring& line) {
    if (gLogPath.empty()) return;
    const std::wstring withNl = line + L"\n";
    const int n = WideCharToMultiByte(CP_UTF8, 0, withNl.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, withNl.c_str(), -1, utf8.data(), n, nullptr, nullptr);
    utf8.pop_back();
    // Opened per line so a test reads a complete log at any moment.
    if (FILE* f = _wfopen(gLogPath.c_str(), L"ab")) {
        std::fwrite(utf8.data(), 1, utf8.size(), f);
        std::fclose(f);
    }
}

std::wstring windowText(HWND hwnd) {
    std::wstring s(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    s.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, s.data(), static_cast<int>(s.size()))));
    return s;
}

HWND addControl(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y, int w, int h) {
    HWND c = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return c;
}

void onCommand(HWND hwnd, int id, int code) {
    HWND edit = GetDlgItem(hwnd, kEdit);
    switch (id) {
        case kEdit:
            if (code == EN_CHANGE) {
                const std::wstring t = windowText(edit);
                SetDlgItemTextW(hwnd, kEcho, t.c_str());
                logLine(L"text " + t);
            }
            break;
        case kGreet: {
            const std::wstring name = windowText(edit);
            logLine(L"greet " + name);
            const int r =
                MessageBoxW(hwnd, (L"Hello, " + name + L"!").c_str(), L"Greeting", MB_OK | MB_ICONINFORMATION);
            logLine(L"msgbox " + std::to_wstring(r));
            break;
        }
        case kQuit:
            gExitCode = _wtoi(windowText(edit).c_str());
            logLine(L"quit " + std::to_wstring(gExitCode));
            DestroyWindow(hwnd);
            break;
    }
}

LRESULT CALLBACK mainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE:
            addControl(hwnd, L"EDIT", L"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, kEdit, 10, 10, 200, 24);
            addControl(hwnd, L"BUTTON", L"&Greet", WS_TABSTOP | BS_PUSHBUTTON, kGreet, 10, 44, 90, 26);
            addControl(hwnd, L"BUTTON", L"&Quit", WS_TABSTOP | BS_PUSHBUTTON, kQuit, 110, 44, 90, 26);
            addControl(hwnd, L"STATIC", L"ticks: 0", SS_LEFT, kTicks, 10, 80, 200, 20);
            addControl(hwnd, L"EDIT", L"", WS_BORDER | ES_READONLY | ES_AUTOHSCROLL, kEcho, 10, 106, 200, 24);
            addControl(hwnd, L"STATIC", L"", SS_LEFT, kSwatch, 230, 10, 120, 120);
            SetTimer(hwnd, kTimer, 3600 * 1000, nullptr);  // tests post its ticks
            return 0;
        case DM_GETDEFID:  // Enter in the edit presses Greet, as in a dialog
            return MAKELRESULT(kGreet, DC_HASDEFID);
        case WM_CTLCOLORSTATIC:
            if (GetDlgCtrlID(reinterpret_cast<HWND>(lp)) == kSwatch) return reinterpret_cast<LRESULT>(gSwatchBrush);
            break;
        case WM_COMMAND:
            onCommand(hwnd, LOWORD(wp), HIWORD(wp));
            return 0;
        case WM_TIMER:
            logLine(L"timer " + std::to_wstring(wp));
            if (wp == kTimer) SetDlgItemTextW(hwnd, kTicks, (L"ticks: " + std::to_wstring(++gTicks)).c_str());
            return 0;
        case WM_CLOSE:
            logLine(L"close");
            DestroyWindow(hwnd);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(gExitCode);
            return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

void parseArgs() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::wstring key = argv[i];
        if (key == L"--log") gLogPath = argv[i + 1];
        if (key == L"--colour") {
            const unsigned long v = std::wcstoul(argv[i + 1], nullptr, 16);
            gColour = RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
        }
    }
    LocalFree(argv);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    parseArgs();
    gSwatchBrush = CreateSolidBrush(gColour);

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = mainProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"RokanE2eTarget";
    RegisterClassExW(&wc);

    RECT r{0, 0, 360, 140};
    AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, FALSE, WS_EX_CONTROLPARENT);
    HWND hwnd = CreateWindowExW(WS_EX_CONTROLPARENT, wc.lpszClassName, L"E2E Target", WS_OVERLAPPEDWINDOW, 40, 40,
                                r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, nullptr);
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    SetFocus(GetDlgItem(hwnd, kEdit));
    logLine(L"ready");

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(hwnd, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    DeleteObject(gSwatchBrush);
    return static_cast<int>(msg.wParam);
}
