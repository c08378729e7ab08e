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

inline std::wstring Wide(const std::string& s) {
    std::wstring wide(s.size() + 1, L'\0');
    size_t n = std::mbstowcs(wide.data(), s.c_str(), wide.size());
    wide.resize(n == static_cast<size_t>(-1) ? 0 : n);
    return wide;
}

}  // namespace probe_script
