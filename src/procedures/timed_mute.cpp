#include <algorithm>
#include <optional>

#include "failure.h"
#include "main_form.h"
#include "guarded.h"
#include "messages.h"
#include "number_text.h"

namespace rokan {

void frmMain::btnAutoMute_Click() {
    guarded(dialogs_, kAutoMuteError, [&] {
        const auto minutes = parseInteger16(view_.text(Control::gMin));
        if (!minutes) throw Failure{};
        remainingMinutes_ = *minutes;
        initialMinutes_ = remainingMinutes_;
        if (!view_.text(Control::sCall).empty()) NoiseReject();
    });
}

// Enter mutes without reading the minutes box: the count goes on from what it holds.
void frmMain::sCall_KeyPress(int& key) {
    guarded(dialogs_, kCallKeyPressError, [&] {
        if (key == kEnterKey && !view_.text(Control::sCall).empty()) {
            NoiseReject();
            key = 0;
        }
    });
}

// Its message is the design's; SendUnMute catches every failure first, so a
// working Rokan never shows it.
void frmMain::btnMuteOff_Click() {
    guarded(dialogs_, kMuteOffError, [&] { SendUnMute(); });
}

// The timer runs before the mute is sent, so even a failed mute ends in an unmute attempt.
void frmMain::NoiseReject() {
    guarded(dialogs_, kNoiseRejectError, [&] {
        view_.setTimerEnabled(true);
        SendMute();
    });
}

void frmMain::SendMute() {
    guarded(dialogs_, kSendMuteError, [&] {
        const std::wstring callSign = view_.text(Control::sCall);
        // The unmute is due on disk before the mute leaves: Rokan may end
        // while EchoLink has the call (killed, a log-off), and EchoLink may
        // still carry it out. Enter while counting mutes again but keeps the
        // due time, as the count keeps its minutes.
        std::optional<MuteRecordFile::Replaced> replaced;
        if (!muted_) replaced = muteRecord_.keep(callSign, initialMinutes_, std::max<int>(remainingMinutes_, 1));
        try {
            Echo_.sendChat(L".mute " + callSign);
        } catch (const Unanswered&) {
            throw;  // maybe carried out: the unmute stays due in the record as well as in the count
        } catch (...) {
            if (replaced) muteRecord_.putBack(*replaced);  // refused, or never sent
            throw;
        }
        muted_ = true;
        mute_window();
        view_.setFocus(Control::sCall);
    });
}

// The count stops at the smallest value rather than overflowing, so every
// countdown reaches its unmute.
void frmMain::Timer1_Timer() {
    guarded(dialogs_, kTimerError, [&] {
        if (remainingMinutes_ > INT16_MIN) --remainingMinutes_;
        view_.setText(Control::gMin, decimalText(remainingMinutes_));
        if (remainingMinutes_ <= 0) SendUnMute();
    });
}

// A failed unmute leaves the flag and the timer on: the next tick tries again.
void frmMain::SendUnMute() {
    guarded(dialogs_, kSendUnMuteError, [&] {
        Echo_.sendChat(L".unmute " + view_.text(Control::sCall));
        muteRecord_.remove();
        muted_ = false;
        view_.setFocus(Control::sCall);
        mute_window();
        view_.setText(Control::gMin, decimalText(initialMinutes_));
        view_.setTimerEnabled(false);
    });
}

// A station muted by a countdown must not stay muted because Rokan ended.
// Tried once: ending goes on whatever EchoLink answers, and what it does not
// take stays in rokan.mute for the next start.
void frmMain::sendOwedUnmute() {
    if (!muted_ || !Echo_.attached()) return;
    muted_ = false;
    Echo_.sendChat(L".unmute " + view_.text(Control::sCall));
    muteRecord_.remove();
}

void frmMain::unmuteBeforeEnding() {
    guarded(dialogs_, kSendUnMuteError, [&] { sendOwedUnmute(); });
}

// A countdown cut short by a crash or a power cut goes on where it was. One
// already due is unmuted now; if that fails, every tick tries again.
void frmMain::resumeTimedMute() {
    guarded(dialogs_, kSendUnMuteError, [&] {
        const auto pending = muteRecord_.read();
        if (!pending) return;
        view_.setText(Control::sCall, pending->callSign);
        initialMinutes_ = pending->initialMinutes;
        remainingMinutes_ = pending->minutesLeft;
        muted_ = true;
        view_.setTimerEnabled(true);
        view_.setText(Control::gMin, decimalText(remainingMinutes_));
        mute_window();
        if (remainingMinutes_ <= 0) SendUnMute();
    });
}

}  // namespace rokan
