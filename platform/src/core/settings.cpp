#include "core/settings.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string_view>

namespace platform {
namespace {

template <typename T>
bool ParseNumber(std::string_view text, T& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end;
}

std::string Bad(const char* name, const std::string& value, const char* expected) {
    return std::string(name) + ": expected " + expected + ", got '" + value + "'";
}

std::optional<std::string> ReadVideo(const std::string& v, Settings& s) {
    if (v == "window") s.video = VideoSetting::Window;
    else if (v == "headless") s.video = VideoSetting::Headless;
    else return Bad("ZOLT_VIDEO", v, "'window' or 'headless'");
    return std::nullopt;
}

std::optional<std::string> ReadScreen(const std::string& v, Settings& s) {
    size_t x = v.find('x');
    int w, h;
    if (x == std::string::npos || !ParseNumber(std::string_view(v).substr(0, x), w) ||
        !ParseNumber(std::string_view(v).substr(x + 1), h) || w < 1 || h < 1 || w > 65535 ||
        h > 65535) {
        return Bad("ZOLT_SCREEN", v, "WxH with sizes from 1 to 65535, such as 1920x1080");
    }
    s.screenWidth = w;
    s.screenHeight = h;
    return std::nullopt;
}

std::optional<std::string> ReadDevice(const std::string& v, Settings& s) {
    if (v != "none") return Bad("ZOLT_DEVICE", v, "'none'");
    s.deviceNone = true;
    return std::nullopt;
}

std::optional<std::string> ReadClock(const std::string& v, Settings& s) {
    if (v == "real") return std::nullopt;
    const char* expected = "'real', 'fixed:STEP' or 'fixed:STEP:START' (milliseconds)";
    std::string_view rest(v);
    if (rest.substr(0, 6) != "fixed:") return Bad("ZOLT_CLOCK", v, expected);
    rest.remove_prefix(6);
    size_t colon = rest.find(':');
    uint32_t step, start = 0;
    if (!ParseNumber(rest.substr(0, colon), step) ||
        (colon != std::string_view::npos && !ParseNumber(rest.substr(colon + 1), start))) {
        return Bad("ZOLT_CLOCK", v, expected);
    }
    s.fixedClock = true;
    s.clockStep = step;
    s.clockStart = start;
    return std::nullopt;
}

std::optional<std::string> ReadFrames(const std::string& v, Settings& s) {
    uint64_t n;
    if (!ParseNumber(std::string_view(v), n) || n < 1) {
        return Bad("ZOLT_FRAMES", v, "a number of ticks, 1 or more");
    }
    s.frames = n;
    return std::nullopt;
}

std::optional<std::string> ReadInput(const std::string& v, Settings& s) {
    std::ifstream in(v, std::ios::binary);
    if (!in) return "ZOLT_INPUT: cannot read the script file '" + v + "'";
    std::ostringstream text;
    text << in.rdbuf();
    s.inputFile = v;
    if (auto error = ParseScript(text.str(), v, s.script)) return "ZOLT_INPUT: " + *error;
    return std::nullopt;
}

std::optional<std::string> ReadCapture(const std::string& v, Settings& s) {
    if (v.empty()) return Bad("ZOLT_CAPTURE", v, "a folder");
    s.captureDir = v;
    return std::nullopt;
}

std::optional<std::string> ReadCaptureFrames(const std::string& v, Settings& s) {
    std::string_view rest(v);
    while (true) {
        size_t comma = rest.find(',');
        uint64_t tick;
        if (!ParseNumber(rest.substr(0, comma), tick) || tick < 1) {
            return Bad("ZOLT_CAPTURE_FRAMES", v, "tick numbers separated by commas, such as 1,30");
        }
        s.captureTicks.push_back(tick);
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    return std::nullopt;
}

std::optional<std::string> ReadAudio(const std::string& v, Settings& s) {
    if (v == "device") s.audio = AudioSetting::Device;
    else if (v == "null") s.audio = AudioSetting::Null;
    else if (v.size() > 4 && v.compare(0, 4, "wav:") == 0) {
        s.audio = AudioSetting::Wav;
        s.audioFile = v.substr(4);
    } else {
        return Bad("ZOLT_AUDIO", v, "'device', 'null' or 'wav:FILE'");
    }
    return std::nullopt;
}

std::optional<std::string> ReadTrace(const std::string& v, Settings& s) {
    if (v.empty()) return Bad("ZOLT_TRACE", v, "a file, or '-' for standard error");
    s.traceFile = v;
    return std::nullopt;
}

struct Reader {
    const char* name;
    std::optional<std::string> (*read)(const std::string&, Settings&);
};

const Reader kReaders[] = {
    {"ZOLT_VIDEO", ReadVideo},     {"ZOLT_SCREEN", ReadScreen},
    {"ZOLT_DEVICE", ReadDevice},   {"ZOLT_CLOCK", ReadClock},
    {"ZOLT_FRAMES", ReadFrames},   {"ZOLT_INPUT", ReadInput},
    {"ZOLT_CAPTURE", ReadCapture}, {"ZOLT_CAPTURE_FRAMES", ReadCaptureFrames},
    {"ZOLT_AUDIO", ReadAudio},     {"ZOLT_TRACE", ReadTrace},
};

}  // namespace

std::optional<std::string> ReadSettings(const EnvLookup& lookup, Settings& settings) {
    settings = Settings{};
    for (const Reader& reader : kReaders) {
        const char* value = lookup(reader.name);
        if (value == nullptr || *value == 0) continue;  // empty counts as unset
        if (auto error = reader.read(value, settings)) return error;
    }
    return std::nullopt;
}

const Settings& GetSettings() {
    static const Settings settings = [] {
        Settings s;
        if (auto error = ReadSettings([](const char* name) { return std::getenv(name); }, s)) {
            std::fprintf(stderr, "zolt: %s\n", error->c_str());
            std::exit(2);
        }
        return s;
    }();
    return settings;
}

// Read the settings as the library loads, so a bad one stops the program at start.
[[maybe_unused]] static const Settings& kLoadTimeSettings = GetSettings();

}  // namespace platform
