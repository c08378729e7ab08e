// The script of a probe program: the words of each line, '#' starting a comment,
// and UTF-8 words as wide strings (the program sets a UTF-8 locale first).
#pragma once

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace probe_script {

inline std::vector<std::vector<std::string>> ReadLines(const std::wstring& path) {
    std::ifstream script(std::string(path.begin(), path.end()));
    std::vector<std::vector<std::string>> lines;
    for (std::string line; std::getline(script, line);) {
        if (auto hash = line.find('#'); hash != std::string::npos) line.resize(hash);
        std::istringstream in(line);
        std::vector<std::string> words;
        for (std::string word; in >> word;) words.push_back(word);
        if (!words.empty()) lines.push_back(std::move(words));
    }
    return lines;
}

// A call a frame makes: "every CALL", "at TICK CALL" (that frame) or
// "from TICK CALL" (that frame and every later one).
struct TimedCall {
    int from = 0;
    bool once = false;
    std::vector<std::string> call;
};

// Adds the line to calls when it is one of the three forms above.
inline bool AddTimedCall(const std::vector<std::string>& w, std::vector<TimedCall>& calls) {
    if (w[0] == "every") {
        calls.push_back({0, false, {w.begin() + 1, w.end()}});
    } else if ((w[0] == "at" || w[0] == "from") && w.size() > 2) {
        calls.push_back({std::stoi(w[1]), w[0] == "at", {w.begin() + 2, w.end()}});
    } else {
        return false;
    }
    return true;
}

// Makes, in script order, the calls due in frame.
template <typename Make>
void MakeDueCalls(const std::vector<TimedCall>& calls, int frame, Make make) {
    for (const TimedCall& t : calls) {
        if (t.once ? frame == t.from : frame >= t.from) make(t.call);
    }
}

inline std::wstring Wide(const std::string& s) {
    std::wstring wide(s.size() + 1, L'\0');
    size_t n = std::mbstowcs(wide.data(), s.c_str(), wide.size());
    wide.resize(n == static_cast<size_t>(-1) ? 0 : n);
    return wide;
}

}  // namespace probe_script
