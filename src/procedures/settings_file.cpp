#include "settings_file.h"

#include "failure.h"
#include "guarded.h"
#include "messages.h"
#include "settings_line.h"

namespace rokan {

void Module1::getRokanpath() {
    guarded(dialogs_, kGetRokanpathError, [&] { folder_.find(); });
}

void Module1::iniRead(bool& ok) {
    readerHasRun_ = true;
    runOrElse(
        [&] {
            getRokanpath();
            const auto head = files_.readStart(settingsPath(), kMaxSettingsLineBytes + 1);
            const auto line = head ? firstLineOf(*head) : std::nullopt;
            if (!line) throw Failure{};
            placeWindow(*line, ok);
        },
        [&](const Cause&) {
            iniDefWrite();
            ok = false;
        });
}

// Every value is read and checked before the window moves, so a broken line leaves it where it was.
void Module1::placeWindow(const std::string& line, bool& ok) {
    const auto stored = readSettingsLine(line);
    if (!stored) throw Failure{};
    const auto& [left, top, width, height] = stored->values;
    window_.setLeft(static_cast<float>(left));
    window_.setTop(static_cast<float>(top));
    window_.setWidth(static_cast<float>(width));
    window_.setHeight(static_cast<float>(height));
    // A rectangle no monitor shows (a monitor since unplugged) would leave the window out of reach.
    if (!window_.onAnyMonitor()) {
        window_.setLeft(static_cast<float>(kDefaultRectangle.left));
        window_.setTop(static_cast<float>(kDefaultRectangle.top));
    }
    ok = !stored->raised;
    if (stored->raised) iniDefWrite();
}

void Module1::writeRectangle() {
    if (folder_.path().empty()) getRokanpath();
    replaceFileContent(files_, settingsPath(),
                       settingsLine(window_.left(), window_.top(), window_.width(), window_.height()));
}

void Module1::iniWrite() {
    guarded(dialogs_, kIniWriteError, [&] { writeRectangle(); });
}

void Module1::iniWriteQuietly() noexcept {
    try {
        writeRectangle();
    } catch (...) {
    }
}

void Module1::iniDefWrite() {
    guarded(dialogs_, kIniDefWriteError, [&] { replaceFileContent(files_, settingsPath(), defaultSettingsLine()); });
}

}  // namespace rokan
