# The shipped build's code compiled by a second compiler, clang for the
# mingw-w64 target, warnings as errors: code that only GCC accepts fails
# here. It uses the GCC toolchain's headers and libraries, found by asking
# that toolchain, and its driver links, since it knows its runtime's order.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(mingw_gxx ${CMAKE_CXX_COMPILER})

find_program(ROKAN_CLANGXX NAMES clang++ REQUIRED)
set(CMAKE_CXX_COMPILER ${ROKAN_CLANGXX})
set(CMAKE_CXX_COMPILER_TARGET ${TOOLCHAIN_PREFIX})
# libstdc++'s include folders, as GCC lists them (clang finds the C headers itself).
execute_process(COMMAND ${mingw_gxx} -x c++ -E -v -
  INPUT_FILE /dev/null OUTPUT_QUIET ERROR_VARIABLE gxx_search)
string(REGEX MATCHALL "\n [^\n]*/c\\+\\+[^\n]*" gxx_cxx_dirs "${gxx_search}")
set(CMAKE_CXX_FLAGS_INIT "-Werror")
foreach(dir IN LISTS gxx_cxx_dirs)
  string(STRIP "${dir}" dir)
  string(APPEND CMAKE_CXX_FLAGS_INIT " -isystem ${dir}")
endforeach()
set(CMAKE_AR ${TOOLCHAIN_PREFIX}-ar)
set(CMAKE_RANLIB ${TOOLCHAIN_PREFIX}-ranlib)
# After the platform's own rules, which would link with clang's driver.
set(ROKAN_MINGW_LINKER ${mingw_gxx})
set(CMAKE_USER_MAKE_RULES_OVERRIDE_CXX ${CMAKE_CURRENT_LIST_DIR}/mingw-link-with-gcc.cmake)
