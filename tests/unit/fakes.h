#pragma once
// Recording fakes of the ports. Every port writes into one shared journal, so
// a test can assert the order of steps across ports.
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "clock.h"
#include "dialogs.h"
#include "echolink_port.h"
#include "failure.h"
#include "main_view.h"
#include "number_text.h"
#include "process.h"
#include "twips.h"

namespace rokan::test {

using Journal = std::vector<std::wstring>;

inline std::wstring nameOf(Control control) {
    static const wchar_t* const names[] = {L"btnConnect", L"btnDisconnect", L"btmMute",     L"btnAdmins",
                                           L"btnUsers",   L"btnStatus",     L"btnSysop",    L"btnUnMute",
                                           L"btmLurkd",   L"sInput",        L"B_Send",      L"sCall",
                                           L"gMin",       L"Label1",        L"btnAutoMute", L"btnMuteOff"};
    return names[static_cast<int>(control)];
}

// Holds each control's state as the window would. Focus, timer and destroy
// go into the journal; any operation named in `refused` (as journalled, e.g.
// "focus sCall") throws instead, as a refusing window system would.
class FakeView : public MainView {
public:
    struct ControlState {
        std::wstring text;
        std::size_t caret = 0;
        bool visible = true;
        Colour back = kSystemWindowColour;
        bool readOnly = false;
    };

    explicit FakeView(Journal& journal) : journal_(journal) {
        for (const ControlLayout& layout : kMainControls) controls[layout.id].text = layout.text;
    }

    void setCaption(const std::wstring& c) override {
        check(L"caption");
        caption = c;
    }
    std::wstring text(Control control) override {
        check(L"read " + nameOf(control));
        return controls[control].text;
    }
    void setText(Control control, const std::wstring& t) override {
        check(L"text " + nameOf(control));
        controls[control].text = t;
        controls[control].caret = 0;
    }
    void setCaret(Control control, std::size_t position) override {
        check(L"caret " + nameOf(control));
        controls[control].caret = position;
    }
    void setFocus(Control control) override {
        record(L"focus " + nameOf(control));
        focus = control;
    }
    void setVisible(Control control, bool v) override {
        check(std::wstring(v ? L"show " : L"hide ") + nameOf(control));
        controls[control].visible = v;
    }
    void setBackColour(Control control, Colour colour) override {
        check(L"colour " + nameOf(control));
        controls[control].back = colour;
    }
    void setReadOnly(Control control, bool readOnly) override {
        check(L"read-only " + nameOf(control));
        controls[control].readOnly = readOnly;
    }
    void setTimerEnabled(bool enabled) override {
        record(enabled ? L"timer on" : L"timer off");
        timerEnabled = enabled;
    }
    void destroy() override {
        record(L"destroy");
        destroyed = true;
    }

    // Geometry as a pixel-based window system keeps it: a size that rounds to
    // the pixels the window has changes nothing; one that changes it raises
    // `resized` before the setter returns, as Windows does.
    float left() override { return read(L"left", pixelsToTwips(leftPx, dpi)); }
    float top() override { return read(L"top", pixelsToTwips(topPx, dpi)); }
    float width() override { return read(L"width", outerTwipsFor(clientWidthPx, kDesignFrameWidth, dpi)); }
    float height() override { return read(L"height", outerTwipsFor(clientHeightPx, kDesignFrameHeight, dpi)); }
    void setLeft(float twips) override {
        record(L"left " + decimalText(std::lround(twips)));
        leftPx = twipsToPixels(twips, dpi);
    }
    void setTop(float twips) override {
        record(L"top " + decimalText(std::lround(twips)));
        topPx = twipsToPixels(twips, dpi);
    }
    void setWidth(float twips) override {
        record(L"width " + decimalText(std::lround(twips)));
        resize(clientWidthPx, clientPixelsFor(twips, kDesignFrameWidth, dpi));
    }
    void setHeight(float twips) override {
        record(L"height " + decimalText(std::lround(twips)));
        resize(clientHeightPx, clientPixelsFor(twips, kDesignFrameHeight, dpi));
    }
    bool minimized() override { return isMinimized; }
    // One 1024 x 768 monitor.
    bool onAnyMonitor() override {
        return leftPx < 1024 && topPx < 768 && leftPx + clientWidthPx + 8 > 0 && topPx + clientHeightPx + 50 > 0;
    }

    // In pixels; created at the design rectangle at 96 DPI.
    int dpi = 96;
    int leftPx = 11, topPx = 3, clientWidthPx = 294, clientHeightPx = 116;
    bool isMinimized = false;
    std::function<void()> resized;
    int resizeDepth = 0, deepestResize = 0;

    std::wstring caption = L"Rokan";
    std::map<Control, ControlState> controls;
    std::optional<Control> focus;
    bool timerEnabled = false;
    bool destroyed = false;
    std::set<std::wstring> refused;

private:
    void check(const std::wstring& operation) {
        if (refused.count(operation)) throw Failure{};
    }
    void record(const std::wstring& operation) {
        check(operation);
        journal_.push_back(operation);
    }
    float read(const wchar_t* name, double twips) {
        check(std::wstring(L"read ") + name);
        return static_cast<float>(twips);
    }
    void resize(int& pixels, int wanted) {
        wanted = std::max(0, wanted);
        if (wanted == pixels) return;
        pixels = wanted;
        if (!resized) return;
        deepestResize = std::max(deepestResize, ++resizeDepth);
        resized();
        --resizeDepth;
    }

    Journal& journal_;
};

class FakeEcho : public EchoLinkPort {
public:
    enum class Creation { object, noObject, error };
    explicit FakeEcho(Journal& journal) : journal_(journal) {}

    void attach() override {
        journal_.push_back(L"attach");
        if (creation == Creation::error) throw Failure{};
        hasObject = creation == Creation::object;
    }
    bool attached() const override { return hasObject; }
    void sendChat(const std::wstring& text) override {
        if (unanswered) {
            journal_.push_back(L"send unanswered " + text);
            throw Unanswered{};
        }
        if (!hasObject || failSends) {
            journal_.push_back(L"send failed " + text);
            throw Failure{};
        }
        journal_.push_back(L"send " + text);
    }
    void release() override {
        journal_.push_back(hasObject ? L"release" : L"release (empty)");
        hasObject = false;
    }

    Creation creation = Creation::object;
    bool hasObject = false;
    bool failSends = false;
    bool unanswered = false;  // as EchoLink that lets the call run out, and may carry it out later

private:
    Journal& journal_;
};

class FakeDialogs : public Dialogs {
public:
    explicit FakeDialogs(Journal& journal) : journal_(journal) {}
    void message(const std::wstring& text, const std::wstring& caption) override {
        journal_.push_back(L"message " + text + L" | " + caption);
    }
    void showAbout() override {
        journal_.push_back(L"about");
        if (aboutFails) throw Failure{};
    }

    bool aboutFails = false;

private:
    Journal& journal_;
};

// Stands still unless a test moves it.
class FakeClock : public Clock {
public:
    std::int64_t nowUtc() override { return now; }
    std::int64_t now = 1796601600;  // 2026-12-07T00:00:00Z
};

class FakeProcess : public Process {
public:
    explicit FakeProcess(Journal& journal) : journal_(journal) {}
    bool previousInstance() override { return anotherCopyRunning; }
    std::wstring executableFolder() override { return folder; }
    [[noreturn]] void end() override {
        journal_.push_back(L"end");
        throw ProcessEnded{};
    }

    bool anotherCopyRunning = false;
    std::wstring folder = L"C:\\Tools";

private:
    Journal& journal_;
};

}  // namespace rokan::test
