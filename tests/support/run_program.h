// Runs a program of the engine in a child process with chosen platform settings,
// as the end-to-end tests do, and gathers what it wrote.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace testing_support {

struct ProgramResult {
    int exitCode = -1;  // -1 when it did not exit by itself in time
    std::string out;
    std::string err;
};

// Starts path with args in an environment that has no ZOLT_* variable but those
// of settings, waits at most timeoutSeconds, and returns what it printed.
// It runs in the folder cwd when one is given.
ProgramResult RunProgram(const std::string& path, const std::vector<std::string>& args,
                         const std::map<std::string, std::string>& settings,
                         int timeoutSeconds = 60, const std::string& cwd = "");

// A new empty folder under the system's temporary folder.
std::string MakeTempDir();
std::vector<std::string> ReadLines(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);
std::vector<std::string> Lines(const std::string& text);

}  // namespace testing_support
