// COM as the engine uses it: per-thread initialisation and creating an
// in-process object by its class and interface ids.
#pragma once

#include "mmreg.h"
#include "wintypes.h"

using REFCLSID = const GUID&;
using REFIID = const GUID&;

constexpr DWORD COINIT_MULTITHREADED = 0x0;
constexpr DWORD COINIT_APARTMENTTHREADED = 0x2;
constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;

constexpr HRESULT CO_E_NOTINITIALIZED = static_cast<HRESULT>(0x800401F0u);
constexpr HRESULT REGDB_E_CLASSNOTREG = static_cast<HRESULT>(0x80040154u);
constexpr HRESULT CLASS_E_NOAGGREGATION = static_cast<HRESULT>(0x80040110u);
constexpr HRESULT RPC_E_CHANGED_MODE = static_cast<HRESULT>(0x80010106u);

// S_OK the first time on a thread, S_FALSE when the thread has COM already
// (each success wants its CoUninitialize), RPC_E_CHANGED_MODE when the thread
// asked for the other threading model before.
PLATFORM_API HRESULT CoInitializeEx(void* reserved, DWORD coInit);
PLATFORM_API void CoUninitialize();

// Only in-process classes exist; on failure *object is null.
PLATFORM_API HRESULT CoCreateInstance(REFCLSID clsid, void* outer, DWORD context, REFIID iid,
                                      void** object);
