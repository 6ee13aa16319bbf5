#include "options.h"

#include <windows.h>

#include <cwchar>

#include "standin_commands.h"

namespace standin {

namespace {

bool flag_is(const wchar_t* arg, const wchar_t* name) {
    if (arg[0] != L'/' && arg[0] != L'-') return false;
    return lstrcmpiW(arg + 1, name) == 0;
}

// N of "/busy:N": plain digits, within the limit.
std::optional<unsigned> busy_flag_ms(const wchar_t* arg) {
    if ((arg[0] != L'/' && arg[0] != L'-') || _wcsnicmp(arg + 1, L"busy:", 5) != 0) return std::nullopt;
    if (!arg[6]) return std::nullopt;
    unsigned ms = 0;
    for (const wchar_t* d = arg + 6; *d; ++d) {
        if (*d < L'0' || *d > L'9') return std::nullopt;
        ms = ms * 10 + (*d - L'0');
        if (ms > STANDIN_BUSY_MAX_MS) return std::nullopt;
    }
    return ms;
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
            options.modes.fail_sends = true;
        } else if (flag_is(arg, L"hang")) {
            options.modes.hang_sends = true;
        } else if (flag_is(arg, L"hangcreate")) {
            options.hang_create = true;
        } else if (const auto ms = busy_flag_ms(arg)) {
            options.modes.busy_ms = *ms;
        } else if (flag_is(arg, L"noobject")) {
            options.modes.no_object = true;
        } else if (flag_is(arg, L"stay")) {
            options.stay = true;
        } else if (flag_is(arg, L"nestedonly")) {
            options.nested_only = true;
        } else {
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace standin
