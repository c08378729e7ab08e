#include "win32/dialog_template.h"

namespace platform {
namespace {

constexpr uint32_t kSetFont = 0x40;
constexpr uint32_t kShellFont = 0x48;

// Reads little-endian values in order; any read past the end marks it failed.
struct Reader {
    std::span<const uint8_t> bytes;
    size_t at = 0;
    bool failed = false;

    uint32_t Take(size_t n) {
        if (failed || bytes.size() - at < n) {
            failed = true;
            return 0;
        }
        uint32_t v = 0;
        for (size_t i = 0; i < n; ++i) v |= uint32_t{bytes[at + i]} << (8 * i);
        at += n;
        return v;
    }
    uint16_t Word() { return static_cast<uint16_t>(Take(2)); }
    uint32_t Dword() { return Take(4); }
    int16_t Short() { return static_cast<int16_t>(Take(2)); }

    // A zero-terminated UTF-16 string; pairs of surrogates become one character.
    std::wstring Text() {
        std::wstring s;
        while (!failed) {
            uint16_t unit = Word();
            if (unit == 0 || failed) break;
            if (unit >= 0xD800 && unit < 0xDC00) {
                uint16_t low = Word();
                if (low < 0xDC00 || low > 0xDFFF) failed = true;
                s += static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
            } else {
                s += static_cast<wchar_t>(unit);
            }
        }
        return s;
    }
    // A string, an ordinal (0xFFFF then the id), or nothing (a single 0).
    void TextOrOrdinal(std::wstring& text, uint16_t& ordinal) {
        if (at + 2 <= bytes.size() && bytes[at] == 0xFF && bytes[at + 1] == 0xFF) {
            Word();
            ordinal = Word();
        } else {
            text = Text();
        }
    }
    void AlignDword() {
        while (at % 4 && !failed) Take(1);
    }
};

}  // namespace

std::optional<DialogTemplate> ParseDialogTemplate(std::span<const uint8_t> bytes) {
    Reader r{bytes};
    DialogTemplate t;
    if (r.Word() != 1 || r.Word() != 0xFFFF) return std::nullopt;
    r.Dword();  // help id
    t.exStyle = r.Dword();
    t.style = r.Dword();
    uint16_t count = r.Word();
    t.x = r.Short(), t.y = r.Short(), t.cx = r.Short(), t.cy = r.Short();
    std::wstring menu, windowClass;
    uint16_t menuId = 0, classId = 0;
    r.TextOrOrdinal(menu, menuId);
    r.TextOrOrdinal(windowClass, classId);
    t.caption = r.Text();
    if ((t.style & kSetFont) || (t.style & kShellFont) == kShellFont) {
        t.pointSize = r.Word();
        t.weight = r.Word();
        t.italic = r.Take(1) != 0;
        t.charset = static_cast<uint8_t>(r.Take(1));
        t.typeface = r.Text();
    }
    for (uint16_t i = 0; i < count && !r.failed; ++i) {
        r.AlignDword();
        DialogItemTemplate item;
        r.Dword();  // help id
        item.exStyle = r.Dword();
        item.style = r.Dword();
        item.x = r.Short(), item.y = r.Short(), item.cx = r.Short(), item.cy = r.Short();
        item.id = r.Dword();
        r.TextOrOrdinal(item.className, item.classOrdinal);
        r.TextOrOrdinal(item.title, item.titleOrdinal);
        uint16_t extra = r.Word();
        if (bytes.size() - r.at < extra)
            r.failed = true;
        else
            r.at += extra;
        t.items.push_back(std::move(item));
    }
    if (r.failed) return std::nullopt;
    return t;
}

}  // namespace platform
