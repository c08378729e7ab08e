// CreateDialogParamW and its controls. The dialog is a window of its own, owned
// by the given owner; headless it is state and trace lines, and the SDL host
// shows it in a small borderless window.
#include "win32/dialog.h"

#include <algorithm>
#include <map>
#include <memory>

#include "core/trace.h"
#include "win32/dialog_template.h"
#include "win32/host.h"
#include "win32/sdl_dialog.h"
#include "win32_modules.h"

namespace platform {
namespace {

constexpr WORD kStaticClass = 0x0082;
const wchar_t* const kDialogClass = L"#32770";

std::map<HWND, std::unique_ptr<Dialog>> dialogs;

struct DialogProcedure {
    DLGPROC procedure = nullptr;
};
std::map<HWND, DialogProcedure> procedures;

LRESULT DialogWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto it = procedures.find(window);
    if (it != procedures.end() && it->second.procedure &&
        it->second.procedure(window, message, wParam, lParam)) {
        return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterDialogClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DialogWindowProc;
    wc.lpszClassName = kDialogClass;
    registered = RegisterClassExW(&wc) != 0;
}

RECT ToPixels(int x, int y, int cx, int cy) {
    int left = x * kDialogBaseX / 4, top = y * kDialogBaseY / 8;
    return RECT{left, top, left + cx * kDialogBaseX / 4, top + cy * kDialogBaseY / 8};
}

Dialog* FindDialog(HWND window) {
    auto it = dialogs.find(window);
    return it == dialogs.end() ? nullptr : it->second.get();
}

std::optional<DialogTemplate> LoadTemplate(HMODULE module, LPCWSTR name) {
    HRSRC found = FindResourceW(module, name, RT_DIALOG);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) return std::nullopt;
    return ParseDialogTemplate({static_cast<const uint8_t*>(bytes), SizeofResource(module, found)});
}

}  // namespace

bool IsDialogClass(const std::wstring& className) {
    return className == kDialogClass;
}

}  // namespace platform

using namespace platform;

HWND CreateDialogParamW(HINSTANCE module, LPCWSTR templateName, HWND owner, DLGPROC procedure,
                        LPARAM) {
    std::optional<DialogTemplate> dialogTemplate = LoadTemplate(module, templateName);
    if (!dialogTemplate) return nullptr;
    RegisterDialogClass();

    auto dialog = std::make_unique<Dialog>();
    dialog->module = module;
    RECT size = ToPixels(0, 0, dialogTemplate->cx, dialogTemplate->cy);
    dialog->width = size.right;
    dialog->height = size.bottom;
    for (const DialogItemTemplate& item : dialogTemplate->items) {
        if (item.classOrdinal != kStaticClass) continue;  // only static controls are shown
        DialogControl control;
        control.id = static_cast<int>(item.id);
        control.style = item.style;
        control.exStyle = item.exStyle;
        control.rect = ToPixels(item.x, item.y, item.cx, item.cy);
        if ((item.style & 0x1F) == SS_BITMAP)
            control.bitmap = item.titleOrdinal;
        else
            control.text = item.title;
        dialog->controls.push_back(std::move(control));
    }

    int x = dialogTemplate->x, y = dialogTemplate->y;
    if (dialogTemplate->style & DS_CENTER) {
        int sw, sh;
        HostScreenSize(sw, sh);
        x = (sw - dialog->width) / 2;
        y = (sh - dialog->height) / 2;
    }
    DWORD style = dialogTemplate->style & ~WS_VISIBLE;
    HWND window = CreateWindowExW(dialogTemplate->exStyle, kDialogClass,
                                  dialogTemplate->caption.c_str(), style, x, y, dialog->width,
                                  dialog->height, owner, nullptr, module, nullptr);
    if (window == nullptr) return nullptr;
    procedures[window] = DialogProcedure{procedure};
    dialog->window = window;
    Dialog& made = *dialog;
    dialogs[window] = std::move(dialog);
    FindWindow(window)->onDestroy.push_back([window] {
        Dialog* gone = FindDialog(window);
        if (gone && gone->view) SdlCloseDialog(*gone);
        Trace("dialog close");
        dialogs.erase(window);
        procedures.erase(window);
    });
    Trace("dialog open");
    if (dialogTemplate->style & WS_VISIBLE) {
        ShowWindow(window, SW_SHOW);
        if (HostWindowed()) SdlOpenDialog(made, x, y);
    }
    return window;
}

BOOL SetDlgItemInt(HWND window, int item, UINT value, BOOL isSigned) {
    Dialog* dialog = FindDialog(window);
    if (dialog == nullptr) return FALSE;
    for (DialogControl& control : dialog->controls) {
        if (control.id != item) continue;
        std::string digits =
            isSigned ? std::to_string(static_cast<int32_t>(value)) : std::to_string(value);
        control.text = std::wstring(digits.begin(), digits.end());
        Trace("dialog item " + std::to_string(item) + " " + digits);
        if (dialog->view) SdlDrawDialog(*dialog);
        return TRUE;
    }
    return FALSE;
}

UINT GetDlgItemTextW(HWND window, int item, LPWSTR text, int size) {
    Dialog* dialog = FindDialog(window);
    if (dialog == nullptr || text == nullptr || size <= 0) return 0;
    for (const DialogControl& control : dialog->controls) {
        if (control.id != item) continue;
        size_t n = std::min(control.text.size(), static_cast<size_t>(size - 1));
        control.text.copy(text, n);
        text[n] = 0;
        return static_cast<UINT>(n);
    }
    return 0;
}
