#include "core/script.h"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace platform {
namespace {

struct EventSyntax {
    const char* words;  // the event's words after the tick
    ScriptEventKind kind;
    int argCount;
    int minA, maxA;  // range of the first argument, when there is one
};

constexpr int kAny = 1 << 30;

const EventSyntax kSyntax[] = {
    {"key down", ScriptEventKind::KeyDown, 1, 0, 255},
    {"key up", ScriptEventKind::KeyUp, 1, 0, 255},
    {"mouse move", ScriptEventKind::MouseMove, 2, -kAny, kAny},
    {"mouse wheel", ScriptEventKind::MouseWheel, 1, -kAny, kAny},
    {"mouse down", ScriptEventKind::MouseDown, 1, 0, 3},
    {"mouse up", ScriptEventKind::MouseUp, 1, 0, 3},
    {"cursor", ScriptEventKind::Cursor, 2, -kAny, kAny},
    {"focus out", ScriptEventKind::FocusOut, 0, 0, 0},
    {"focus in", ScriptEventKind::FocusIn, 0, 0, 0},
    {"close", ScriptEventKind::Close, 0, 0, 0},
    {"device lost", ScriptEventKind::DeviceLost, 0, 0, 0},
    {"device notreset", ScriptEventKind::DeviceNotReset, 0, 0, 0},
    {"device ok", ScriptEventKind::DeviceOk, 0, 0, 0},
    {"device error", ScriptEventKind::DeviceError, 0, 0, 0},
};

bool ParseInt(const std::string& word, long long min, long long max, long long& value) {
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, value);
    return ec == std::errc() && ptr == end && value >= min && value <= max;
}

std::vector<std::string> Words(std::string_view line) {
    std::istringstream in{std::string(line)};
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

}  // namespace

std::optional<std::string> ParseScript(std::string_view text, std::string_view name,
                                       std::vector<ScriptEvent>& events) {
    events.clear();
    size_t lineNumber = 0;
    for (size_t start = 0; start <= text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (size_t hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
        std::vector<std::string> words = Words(line);
        if (words.empty()) continue;

        auto fail = [&](const std::string& what) {
            std::ostringstream msg;
            msg << name << ":" << lineNumber << ": " << what;
            return msg.str();
        };
        long long tick;
        if (!ParseInt(words[0], 1, INT64_MAX, tick)) {
            return fail("'" + words[0] + "' is not a tick number (1 or more)");
        }
        const EventSyntax* match = nullptr;
        size_t used = 0;
        for (const EventSyntax& syntax : kSyntax) {
            std::vector<std::string> want = Words(syntax.words);
            if (words.size() >= 1 + want.size() &&
                std::equal(want.begin(), want.end(), words.begin() + 1)) {
                match = &syntax;
                used = 1 + want.size();
                break;
            }
        }
        if (!match) {
            std::string rest;
            for (size_t i = 1; i < words.size(); ++i) rest += (i > 1 ? " " : "") + words[i];
            return fail("unknown event '" + rest + "'");
        }
        if (words.size() - used != static_cast<size_t>(match->argCount)) {
            return fail(std::string("'") + match->words + "' takes " +
                        std::to_string(match->argCount) + " number(s)");
        }
        ScriptEvent event;
        event.tick = static_cast<uint64_t>(tick);
        event.kind = match->kind;
        for (int i = 0; i < match->argCount; ++i) {
            long long value;
            long long min = i == 0 ? match->minA : -kAny, max = i == 0 ? match->maxA : kAny;
            if (!ParseInt(words[used + i], min, max, value)) {
                return fail("'" + words[used + i] + "' is not a number from " +
                            std::to_string(min) + " to " + std::to_string(max));
            }
            (i == 0 ? event.a : event.b) = static_cast<int>(value);
        }
        events.push_back(event);
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const ScriptEvent& x, const ScriptEvent& y) { return x.tick < y.tick; });
    return std::nullopt;
}

}  // namespace platform
