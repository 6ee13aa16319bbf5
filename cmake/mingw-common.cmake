# mingw-w64 GCC for TOOLCHAIN_PREFIX's target. Cross-compiling on Linux it is
# Debian's, with the posix thread model (std::thread and friends work;
# winpthread is linked statically, so no DLL of the toolchain ships), and the
# tests run under Wine. On Windows (MSYS2's mingw32 or mingw64 shell) the
# tools carry no prefix, and the tests run as they are.
if(CMAKE_HOST_WIN32)
  set(mingw_names_c gcc)
  set(mingw_names_cxx g++)
  set(mingw_names_rc windres)
  set(mingw_names_widl widl)
else()
  set(mingw_names_c ${TOOLCHAIN_PREFIX}-gcc-posix)
  set(mingw_names_cxx ${TOOLCHAIN_PREFIX}-g++-posix)
  set(mingw_names_rc ${TOOLCHAIN_PREFIX}-windres)
  set(mingw_names_widl ${TOOLCHAIN_PREFIX}-widl)
endif()
find_program(ROKAN_MINGW_C NAMES ${mingw_names_c} REQUIRED)
find_program(ROKAN_MINGW_CXX NAMES ${mingw_names_cxx} REQUIRED)
find_program(ROKAN_MINGW_RC NAMES ${mingw_names_rc} REQUIRED)
find_program(WIDL NAMES ${mingw_names_widl})
set(CMAKE_C_COMPILER ${ROKAN_MINGW_C})
set(CMAKE_CXX_COMPILER ${ROKAN_MINGW_CXX})
set(CMAKE_RC_COMPILER ${ROKAN_MINGW_RC})
if(NOT CMAKE_HOST_WIN32)
  set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
  set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
  set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
  set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
  # Tests of the Windows build run under Wine; the wrapper owns the private prefix.
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine/run-exe)
endif()
