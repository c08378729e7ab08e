#include "wcrt.h"

#include "core/text.h"

std::FILE* _wfopen(const wchar_t* path, const wchar_t* mode) {
    if (path == nullptr || mode == nullptr) return nullptr;
    return std::fopen(platform::WidePathToNative(path).c_str(), platform::WideToUtf8(mode).c_str());
}
