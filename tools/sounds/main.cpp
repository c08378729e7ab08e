// Generates the demos' sounds into the folder given.
#include <cstdio>
#include <string>

#include "sounds.h"
#include "wav_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    struct Sound {
        const char* file;
        Samples (*make)();
    };
    const Sound sounds[] = {
        {"kuk.wav", MakeCuckoo},    {"wind.wav", MakeWind}, {"wp.wav", MakeBrook},
        {"bird.wav", MakeBirdsong}, {"wolf.wav", MakeWolf}, {"nig.wav", MakeNightingale},
    };
    for (const Sound& sound : sounds) {
        const std::string path = std::string(argv[1]) + "/" + sound.file;
        if (!WriteWav(path, sound.make())) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
