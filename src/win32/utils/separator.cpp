#include "separator.h"

#include "twips.h"

namespace rokan {

void drawSeparator(HDC dc, std::span<const SeparatorLine> lines, int yTwips, int dpi) {
    for (const SeparatorLine& line : lines) {
        HPEN pen = CreatePen(PS_SOLID, line.widthPixels, line.colour);
        HGDIOBJ old = SelectObject(dc, pen);
        const int y = twipsToPixels(yTwips, dpi) + line.widthPixels / 2;
        MoveToEx(dc, twipsToPixels(line.fromX, dpi), y, nullptr);
        LineTo(dc, twipsToPixels(line.toX, dpi), y);
        SelectObject(dc, old);
        DeleteObject(pen);
    }
}

}  // namespace rokan
