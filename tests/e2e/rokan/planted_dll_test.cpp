// Rokan run from a folder where someone left DLLs under system DLLs' names, as
// Downloads may be: none of them may run inside Rokan.
#include "rokan_fixture.h"

namespace rokan::e2e {
namespace {

struct Planted {
    const char* name;
    // Why Wine, whatever Rokan does, takes a planted copy (and then ends Rokan
    // when it calls into it): such a DLL is not planted under Wine.
    const char* wineLoadsItAnyway;
};
constexpr Planted kPlanted[] = {
    {"version.dll", "Wine's user32.dll imports it: loaded before Rokan's first instruction"},
    {"uxtheme.dll", "Wine's comctl32.dll loads it in its DllMain, before Rokan's first instruction"},
    {"msimg32.dll", "Wine's uxtheme.dll delay-loads it, and Wine's delay loads search the exe's folder first"},
    {"dwmapi.dll", nullptr},
};

// Native first for these names, for rokan.exe alone, while it lives: Wine, like
// Windows, then takes the first copy on the search path, and Rokan's folder
// leads it unless Rokan says otherwise. (Wine reads WINEDLLOVERRIDES from its
// Unix environment, which a Windows parent cannot hand down.)
struct NativeFirst {
    static constexpr wchar_t kAppKey[] = L"Software\\Wine\\AppDefaults\\rokan.exe";
    explicit NativeFirst(const std::vector<std::string>& names) {
        for (const std::string& name : names)
            RegSetKeyValueW(HKEY_CURRENT_USER, (std::wstring(kAppKey) + L"\\DllOverrides").c_str(),
                            widen(name.substr(0, name.size() - 4)).c_str(), REG_SZ, L"native,builtin",
                            sizeof L"native,builtin");
    }
    ~NativeFirst() { RegDeleteTreeW(HKEY_CURRENT_USER, kAppKey); }
};

TEST_F(RokanTest, LoadsNoDllPlantedInItsFolder) {
    std::vector<std::string> planted;
    for (const Planted& dll : kPlanted) {
        if (kUnderWine && dll.wineLoadsItAnyway) {
            std::printf("not planted under Wine: %s (%s)\n", dll.name, dll.wineLoadsItAnyway);
            continue;
        }
        std::filesystem::copy_file(exeDir() / "planted" / dll.name, folder / dll.name);
        planted.push_back(dll.name);
    }
    const NativeFirst nativeFirst(planted);
    ASSERT_NE(startRokan(), nullptr);

    // What draws themed parts: the buttons, the panel's boxes, the About box, a message box.
    makeFull();
    HWND about = openAbout();
    ASSERT_NE(about, nullptr);
    click(GetDlgItem(about, IDOK));
    waitGone(about);
    standinCommand(STANDIN_CMD_FAIL_ON);
    ASSERT_NE(sendAndWaitBox(L".stat"), nullptr);
    answerMessageBox();
    // As uxtheme.dll loads dwmapi.dll on Windows: by its bare name, inside Rokan.
    for (const std::string& name : planted) EXPECT_TRUE(rokan->loadLibraryInside(widen(name))) << name;
    postClose(main);
    ASSERT_EQ(rokan->waitExit(), kExitedCleanly);

    for (const std::string& name : planted)
        EXPECT_FALSE(std::filesystem::exists(folder / (name + ".loaded")))
            << name << " from Rokan's folder ran inside Rokan";
}

}  // namespace
}  // namespace rokan::e2e
