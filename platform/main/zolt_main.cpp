// The program's entry point: calls the Windows-style wWinMain with the
// program's instance, no previous instance, the arguments as one wide command
// line, and the normal show command.
#include <string>

#include "core/text.h"
#include "win32.h"
#include "win32_modules.h"

int main(int argc, char** argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool quote = arg.empty() || arg.find(' ') != std::string::npos;
        if (i > 1) line += ' ';
        line += quote ? "\"" + arg + "\"" : arg;
    }
    std::wstring commandLine = platform::Utf8ToWide(line);
    return wWinMain(GetModuleHandleW(nullptr), nullptr, commandLine.data(), SW_SHOWNORMAL);
}
