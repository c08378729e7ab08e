// The platform's settings, read from ZOLT_* environment variables once, when
// the platform library loads. A setting that cannot be read stops the program
// there with a message naming the variable.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/script.h"

namespace platform {

enum class VideoSetting { Auto, Window, Headless };
enum class AudioSetting { Auto, Device, Null, Wav };

struct Settings {
    VideoSetting video = VideoSetting::Auto;
    int screenWidth = 1920;  // what the headless host reports
    int screenHeight = 1080;
    bool deviceNone = false;  // graphics device creation fails
    bool fixedClock = false;
    uint32_t clockStep = 0;   // fixed clock: ms added at the start of every tick
    uint32_t clockStart = 0;  // fixed clock: the reading at load
    std::optional<uint64_t> frames;  // close the window after this tick
    std::string inputFile;
    std::vector<ScriptEvent> script;  // the parsed ZOLT_INPUT file
    std::string captureDir;
    std::vector<uint64_t> captureTicks;  // empty: the last frame presented
    AudioSetting audio = AudioSetting::Auto;
    std::string audioFile;  // for wav:FILE
    std::string traceFile;  // "-" for standard error
};

using EnvLookup = std::function<const char*(const char* name)>;

// Reads every setting through lookup. Returns the message for the first
// setting that cannot be read, or nothing when all are fine.
std::optional<std::string> ReadSettings(const EnvLookup& lookup, Settings& settings);

// The process's settings, read from the environment on first use (the library
// makes that first use when it loads). Exits with status 2 on a bad setting.
const Settings& GetSettings();

}  // namespace platform
