// A small program of the engine for the input tests: sets input up as its
// arguments say, then calls the named queries each frame, in order, and prints
// their answers on one line.
//   input_probe [--setup engine|window|input|twice|none] [--before] [--changes]
//               [--calls Q,Q,...]
// With --changes a frame's line is printed only when its answers differ from
// the previous frame's.
// A query is KeyChek:CODE, KeysChek, MouseLBPress, MouseRBPress, MouseMoveX,
// MouseMoveY, RollingMouse, GetMouseX or GetMouseY.
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "zolt.h"

namespace {

std::vector<std::string> calls;
int frames = 0;
bool onlyChanges = false;
std::string lastAnswers;

int Ask(const std::string& query) {
    if (query.rfind("KeyChek:", 0) == 0) return KeyChek(std::stoi(query.substr(8)));
    if (query == "KeysChek") return KeysChek();
    if (query == "MouseLBPress") return MouseLBPress();
    if (query == "MouseRBPress") return MouseRBPress();
    if (query == "MouseMoveX") return MouseMoveX();
    if (query == "MouseMoveY") return MouseMoveY();
    if (query == "RollingMouse") return RollingMouse();
    if (query == "GetMouseX") return GetMouseX();
    if (query == "GetMouseY") return GetMouseY();
    std::fprintf(stderr, "input_probe: unknown query %s\n", query.c_str());
    return 0;
}

void PrintAnswers(const std::string& label) {
    std::string answers;
    for (const std::string& query : calls) {
        answers += " " + query + "=" + std::to_string(Ask(query));
    }
    if (onlyChanges && answers == lastAnswers) return;
    lastAnswers = answers;
    std::printf("%s%s\n", label.c_str(), answers.c_str());
    std::fflush(stdout);
}

void Frame() {
    PrintAnswers("frame " + std::to_string(++frames));
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) {
        if (!part.empty()) parts.push_back(part);
    }
    return parts;
}

}  // namespace

int wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int show) {
    std::wstring wide(commandLine);
    std::vector<std::string> args = Split(std::string(wide.begin(), wide.end()), ' ');
    std::string setup = "engine";
    bool before = false;
    for (size_t i = 0; i < args.size(); ++i) {
        bool hasValue = i + 1 < args.size();
        if (args[i] == "--setup" && hasValue) {
            setup = args[++i];
        } else if (args[i] == "--calls" && hasValue) {
            calls = Split(args[++i], ',');
        } else if (args[i] == "--before") {
            before = true;
        } else if (args[i] == "--changes") {
            onlyChanges = true;
        }
    }
    if (before) PrintAnswers("before");
    if (setup == "engine" || setup == "twice") {
        IniEngine(instance, previous, show, L"probe", 800, 600);
    } else if (setup == "window") {
        WindowIni(instance, previous, show, L"probe", 800, 600, nullptr);
    }
    if (setup == "input" || setup == "twice") InputIni(instance);
    RunEngine(Frame);
    return 0;
}
