// Conversions between the engine's wide strings and the UTF-8 of Linux.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// UTF-8 to wide. A byte that is not part of valid UTF-8 becomes U+DC80 + byte,
// so any file name survives the round trip and two names never become equal.
std::wstring Utf8ToWide(std::string_view utf8);

// Wide to UTF-8; U+DC80..U+DCFF turn back into their raw bytes, and any other
// value that is no character becomes U+FFFD.
std::string WideToUtf8(std::wstring_view wide);
std::string WideToUtf8(const wchar_t* wide);  // null gives ""

// A Windows-style path (backslashes) as a native path.
std::string WidePathToNative(const wchar_t* path);

}  // namespace platform
