// Cursors, icons and stock objects. A cursor loaded from a .cur file can replace
// the normal arrow on the engine's windows; restoring brings the default back.
// Nothing outside the program's own windows changes.
#include <fstream>
#include <iterator>
#include <map>
#include <memory>

#include "core/text.h"
#include "core/trace.h"
#include "cursor/cursor_file.h"
#include "win32/host.h"

namespace platform {
namespace {

struct LoadedCursor {
    CursorImage image;
    std::string file;  // where it came from, for the trace
};

std::map<uintptr_t, std::unique_ptr<LoadedCursor>> cursors;
uintptr_t nextCursor = 0x2000;

// The stock objects are fixed handles that name nothing to be freed.
HCURSOR const kArrowCursor = reinterpret_cast<HCURSOR>(0x100);
HICON const kApplicationIcon = reinterpret_cast<HICON>(0x104);
HGDIOBJ const kNullBrush = reinterpret_cast<HGDIOBJ>(0x108);

LoadedCursor* FindCursor(HCURSOR handle) {
    auto it = cursors.find(reinterpret_cast<uintptr_t>(handle));
    return it == cursors.end() ? nullptr : it->second.get();
}

}  // namespace
}  // namespace platform

using namespace platform;

HCURSOR LoadCursorFromFileW(LPCWSTR fileName) {
    if (fileName == nullptr) return nullptr;
    std::string path = WidePathToNative(fileName);
    std::ifstream in(path, std::ios::binary);
    if (!in) return nullptr;
    std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    std::optional<CursorImage> image = ParseCursorFile(bytes);
    if (!image) return nullptr;
    auto cursor = std::make_unique<LoadedCursor>(LoadedCursor{std::move(*image), path});
    auto handle = reinterpret_cast<HCURSOR>(nextCursor);
    nextCursor += 2;
    cursors[reinterpret_cast<uintptr_t>(handle)] = std::move(cursor);
    return handle;
}

HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name) {
    return instance == nullptr && name == IDC_ARROW ? kArrowCursor : nullptr;
}

HICON LoadIconW(HINSTANCE instance, LPCWSTR name) {
    return instance == nullptr && name == IDI_APPLICATION ? kApplicationIcon : nullptr;
}

HGDIOBJ GetStockObject(int object) {
    return object == NULL_BRUSH ? kNullBrush : nullptr;
}

BOOL DestroyCursor(HCURSOR cursor) {
    return cursors.erase(reinterpret_cast<uintptr_t>(cursor)) ? TRUE : FALSE;
}

// The system takes the cursor over: its handle is used up.
BOOL SetSystemCursor(HCURSOR handle, DWORD id) {
    LoadedCursor* cursor = FindCursor(handle);
    if (cursor == nullptr || id != OCR_NORMAL) return FALSE;
    const CursorImage& image = cursor->image;
    HostSetCursor(image.width, image.height, image.hotspotX, image.hotspotY, image.rgba.data());
    Trace("cursor set " + cursor->file);
    DestroyCursor(handle);
    return TRUE;
}

BOOL SystemParametersInfoW(UINT action, UINT, void*, UINT) {
    if (action != SPI_SETCURSORS) return FALSE;
    HostRestoreCursor();
    Trace("cursor restore");
    return TRUE;
}
