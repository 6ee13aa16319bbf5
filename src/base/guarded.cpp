#include "guarded.h"

namespace rokan {

std::wstring causeLine(const wchar_t* message, const Cause& cause) {
    std::wstring line = std::wstring(kAppTitle) + L": " + message + L": ";
    if (!cause.call) return line + L"cause unknown";
    line += cause.call;
    if (cause.code == 0) return line;
    line += L" 0x";
    for (int shift = 28; shift >= 0; shift -= 4) line += L"0123456789ABCDEF"[(cause.code >> shift) & 0xF];
    return line;
}

Cause causeOfCurrentException() {
    try {
        throw;
    } catch (const Failure& failure) {
        return failure.cause;
    } catch (...) {
        return {};
    }
}

// Out of line: every procedure's guard calls it.
void MessageBoxes::failed(const wchar_t* text, const Cause& cause, const wchar_t* caption) {
    debugLine(causeLine(text, cause));
    message(text, caption);
}

}  // namespace rokan
