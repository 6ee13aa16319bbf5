#pragma once
#include <windows.h>

#include "app/dialogs.h"

namespace rokan {

class MessageBoxes final : public Dialogs {
public:
    void setOwner(HWND owner) { owner_ = owner; }
    void message(const std::wstring& text, const std::wstring& caption) override {
        MessageBoxW(owner_, text.c_str(), caption.c_str(), MB_OK);
    }

private:
    HWND owner_ = nullptr;
};

}  // namespace rokan
