// Runs the frame probe headless on a fixed clock and reads its trace.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "support/run_program.h"

struct ProbeRun {
    testing_support::ProgramResult result;
    std::vector<std::string> trace;
    std::vector<std::string> out;  // lines of standard output
    std::string dir;               // the run's own folder

    bool Traced(const std::string& line) const {
        return std::find(trace.begin(), trace.end(), line) != trace.end();
    }
    int CountTraced(const std::string& prefix) const {
        return static_cast<int>(std::count_if(trace.begin(), trace.end(), [&](auto& l) {
            return l.compare(0, prefix.size(), prefix) == 0;
        }));
    }
};

// settings are added to (and override) ZOLT_VIDEO=headless, ZOLT_CLOCK=fixed:10,
// ZOLT_AUDIO=null and a trace file; script, when given, becomes ZOLT_INPUT.
inline ProbeRun RunProbe(const std::vector<std::string>& args,
                         std::map<std::string, std::string> settings,
                         const std::string& script = "") {
    ProbeRun run;
    run.dir = testing_support::MakeTempDir();
    std::map<std::string, std::string> all = {{"ZOLT_VIDEO", "headless"},
                                              {"ZOLT_CLOCK", "fixed:10"},
                                              {"ZOLT_AUDIO", "null"},
                                              {"ZOLT_TRACE", run.dir + "/trace.txt"}};
    if (!script.empty()) {
        testing_support::WriteFile(run.dir + "/input.txt", script);
        all["ZOLT_INPUT"] = run.dir + "/input.txt";
    }
    for (auto& [k, v] : settings) all[k] = v;
    run.result = testing_support::RunProgram(ZOLT_FRAME_PROBE, args, all);
    run.trace = testing_support::ReadLines(run.dir + "/trace.txt");
    run.out = testing_support::Lines(run.result.out);
    return run;
}
