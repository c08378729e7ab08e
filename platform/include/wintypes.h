// The basic Windows types the engine and its programs are written with.
// wchar_t is the platform's wide character; on Linux it holds a whole code point.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform_api.h"

using BYTE = uint8_t;
using WORD = uint16_t;
using DWORD = uint32_t;
using UINT = uint32_t;
using LONG = int32_t;
using ULONG = uint32_t;
using BOOL = int;
using HRESULT = int32_t;
using WCHAR = wchar_t;
using LPWSTR = wchar_t*;
using LPCWSTR = const wchar_t*;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using ULONG_PTR = uintptr_t;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

// Handles are opaque pointers owned by the platform.
struct HWND__;
struct HINSTANCE__;
struct HICON__;
struct HCURSOR__;
struct HGDIOBJ__;
struct HMENU__;
struct HMMIO__;
using HWND = HWND__*;
using HINSTANCE = HINSTANCE__*;
using HMODULE = HINSTANCE__*;
using HICON = HICON__*;
using HCURSOR = HCURSOR__*;
using HGDIOBJ = HGDIOBJ__*;
using HBRUSH = HGDIOBJ__*;
using HMENU = HMENU__*;

struct POINT {
    LONG x;
    LONG y;
};

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003u);

constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
constexpr bool FAILED(HRESULT hr) { return hr < 0; }

// A small integer resource or class id passed where a name is expected.
inline wchar_t* MAKEINTRESOURCEW(WORD id) {
    return reinterpret_cast<wchar_t*>(static_cast<ULONG_PTR>(id));
}
inline bool IS_INTRESOURCE(const wchar_t* name) {
    return (reinterpret_cast<ULONG_PTR>(name) >> 16) == 0;
}
