// Loaded modules and the resources compiled into them. A module is the
// executable or a shared library; its handle is the address it is loaded at.
#pragma once

#include "wintypes.h"

struct HRSRC__;
struct HGLOBAL__;
using HRSRC = HRSRC__*;
using HGLOBAL = HGLOBAL__*;

#define RT_BITMAP MAKEINTRESOURCEW(2)
#define RT_DIALOG MAKEINTRESOURCEW(5)
#define RT_RCDATA MAKEINTRESOURCEW(10)

// Null: the executable. Otherwise the loaded module whose file name is name,
// compared without regard to ASCII letter case; "libzolt.so" also names a
// versioned file such as "libzolt.so.0". A name with a slash or backslash is
// compared with the whole path the module was loaded from. Null when none.
PLATFORM_API HMODULE GetModuleHandleW(LPCWSTR name);

// The resource of that name and type in module (null: the executable). Names
// and types are strings, compared without regard to ASCII letter case, or
// MAKEINTRESOURCEW ids. Null when the module has no such resource.
PLATFORM_API HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type);
// The resource's data; null when resource is not one of module's.
PLATFORM_API HGLOBAL LoadResource(HMODULE module, HRSRC resource);
// The resource's size in bytes; 0 when resource is not one of module's.
PLATFORM_API DWORD SizeofResource(HMODULE module, HRSRC resource);
// The first byte of loaded data. The data is read-only and lives as long as
// its module.
PLATFORM_API void* LockResource(HGLOBAL data);
// Compiled-in resources need no freeing: always FALSE, as nothing was freed.
PLATFORM_API BOOL FreeResource(HGLOBAL data);

// Registration of compiled-in resources, made by the code that the build's
// zolt_add_resources generates: a table of a module registers when the module
// loads and leaves when it unloads. The table's own address tells which module
// it belongs to.
struct ZoltResourceEntry {
    WORD typeId;          // the type's id, or 0 when it has a name
    const wchar_t* type;  // the type's name, or null
    WORD nameId;          // the resource's id, or 0 when it has a name
    const wchar_t* name;  // the resource's name, or null
    const unsigned char* begin;
    const unsigned char* end;
};

PLATFORM_API void ZoltRegisterResources(const ZoltResourceEntry* entries, size_t count);
PLATFORM_API void ZoltUnregisterResources(const ZoltResourceEntry* entries);
