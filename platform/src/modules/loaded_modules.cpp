#include "modules/loaded_modules.h"

#include <cstring>

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include "core/text.h"
#include "win32_modules.h"

namespace platform {
namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string BaseName(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A library file name, or the same name with a version after it
// ("libzolt.so" for "libzolt.so.0.1.0").
bool FileNameMatches(const std::string& fileName, const std::string& wanted) {
    if (EqualIgnoringAsciiCase(fileName, wanted)) return true;
    if (fileName.size() <= wanted.size() + 1 || fileName[wanted.size()] != '.') return false;
    if (!EqualIgnoringAsciiCase(fileName.substr(0, wanted.size()), wanted)) return false;
    for (size_t i = wanted.size(); i < fileName.size(); ++i) {
        char c = fileName[i];
        if (c != '.' && (c < '0' || c > '9')) return false;
    }
    return true;
}

std::string ExecutablePath() {
    char path[4096];
    ssize_t n = readlink("/proc/self/exe", path, sizeof(path) - 1);
    return n > 0 ? std::string(path, static_cast<size_t>(n)) : std::string();
}

// The handle of a module as the loader reports it: the same address
// ModuleOfAddress gives for anything inside it.
HMODULE HandleOf(const dl_phdr_info& info) {
    for (int i = 0; i < info.dlpi_phnum; ++i) {
        const auto& segment = info.dlpi_phdr[i];
        if (segment.p_type == PT_LOAD && segment.p_memsz > 0) {
            return ModuleOfAddress(reinterpret_cast<const void*>(info.dlpi_addr + segment.p_vaddr));
        }
    }
    return nullptr;
}

struct Search {
    std::string name;
    bool wholePath;
    std::string executablePath;
    bool first = true;
    HMODULE found = nullptr;
};

int VisitModule(dl_phdr_info* info, size_t, void* data) {
    auto& search = *static_cast<Search*>(data);
    // The loader lists the executable first, without a name.
    std::string path = search.first ? search.executablePath : std::string(info->dlpi_name);
    search.first = false;
    if (path.empty()) return 0;
    bool match =
        search.wholePath ? path == search.name : FileNameMatches(BaseName(path), search.name);
    if (!match) return 0;
    search.found = HandleOf(*info);
    return search.found ? 1 : 0;
}

}  // namespace

bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

HMODULE ModuleOfAddress(const void* address) {
    Dl_info info{};
    if (!address || dladdr(address, &info) == 0 || !info.dli_fbase) return nullptr;
    return static_cast<HMODULE>(info.dli_fbase);
}

HMODULE ExecutableModule() {
    static const HMODULE executable = [] {
        HMODULE found = nullptr;
        dl_iterate_phdr(
            [](dl_phdr_info* info, size_t, void* data) {
                *static_cast<HMODULE*>(data) = HandleOf(*info);
                return 1;
            },
            &found);
        return found;
    }();
    return executable;
}

HMODULE ModuleNamed(const std::string& name) {
    if (name.empty()) return nullptr;
    Search search{name, name.find('/') != std::string::npos, ExecutablePath()};
    dl_iterate_phdr(VisitModule, &search);
    return search.found;
}

}  // namespace platform

HMODULE GetModuleHandleW(LPCWSTR name) {
    if (!name) return platform::ExecutableModule();
    return platform::ModuleNamed(platform::WidePathToNative(name));
}
