// The platform's DirectInput devices and cursor position, in process and
// headless: creation errors, formats and levels, acquisition with the focus,
// polls of the host's input, and the cursor in screen and client coordinates.
#include <gtest/gtest.h>

#include <cstring>

#include "dinput.h"
#include "win32/host_input.h"
#include "win32/window.h"

namespace {

using platform::HostInput;
using platform::MoveFocus;

LRESULT Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeWindow(DWORD style, int x, int y) {
    static const ATOM atom = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = Proc;
        wc.lpszClassName = L"input test";
        return RegisterClassExW(&wc);
    }();
    EXPECT_NE(atom, 0);
    return CreateWindowExW(0, L"input test", L"", style, x, y, 300, 200, nullptr, nullptr, nullptr,
                           nullptr);
}

// DirectInput, a captioned window with the focus, and the host's input cleared.
struct Devices : testing::Test {
    IDirectInput8W* input = nullptr;
    HWND window = nullptr;

    void SetUp() override {
        HostInput() = {};
        window = MakeWindow(WS_CAPTION | WS_SYSMENU, 100, 200);
        ASSERT_NE(window, nullptr);
        MoveFocus(window);
        void* object = nullptr;
        ASSERT_EQ(DirectInput8Create(nullptr, 0x0800, IID_IDirectInput8W, &object, nullptr), DI_OK);
        input = static_cast<IDirectInput8W*>(object);
    }
    void TearDown() override {
        if (input) input->Release();
        DestroyWindow(window);
        HostInput() = {};
    }

    // A device with its format and the engine's level, acquired.
    IDirectInputDevice8W* Ready(const GUID& kind, const DIDATAFORMAT& format, DWORD level = 6) {
        IDirectInputDevice8W* device = nullptr;
        EXPECT_EQ(input->CreateDevice(kind, &device, nullptr), DI_OK);
        EXPECT_EQ(device->SetDataFormat(&format), DI_OK);
        EXPECT_EQ(device->SetCooperativeLevel(window, level), DI_OK);
        EXPECT_EQ(device->Acquire(), DI_OK);
        return device;
    }
};

struct CreateCase {
    DWORD version;
    const GUID* iid;
    bool outer;
    HRESULT result;
};

TEST(DirectInputCreate, WantsVersion8TheInterfaceAndNoAggregation) {
    int outer = 0;
    const CreateCase cases[] = {
        {0x0800, &IID_IDirectInput8W, false, DI_OK},
        {0x0700, &IID_IDirectInput8W, false, DIERR_OLDDIRECTINPUTVERSION},
        {0x0800, &GUID_SysKeyboard, false, DIERR_NOINTERFACE},
        {0x0800, &IID_IDirectInput8W, true, DIERR_NOAGGREGATION},
    };
    for (const CreateCase& c : cases) {
        void* object = &outer;  // a failure must not leave this behind
        EXPECT_EQ(
            DirectInput8Create(nullptr, c.version, *c.iid, &object, c.outer ? &outer : nullptr),
            c.result)
            << std::hex << c.version;
        EXPECT_EQ(object != nullptr, c.result == DI_OK);
        if (object) static_cast<IDirectInput8W*>(object)->Release();
    }
    EXPECT_EQ(DirectInput8Create(nullptr, 0x0800, IID_IDirectInput8W, nullptr, nullptr),
              DIERR_INVALIDPARAM);
}

TEST_F(Devices, OnlyTheSystemKeyboardAndMouseExist) {
    IDirectInputDevice8W* device = nullptr;
    EXPECT_EQ(input->CreateDevice(IID_IDirectInput8W, &device, nullptr), DIERR_DEVICENOTREG);
    EXPECT_EQ(device, nullptr);
    EXPECT_EQ(input->CreateDevice(GUID_SysMouse, nullptr, nullptr), DIERR_INVALIDPARAM);
}

