// Key queries. Each polls the keyboard itself; a failed poll (the window is in
// the background, say) acquires the keyboard again and answers that no key is down.
#include "core/engine_state.h"
#include "input/input_state.h"
#include "zolt.h"

namespace {

// The keys KeysChek reports, in the order it tests them: Esc, the digit row,
// minus, equals, Backspace, Tab, the three letter rows and the numeric pad's
// digits and minus.
constexpr BYTE kReportedKeys[] = {
    DIK_ESCAPE,  DIK_1,       DIK_2,        DIK_3,       DIK_4,       DIK_5,       DIK_6,
    DIK_7,       DIK_8,       DIK_9,        DIK_0,       DIK_MINUS,   DIK_EQUALS,  DIK_BACK,
    DIK_TAB,     DIK_Q,       DIK_W,        DIK_E,       DIK_R,       DIK_T,       DIK_Y,
    DIK_U,       DIK_I,       DIK_O,        DIK_P,       DIK_A,       DIK_S,       DIK_D,
    DIK_F,       DIK_G,       DIK_H,        DIK_J,       DIK_K,       DIK_L,       DIK_Z,
    DIK_X,       DIK_C,       DIK_V,        DIK_B,       DIK_N,       DIK_M,       DIK_NUMPAD7,
    DIK_NUMPAD8, DIK_NUMPAD9, DIK_SUBTRACT, DIK_NUMPAD4, DIK_NUMPAD5, DIK_NUMPAD6, DIK_NUMPAD1,
    DIK_NUMPAD2, DIK_NUMPAD3, DIK_NUMPAD0,
};

// False without a keyboard, or when the poll fails.
bool PollKeyboard() {
    InputState& input = engine.input;
    if (input.keyboard == nullptr) return false;
    if (FAILED(input.keyboard->GetDeviceState(sizeof input.keyState, input.keyState))) {
        input.keyboard->Acquire();
        return false;
    }
    return true;
}

bool Down(BYTE key) {
    return (engine.input.keyState[key] & 0x80) != 0;
}

}  // namespace

bool KeyChek(int dik) {
    if (dik < 0 || dik > 255) return false;
    return PollKeyboard() && Down(static_cast<BYTE>(dik));
}

int KeysChek() {
    if (!PollKeyboard()) return 0;
    for (BYTE key : kReportedKeys) {
        if (Down(key)) return key;
    }
    return 0;
}
