#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "driver/driver.h"

namespace rokan::e2e {

namespace {
// The rectangle's pixels as BMP rows: 24 bits, bottom-up, each row padded to 4 bytes.
std::vector<char> screenRows(const RECT& r, BITMAPINFOHEADER& info) {
    info = BITMAPINFOHEADER{};
    info.biSize = sizeof info;
    info.biWidth = r.right - r.left;
    info.biHeight = r.bottom - r.top;
    info.biPlanes = 1;
    info.biBitCount = 24;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, info.biWidth, info.biHeight);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, info.biWidth, info.biHeight, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    std::vector<char> rows(static_cast<std::size_t>((info.biWidth * 3 + 3) & ~3) * info.biHeight);
    const int copied =
        GetDIBits(memory, bitmap, 0, info.biHeight, rows.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (copied != info.biHeight) throw std::runtime_error("saveScreenBmp: cannot read the screen");
    return rows;
}
}  // namespace

std::vector<COLORREF> screenPixels(const RECT& r) {
    BITMAPINFOHEADER info;
    const std::vector<char> rows = screenRows(r, info);
    const std::size_t stride = static_cast<std::size_t>((info.biWidth * 3 + 3) & ~3);
    std::vector<COLORREF> pixels;
    for (std::size_t row = 0; row < static_cast<std::size_t>(info.biHeight); ++row) {
        for (std::size_t column = 0; column < static_cast<std::size_t>(info.biWidth); ++column) {
            const auto* bgr = reinterpret_cast<const unsigned char*>(rows.data() + row * stride + column * 3);
            pixels.push_back(RGB(bgr[2], bgr[1], bgr[0]));
        }
    }
    return pixels;
}

SystemColours::SystemColours(std::vector<INT> elements, const std::vector<COLORREF>& colours)
    : elements_(std::move(elements)) {
    for (INT element : elements_) saved_.push_back(GetSysColor(element));
    SetSysColors(static_cast<int>(elements_.size()), elements_.data(), colours.data());
}

SystemColours::~SystemColours() {
    SetSysColors(static_cast<int>(elements_.size()), elements_.data(), saved_.data());
}

bool showsColour(POINT at, COLORREF colour) {
    HDC screen = GetDC(nullptr);
    const COLORREF shown = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    const auto within = [](int a, int b) { return std::abs(a - b) <= 8; };
    return shown != CLR_INVALID && within(GetRValue(shown), GetRValue(colour)) &&
           within(GetGValue(shown), GetGValue(colour)) && within(GetBValue(shown), GetBValue(colour));
}

void saveScreenBmp(const RECT& r, const std::filesystem::path& file) {
    // A window just shown or changed may still be painting: take the picture
    // once two looks a moment apart agree.
    BITMAPINFOHEADER info;
    std::vector<char> rows;
    waitUntil(
        [&] {
            std::vector<char> now = screenRows(r, info);
            const bool settled = now == rows;
            rows = std::move(now);
            return settled;
        },
        kTimeout, milliseconds(150));

    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + static_cast<DWORD>(rows.size());
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(rows.data(), static_cast<std::streamsize>(rows.size()));
    if (!out) throw std::runtime_error("saveScreenBmp: cannot write the file");
}

}  // namespace rokan::e2e
