// Scripted input (ZOLT_INPUT): events applied at the start of numbered ticks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class ScriptEventKind {
    KeyDown,        // a = DirectInput key code
    KeyUp,          // a = DirectInput key code
    MouseMove,      // a = dx, b = dy
    MouseWheel,     // a = wheel units (120 a notch)
    MouseDown,      // a = button (0 left, 1 right)
    MouseUp,        // a = button
    Cursor,         // a = x, b = y, client coordinates
    FocusOut,
    FocusIn,
    Close,
    DeviceLost,
    DeviceNotReset,
    DeviceOk,
    DeviceError,
};

struct ScriptEvent {
    uint64_t tick = 0;
    ScriptEventKind kind = ScriptEventKind::Close;
    int a = 0;
    int b = 0;
};

// Parses a whole script. Lines are "TICK EVENT ARGS"; '#' starts a comment.
// Events come back ordered by tick, keeping the file's order within a tick.
// On a bad line returns "NAME:LINE: what is wrong".
std::optional<std::string> ParseScript(std::string_view text, std::string_view name,
                                       std::vector<ScriptEvent>& events);

}  // namespace platform
