#include "chat_log.h"

#include <windows.h>

#include <algorithm>

#include "module_path.h"
#include "standin_commands.h"

namespace standin {

namespace {

void put_utf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool is_high(wchar_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool is_low(wchar_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

}  // namespace

std::string encode_chat_record(std::wstring_view text) {
    std::string out;
    out.reserve(text.size() + 1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t u = text[i];
        if (u == L'\\') {
            out += "\\\\";
        } else if (u == L'\r') {
            out += "\\r";
        } else if (u == L'\n') {
            out += "\\n";
        } else if (is_high(u) && i + 1 < text.size() && is_low(text[i + 1])) {
            const char32_t cp = 0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
            put_utf8(out, cp);
            ++i;
        } else {
            put_utf8(out, static_cast<char32_t>(u));
        }
    }
    out += '\n';
    return out;
}

bool append_chat_record(std::wstring_view text) {
    return append_beside_exe(STANDIN_CHAT_LOG_NAME, encode_chat_record(text));
}

bool append_closing_record(HRESULT returned) {
    char line[32];
    wsprintfA(line, "returned 0x%08lX\n", static_cast<unsigned long>(returned));
    return append_beside_exe(STANDIN_CLOSING_LOG_NAME, line);
}

bool append_beside_exe(const wchar_t* name, const std::string& record) {
    const std::wstring path = module_folder() + name;
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < record.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(record.size() - done, 1u << 20));
        ok = WriteFile(file, record.data() + done, chunk, &written, nullptr) && written > 0;
        done += written;
    }
    if (ok) ok = FlushFileBuffers(file);
    const DWORD error = GetLastError();
    CloseHandle(file);
    if (!ok) SetLastError(error ? error : ERROR_WRITE_FAULT);
    return ok;
}

}  // namespace standin
