// The Windows build links with -municode, whose startup code calls wmain;
// gtest_main only provides main.
#include <gtest/gtest.h>

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
