#include "separator.h"

#include "high_contrast.h"
#include "twips.h"

namespace rokan {

void drawSeparator(HDC dc, std::span<const SeparatorLine> lines, int yTwips, int dpi) {
    const bool systemColours = highContrastOn();
    for (const SeparatorLine& line : lines) {
        const COLORREF colour =
            systemColours
                ? GetSysColor(line.edge == SeparatorLine::Edge::highlight ? COLOR_3DHIGHLIGHT : COLOR_3DSHADOW)
                : line.colour;
        HPEN pen = CreatePen(PS_SOLID, line.widthPixels, colour);
        HGDIOBJ old = SelectObject(dc, pen);
        const int y = twipsToPixels(yTwips, dpi) + line.widthPixels / 2;
        MoveToEx(dc, twipsToPixels(line.fromX, dpi), y, nullptr);
        LineTo(dc, twipsToPixels(line.toX, dpi), y);
        SelectObject(dc, old);
        DeleteObject(pen);
    }
}

}  // namespace rokan
