#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "separator_line.h"

// The main window as designed, in twips (1/1440 inch) and points; the shell
// scales it to the window's DPI.
namespace rokan {

// Every control of the main window, numbered from 0 in any order: each is
// laid out once in kMainControls below, which the compiler checks.
enum class Control : int {
    btnConnect,
    btnDisconnect,
    btmMute,
    btnAdmins,
    btnUsers,
    btnStatus,
    btnSysop,
    btnUnMute,
    btmLurkd,
    sInput,
    B_Send,
    sCall,
    gMin,
    Label1,
    btnAutoMute,
    btnMuteOff,
};

enum class ControlKind { button, edit, label };

struct FontSpec {
    double points;
    bool bold;
};

struct ControlLayout {
    Control id;
    ControlKind kind;
    const wchar_t* text;
    int left, top, width, height;
    FontSpec font;
};

inline constexpr FontSpec kWindowFont{12, true};
inline constexpr wchar_t kFontFace[] = L"ＭＳ Ｐゴシック";
inline constexpr wchar_t kFontFaceEnglish[] = L"MS PGothic";  // the same face's other name
inline constexpr int kFontCharset = 128;                      // SHIFTJIS_CHARSET
// Where the face is not installed.
inline constexpr wchar_t kFallbackFontFace[] = L"Tahoma";

inline constexpr int kClientWidth = 4410;
inline constexpr int kClientHeight = 1740;
// Width and Height as the program sees them are the client area plus this
// frame, whatever the real frame of the running Windows looks like.
inline constexpr int kDesignFrameWidth = 120;
inline constexpr int kDesignFrameHeight = 810;
// The size policy's band, in the same terms.
inline constexpr float kFixedWidth = 4530;
inline constexpr float kMaximumHeight = 2560;
inline constexpr float kMinimumHeight = 2130;
inline constexpr float kPanelThreshold = 2550;  // the panel shows above it

inline constexpr unsigned kTimerIntervalMs = 60000;

// The minutes a noise cancel lasts until the operator types others.
inline constexpr wchar_t kDefaultMinutes[] = L"10";

// In tab order: the shell creates them in this order, which is the order Tab
// walks. The label takes no focus.
inline constexpr auto kMainControls = std::to_array<ControlLayout>({
    {Control::sInput, ControlKind::edit, L"", 60, 960, 3675, 300, {12, false}},
    {Control::B_Send, ControlKind::button, L"Send", 3720, 960, 615, 300, {9, true}},
    {Control::btnConnect, ControlKind::button, L".connect", 60, 60, 1395, 255, {9.75, true}},
    {Control::btnDisconnect, ControlKind::button, L".disconnect", 60, 360, 1395, 255, {9.75, true}},
    {Control::btmMute, ControlKind::button, L".mute", 1500, 60, 1395, 255, {9.75, true}},
    {Control::btnAdmins, ControlKind::button, L".admins", 60, 660, 1395, 255, {9.75, true}},
    {Control::btnUsers, ControlKind::button, L".users", 2940, 360, 1395, 255, {9.75, true}},
    {Control::btnStatus, ControlKind::button, L".stat", 1500, 660, 1395, 255, {9.75, true}},
    {Control::btnSysop, ControlKind::button, L".sysop", 2940, 60, 1395, 255, {9.75, true}},
    {Control::btnUnMute, ControlKind::button, L".unmute", 1500, 360, 1395, 255, {9.75, true}},
    {Control::btmLurkd, ControlKind::button, L".lurk disable", 2940, 660, 1395, 255, {9.75, true}},
    {Control::sCall, ControlKind::edit, L"", 60, 1320, 1515, 360, kWindowFont},
    {Control::btnAutoMute, ControlKind::button, L"noise cancel", 2640, 1320, 1695, 375, {9.75, true}},
    {Control::gMin, ControlKind::edit, kDefaultMinutes, 1680, 1320, 375, 375, {12, false}},
    {Control::Label1, ControlKind::label, L"min", 2160, 1440, 375, 255, {9.75, false}},
    {Control::btnMuteOff, ControlKind::button, L"Mute Off", 2640, 1320, 1695, 375, {9.75, true}},
});
inline constexpr std::size_t kControlCount = kMainControls.size();

// Each control laid out exactly once, so that its number indexes the shell's
// tables of every control.
constexpr bool eachControlOnce(std::span<const ControlLayout> layouts) {
    std::array<bool, kControlCount> seen{};
    for (const ControlLayout& layout : layouts) {
        bool& laidOut = seen.at(static_cast<std::size_t>(layout.id));  // out of range: no constant, no build
        if (laidOut) return false;
        laidOut = true;
    }
    return true;
}
static_assert(eachControlOnce(kMainControls), "every Control needs one row in kMainControls");

// A name given to a control.
struct ControlName {
    Control control;
    const wchar_t* name;
};
// Each control's name as the procedures call it.
inline constexpr auto kControlNames = std::to_array<ControlName>({
    {Control::btnConnect, L"btnConnect"},
    {Control::btnDisconnect, L"btnDisconnect"},
    {Control::btmMute, L"btmMute"},
    {Control::btnAdmins, L"btnAdmins"},
    {Control::btnUsers, L"btnUsers"},
    {Control::btnStatus, L"btnStatus"},
    {Control::btnSysop, L"btnSysop"},
    {Control::btnUnMute, L"btnUnMute"},
    {Control::btmLurkd, L"btmLurkd"},
    {Control::sInput, L"sInput"},
    {Control::B_Send, L"B_Send"},
    {Control::sCall, L"sCall"},
    {Control::gMin, L"gMin"},
    {Control::Label1, L"Label1"},
    {Control::btnAutoMute, L"btnAutoMute"},
    {Control::btnMuteOff, L"btnMuteOff"},
});
static_assert(kControlNames.size() == kControlCount, "every Control needs a name");

// What a screen reader calls each text box. Buttons are named by their
// captions; a box takes the name of the label created just before it, and
// these labels stay hidden, so a sighted operator sees nothing new.
inline constexpr auto kBoxNames = std::to_array<ControlName>({
    {Control::sInput, L"Chat line"},
    {Control::sCall, L"Call sign"},
    {Control::gMin, L"Minutes"},
});

// The etched separator along the top of the client area.
inline constexpr auto kSeparator = std::to_array<SeparatorLine>({
    {0, 5460, 0x00FFFFFF, 2, SeparatorLine::Edge::highlight},
    {0, 4380, 0x00808080, 1, SeparatorLine::Edge::shadow},
    {0, 5520, 0x00808080, 1, SeparatorLine::Edge::shadow},
});

}  // namespace rokan
