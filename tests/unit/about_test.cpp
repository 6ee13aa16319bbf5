#include "about_texts.h"
#include "form_fixture.h"
#include "about_box.h"
#include "version.h"

namespace rokan::test {
namespace {

class FakeAboutView : public AboutView {
public:
    explicit FakeAboutView(Journal& journal) : journal_(journal) {}
    void setLeft(float twips) override { record(L"left " + decimalText(std::lround(twips))); }
    void setTop(float twips) override { record(L"top " + decimalText(std::lround(twips))); }
    void setCaption(const std::wstring& caption) override { record(L"caption " + caption); }
    void setText(AboutLabel label, const std::wstring& text) override { record(nameOf(label) + L" " + text); }
    void close() override { record(L"close"); }

    std::set<std::wstring> refused;  // by the first word of the journalled step

private:
    void record(const std::wstring& step) {
        if (refused.count(step.substr(0, step.find(L' ')))) throw Failure{};
        journal_.push_back(step);
    }
    Journal& journal_;
};

using AboutBox = FormTest;

// Each opening follows the main window wherever it is now, whatever its
// height; a failed step leaves the later texts as created.
TEST_F(AboutBox, LoadPlacesItBesideTheMainWindowAndSetsTheTextsInOrder) {
    FakeAboutView box{journal};  // beside the fixture's main window, in the same journal
    frmAbout about{box, view, dialogs};
    about.Form_Load();

    EXPECT_EQ(journal,
              (Journal{L"left 465", L"top 95", L"caption Rokan Version Info.",
                       std::wstring(L"lblVersion Ver. ") + kVersionNumbers, L"lblTitle Rokan",
                       std::wstring(L"lblDescription ") + kDescription, L"readme HELP File is [ Readme.txt ]",
                       L"lblDisclaimer Message:  Enjoy EchoLink Life!!", std::wstring(L"copyright ") + kCopyright}));

    view.leftPx = -40, view.topPx = 500, view.clientHeightPx = 10;
    box.refused.insert(L"lblDescription");
    journal.clear();
    about.Form_Load();

    EXPECT_EQ(steps(), L"left -300; top 7550; caption Rokan Version Info.; lblVersion Ver. " +
                           std::wstring(kVersionNumbers) +
                           L"; lblTitle Rokan; message frmAbout.Form_Load Error | Rokan");
}

}  // namespace
}  // namespace rokan::test
