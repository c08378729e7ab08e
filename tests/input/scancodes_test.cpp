// SDL's scancodes as DirectInput key codes: every key of a full US keyboard,
// each to a code of its own.
#include <gtest/gtest.h>

#include <SDL.h>

#include <map>

#include "dinput/scancodes.h"

namespace {

using platform::DikFromScancode;

TEST(Scancodes, KeysAcrossTheBoardMapToTheirSet1Codes) {
    const std::pair<SDL_Scancode, int> keys[] = {
        {SDL_SCANCODE_ESCAPE, 1},
        {SDL_SCANCODE_1, 2},
        {SDL_SCANCODE_0, 11},
        {SDL_SCANCODE_BACKSPACE, 14},
        {SDL_SCANCODE_Q, 16},
        {SDL_SCANCODE_P, 25},
        {SDL_SCANCODE_RETURN, 28},
        {SDL_SCANCODE_LCTRL, 29},
        {SDL_SCANCODE_A, 30},
        {SDL_SCANCODE_L, 38},
        {SDL_SCANCODE_GRAVE, 41},
        {SDL_SCANCODE_LSHIFT, 42},
        {SDL_SCANCODE_BACKSLASH, 43},
        {SDL_SCANCODE_Z, 44},
        {SDL_SCANCODE_M, 50},
        {SDL_SCANCODE_SLASH, 53},
        {SDL_SCANCODE_RSHIFT, 54},
        {SDL_SCANCODE_LALT, 56},
        {SDL_SCANCODE_SPACE, 57},
        {SDL_SCANCODE_CAPSLOCK, 58},
        {SDL_SCANCODE_F1, 59},
        {SDL_SCANCODE_F10, 68},
        {SDL_SCANCODE_NUMLOCKCLEAR, 69},
        {SDL_SCANCODE_KP_7, 71},
        {SDL_SCANCODE_KP_MINUS, 74},
        {SDL_SCANCODE_KP_PLUS, 78},
        {SDL_SCANCODE_KP_0, 82},
        {SDL_SCANCODE_KP_PERIOD, 83},
        {SDL_SCANCODE_F11, 87},
        {SDL_SCANCODE_F12, 88},
        {SDL_SCANCODE_KP_ENTER, 156},
        {SDL_SCANCODE_RCTRL, 157},
        {SDL_SCANCODE_KP_DIVIDE, 181},
        {SDL_SCANCODE_RALT, 184},
        {SDL_SCANCODE_HOME, 199},
        {SDL_SCANCODE_UP, 200},
        {SDL_SCANCODE_PAGEUP, 201},
        {SDL_SCANCODE_LEFT, 203},
        {SDL_SCANCODE_RIGHT, 205},
        {SDL_SCANCODE_END, 207},
        {SDL_SCANCODE_DOWN, 208},
        {SDL_SCANCODE_PAGEDOWN, 209},
        {SDL_SCANCODE_INSERT, 210},
        {SDL_SCANCODE_DELETE, 211},
        {SDL_SCANCODE_LGUI, 219},
        {SDL_SCANCODE_APPLICATION, 221},
    };
    for (auto [scancode, dik] : keys) {
        EXPECT_EQ(DikFromScancode(scancode), dik) << SDL_GetScancodeName(scancode);
    }
}

TEST(Scancodes, EveryCodeComesFromOneKeyAndOthersGiveNone) {
    std::map<int, int> keyOfCode;
    for (int scancode = -1; scancode <= SDL_NUM_SCANCODES; ++scancode) {
        int dik = DikFromScancode(scancode);
        if (dik == 0) continue;
        auto [it, added] = keyOfCode.emplace(dik, scancode);
        EXPECT_TRUE(added) << "code " << dik << " from scancodes " << it->second << " and "
                           << scancode;
    }
    EXPECT_EQ(keyOfCode.size(), 105u);  // 104 keys of a US board and the 102-key board's extra
    for (SDL_Scancode none : {SDL_SCANCODE_UNKNOWN, SDL_SCANCODE_AC_BACK, SDL_SCANCODE_F24}) {
        EXPECT_EQ(DikFromScancode(none), 0);
    }
}

}  // namespace
