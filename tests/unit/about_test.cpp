#include <gtest/gtest.h>

#include "about_texts.h"
#include "fakes.h"
#include "form_fixture.h"
#include "about_box.h"

namespace rokan::test {
namespace {

class FakeAboutView : public AboutView {
public:
    explicit FakeAboutView(Journal& journal) : journal_(journal) {}
    void setLeft(float twips) override { record(L"left " + decimalText(std::lround(twips))); }
    void setTop(float twips) override { record(L"top " + decimalText(std::lround(twips))); }
    void setCaption(const std::wstring& caption) override { record(L"caption " + caption); }
    void setText(AboutLabel label, const std::wstring& text) override {
        static const wchar_t* const names[] = {L"lblTitle", L"lblVersion",    L"lblDescription",
                                               L"readme",   L"lblDisclaimer", L"copyright"};
        record(std::wstring(names[static_cast<int>(label)]) + L" " + text);
    }
    void close() override { record(L"close"); }

    std::set<std::wstring> refused;  // by the first word of the journalled step

private:
    void record(const std::wstring& step) {
        if (refused.count(step.substr(0, step.find(L' ')))) throw Failure{};
        journal_.push_back(step);
    }
    Journal& journal_;
};

class AboutBox : public ::testing::Test {
protected:
    Journal journal;
    Journal mainJournal;
    FakeView mainWindow{mainJournal};
    FakeDialogs dialogs{journal};
    FakeAboutView view{journal};
    frmAbout about{view, mainWindow, dialogs};
};

TEST_F(AboutBox, LoadPlacesItBesideTheMainWindowAndSetsTheTextsInOrder) {
    about.Form_Load();

    EXPECT_EQ(journal, (Journal{L"left 465", L"top 95", L"caption Rokan Version Info.", L"lblVersion Ver. 0.1.1",
                                L"lblTitle Rokan", std::wstring(L"lblDescription ") + kDescription,
                                L"readme HELP File is [ Readme.txt ]", L"lblDisclaimer Message:  Enjoy EchoLink Life!!",
                                std::wstring(L"copyright ") + kCopyright}));
}

TEST_F(AboutBox, EachOpeningFollowsTheMainWindowWhereverItIsNow) {
    mainWindow.leftPx = -40;
    mainWindow.topPx = 500;
    mainWindow.clientHeightPx = 10;

    about.Form_Load();

    EXPECT_EQ(journal.at(0), L"left -300");
    EXPECT_EQ(journal.at(1), L"top 7550");
}

TEST_F(AboutBox, AFailedLoadStepLeavesTheLaterTextsAsCreated) {
    view.refused.insert(L"lblDescription");

    about.Form_Load();

    EXPECT_EQ(journal, (Journal{L"left 465", L"top 95", L"caption Rokan Version Info.", L"lblVersion Ver. 0.1.1",
                                L"lblTitle Rokan", L"message frmAbout.Form_Load Error | Rokan"}));
}

TEST_F(AboutBox, OkClosesItAndAFailedCloseKeepsItOpenWithItsMessage) {
    about.cmdOK_Click();
    view.refused.insert(L"close");
    about.cmdOK_Click();

    EXPECT_EQ(journal, (Journal{L"close", L"message frmAbout.cmdOK_Click Error | Rokan"}));
}

using AboutMenu = FormTest;

TEST_F(AboutMenu, OpensTheBoxAndReportsItsOwnFailure) {
    start();
    form.mnuAbout_Click();
    dialogs.aboutFails = true;
    form.mnuAbout_Click();

    EXPECT_EQ(journal, (Journal{L"about", L"about", L"message mnuAbout Error | Rokan"}));
}

}  // namespace
}  // namespace rokan::test
