#include "resources/file_search.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

struct FolderId {
    DWORD volume = 0;
    uint64_t index = 0;
    bool operator==(const FolderId&) const = default;
};

std::optional<FolderId> IdentifyFolder(const std::wstring& prefix) {
    std::wstring path = prefix.empty() ? L"." : prefix;
    HANDLE handle = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info;
    bool known = GetFileInformationByHandle(handle, &info);
    CloseHandle(handle);
    if (!known) return std::nullopt;
    return FolderId{info.dwVolumeSerialNumber,
                    (uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

bool Walk(const std::wstring& prefix, std::vector<FolderId>& onPath, const FileVisitor& visit) {
    std::optional<FolderId> id = IdentifyFolder(prefix);
    if (id) {
        if (std::find(onPath.begin(), onPath.end(), *id) != onPath.end()) return false;
        onPath.push_back(*id);
    }
    bool stopped = false;
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((prefix + L"*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = entry.cFileName;
            if (entry.nFileSizeLow == 0) {
                if (name == L"." || name == L"..") continue;
                stopped = Walk(prefix + name + L"\\", onPath, visit);
            } else {
                stopped = visit(prefix, entry);
            }
        } while (!stopped && FindNextFileW(search, &entry));
        FindClose(search);
    }
    if (id) onPath.pop_back();
    return stopped;
}

}  // namespace

bool WalkFolder(const std::wstring& prefix, const FileVisitor& visitFile) {
    std::vector<FolderId> onPath;
    return Walk(prefix, onPath, visitFile);
}

std::optional<std::wstring> FindResourceFile(const wchar_t* name) {
    if (name == nullptr) return std::nullopt;
    std::wstring sought = name;
    std::optional<std::wstring> found;
    WalkFolder(L"", [&](const std::wstring& prefix, const WIN32_FIND_DATAW& entry) {
        if (sought != entry.cFileName) return false;
        found = prefix + entry.cFileName;
        return true;
    });
    return found;
}
