// The C run-time's wide-character file opening, as Windows programs have it.
#pragma once

#include <cstdio>

#include "wintypes.h"

// fopen with a wide path (backslashes allowed) and a wide mode such as L"rb".
PLATFORM_API std::FILE* _wfopen(const wchar_t* path, const wchar_t* mode);