TEST_F(Devices, EachDeviceTakesOnlyItsOwnFormat) {
    IDirectInputDevice8W* keyboard = nullptr;
    IDirectInputDevice8W* mouse = nullptr;
    ASSERT_EQ(input->CreateDevice(GUID_SysKeyboard, &keyboard, nullptr), DI_OK);
    ASSERT_EQ(input->CreateDevice(GUID_SysMouse, &mouse, nullptr), DI_OK);
    EXPECT_EQ(keyboard->SetDataFormat(&c_dfDIMouse), DIERR_INVALIDPARAM);
    EXPECT_EQ(mouse->SetDataFormat(&c_dfDIKeyboard), DIERR_INVALIDPARAM);
    EXPECT_EQ(mouse->SetDataFormat(nullptr), DIERR_INVALIDPARAM);
    // Without a format a device cannot be acquired.
    EXPECT_EQ(keyboard->SetCooperativeLevel(window, 6), DI_OK);
    EXPECT_EQ(keyboard->Acquire(), DIERR_INVALIDPARAM);
    keyboard->Release();
    mouse->Release();
}

TEST_F(Devices, CooperativeLevelWantsOneOfEachPairAndALiveWindow) {
    IDirectInputDevice8W* keyboard = nullptr;
    ASSERT_EQ(input->CreateDevice(GUID_SysKeyboard, &keyboard, nullptr), DI_OK);
    const std::pair<DWORD, HRESULT> levels[] = {
        {DISCL_NONEXCLUSIVE | DISCL_FOREGROUND, DI_OK},
        {DISCL_EXCLUSIVE | DISCL_BACKGROUND, DI_OK},
        {0, DIERR_INVALIDPARAM},
        {DISCL_NONEXCLUSIVE, DIERR_INVALIDPARAM},
        {DISCL_EXCLUSIVE | DISCL_NONEXCLUSIVE | DISCL_FOREGROUND, DIERR_INVALIDPARAM},
        {DISCL_NONEXCLUSIVE | DISCL_FOREGROUND | DISCL_BACKGROUND, DIERR_INVALIDPARAM},
    };
    for (auto [level, result] : levels) {
        EXPECT_EQ(keyboard->SetCooperativeLevel(window, level), result) << level;
    }
    EXPECT_EQ(keyboard->SetCooperativeLevel(nullptr, 6), DIERR_INVALIDPARAM);
    EXPECT_EQ(keyboard->SetCooperativeLevel(reinterpret_cast<HWND>(0x7777), 6), DIERR_INVALIDPARAM);
    keyboard->Release();
}

TEST_F(Devices, AForegroundDeviceReadsOnlyWhileItsWindowHasTheFocus) {
    IDirectInputDevice8W* keyboard = Ready(GUID_SysKeyboard, c_dfDIKeyboard);
    HostInput().keys[DIK_SPACE] = 0x80;
    BYTE keys[256] = {};
    ASSERT_EQ(keyboard->GetDeviceState(256, keys), DI_OK);
    EXPECT_EQ(keys[DIK_SPACE], 0x80);
    EXPECT_EQ(keys[DIK_A], 0);

    MoveFocus(nullptr);
    std::memset(keys, 0x11, sizeof keys);
    EXPECT_EQ(keyboard->GetDeviceState(256, keys), DIERR_INPUTLOST);
    EXPECT_EQ(keyboard->GetDeviceState(256, keys), DIERR_NOTACQUIRED);
    EXPECT_EQ(keys[DIK_SPACE], 0x11);  // a failed poll writes nothing
    EXPECT_EQ(keyboard->Acquire(), DIERR_OTHERAPPHASPRIO);

    MoveFocus(window);
    EXPECT_EQ(keyboard->GetDeviceState(256, keys), DIERR_NOTACQUIRED);
    EXPECT_EQ(keyboard->Acquire(), DI_OK);
    EXPECT_EQ(keyboard->Acquire(), DI_NOEFFECT);
    EXPECT_EQ(keyboard->GetDeviceState(256, keys), DI_OK);
    EXPECT_EQ(keys[DIK_SPACE], 0x80);

    EXPECT_EQ(keyboard->Unacquire(), DI_OK);
    EXPECT_EQ(keyboard->GetDeviceState(256, keys), DIERR_NOTACQUIRED);
    keyboard->Release();
}

TEST_F(Devices, ABackgroundDeviceReadsWithoutTheFocus) {
    IDirectInputDevice8W* keyboard =
        Ready(GUID_SysKeyboard, c_dfDIKeyboard, DISCL_NONEXCLUSIVE | DISCL_BACKGROUND);
    MoveFocus(nullptr);
    BYTE keys[256];
    EXPECT_EQ(keyboard->GetDeviceState(256, keys), DI_OK);
    keyboard->Release();
}

