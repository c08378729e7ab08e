#include "resources/resource_setup.h"

#include "core/engine_state.h"

void InitResources(const wchar_t*) {
    ShowWindow(engine.window, SW_SHOWNORMAL);
    UpdateWindow(engine.window);
}
