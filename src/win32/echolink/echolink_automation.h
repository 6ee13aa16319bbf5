#pragma once
// EchoLink's automation server as Rokan binds to it.
#include <windows.h>
#include <oaidl.h>

#include <cstddef>

namespace rokan::echolink {

// {D1FB3C9A-BB2D-446A-A74A-E771F134ED56}: the application object.
inline constexpr CLSID kApplicationClass{0xD1FB3C9A, 0xBB2D, 0x446A, {0xA7, 0x4A, 0xE7, 0x71, 0xF1, 0x34, 0xED, 0x56}};
// {7733112C-4577-4432-9DB0-A9398184EAF6}: the interface every call goes through.
inline constexpr IID kApplicationInterface{
    0x7733112C, 0x4577, 0x4432, {0x9D, 0xB0, 0xA9, 0x39, 0x81, 0x84, 0xEA, 0xF6}};
// {6F55F7AF-8DA6-400F-96EB-C371F0311611}: the events; Closing is the first.
inline constexpr IID kEventInterface{0x6F55F7AF, 0x8DA6, 0x400F, {0x96, 0xEB, 0xC3, 0x71, 0xF0, 0x31, 0x16, 0x11}};
// {4CF5B97B-A0F5-41F3-848C-6E25FAB62AD3} version 1.8: the type library describing them.
inline constexpr GUID kTypeLibrary{0x4CF5B97B, 0xA0F5, 0x41F3, {0x84, 0x8C, 0x6E, 0x25, 0xFA, 0xB6, 0x2A, 0xD3}};
inline constexpr WORD kTypeLibraryMajor = 1;
inline constexpr WORD kTypeLibraryMinor = 8;

// Only the chat-send method is called; it is entry 40 of the function table,
// counting from 0 with QueryInterface. Entries 0 to 6 are IUnknown's and
// IDispatch's, reached through IUnknown.
struct Application;
struct ApplicationFunctions {
    void* unknownAndDispatch[7];
    void* notCalled[33];
    HRESULT(STDMETHODCALLTYPE* SendChat)(Application* self, BSTR text);
};
static_assert(offsetof(ApplicationFunctions, SendChat) == 40 * sizeof(void*));

struct Application {
    const ApplicationFunctions* functions;
};

}  // namespace rokan::echolink
