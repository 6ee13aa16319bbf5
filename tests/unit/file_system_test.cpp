#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include "failure.h"
#include "file_system.h"
#include "temp_folder.h"

namespace rokan::test {
namespace {

// The machine's file layer (POSIX here, Windows' under Wine) as the two
// files' owners rely on it.
class MachineFileLayer : public ::testing::Test {
protected:
    std::wstring path(const std::wstring& name) const { return folder.windowsPath() + L"\\" + name; }
    TempFolder folder;
    FileSystem& files = machineFileSystem();
};

TEST_F(MachineFileLayer, AFolderMadeTwiceIsNoFailureAndOneWithoutItsParentIs) {
    files.createFolder(path(L"Rokan"));
    files.createFolder(path(L"Rokan"));
    files.writeFile(path(L"Rokan\\rokan.mute"), "x");
    EXPECT_THROW(files.createFolder(path(L"missing\\Rokan")), Failure);
    EXPECT_THROW(files.writeFile(path(L"missing\\rokan.ini"), "x"), Failure);
#ifndef _WIN32
    EXPECT_THROW(files.writeFile(path(L"\x80.ini"), "x"), Failure);  // the tests' POSIX layer takes ASCII only
#endif
}

// Gone afterwards is what counts: a file never there is gone too, a folder
// in its place is not.
TEST_F(MachineFileLayer, RemovingSaysWhetherTheFileIsGone) {
    folder.write("rokan.mute", "x");
    EXPECT_TRUE(files.removeFile(path(L"rokan.mute")));
    EXPECT_EQ(folder.read("rokan.mute"), "<missing>");
    EXPECT_TRUE(files.removeFile(path(L"rokan.mute")));
    folder.makeFolder("rokan.ini");
    folder.write("rokan.ini/inside", "x");
    EXPECT_FALSE(files.removeFile(path(L"rokan.ini")));
}

// No read may keep its file open: here, with few files allowed open, many
// reads run out if one does.
TEST_F(MachineFileLayer, ReadsGiveTheStartOfTheFileAndKeepNothingOpen) {
    folder.write("rokan.ini", "position= 165, 45, 4500, 2115\r\n");
#ifndef _WIN32
    rlimit before{};
    getrlimit(RLIMIT_NOFILE, &before);
    rlimit few = before;
    few.rlim_cur = 64;
    setrlimit(RLIMIT_NOFILE, &few);
#endif
    int read = 0;
    while (read < 200 && files.readStart(path(L"rokan.ini"), 9) == "position=") ++read;
#ifndef _WIN32
    setrlimit(RLIMIT_NOFILE, &before);
#endif
    EXPECT_EQ(read, 200);
    EXPECT_EQ(files.readStart(path(L"rokan.mute"), 9), std::nullopt);
}

}  // namespace
}  // namespace rokan::test
