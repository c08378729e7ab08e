// A program of the engine driven by a small script, for the scene tests: it
// sets the engine up, creates animations, and in each frame makes the calls the
// script gives for that frame, printing what DrawSpriteA answers.
//   scene_probe SCRIPT
// Script lines (words separated by spaces; # starts a comment):
//   init W H              IniEngine with an outer size of W x H
//   textini TEX DAT SIZE  TextIni (also a call, to make it in a frame); TEX null: none
//   sleepfirst MS         Sleep before the frame loop starts
//   window W H LAYERS     WindowIni, ResourceIni(null), SceneManagerIni(LAYERS)
//   animation NAME FILE FRAMES SPEED COLUMNS W H LAYER
//   animationex NAME FILE SPEED COLUMNS W H LAYER FIRST LAST SPEED [FIRST LAST SPEED ...]
//   every CALL | at TICK CALL | from TICK CALL     when a frame makes the call
// Calls:
//   sprite FILE X Y W H LAYER ANGLE SCALE COLOR | viewport X Y | sleep MS
//   draw NAME X Y LAYER ANGLE SCALE COLOR | set NAME RANGE | reset NAME | speed NAME S
//   drawid ID | setid ID RANGE | resetid ID | speedid ID S   (ids that may name nothing)
//   print X Y SCALE COLOR TEXT... (UTF-8; \n in it is a line feed) | develop | nodevelop
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/probe_script.h"
#include "zolt.h"

namespace {

std::vector<probe_script::TimedCall> calls;
std::map<std::string, int> animations;
int frameNumber = 0;

using probe_script::Wide;

// The words from k on, joined by spaces, with \n and \uXXXX written out.
std::wstring TextFrom(const std::vector<std::string>& c, size_t k) {
    std::string joined;
    for (size_t i = k; i < c.size(); ++i) joined += (i > k ? " " : "") + c[i];
    std::wstring wide = Wide(joined), out;
    for (size_t i = 0; i < wide.size(); ++i) {
        if (wide[i] == L'\\' && i + 1 < wide.size() && wide[i + 1] == L'n') {
            out += L'\n';
            ++i;
        } else if (wide[i] == L'\\' && i + 5 < wide.size() && wide[i + 1] == L'u') {
            out += static_cast<wchar_t>(
                std::stoul(std::string(wide.begin() + i + 2, wide.begin() + i + 6), nullptr, 16));
            i += 5;
        } else {
            out += wide[i];
        }
    }
    return out;
}
unsigned long Color(const std::string& s) {
    return std::stoul(s, nullptr, 16);
}

void Make(const std::vector<std::string>& c) {
    auto i = [&](size_t k) { return std::stoi(c.at(k)); };
    auto f = [&](size_t k) { return std::stof(c.at(k)); };
    const std::string& what = c.at(0);
    if (what == "sprite") {
        DrawSprite(Wide(c.at(1)).c_str(), i(2), i(3), i(4), i(5), i(6), f(7), f(8), Color(c.at(9)));
    } else if (what == "viewport") {
        SetViewport(i(1), i(2));
    } else if (what == "sleep") {
        Sleep(static_cast<DWORD>(i(1)));
    } else if (what == "draw") {
        bool running =
            DrawSpriteA(animations.at(c.at(1)), i(2), i(3), i(4), f(5), f(6), Color(c.at(7)));
        std::printf("frame %d %s %s\n", frameNumber, c.at(1).c_str(),
                    running ? "running" : "stopped");
    } else if (what == "drawid") {
        bool running = DrawSpriteA(i(1), 0, 0, 0, 0, 1, 0xFFFFFFFF);
        std::printf("frame %d id %d %s\n", frameNumber, i(1), running ? "running" : "stopped");
    } else if (what == "setid") {
        SetAnimation(i(1), i(2));
    } else if (what == "resetid") {
        ResetAnimation(i(1));
    } else if (what == "speedid") {
        SetAnimationSpeed(i(1), i(2));
    } else if (what == "print") {
        Print(TextFrom(c, 5).c_str(), i(1), i(2), f(3), Color(c.at(4)));
    } else if (what == "develop") {
        DevelopHelp(true);
    } else if (what == "nodevelop") {
        DevelopHelp(false);
    } else if (what == "textini") {
        std::wstring texture = Wide(c.at(1));
        TextIni(texture == L"null" ? nullptr : texture.c_str(), Wide(c.at(2)).c_str(), i(3));
    } else if (what == "set") {
        SetAnimation(animations.at(c.at(1)), i(2));
    } else if (what == "reset") {
        ResetAnimation(animations.at(c.at(1)));
    } else if (what == "speed") {
        SetAnimationSpeed(animations.at(c.at(1)), i(2));
    }
}

void Frame() {
    ++frameNumber;
    probe_script::MakeDueCalls(calls, frameNumber, Make);
    std::fflush(stdout);
}

}  // namespace

int wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int show) {
    std::setlocale(LC_CTYPE, "C.UTF-8");
    std::wstring wide(commandLine);
    for (const std::vector<std::string>& w : probe_script::ReadLines(wide)) {
        if (probe_script::AddTimedCall(w, calls)) continue;
        auto i = [&](size_t k) { return std::stoi(w.at(k)); };
        if (w[0] == "init") {
            IniEngine(instance, previous, show, L"scene", i(1), i(2));
        } else if (w[0] == "window") {
            WindowIni(instance, previous, show, L"scene", i(1), i(2), nullptr);
            ResourceIni(nullptr);
            SceneManagerIni(i(3));
        } else if (w[0] == "textini") {
            Make(w);
        } else if (w[0] == "sleepfirst") {
            Sleep(static_cast<DWORD>(i(1)));
        } else if (w[0] == "animation") {
            animations[w.at(1)] =
                CreateAnimation(Wide(w.at(2)).c_str(), i(3), i(4), i(5), i(6), i(7), i(8));
        } else if (w[0] == "animationex") {
            std::vector<int> ranges;
            for (size_t k = 8; k < w.size(); ++k) ranges.push_back(i(k));
            animations[w.at(1)] = CreateAnimationEx(Wide(w.at(2)).c_str(), ranges.data(),
                                                    static_cast<int>(ranges.size() / 3), i(3), i(4),
                                                    i(5), i(6), i(7));
        }
    }
    RunEngine(Frame);
    return 0;
}
