// Generates the bitmap font that the demos load: Arial32.tga (the glyph
// texture) and Arial32.dat (one advance record of two bytes per code).
#include <cstdio>
#include <string>

#include "glyph_atlas.h"
#include "tga_file.h"

namespace {

bool WriteWidths(const std::string& path, const GlyphAtlas& atlas) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool ok = true;
    for (int8_t width : atlas.widths) {
        const unsigned char record[2] = {static_cast<unsigned char>(width), 0};
        ok = ok && std::fwrite(record, 1, 2, file) == 2;
    }
    return std::fclose(file) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FONT.ttf OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    GlyphAtlas atlas;
    std::string error;
    if (!BuildGlyphAtlas(argv[1], atlas, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const std::string folder = argv[2];
    if (!WriteWhiteAlphaTga(folder + "/Arial32.tga", GlyphAtlas::kSide, GlyphAtlas::kSide,
                            atlas.coverage)) {
        std::fprintf(stderr, "cannot write %s/Arial32.tga\n", folder.c_str());
        return 1;
    }
    if (!WriteWidths(folder + "/Arial32.dat", atlas)) {
        std::fprintf(stderr, "cannot write %s/Arial32.dat\n", folder.c_str());
        return 1;
    }
    std::printf("font: %d pixels per em, baseline at row %d\n", atlas.pixelSize, atlas.baseline);
    return 0;
}
