// Identifiers of EchoLink's automation server as Rokan binds to them, for the
// stand-in and the benchmark. echolink.idl repeats them for widl.
#pragma once

#include <windows.h>
#include <oaidl.h>

namespace standin {

// LIBID of the "EchoLink" type library, version 1.8.
inline constexpr GUID kLibId{0x4CF5B97B, 0xA0F5, 0x41F3, {0x84, 0x8C, 0x6E, 0x25, 0xFA, 0xB6, 0x2A, 0xD3}};
inline constexpr WORD kLibMajor = 1;
inline constexpr WORD kLibMinor = 8;

inline constexpr CLSID kClsid{0xD1FB3C9A, 0xBB2D, 0x446A, {0xA7, 0x4A, 0xE7, 0x71, 0xF1, 0x34, 0xED, 0x56}};
inline constexpr IID kLinkIid{0x7733112C, 0x4577, 0x4432, {0x9D, 0xB0, 0xA9, 0x39, 0x81, 0x84, 0xEA, 0xF6}};
inline constexpr IID kEventsIid{0x6F55F7AF, 0x8DA6, 0x400F, {0x96, 0xEB, 0xC3, 0x71, 0xF0, 0x31, 0x16, 0x11}};

// Event numbering, as in echolink.idl.
inline constexpr DISPID kClosingDispid = 14;
inline constexpr DISPID kFirstOtherDispid = 1;
inline constexpr DISPID kLastOtherDispid = 13;

}  // namespace standin
