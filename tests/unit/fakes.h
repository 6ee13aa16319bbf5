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

#include "about_view.h"
#include "clock.h"
#include "dialogs.h"
#include "echolink_port.h"
#include "failure.h"
#include "file_system.h"
#include "main_view.h"
#include "number_text.h"
#include "process.h"
#include "twips.h"
#include "window_twips.h"

namespace rokan::test {

using Journal = std::vector<std::wstring>;

inline std::wstring nameOf(Control control) {
    for (const ControlName& entry : kControlNames)
        if (entry.control == control) return entry.name;
    return L"?";
}

inline std::wstring nameOf(AboutLabel label) {
    static const wchar_t* const names[] = {L"lblTitle", L"lblVersion",    L"lblDescription",
                                           L"readme",   L"lblDisclaimer", L"copyright"};
    return names[static_cast<int>(label)];
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

    void setCaption(const std::wstring& c) override { change(L"caption", caption, c); }
    std::wstring text(Control c) override { return controls[c].text; }
    void setText(Control c, const std::wstring& t) override {
        change(L"text " + nameOf(c), controls[c].text, t);
        controls[c].caret = 0;
    }
    void setCaret(Control c, std::size_t at) override { change(L"caret " + nameOf(c), controls[c].caret, at); }
    void setFocus(Control c) override { record(L"focus " + nameOf(c)); }
    void setVisible(Control c, bool v) override {
        change((v ? L"show " : L"hide ") + nameOf(c), controls[c].visible, v);
    }
    void setBackColour(Control c, Colour colour) override { change(L"colour " + nameOf(c), controls[c].back, colour); }
    void setReadOnly(Control c, bool on) override { change(L"read-only " + nameOf(c), controls[c].readOnly, on); }
    void setTimerEnabled(bool on) override { change(on ? L"timer on" : L"timer off", timerEnabled, on, true); }
    void destroy() override { record(L"destroy"); }

    // Geometry as a pixel-based window system keeps it, converted as the
    // shell converts it: a size that rounds to the pixels the window has
    // changes nothing; one that changes it raises `resized` before the setter
    // returns, as Windows does. A move onto a monitor of another DPI scales
    // the window to it and raises `resized`, as WM_DPICHANGED does.
    float left() override { return scale().place(leftPx); }
    float top() override { return scale().place(topPx); }
    float width() override { return scale().width(clientWidthPx); }
    float height() override { return scale().height(clientHeightPx); }
    void setLeft(float twips) override { move(L"left ", twips, leftPx); }
    void setTop(float twips) override { move(L"top ", twips, topPx); }
    void setWidth(float twips) override { resize(L"width ", twips, clientWidthPx, scale().clientWidth(twips)); }
    void setHeight(float twips) override { resize(L"height ", twips, clientHeightPx, scale().clientHeight(twips)); }
    bool minimized() override { return isMinimized; }
    bool onAnyMonitor() override {
        const std::vector<Monitor> all = screens();
        return std::any_of(all.begin(), all.end(), [&](const Monitor& m) {
            return leftPx < m.right && topPx < m.bottom && leftPx + clientWidthPx + 8 > m.left &&
                   topPx + clientHeightPx + 50 > m.top;
        });
    }

    // In pixels; created at the design rectangle at 96 DPI.
    int dpi = 96;         // the window's, its monitor's
    int desktopDpi = 96;  // the one scale of screen coordinates
    int leftPx = 11, topPx = 3, clientWidthPx = 294, clientHeightPx = 116;
    struct Monitor {
        int left, top, right, bottom, dpi;
    };
    std::vector<Monitor> monitors;  // none: one 1024 x 768 monitor at the window's DPI
    bool isMinimized = false;
    std::function<void()> resized;
    int resizeDepth = 0, deepestResize = 0;

    std::wstring caption = L"Rokan";
    std::map<Control, ControlState> controls;
    bool timerEnabled = false;
    std::set<std::wstring> refused;

private:
    void check(const std::wstring& operation) {
        if (refused.count(operation)) throw Failure{};
    }
    void record(const std::wstring& operation) {
        check(operation);
        journal_.push_back(operation);
    }
    template <class Field, class Value>
    void change(const std::wstring& operation, Field& field, const Value& value, bool journalled = false) {
        journalled ? record(operation) : check(operation);
        field = value;
    }
    static std::wstring twipsText(float twips) { return decimalText(std::lround(twips)); }
    WindowTwips scale() const { return WindowTwips{desktopDpi, dpi}; }
    std::vector<Monitor> screens() const {
        return monitors.empty() ? std::vector<Monitor>{{0, 0, 1024, 768, dpi}} : monitors;
    }
    void move(const wchar_t* name, float twips, int& pixels) {
        change(name + twipsText(twips), pixels, scale().placePixels(twips), true);
        const int centreX = leftPx + clientWidthPx / 2, centreY = topPx + clientHeightPx / 2;
        for (const Monitor& m : screens()) {
            if (centreX < m.left || centreX >= m.right || centreY < m.top || centreY >= m.bottom || m.dpi == dpi)
                continue;
            clientWidthPx = clientWidthPx * m.dpi / dpi;
            clientHeightPx = clientHeightPx * m.dpi / dpi;
            dpi = m.dpi;
            raiseResized();
        }
    }
    void resize(const wchar_t* name, float twips, int& pixels, int wanted) {
        record(name + twipsText(twips));
        if (wanted == pixels) return;
        pixels = wanted;
        raiseResized();
    }
    void raiseResized() {
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
        if (creation == Creation::error) throw Failure{L"CoCreateInstance", 0x80040154};  // not registered
        hasObject = creation == Creation::object;
    }
    bool attached() const override { return hasObject; }
    void sendChat(const std::wstring& text) override {
        const bool fails = unanswered || !hasObject || failSends;
        journal_.push_back((unanswered ? L"send unanswered " : fails ? L"send failed " : L"send ") + text);
        if (whileSending) whileSending();
        if (unanswered) throw Unanswered{L"SendChat: no answer", 0};
        if (fails) throw Failure{L"SendChat", refusalCode};
    }
    void release() override {
        journal_.push_back(hasObject ? L"release" : L"release (empty)");
        if (releaseFails) throw Failure{};
        hasObject = false;
    }

    Creation creation = Creation::object;
    bool hasObject = false;
    bool failSends = false;
    std::uint32_t refusalCode = 0x80004005;  // what a failing send gives: E_FAIL
    bool releaseFails = false;
    bool unanswered = false;             // as EchoLink that lets the call run out, and may carry it out later
    std::function<void()> whileSending;  // what the world looks like while EchoLink has the line

private:
    Journal& journal_;
};

class FakeDialogs : public Dialogs {
public:
    explicit FakeDialogs(Journal& journal) : journal_(journal) {}
    void message(const std::wstring& text, const std::wstring& caption) override {
        journal_.push_back(L"message " + text + L" | " + caption);
    }
    void debugLine(const std::wstring& line) override { debugLines.push_back(line); }
    void showAbout() override { journal_.push_back(L"about"); }

