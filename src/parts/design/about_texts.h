#pragma once

// What the About box says once loaded.
namespace rokan {

inline constexpr wchar_t kAboutCaptionAfterTitle[] = L" Version Info.";
inline constexpr wchar_t kDescription[] = L"Sysop's helper for EchoLink";
inline constexpr wchar_t kReadmeNote[] = L"HELP File is [ Readme.txt ]";
inline constexpr wchar_t kDisclaimer[] = L"Message:  Enjoy EchoLink Life!!";
inline constexpr wchar_t kCopyright[] = L"Copyright (C) 2026 the Rokan developers";

}  // namespace rokan
