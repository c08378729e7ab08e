#pragma once

#include <cstdint>

// The Unicode code point that the Windows-1251 code page puts at byte `code`,
// or 0 for the control codes and the one unassigned byte (0x98).
char32_t Cp1251ToUnicode(uint8_t code);