TEST_F(Devices, APollWantsTheSizeOfTheFormat) {
    IDirectInputDevice8W* keyboard = Ready(GUID_SysKeyboard, c_dfDIKeyboard);
    IDirectInputDevice8W* mouse = Ready(GUID_SysMouse, c_dfDIMouse);
    BYTE buffer[512];
    EXPECT_EQ(keyboard->GetDeviceState(255, buffer), DIERR_INVALIDPARAM);
    EXPECT_EQ(keyboard->GetDeviceState(512, buffer), DIERR_INVALIDPARAM);
    EXPECT_EQ(keyboard->GetDeviceState(256, nullptr), DIERR_INVALIDPARAM);
    EXPECT_EQ(mouse->GetDeviceState(256, buffer), DIERR_INVALIDPARAM);
    EXPECT_EQ(mouse->GetDeviceState(sizeof(DIMOUSESTATE), buffer), DI_OK);
    keyboard->Release();
    mouse->Release();
}

TEST_F(Devices, MousePollsTakeTheMovementSinceTheLastSuccessfulPoll) {
    IDirectInputDevice8W* mouse = Ready(GUID_SysMouse, c_dfDIMouse);
    HostInput().mouseDx = 5;
    HostInput().mouseDy = -3;
    HostInput().mouseDz = 240;
    HostInput().buttons[1] = 0x80;
    DIMOUSESTATE state{};
    ASSERT_EQ(mouse->GetDeviceState(sizeof state, &state), DI_OK);
    EXPECT_EQ(state.lX, 5);
    EXPECT_EQ(state.lY, -3);
    EXPECT_EQ(state.lZ, 240);
    EXPECT_EQ(state.rgbButtons[0], 0);
    EXPECT_EQ(state.rgbButtons[1], 0x80);

    HostInput().mouseDx = 7;
    MoveFocus(nullptr);
    EXPECT_EQ(mouse->GetDeviceState(sizeof state, &state), DIERR_INPUTLOST);
    MoveFocus(window);
    ASSERT_EQ(mouse->Acquire(), DI_OK);
    ASSERT_EQ(mouse->GetDeviceState(sizeof state, &state), DI_OK);
    EXPECT_EQ(state.lX, 7);  // not taken by the failed poll
    EXPECT_EQ(state.lY, 0);
    EXPECT_EQ(state.lZ, 0);
    EXPECT_EQ(state.rgbButtons[1], 0x80);  // buttons stay down until released
    mouse->Release();
}

TEST_F(Devices, ReferencesKeepAnObjectUntilTheLastRelease) {
    IDirectInputDevice8W* mouse = Ready(GUID_SysMouse, c_dfDIMouse);
    EXPECT_EQ(mouse->AddRef(), 2u);
    EXPECT_EQ(mouse->Release(), 1u);
    EXPECT_EQ(mouse->Release(), 0u);
    EXPECT_EQ(input->AddRef(), 2u);
    EXPECT_EQ(input->Release(), 1u);
}

TEST_F(Devices, TheCursorIsOnTheScreenAtTheMainWindowsClientArea) {
    // The main window's client area starts at its outer position plus the frame.
    HostInput().cursor = {-5, 7};
    POINT point{};
    ASSERT_TRUE(GetCursorPos(&point));
    EXPECT_EQ(point.x, 100 + platform::kFrameLeft - 5);
    EXPECT_EQ(point.y, 200 + platform::kFrameTop + 7);
    POINT client = point;
    ASSERT_TRUE(ScreenToClient(window, &client));
    EXPECT_EQ(client.x, -5);
    EXPECT_EQ(client.y, 7);

    // A window without a caption has its client area at its outer position.
    HWND popup = MakeWindow(WS_POPUP, 50, 60);
    client = point;
    ASSERT_TRUE(ScreenToClient(popup, &client));
    EXPECT_EQ(client.x, point.x - 50);
    EXPECT_EQ(client.y, point.y - 60);
    DestroyWindow(popup);

    EXPECT_FALSE(ScreenToClient(nullptr, &client));
    EXPECT_FALSE(ScreenToClient(window, nullptr));
    EXPECT_FALSE(GetCursorPos(nullptr));
}

}  // namespace
