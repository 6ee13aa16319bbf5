#include "window_geometry.h"

#include "failure.h"

namespace rokan {

SIZE frameSize(HWND window) {
    RECT outer{}, client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    return SIZE{(outer.right - outer.left) - client.right, (outer.bottom - outer.top) - client.bottom};
}

void setClientSize(HWND window, int width, int height) {
    const SIZE frame = frameSize(window);
    if (!SetWindowPos(window, nullptr, 0, 0, width + frame.cx, height + frame.cy,
                      SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE))
        throw Failure{L"SetWindowPos", GetLastError()};
}

void moveTo(HWND window, int x, int y) {
    if (!SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE))
        throw Failure{L"SetWindowPos", GetLastError()};
}

}  // namespace rokan
