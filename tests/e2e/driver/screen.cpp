#include "driver/screen.h"

#include <cstdlib>

namespace rokan::e2e {

COLORREF pixel(POINT p) { return pixel(p.x, p.y); }

COLORREF pixel(int x, int y) {
  HDC dc = GetDC(nullptr);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(nullptr, dc);
  return c;
}

bool same_colour(COLORREF a, COLORREF b, int tolerance) {
  if (a == CLR_INVALID || b == CLR_INVALID) return false;
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

}  // namespace rokan::e2e