    std::vector<std::wstring> debugLines;

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
    std::wstring localAppDataFolder() override { return appData; }
    [[noreturn]] void end() override {
        journal_.push_back(L"end");
        if (refusesToEnd) throw Failure{};
        throw ProcessEnded{};
    }

    bool anotherCopyRunning = false;
    bool refusesToEnd = false;  // as a process that cannot end at once
    std::wstring folder = L"C:\\Tools";
    std::wstring appData;  // none, unless a test gives one

private:
    Journal& journal_;
};

// The machine's files, each operation that can fail made to fail at will.
class MachineFiles : public FileSystem {
public:
    std::optional<std::string> readStart(const std::wstring& path, std::size_t maxBytes) override {
        return machineFileSystem().readStart(path, maxBytes);
    }
    void writeFile(const std::wstring& path, const std::string& bytes) override {
        if (writeFails || (!refusedPrefix.empty() && path.starts_with(refusedPrefix))) throw Failure{};
        machineFileSystem().writeFile(path, bytes);
    }
    void createFolder(const std::wstring& path) override { machineFileSystem().createFolder(path); }
    void replaceFile(const std::wstring& from, const std::wstring& to) override {
        if (replaceFails) throw Failure{};
        machineFileSystem().replaceFile(from, to);
    }
    bool removeFile(const std::wstring& path) noexcept override {
        return !removeFails && machineFileSystem().removeFile(path);
    }

    bool writeFails = false, replaceFails = false, removeFails = false;
    std::wstring refusedPrefix;  // writes to paths that start with it fail, as in a folder the user may not write
};

}  // namespace rokan::test
