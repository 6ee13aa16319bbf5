#pragma once
// Recording fakes of the ports. Every port writes into one shared journal, so
// a test can assert the order of steps across ports.
#include <map>
#include <string>
#include <vector>

#include "app/dialogs.h"
#include "app/failure.h"
#include "app/main_view.h"
#include "app/process.h"
#include "echolink/echolink_port.h"

namespace rokan::test {

using Journal = std::vector<std::wstring>;

class FakeView : public MainView {
public:
    explicit FakeView(Journal& journal) : journal_(journal) {}
    void setCaption(const std::wstring& c) override { caption = c; }
    void setVisible(Control control, bool v) override { visible[control] = v; }
    void destroy() override {
        journal_.push_back(L"destroy");
        destroyed = true;
    }

    std::wstring caption = L"Rokan";
    std::map<Control, bool> visible;
    bool destroyed = false;

private:
    Journal& journal_;
};

class FakeEcho : public EchoLinkPort {
public:
    enum class Creation { object, noObject, error };
    explicit FakeEcho(Journal& journal) : journal_(journal) {}

    void attach() override {
        journal_.push_back(L"attach");
        if (creation == Creation::error) throw Failure{static_cast<std::int32_t>(0x80040154)};
        hasObject = creation == Creation::object;
    }
    bool attached() const override { return hasObject; }
    void sendChat(const std::wstring& text) override {
        if (!hasObject || failSends) throw Failure{};
        sent.push_back(text);
    }
    void release() override {
        journal_.push_back(hasObject ? L"release" : L"release (empty)");
        hasObject = false;
    }

    Creation creation = Creation::object;
    bool hasObject = false;
    bool failSends = false;
    std::vector<std::wstring> sent;

private:
    Journal& journal_;
};

class FakeDialogs : public Dialogs {
public:
    explicit FakeDialogs(Journal& journal) : journal_(journal) {}
    void message(const std::wstring& text, const std::wstring& caption) override {
        journal_.push_back(L"message " + text + L" | " + caption);
    }

private:
    Journal& journal_;
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
