// Chat sends: exact log records for awkward text, the slot layout, fail mode.

#include <windows.h>

#include <string>

#include "check_common.h"
#include "check_support.h"
#include "standin_commands.h"

namespace {

// Deterministic 100,000-unit text mixing ASCII, the escaped characters,
// Japanese and surrogate pairs.
std::wstring long_text() {
  static const wchar_t* const pieces[] = {L"a",  L"Z",      L" ",      L"\\",     L"\r",
                                          L"\n", L"\u65E5", L"\u672C", L"\u00E9", L"\U0001F600"};
  std::wstring text;
  unsigned seed = 12345;
  while (text.size() < 100000) {
    seed = seed * 1103515245u + 12345u;
    std::wstring_view piece = pieces[(seed >> 16) % 10];
    if (text.size() + piece.size() > 100000) piece = L"x";
    text += piece;
  }
  return text;
}

// One accepted send: S_OK, exactly `want` appended to the log, one more line
}  // namespace

// in the window's list.
void check_send(IHandLink* link, HWND window, BSTR text, const std::string& want, const char* what) {
  const auto size_before = file_size(standin_log());
  const LRESULT lines_before = list_count(window);
  const HRESULT hr = link->SendChat(text);
  std::string label = std::string(what) + ": send answers S_OK";
  expect_hr(hr, S_OK, label.c_str());
  const std::string got = read_from(standin_log(), size_before);
  label = std::string(what) + ": log gains exactly its record";
  expect(got == want, label.c_str());
  if (got != want)
    info("wanted %zu bytes, log gained %zu bytes", want.size(), got.size());
  label = std::string(what) + ": window lists one more line";
  expect(list_count(window) == lines_before + 1, label.c_str());
}

void check_sends(IHandLink* link, HWND window) {
  {
    Bstr text(L"");
    check_send(link, window, text.get(), "\n", "empty text");
  }
  check_send(link, window, nullptr, "\n", "NULL BSTR");
  {
    Bstr text(L"hello, world");
    check_send(link, window, text.get(), expected_record(L"hello, world"), "ASCII text");
  }
  {
    const std::wstring_view jp = L"\u3053\u3093\u306B\u3061\u306F\u3001\u4E16\u754C";
    Bstr text(jp);
    check_send(link, window, text.get(), expected_record(jp), "Japanese text");
    const std::string literal = "\xE3\x81\x93\xE3\x82\x93\xE3\x81\xAB\xE3\x81\xA1\xE3\x81\xAF"
                                "\xE3\x80\x81\xE4\xB8\x96\xE7\x95\x8C\n";
    expect(expected_record(jp) == literal, "the expected Japanese record matches its bytes");
  }
  {
    const std::wstring_view pairs = L"\U0001F600 \U00020BB7 \U0001F1EF\U0001F1F5";
    Bstr text(pairs);
    check_send(link, window, text.get(), expected_record(pairs), "surrogate pairs");
    Bstr one(L"\U0001F600");
    check_send(link, window, one.get(), "\xF0\x9F\x98\x80\n", "one surrogate pair, literal bytes");
  }
  {
    Bstr text(L"a\\b\rc\nd\r\n\\");
    check_send(link, window, text.get(), "a\\\\b\\rc\\nd\\r\\n\\\\\n", "backslash, CR, LF escaped");
  }
  {
    Bstr text(std::wstring_view(L"a\0b", 3));
    check_send(link, window, text.get(), std::string("a\0b\n", 4), "embedded NUL kept");
  }
  {
    const wchar_t lone[] = {L'x', 0xD800, L'y', 0xDC00};
    Bstr text(std::wstring_view(lone, 4));
    check_send(link, window, text.get(), "x\xED\xA0\x80y\xED\xB0\x80\n",
               "unpaired surrogates kept (WTF-8)");
  }
  {
    const std::wstring big = long_text();
    expect(big.size() == 100000, "the long text is 100,000 UTF-16 units");
    Bstr text(big);
    check_send(link, window, text.get(), expected_record(big), "100,000-character text");
  }
  {
    // Straight through the table, independent of IHandLink's layout.
    Bstr text(L"raw entry 40");
    const auto before = file_size(standin_log());
    expect_hr(call_vtable_entry(link, 40, text.get()), S_OK, "raw function-table entry 40 sends");
    expect(read_from(standin_log(), before) == "raw entry 40\n", "raw entry 40 logs its text");
    const auto before39 = file_size(standin_log());
    expect_hr(call_vtable_entry(link, 39), E_NOTIMPL, "entry 39 is a placeholder");
    expect(file_size(standin_log()) == before39, "entry 39 logs nothing");
  }
}

void check_fail_mode(IHandLink* link, HWND window) {
  command(window, STANDIN_CMD_FAIL_ON);
  const auto before = file_size(standin_log());
  const LRESULT lines = list_count(window);
  Bstr text(L"must not be logged");
  const HRESULT hr = link->SendChat(text.get());
  expect_hr(hr, E_FAIL, "fail mode: the client sees E_FAIL");
  expect(file_size(standin_log()) == before, "fail mode: nothing logged");
  expect(list_count(window) == lines, "fail mode: nothing listed");
  command(window, STANDIN_CMD_FAIL_OFF);
  Bstr again(L"accepted again");
  check_send(link, window, again.get(), "accepted again\n", "after fail mode off");
}

