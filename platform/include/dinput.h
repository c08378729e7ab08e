// DirectInput 8 as the engine uses it: the system keyboard and mouse, read as
// immediate device state. Keys are named by PC set-1 scan codes; the extended
// keys are 0x80 + their code.
#pragma once

#include "mmreg.h"
#include "wintypes.h"

constexpr DWORD DIRECTINPUT_VERSION = 0x0800;

constexpr GUID IID_IDirectInput8W = {
    0x5A1C0E32, 0x7B4D, 0x4E61, {0x9F, 0x03, 0x2C, 0x8A, 0x41, 0xD6, 0x70, 0x15}};
constexpr GUID GUID_SysKeyboard = {
    0x5A1C0E33, 0x7B4D, 0x4E61, {0x9F, 0x03, 0x2C, 0x8A, 0x41, 0xD6, 0x70, 0x15}};
constexpr GUID GUID_SysMouse = {
    0x5A1C0E34, 0x7B4D, 0x4E61, {0x9F, 0x03, 0x2C, 0x8A, 0x41, 0xD6, 0x70, 0x15}};

// Cooperative levels: one of exclusive / non-exclusive and one of foreground /
// background. A foreground device reads only while its window has the focus.
constexpr DWORD DISCL_EXCLUSIVE = 0x1;
constexpr DWORD DISCL_NONEXCLUSIVE = 0x2;
constexpr DWORD DISCL_FOREGROUND = 0x4;
constexpr DWORD DISCL_BACKGROUND = 0x8;

constexpr HRESULT DI_OK = S_OK;
constexpr HRESULT DI_NOEFFECT = S_FALSE;  // Acquire on an acquired device, and the like
constexpr HRESULT DIERR_INVALIDPARAM = E_INVALIDARG;
constexpr HRESULT DIERR_NOINTERFACE = E_NOINTERFACE;
constexpr HRESULT DIERR_NOAGGREGATION = static_cast<HRESULT>(0x80040110u);
constexpr HRESULT DIERR_DEVICENOTREG = static_cast<HRESULT>(0x80040154u);
constexpr HRESULT DIERR_OLDDIRECTINPUTVERSION = static_cast<HRESULT>(0x8007047Eu);
constexpr HRESULT DIERR_NOTACQUIRED = static_cast<HRESULT>(0x8007000Cu);
constexpr HRESULT DIERR_INPUTLOST = static_cast<HRESULT>(0x8007001Eu);
// The window lacks the focus a foreground device needs to be acquired.
constexpr HRESULT DIERR_OTHERAPPHASPRIO = static_cast<HRESULT>(0x80070005u);

// The layout a device's state is read in. Only the two predefined formats exist.
struct DIDATAFORMAT {
    DWORD dwSize;      // of this record
    DWORD dwDataSize;  // bytes GetDeviceState fills
};

// The keyboard's state: 256 bytes by key code, bit 7 set while the key is down.
PLATFORM_API extern const DIDATAFORMAT c_dfDIKeyboard;
// The mouse's state: a DIMOUSESTATE of relative axes and button bytes.
PLATFORM_API extern const DIDATAFORMAT c_dfDIMouse;

struct DIMOUSESTATE {
    LONG lX;  // movement since the previous poll
    LONG lY;
    LONG lZ;             // wheel, 120 a notch, positive away from the user
    BYTE rgbButtons[4];  // 0 left, 1 right, 2 middle, 3 side; bit 7 down
};
static_assert(sizeof(DIMOUSESTATE) == 16);

struct IDirectInputDevice8W {
    PLATFORM_API ULONG AddRef();
    PLATFORM_API ULONG Release();
    PLATFORM_API HRESULT SetDataFormat(const DIDATAFORMAT* format);
    PLATFORM_API HRESULT SetCooperativeLevel(HWND window, DWORD flags);
    PLATFORM_API HRESULT Acquire();
    PLATFORM_API HRESULT Unacquire();
    PLATFORM_API HRESULT GetDeviceState(DWORD size, void* data);

protected:
    IDirectInputDevice8W() = default;
    ~IDirectInputDevice8W() = default;
};

struct IDirectInput8W {
    PLATFORM_API ULONG AddRef();
    PLATFORM_API ULONG Release();
    PLATFORM_API HRESULT CreateDevice(const GUID& device, IDirectInputDevice8W** out, void* outer);

protected:
    IDirectInput8W() = default;
    ~IDirectInput8W() = default;
};

PLATFORM_API HRESULT DirectInput8Create(HINSTANCE instance, DWORD version, const GUID& iid,
                                        void** out, void* outer);

