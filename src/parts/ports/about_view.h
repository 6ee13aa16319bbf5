#pragma once
#include <string>

#include "about_layout.h"

namespace rokan {

// The About box as its procedures see it; any operation may throw Failure.
class AboutView {
public:
    virtual ~AboutView() = default;
    virtual void setLeft(float twips) = 0;
    virtual void setTop(float twips) = 0;
    virtual void setCaption(const std::wstring& caption) = 0;
    virtual void setText(AboutLabel label, const std::wstring& text) = 0;
    // Destroys the box, which ends its modal run.
    virtual void close() = 0;
};

}  // namespace rokan
