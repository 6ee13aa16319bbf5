#include "window_program.h"

namespace rokan::bench {

namespace {

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    if (message == WM_SETFOCUS) {
        if (HWND box = GetWindow(window, GW_CHILD)) SetFocus(box);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int runWindow(HINSTANCE instance, int showCommand, const wchar_t* windowClass, Content content) {
    WNDCLASSEXW classInfo{};
    classInfo.cbSize = sizeof classInfo;
    classInfo.lpfnWndProc = windowProc;
    classInfo.hInstance = instance;
    classInfo.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    classInfo.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    classInfo.lpszClassName = windowClass;
    if (!RegisterClassExW(&classInfo)) return 1;
    HWND window = CreateWindowExW(0, windowClass, windowClass, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 320,
                                  240, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    if (content == Content::focusedEditBox &&
        !CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 8, 8, 240, 24, window,
                         nullptr, instance, nullptr))
        return 1;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace rokan::bench
