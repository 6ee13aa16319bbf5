#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace standin {

// One log record: the text as UTF-8 with '\\', CR and LF written as the
// two-character escapes \\ \r \n, then a single LF. Unpaired surrogates are
// kept as their 3-byte generalized UTF-8 form (WTF-8) so that no UTF-16 input
// is altered or lost; every other unit, NUL included, is plain UTF-8.
std::string encode_chat_record(std::wstring_view text);

// Appends one record to standin-chat.log next to the exe and flushes it, so a
// test reading the file never sees half a record. On failure returns false
// with the Win32 error in GetLastError().
bool append_chat_record(std::wstring_view text);

// One line of standin-closing.log, as a sink's Closing call returns.
bool append_closing_record(HRESULT returned);

// Appends the bytes to the file of that name next to the exe, flushed.
bool append_beside_exe(const wchar_t* name, const std::string& record);

}  // namespace standin
