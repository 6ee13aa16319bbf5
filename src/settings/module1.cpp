#include "settings/module1.h"

#include <array>
#include <optional>
#include <string_view>

#include "app/failure.h"
#include "app/guarded.h"
#include "settings/number_text.h"

namespace rokan {
namespace {

// A longer first line is not one Rokan wrote; reading no further keeps a huge file harmless.
constexpr std::size_t kMaxLineBytes = 4096;
constexpr std::array<std::int64_t, 4> kMinimums{165, 45, 4500, 2115};
constexpr char kDefaultLine[] = "position= 165, 45, 4500, 2115\r\n";

// After the first "=" (or the whole line): three fields ended by ",", then
// the fourth, which is what follows a further "," if there is one.
std::optional<std::array<std::string_view, 4>> fieldsOf(std::string_view line) {
    const auto equals = line.find('=');
    std::string_view rest = equals == std::string_view::npos ? line : line.substr(equals + 1);
    std::array<std::string_view, 4> fields;
    for (int i = 0; i < 3; ++i) {
        const auto comma = rest.find(',');
        if (comma == std::string_view::npos) return std::nullopt;
        fields[i] = rest.substr(0, comma);
        rest = rest.substr(comma + 1);
    }
    const auto comma = rest.find(',');
    fields[3] = comma == std::string_view::npos ? rest : rest.substr(comma + 1);
    return fields;
}

// Bytes above 127 become characters that are no digits, so they fail the conversion.
std::wstring widened(std::string_view bytes) {
    std::wstring text;
    for (char byte : bytes) text += static_cast<wchar_t>(static_cast<unsigned char>(byte));
    return text;
}

}  // namespace

void Module1::getRokanpath() {
    guarded(dialogs_, L"Module1.getRokanpath Error", [&] {
        std::wstring folder = process_.executableFolder();
        if (folder.empty() || folder.back() != L'\\') folder += L'\\';
        applicationDirectory_ = folder;
    });
}

void Module1::iniRead(bool& ok) {
    readerHasRun_ = true;
    try {
        getRokanpath();
        const auto line = files_.readFirstLine(settingsPath(), kMaxLineBytes);
        if (!line) throw Failure{};
        placeWindow(*line, ok);
    } catch (const ProcessEnded&) {
        throw;
    } catch (...) {
        iniDefWrite();
        ok = false;
    }
}

void Module1::placeWindow(const std::string& line, bool& ok) {
    const auto fields = fieldsOf(line);
    if (!fields) throw Failure{};
    std::array<std::int64_t, 4> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto value = parseWholeNumber(widened((*fields)[i]), INT32_MIN, INT32_MAX);
        if (!value) throw Failure{};
        values[i] = *value;
    }
    int raised = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i] < kMinimums[i]) {
            values[i] = kMinimums[i];
            ++raised;
        }
    }
    window_.setLeft(static_cast<float>(values[0]));
    window_.setTop(static_cast<float>(values[1]));
    window_.setWidth(static_cast<float>(values[2]));
    window_.setHeight(static_cast<float>(values[3]));
    // A rectangle no monitor shows (a monitor since unplugged) would leave the window out of reach.
    if (!window_.onAnyMonitor()) {
        window_.setLeft(static_cast<float>(kMinimums[0]));
        window_.setTop(static_cast<float>(kMinimums[1]));
    }
    if (raised == 0) {
        ok = true;
        return;
    }
    ok = false;
    iniDefWrite();
}

void Module1::iniWrite() {
    guarded(dialogs_, L"Module1.iniWrite Error", [&] {
        if (applicationDirectory_.empty()) getRokanpath();
        replaceSettingsFile("position=" + signedNumberText(window_.left()) + "," + signedNumberText(window_.top()) +
                            "," + signedNumberText(window_.width()) + "," + signedNumberText(window_.height()) +
                            "\r\n");
    });
}

void Module1::iniDefWrite() {
    guarded(dialogs_, L"Module1.iniDefWrite Error", [&] { replaceSettingsFile(kDefaultLine); });
}

// Written aside, then put in place in one step: a crash or a full disk leaves
// the old line or the new one, never a torn file.
void Module1::replaceSettingsFile(const std::string& line) {
    const std::wstring path = settingsPath();
    const std::wstring written = path + L".new";
    try {
        files_.writeFile(written, line);
        files_.replaceFile(written, path);
    } catch (...) {
        files_.removeFile(written);
        throw;
    }
}

}  // namespace rokan
