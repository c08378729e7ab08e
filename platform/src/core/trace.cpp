#include "core/trace.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "core/settings.h"

namespace platform {
namespace {

struct TraceFile {
    std::FILE* file = nullptr;
    bool owned = false;
    std::mutex lock;

    TraceFile() {
        const std::string& name = GetSettings().traceFile;
        if (name.empty()) return;
        if (name == "-") {
            file = stderr;
            return;
        }
        file = std::fopen(name.c_str(), "w");
        if (!file) {
            std::fprintf(stderr, "zolt: ZOLT_TRACE: cannot write '%s'\n", name.c_str());
            std::exit(2);
        }
        owned = true;
    }
    ~TraceFile() {
        if (owned) std::fclose(file);
    }
};

TraceFile& Output() {
    static TraceFile output;
    return output;
}

// Open the trace as the library loads, so an unwritable file stops the program at start.
[[maybe_unused]] TraceFile& kLoadTimeTrace = Output();

}  // namespace

bool TraceEnabled() { return Output().file != nullptr; }

void Trace(const std::string& line) {
    TraceFile& out = Output();
    if (!out.file) return;
    std::lock_guard<std::mutex> guard(out.lock);
    std::fputs(line.c_str(), out.file);
    std::fputc('\n', out.file);
    std::fflush(out.file);
}

}  // namespace platform
