#include "core/text.h"

#include <cstdint>

namespace platform {
namespace {

constexpr char32_t kEscapeBase = 0xDC80;

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Length of the valid UTF-8 sequence at s[i], or 0 when it is not one.
size_t DecodeOne(std::string_view s, size_t i, char32_t& c) {
    auto byte = [&](size_t k) { return static_cast<uint8_t>(s[k]); };
    uint8_t b0 = byte(i);
    size_t len;
    char32_t min;
    if (b0 < 0x80) {
        c = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        len = 2, min = 0x80, c = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, min = 0x800, c = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, min = 0x10000, c = b0 & 0x07;
    } else {
        return 0;
    }
    if (i + len > s.size()) return 0;
    for (size_t k = 1; k < len; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return len;
}

}  // namespace

std::wstring Utf8ToWide(std::string_view utf8) {
    std::wstring out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        char32_t c;
        size_t len = DecodeOne(utf8, i, c);
        if (len == 0) {
            out += static_cast<wchar_t>(kEscapeBase + static_cast<uint8_t>(utf8[i]) - 0x80);
            i += 1;
        } else {
            out += static_cast<wchar_t>(c);
            i += len;
        }
    }
    return out;
}

std::string WideToUtf8(std::wstring_view wide) {
    std::string out;
    out.reserve(wide.size());
    for (wchar_t w : wide) {
        auto c = static_cast<char32_t>(w);
        if (c >= kEscapeBase && c <= kEscapeBase + 0x7F) {
            out += static_cast<char>(c - kEscapeBase + 0x80);
        } else if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            AppendUtf8(out, 0xFFFD);
        } else {
            AppendUtf8(out, c);
        }
    }
    return out;
}

std::string WideToUtf8(const wchar_t* wide) {
    return wide ? WideToUtf8(std::wstring_view(wide)) : std::string();
}

std::string WidePathToNative(const wchar_t* path) {
    std::string native = WideToUtf8(path);
    for (char& ch : native) {
        if (ch == '\\') ch = '/';
    }
    return native;
}

}  // namespace platform
