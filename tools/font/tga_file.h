#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes an uncompressed 32-bit TGA with the top-left origin flag set: white
// pixels whose alpha is `alpha` (width * height bytes, first row at the top).
bool WriteWhiteAlphaTga(const std::string& path, int width, int height,
                        const std::vector<uint8_t>& alpha);
