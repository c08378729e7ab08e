// A small program of the engine for the end-to-end tests: sets the engine up as
// its arguments say, runs the frame loop and reports each frame on stdout.
//   frame_probe [--window] [--width W] [--height H] [--cursor FILE] [--quit-at N]
//               [--null] [--run-twice] [--setup-twice] [--render-first] [--no-setup]
//               [--resources FOLDER] (ResourceIni after the set-up; "-" for none)
#include <cstdio>
#include <cwchar>
#include <sstream>
#include <string>
#include <vector>

#include "zolt.h"

namespace {

int frames = 0;
int quitAt = -1;

void Frame() {
    ++frames;
    std::printf("frame %d time %u\n", frames, timeGetTime());
    std::fflush(stdout);
    if (frames == quitAt) PostQuitMessage(0);
}

std::vector<std::wstring> Words(const wchar_t* line) {
    std::wistringstream in(line);
    std::vector<std::wstring> words;
    for (std::wstring w; in >> w;) words.push_back(w);
    return words;
}

}  // namespace

int wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int show) {
    bool windowOnly = false, nullCallback = false, runTwice = false, setupTwice = false;
    bool renderFirst = false, noSetup = false;
    int width = 800, height = 600;
    std::wstring cursor;
    std::vector<std::wstring> resourceFolders;
    std::vector<std::wstring> args = Words(commandLine);
    for (size_t i = 0; i < args.size(); ++i) {
        const std::wstring& a = args[i];
        auto next = [&] { return i + 1 < args.size() ? args[++i] : std::wstring(); };
        if (a == L"--window")
            windowOnly = true;
        else if (a == L"--width")
            width = std::stoi(next());
        else if (a == L"--height")
            height = std::stoi(next());
        else if (a == L"--cursor")
            cursor = next();
        else if (a == L"--quit-at")
            quitAt = std::stoi(next());
        else if (a == L"--null")
            nullCallback = true;
        else if (a == L"--run-twice")
            runTwice = true;
        else if (a == L"--setup-twice")
            setupTwice = true;
        else if (a == L"--render-first")
            renderFirst = true;
        else if (a == L"--no-setup")
            noSetup = true;
        else if (a == L"--resources")
            resourceFolders.push_back(next());
    }
    if (renderFirst) Render();
    if (noSetup) return 0;
    for (int round = 0; round < (setupTwice ? 2 : 1); ++round) {
        if (windowOnly) {
            WindowIni(instance, previous, show, L"probe", width, height,
                      cursor.empty() ? nullptr : cursor.data());
        } else {
            IniEngine(instance, previous, show, L"probe", width, height);
        }
    }
    for (const std::wstring& folder : resourceFolders) {
        ResourceIni(folder == L"-" ? nullptr : folder.c_str());
    }
    RunEngine(nullCallback ? nullptr : Frame);
    std::printf("returned after %d frames\n", frames);
    if (runTwice) {
        RunEngine(Frame);
        std::printf("returned again after %d frames\n", frames);
    }
    return 0;
}
