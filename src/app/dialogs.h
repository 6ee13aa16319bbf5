#pragma once
#include <string>

namespace rokan {

inline constexpr wchar_t kAppTitle[] = L"Rokan";

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal message box with the OK button only.
    virtual void message(const std::wstring& text, const std::wstring& caption) = 0;
    // Opens the About box modally; returns when it has been closed.
    virtual void showAbout() = 0;
};

}  // namespace rokan
