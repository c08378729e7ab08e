#include "win32/script_events.h"

#include "core/device_condition.h"
#include "core/settings.h"
#include "win32/host_input.h"
#include "win32/window.h"

namespace platform {
namespace {

size_t nextEvent = 0;

void SetButton(int button, bool down) {
    HostInput().buttons[button] = down ? 0x80 : 0;
}

void Apply(const ScriptEvent& event) {
    HostInputState& input = HostInput();
    Window* main = MainWindow();
    switch (event.kind) {
        case ScriptEventKind::KeyDown:
            input.keys[event.a] = 0x80;
            break;
        case ScriptEventKind::KeyUp:
            input.keys[event.a] = 0;
            break;
        case ScriptEventKind::MouseMove:
            input.mouseDx += event.a;
            input.mouseDy += event.b;
            break;
        case ScriptEventKind::MouseWheel:
            input.mouseDz += event.a;
            break;
        case ScriptEventKind::MouseDown:
            SetButton(event.a, true);
            break;
        case ScriptEventKind::MouseUp:
            SetButton(event.a, false);
            break;
        case ScriptEventKind::Cursor:
            input.cursor = {event.a, event.b};
            break;
        case ScriptEventKind::FocusOut:
            MoveFocus(nullptr);
            break;
        case ScriptEventKind::FocusIn:
            if (main) MoveFocus(main->handle);
            break;
        case ScriptEventKind::Close:
            if (main)
                PostMessageW(main->handle, WM_CLOSE, 0, 0);
            else
                PostQuitMessage(0);
            break;
        case ScriptEventKind::DeviceLost:
            SetDeviceCondition(DeviceCondition::Lost);
            break;
        case ScriptEventKind::DeviceNotReset:
            SetDeviceCondition(DeviceCondition::NotReset);
            break;
        case ScriptEventKind::DeviceOk:
            SetDeviceCondition(DeviceCondition::Ok);
            break;
        case ScriptEventKind::DeviceError:
            SetDeviceCondition(DeviceCondition::DriverError);
            break;
    }
}

}  // namespace

void ApplyScriptedEvents(uint64_t tick) {
    const std::vector<ScriptEvent>& script = GetSettings().script;
    while (nextEvent < script.size() && script[nextEvent].tick <= tick) Apply(script[nextEvent++]);
}

}  // namespace platform
