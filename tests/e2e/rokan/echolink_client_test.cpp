// Rokan's EchoLink client in this process, against the stand-in, with short
// bounds: what the apartments, the one call in flight and a hang of any
// length come to.
#include <objbase.h>

#include "com_echolink.h"
#include "failure.h"
#include "rokan_fixture.h"

namespace rokan::e2e {
namespace {

constexpr WaitBounds kShortBounds{500, 10000, 200};
constexpr UINT kClosing = WM_APP + 7;

// What a thread that never entered COM sees of this process's apartments.
std::pair<APTTYPE, APTTYPEQUALIFIER> apartmentSeenFromANewThread() {
    std::pair<APTTYPE, APTTYPEQUALIFIER> seen{APTTYPE_CURRENT, APTTYPEQUALIFIER_NONE};
    std::thread([&] { CoGetApartmentType(&seen.first, &seen.second); }).join();
    return seen;
}

class EchoLinkClient : public RokanTest {
protected:
    void SetUp() override {
        RokanTest::SetUp();
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        link.reset();
        DestroyWindow(window);
        CoUninitialize();
        RokanTest::TearDown();
    }
    void attach() {
        link.emplace(wait, window, kClosing);
        link->attach();
        ASSERT_TRUE(link->attached());
    }
    enum class Outcome { sent, refused, unanswered };
    Outcome send(const std::wstring& line) {
        try {
            link->sendChat(line);
            return Outcome::sent;
        } catch (const Unanswered& failure) {
            lastCause = failure.cause.call ? failure.cause.call : L"";
            return Outcome::unanswered;
        } catch (const Failure& failure) {
            lastCause = failure.cause.call ? failure.cause.call : L"";
            return Outcome::refused;
        }
    }

    Ending ending;
    EchoLinkWait wait{kShortBounds, ending};
    HWND window = nullptr;
    std::optional<ComEchoLink> link;
    std::wstring lastCause;  // what a failed send says to the debugger
};

// The multithreaded apartment that holds EchoLink's proxies lives from
// attaching to the release, whatever threads enter and leave it meanwhile.
// An EchoLink that turns calls away is asked again only within the bound: a
// line given up on never arrives later, and the next one goes as usual.
TEST_F(EchoLinkClient, TheProxiesApartmentLivesWhileAttachedAndALineTurnedAwayPastItsBoundIsGivenUp) {
    attach();
    EXPECT_EQ(apartmentSeenFromANewThread(), std::make_pair(APTTYPE_MTA, APTTYPEQUALIFIER_IMPLICIT_MTA));
    standinCommand(STANDIN_CMD_REJECT, 1500);
    const auto asked = Clock::now();
    EXPECT_EQ(send(L"given up"), Outcome::unanswered);
    EXPECT_LT(Clock::now() - asked, 1s);
    std::this_thread::sleep_until(asked + 2s);  // EchoLink takes calls again
    EXPECT_EQ(chatLog(), L"");

    std::thread([] {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        CoUninitialize();
    }).join();
    EXPECT_EQ(send(L"after another thread left"), Outcome::sent);
    EXPECT_EQ(apartmentSeenFromANewThread(), std::make_pair(APTTYPE_MTA, APTTYPEQUALIFIER_IMPLICIT_MTA));
    expectChatLog(L"after another thread left\n");

    link->release();
    EXPECT_TRUE(waitUntil([] { return apartmentSeenFromANewThread().first != APTTYPE_MTA; }));
}

// A call EchoLink answers late is carried out once: nothing else goes to
// EchoLink until it has answered, and after that every call goes again.
TEST_F(EchoLinkClient, ALateAnswerHoldsEveryOtherCallAndEachLineArrivesOnce) {
    startStandin(L"/busy:1500");
    attach();

    EXPECT_EQ(send(L"first"), Outcome::unanswered);
    EXPECT_EQ(lastCause, L"EchoLink's thread: no answer within the bound");
    const auto asked = Clock::now();
    EXPECT_EQ(send(L"first"), Outcome::refused);
    EXPECT_EQ(lastCause, L"EchoLink's thread: a call is outstanding or no thread");
    EXPECT_EQ(send(L"second"), Outcome::refused);
    EXPECT_LT(Clock::now() - asked, 100ms);

    expectChatLog(L"first\n");
    EXPECT_TRUE(waitUntil([&] { return send(L"third") != Outcome::refused; }));
    expectChatLog(L"first\nthird\n");
}

TEST_F(EchoLinkClient, AHangOfAnyLengthHoldsOneThread) {
    startStandin(L"/hang");
    attach();
    EXPECT_EQ(send(L".unmute N0CALL"), Outcome::unanswered);
    const int threads = Process::threadCount(GetCurrentProcessId());

    for (int tick = 0; tick < 60; ++tick) EXPECT_EQ(send(L".unmute N0CALL"), Outcome::refused);

    EXPECT_LE(Process::threadCount(GetCurrentProcessId()), threads);
    link->release();  // gives up at once: EchoLink has not answered
    standin->terminate();
}

TEST_F(EchoLinkClient, AnEchoLinkThatHangsOnCreationFailsTheAttachWithinItsBound) {
    startStandin(L"/hangcreate");
    const WaitBounds bounds{500, 1000, 200};
    EchoLinkWait attaching{bounds, ending};
    ComEchoLink hung(attaching, window, kClosing);
    const auto started = Clock::now();
    EXPECT_THROW(hung.attach(), Failure);
    EXPECT_GE(Clock::now() - started, 1s);
    EXPECT_LT(Clock::now() - started, 3s);
    EXPECT_FALSE(hung.attached());
    // Unregistered first: the creation still pending would otherwise have COM
    // start another stand-in, which could outlive this test.
    registerStandin(false);
    standin->terminate();
}

}  // namespace
}  // namespace rokan::e2e