// Key codes.
enum : BYTE {
    DIK_ESCAPE = 0x01,
    DIK_1 = 0x02,
    DIK_2 = 0x03,
    DIK_3 = 0x04,
    DIK_4 = 0x05,
    DIK_5 = 0x06,
    DIK_6 = 0x07,
    DIK_7 = 0x08,
    DIK_8 = 0x09,
    DIK_9 = 0x0A,
    DIK_0 = 0x0B,
    DIK_MINUS = 0x0C,
    DIK_EQUALS = 0x0D,
    DIK_BACK = 0x0E,
    DIK_TAB = 0x0F,
    DIK_Q = 0x10,
    DIK_W = 0x11,
    DIK_E = 0x12,
    DIK_R = 0x13,
    DIK_T = 0x14,
    DIK_Y = 0x15,
    DIK_U = 0x16,
    DIK_I = 0x17,
    DIK_O = 0x18,
    DIK_P = 0x19,
    DIK_LBRACKET = 0x1A,
    DIK_RBRACKET = 0x1B,
    DIK_RETURN = 0x1C,
    DIK_LCONTROL = 0x1D,
    DIK_A = 0x1E,
    DIK_S = 0x1F,
    DIK_D = 0x20,
    DIK_F = 0x21,
    DIK_G = 0x22,
    DIK_H = 0x23,
    DIK_J = 0x24,
    DIK_K = 0x25,
    DIK_L = 0x26,
    DIK_SEMICOLON = 0x27,
    DIK_APOSTROPHE = 0x28,
    DIK_GRAVE = 0x29,
    DIK_LSHIFT = 0x2A,
    DIK_BACKSLASH = 0x2B,
    DIK_Z = 0x2C,
    DIK_X = 0x2D,
    DIK_C = 0x2E,
    DIK_V = 0x2F,
    DIK_B = 0x30,
    DIK_N = 0x31,
    DIK_M = 0x32,
    DIK_COMMA = 0x33,
    DIK_PERIOD = 0x34,
    DIK_SLASH = 0x35,
    DIK_RSHIFT = 0x36,
    DIK_MULTIPLY = 0x37,  // numeric pad *
    DIK_LMENU = 0x38,     // left Alt
    DIK_SPACE = 0x39,
    DIK_CAPITAL = 0x3A,  // Caps Lock
    DIK_F1 = 0x3B,
    DIK_F2 = 0x3C,
    DIK_F3 = 0x3D,
    DIK_F4 = 0x3E,
    DIK_F5 = 0x3F,
    DIK_F6 = 0x40,
    DIK_F7 = 0x41,
    DIK_F8 = 0x42,
    DIK_F9 = 0x43,
    DIK_F10 = 0x44,
    DIK_NUMLOCK = 0x45,
    DIK_SCROLL = 0x46,
    DIK_NUMPAD7 = 0x47,
    DIK_NUMPAD8 = 0x48,
    DIK_NUMPAD9 = 0x49,
    DIK_SUBTRACT = 0x4A,  // numeric pad -
    DIK_NUMPAD4 = 0x4B,
    DIK_NUMPAD5 = 0x4C,
    DIK_NUMPAD6 = 0x4D,
    DIK_ADD = 0x4E,  // numeric pad +
    DIK_NUMPAD1 = 0x4F,
    DIK_NUMPAD2 = 0x50,
    DIK_NUMPAD3 = 0x51,
    DIK_NUMPAD0 = 0x52,
    DIK_DECIMAL = 0x53,  // numeric pad .
    DIK_OEM_102 = 0x56,  // the extra key beside left Shift on 102-key boards
    DIK_F11 = 0x57,
    DIK_F12 = 0x58,
    DIK_NUMPADENTER = 0x9C,
    DIK_RCONTROL = 0x9D,
    DIK_DIVIDE = 0xB5,  // numeric pad /
    DIK_SYSRQ = 0xB7,   // Print Screen
    DIK_RMENU = 0xB8,   // right Alt
    DIK_PAUSE = 0xC5,
    DIK_HOME = 0xC7,
    DIK_UP = 0xC8,
    DIK_PRIOR = 0xC9,  // Page Up
    DIK_LEFT = 0xCB,
    DIK_RIGHT = 0xCD,
    DIK_END = 0xCF,
    DIK_DOWN = 0xD0,
    DIK_NEXT = 0xD1,  // Page Down
    DIK_INSERT = 0xD2,
    DIK_DELETE = 0xD3,
    DIK_LWIN = 0xDB,
    DIK_RWIN = 0xDC,
    DIK_APPS = 0xDD,  // the menu key
};
