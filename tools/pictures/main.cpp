// zolt_pictures OUT_DIR [--preview DIR]: writes the pictures into OUT_DIR and,
// when asked, composite previews for looking them over into DIR.
#include <cstdio>
#include <exception>
#include <string>

#include "pictures.h"
#include "preview.h"

int main(int argc, char** argv) {
    if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--preview")) {
        std::fprintf(stderr, "usage: %s OUT_DIR [--preview DIR]\n", argv[0]);
        return 2;
    }
    try {
        for (const pictures::PictureAsset& asset : pictures::PictureAssets()) {
            const std::string path = std::string(argv[1]) + "/" + asset.file;
            if (!pictures::WriteImage(path, asset.draw(), asset.kind)) {
                std::fprintf(stderr, "cannot write %s\n", path.c_str());
                return 1;
            }
        }
        if (argc == 4 && !pictures::WritePreviews(argv[3])) {
            std::fprintf(stderr, "cannot write the previews into %s\n", argv[3]);
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
