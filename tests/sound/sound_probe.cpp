// A program of the engine driven by a small script, for the sound tests: it
// sets the engine up and in each frame makes the sound calls the script gives
// for that frame, printing what they answer.
//   sound_probe SCRIPT
// Script lines (words separated by spaces; # starts a comment):
//   init W H              IniEngine with an outer size of W x H
//   window W H            WindowIni and ResourceIni(null): no sound engine
//   resources FOLDER      ResourceIni(FOLDER), which preloads the folder
//   now CALL              the call, made at once, before the frame loop
//   every CALL | at TICK CALL | from TICK CALL     when a frame makes the call
// Calls:
//   engine STARTS ATTENUATE (0 or 1) | listener X Y | sleep MS | delete PATH
//   play FILE VOLUME X Y INNER OUTER
//   fon NAME FILE VOLUME X Y INNER OUTER REPEAT COUNT DELAY RANDOM CHANCE
//   state NAME | stop NAME | pause NAME | restore NAME | volume NAME V
//   stopall | pauseall | restoreall | volumeall V
// NAME names the id of the latest fon of that name (0 before any).
// Output lines: "audio T" (clock reading when the first sound engine was made),
// "FRAME fon NAME ID", "FRAME state NAME 0|1" (FRAME 0 before the loop).
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <list>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/probe_script.h"
#include "zolt.h"

namespace {

std::vector<probe_script::TimedCall> calls;
std::map<std::string, uint32_t> ids;
int frameNumber = 0;
bool audioNoted = false;

using probe_script::Wide;

// The clock reading at which the mix (and so the recorded WAV) begins.
void NoteAudioStart() {
    if (audioNoted) return;
    audioNoted = true;
    std::printf("audio %u\n", static_cast<unsigned>(timeGetTime()));
}

void Make(const std::vector<std::string>& c) {
    auto i = [&](size_t k) { return std::stoi(c.at(k)); };
    auto f = [&](size_t k) { return std::stof(c.at(k)); };
    auto id = [&]() { return ids[c.at(1)]; };
    const std::string& what = c.at(0);
    if (what == "engine") {
        SoundEngineIni(i(1), i(2) != 0);
        NoteAudioStart();
    } else if (what == "listener") {
        SetSoundListener(i(1), i(2));
    } else if (what == "sleep") {
        Sleep(static_cast<DWORD>(i(1)));
    } else if (what == "delete") {
        std::remove(c.at(1).c_str());
    } else if (what == "play") {
        SoundPlay(Wide(c.at(1)).c_str(), f(2), i(3), i(4), i(5), i(6));
    } else if (what == "fon") {
        ids[c.at(1)] = FonSoundPlay(Wide(c.at(2)).c_str(), f(3), i(4), i(5), i(6), i(7), i(8) != 0,
                                    i(9), i(10), i(11) != 0, i(12));
        std::printf("%d fon %s %u\n", frameNumber, c.at(1).c_str(), ids[c.at(1)]);
    } else if (what == "state") {
        std::printf("%d state %s %d\n", frameNumber, c.at(1).c_str(), GetSoundState(id()) ? 1 : 0);
    } else if (what == "stop") {
        SoundStop(id());
    } else if (what == "pause") {
        SoundPause(id());
    } else if (what == "restore") {
        SoundRestore(id());
    } else if (what == "volume") {
        SetSoundVolume(id(), f(2));
    } else if (what == "stopall") {
        SoundsStop();
    } else if (what == "pauseall") {
        SoundsPause();
    } else if (what == "restoreall") {
        SoundsRestore();
    } else if (what == "volumeall") {
        SetSoundsVolume(f(1));
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
    std::list<std::wstring> folders;  // ResourceIni keeps the folder name
    for (const std::vector<std::string>& w : probe_script::ReadLines(wide)) {
        if (probe_script::AddTimedCall(w, calls)) continue;
        auto i = [&](size_t k) { return std::stoi(w.at(k)); };
        if (w[0] == "init") {
            IniEngine(instance, previous, show, L"sound", i(1), i(2));
            NoteAudioStart();
        } else if (w[0] == "window") {
            WindowIni(instance, previous, show, L"sound", i(1), i(2), nullptr);
            ResourceIni(nullptr);
        } else if (w[0] == "resources") {
            folders.push_back(Wide(w.at(1)));
            ResourceIni(folders.back().c_str());
        } else if (w[0] == "now") {
            Make({w.begin() + 1, w.end()});
        }
    }
    std::fflush(stdout);
    RunEngine(Frame);
    return 0;
}
