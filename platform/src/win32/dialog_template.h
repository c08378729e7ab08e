// Dialog templates (the extended form) as a module's RT_DIALOG resource holds them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

struct DialogItemTemplate {
    uint32_t id = 0;
    uint32_t exStyle = 0;
    uint32_t style = 0;
    int16_t x = 0, y = 0, cx = 0, cy = 0;  // dialog units
    uint16_t classOrdinal = 0;             // 0x0082 is the static control
    std::wstring className;                // when the class is named instead
    uint16_t titleOrdinal = 0;             // a resource id, for a bitmap control
    std::wstring title;
};

struct DialogTemplate {
    uint32_t exStyle = 0;
    uint32_t style = 0;
    int16_t x = 0, y = 0, cx = 0, cy = 0;
    std::wstring caption;
    uint16_t pointSize = 0;
    uint16_t weight = 0;
    bool italic = false;
    uint8_t charset = 0;
    std::wstring typeface;
    std::vector<DialogItemTemplate> items;
};

// Nothing when the bytes are not a whole, consistent extended template.
std::optional<DialogTemplate> ParseDialogTemplate(std::span<const uint8_t> bytes);

}  // namespace platform
