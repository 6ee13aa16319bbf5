// From the operator's Enter in Rokan's chat line to the line in EchoLink's
// chat log, against the floor: the same COM call made directly.

#include <objbase.h>
#include <oleauto.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench_support.h"
#include "control_ids.h"
#include "echolink_automation.h"
#include "stats.h"
#include "subcommands.h"

namespace rokan::bench {

namespace {

// Polled without sleeping, yielding the processor: a sleep's granularity
// (a millisecond or more) would be as large as what is measured.
double waitLogGrowth(std::int64_t from, double start) {
    while (fileSize(e2e::standin::chatLogPath()) <= from) {
        if (nowMs() - start > 10000) throw std::runtime_error("no chat line reached the log in 10 s");
        SwitchToThread();
    }
    return nowMs() - start;
}

class RokanChat {
public:
    RokanChat() : program_(e2e::Process::start(e2e::quoteArg(rokanExe().wstring()), benchFolder())) {
        main_ = e2e::waitTopLevel(program_.pid(), {kMainWindowClass, std::nullopt});
        if (!main_) throw std::runtime_error("Rokan's window did not appear");
        line_ = e2e::childById(main_, controlId(Control::sInput));
        if (!line_) throw std::runtime_error("Rokan has no chat line");
    }
    ~RokanChat() {
        e2e::postClose(main_);
        program_.waitExit();
    }

    // As the operator's: Rokan's window in front, the caret in the chat line.
    void takeFocus() {
        if (!e2e::activate(main_) || !e2e::setFocus(line_))
            throw std::runtime_error("Rokan's chat line cannot take the focus");
    }

    double send(const std::wstring& text) {
        e2e::setText(line_, text);
        if (e2e::focusedWindow(main_) != line_) throw std::runtime_error("the chat line lost the focus");
        const std::int64_t before = fileSize(e2e::standin::chatLogPath());
        const double start = nowMs();
        e2e::pressEnter(line_);
        const double elapsed = waitLogGrowth(before, start);
        // Rokan empties the line once sent; the next text must not race that.
        if (!e2e::waitUntil([&] { return e2e::text(line_).empty(); }, std::chrono::seconds(10),
                            std::chrono::milliseconds(1)))
            throw std::runtime_error("Rokan kept the line after sending it");
        return elapsed;
    }

private:
    e2e::Process program_;
    HWND main_ = nullptr;
    HWND line_ = nullptr;
};

// The floor makes its calls from a thread of its own, so that it is timed as
// Rokan is: from the moment another thread is asked to send until the line is
// in the log, not until the reply has made its way back.
class DirectChat {
public:
    DirectChat() {
        thread_ = CreateThread(nullptr, 0, threadMain, this, 0, nullptr);
        if (!thread_ || WaitForSingleObject(done_, 30000) != WAIT_OBJECT_0 || FAILED(result_))
            throw std::runtime_error("the floor's thread could not reach the stand-in (" + std::to_string(result_) +
                                     ")");
    }
    ~DirectChat() {
        line_ = nullptr;
        stopping_ = true;
        SetEvent(go_);
        WaitForSingleObject(thread_, 10000);
        for (HANDLE handle : {thread_, go_, done_})
            if (handle) CloseHandle(handle);
    }

    double send(const std::wstring& text) {
        line_ = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        const std::int64_t before = fileSize(e2e::standin::chatLogPath());
        const double start = nowMs();
        SetEvent(go_);
        const double elapsed = waitLogGrowth(before, start);
        if (WaitForSingleObject(done_, 10000) != WAIT_OBJECT_0) throw std::runtime_error("the direct call hung");
        SysFreeString(line_);
        if (result_ != S_OK) throw std::runtime_error("the direct chat call failed (" + std::to_string(result_) + ")");
        return elapsed;
    }
    // Each call's own duration, reply included.
    const std::vector<double>& callTimes() const { return callTimes_; }

private:
    static DWORD WINAPI threadMain(void* self) {
        static_cast<DirectChat*>(self)->serve();
        return 0;
    }
    void serve() {
        result_ = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        void* object = nullptr;
        if (SUCCEEDED(result_))
            result_ = CoCreateInstance(rokan::echolink::kApplicationClass, nullptr, CLSCTX_ALL,
                                       rokan::echolink::kApplicationInterface, &object);
        auto* link = static_cast<echolink::Application*>(object);
        if (SUCCEEDED(result_) && !link) result_ = E_POINTER;
        SetEvent(done_);
        while (link && WaitForSingleObject(go_, INFINITE) == WAIT_OBJECT_0 && !stopping_) {
            const double start = nowMs();
            result_ = link->functions->SendChat(link, line_);
            callTimes_.push_back(nowMs() - start);
            SetEvent(done_);
        }
        if (object) static_cast<IUnknown*>(object)->Release();
        CoUninitialize();
    }

    HANDLE go_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    HANDLE done_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    HANDLE thread_ = nullptr;
    // Handed between the threads only across the two events.
    BSTR line_ = nullptr;
    HRESULT result_ = E_FAIL;
    bool stopping_ = false;
    std::vector<double> callTimes_;
};

std::wstring lineText(const wchar_t* who, int index) {
    return std::wstring(who) + L" line " + std::to_wstring(index);
}

// Every line must have arrived once and in order, or the timings measured
// something else than delivery.
void checkLog(const std::vector<std::wstring>& expected) {
    const std::string log = e2e::readFileUtf8(e2e::standin::chatLogPath());
    std::string wanted;
    for (const std::wstring& line : expected) wanted += e2e::narrow(line) + "\n";
    if (log != wanted)
        throw std::runtime_error("the chat log does not hold exactly the lines sent (" + std::to_string(log.size()) +
                                 " bytes, wanted " + std::to_string(wanted.size()) + ")");
}

}  // namespace

int measureChatLatency(int lines) {
    constexpr int kWarmUpLines = 5;
    waitNoStandin();
    std::error_code ignored;
    std::filesystem::remove(e2e::standin::chatLogPath(), ignored);
    std::vector<std::wstring> expected;
    std::vector<double> viaRokan, direct, directCalls;
    {
        // Two stand-ins: the first one's single-use class object goes to
        // Rokan, the second one's to the runner; both append to the one log.
        e2e::Process forRokan = startStandin();
        std::optional<RokanChat> rokanChat(std::in_place);
        e2e::Process forRunner = startStandin();
        std::optional<DirectChat> directChat(std::in_place);
        rokanChat->takeFocus();
        // Alternating, so a busy moment of the machine weighs on both alike.
        for (int i = 0; i < kWarmUpLines + lines; ++i) {
            const bool timed = i >= kWarmUpLines;
            expected.push_back(lineText(L"rokan", i));
            const double viaRokanMs = rokanChat->send(expected.back());
            expected.push_back(lineText(L"direct", i));
            const double directMs = directChat->send(expected.back());
            if (timed) {
                viaRokan.push_back(viaRokanMs);
                direct.push_back(directMs);
            }
        }
        directCalls.assign(directChat->callTimes().begin() + kWarmUpLines, directChat->callTimes().end());
        rokanChat.reset();
        directChat.reset();
        letStandinLeave(forRokan);
        letStandinLeave(forRunner);
    }
    waitNoStandin();
    checkLog(expected);
    printResult("chat_rokan", viaRokan);
    printResult("chat_direct", direct);
    printResult("chat_direct_call", directCalls);
    return 0;
}

}  // namespace rokan::bench
