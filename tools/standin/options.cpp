#include "options.h"

#include <windows.h>

namespace standin {

namespace {

bool flag_is(const wchar_t* arg, const wchar_t* name) {
  if (arg[0] != L'/' && arg[0] != L'-') return false;
  return lstrcmpiW(arg + 1, name) == 0;
}

}  // namespace

std::optional<Options> parse_options(int argc, wchar_t** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const wchar_t* arg = argv[i];
    if (flag_is(arg, L"RegServer")) {
      options.action = Options::Action::Register;
    } else if (flag_is(arg, L"UnregServer")) {
      options.action = Options::Action::Unregister;
    } else if (flag_is(arg, L"Embedding") || flag_is(arg, L"Automation")) {
      options.embedding = true;
    } else if (flag_is(arg, L"fail")) {
      options.fail_sends = true;
    } else if (flag_is(arg, L"noobject")) {
      options.no_object = true;
    } else if (flag_is(arg, L"stay")) {
      options.stay = true;
    } else {
      return std::nullopt;
    }
  }
  return options;
}

}  // namespace standin
