// Identifiers of the stand-in's automation server, as widl writes them from
// echolink.idl into echolink.h; Rokan keeps its own copy, which is what would
// catch a wrong one.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include "echolink.h"

namespace standin {

// The "EchoLink" type library, version 1.8.
inline const GUID& kLibId = LIBID_EchoLink;
inline constexpr WORD kLibMajor = 1;
inline constexpr WORD kLibMinor = 8;

inline const CLSID& kClsid = CLSID_StandinLink;
inline const IID& kLinkIid = IID_IStandinLink;
inline const IID& kEventsIid = DIID_DStandinEvents;

// Event numbering, as in echolink.idl.
inline constexpr DISPID kClosingDispid = 14;
inline constexpr DISPID kFirstOtherDispid = 1;
inline constexpr DISPID kLastOtherDispid = 13;

}  // namespace standin
