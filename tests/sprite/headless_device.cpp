#include "headless_device.h"

namespace sprite_test {

bool HeadlessDevice::Open(int clientWidth, int clientHeight) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = L"sprite_test";
    RegisterClassExW(&wc);  // already there after the first window
    window =
        CreateWindowExW(0, L"sprite_test", L"sprite test", WS_CAPTION | WS_SYSMENU, 0, 0,
                        clientWidth + 16, clientHeight + 39, nullptr, nullptr, nullptr, nullptr);
    direct3D = Direct3DCreate9(D3D_SDK_VERSION);
    if (window == nullptr || direct3D == nullptr) return false;
    D3DPRESENT_PARAMETERS parameters{};
    parameters.BackBufferFormat = D3DFMT_X8R8G8B8;
    parameters.BackBufferCount = 1;
    parameters.SwapEffect = D3DSWAPEFFECT_COPY;
    parameters.Windowed = TRUE;
    parameters.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
    return direct3D->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window,
                                  D3DCREATE_HARDWARE_VERTEXPROCESSING, &parameters,
                                  &device) == D3D_OK;
}

void HeadlessDevice::Close() {
    if (device) device->Release();
    if (direct3D) direct3D->Release();
    if (window) DestroyWindow(window);
    *this = HeadlessDevice{};
}

}  // namespace sprite_test
