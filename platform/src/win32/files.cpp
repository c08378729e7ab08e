// Folder enumeration and file identity over POSIX directories and stat.
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "core/text.h"
#include "win32_files.h"

namespace platform {
namespace {

struct Search {
    DIR* dir = nullptr;
    std::string folder;   // with a trailing '/', or empty for the current folder
    std::string pattern;  // the last part, UTF-8
};

// Searches and open files share one table of handles: a handle names one thing.
std::map<uintptr_t, std::unique_ptr<Search>> searches;
std::map<uintptr_t, int> files;
uintptr_t nextHandle = 0x3000;

HANDLE NewHandle() {
    auto handle = reinterpret_cast<HANDLE>(nextHandle);
    nextHandle += 2;
    return handle;
}

FILETIME ToFileTime(const timespec& t) {
    // 100-nanosecond intervals since 1601.
    uint64_t ticks = (static_cast<uint64_t>(t.tv_sec) + 11644473600ull) * 10000000ull +
                     static_cast<uint64_t>(t.tv_nsec) / 100;
    return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

DWORD Attributes(const struct stat& st, bool link, const std::string& name) {
    DWORD attributes = S_ISDIR(st.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : 0;
    if (link) attributes |= FILE_ATTRIBUTE_REPARSE_POINT;
    if (!name.empty() && name[0] == '.' && name != "." && name != "..") {
        attributes |= FILE_ATTRIBUTE_HIDDEN;
    }
    if (!(st.st_mode & S_IWUSR)) attributes |= FILE_ATTRIBUTE_READONLY;
    return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

// Fills data for the next entry matching the pattern; false at the end.
bool NextEntry(Search& search, WIN32_FIND_DATAW* data) {
    while (dirent* entry = readdir(search.dir)) {
        std::string name = entry->d_name;
        if (fnmatch(search.pattern.c_str(), name.c_str(), FNM_NOESCAPE) != 0) {
            continue;
        }
        std::wstring wide = Utf8ToWide(name);
        if (wide.size() >= MAX_PATH) continue;  // no Windows name is that long
        std::string path = search.folder + name;
        struct stat st {};
        bool link = false;
        if (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
            link = true;
            struct stat target {};
            if (stat(path.c_str(), &target) == 0) st = target;
        }
        *data = WIN32_FIND_DATAW{};
        data->dwFileAttributes = Attributes(st, link, name);
        data->ftCreationTime = ToFileTime(st.st_ctim);
        data->ftLastAccessTime = ToFileTime(st.st_atim);
        data->ftLastWriteTime = ToFileTime(st.st_mtim);
        if (S_ISREG(st.st_mode)) {
            auto size = static_cast<uint64_t>(st.st_size);
            data->nFileSizeHigh = static_cast<DWORD>(size >> 32);
            data->nFileSizeLow = static_cast<DWORD>(size);
        }
        std::wmemcpy(data->cFileName, wide.c_str(), wide.size() + 1);
        return true;
    }
    return false;
}

}  // namespace
}  // namespace platform

using namespace platform;

HANDLE FindFirstFileW(LPCWSTR pattern, WIN32_FIND_DATAW* data) {
    if (pattern == nullptr || data == nullptr) return INVALID_HANDLE_VALUE;
    std::string path = WidePathToNative(pattern);
    size_t slash = path.rfind('/');
    auto search = std::make_unique<Search>();
    search->folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    search->pattern = slash == std::string::npos ? path : path.substr(slash + 1);
    if (search->pattern.empty()) return INVALID_HANDLE_VALUE;
    search->dir = opendir(search->folder.empty() ? "." : search->folder.c_str());
    if (search->dir == nullptr) return INVALID_HANDLE_VALUE;
    if (!NextEntry(*search, data)) {
        closedir(search->dir);
        return INVALID_HANDLE_VALUE;
    }
    HANDLE handle = NewHandle();
    searches[reinterpret_cast<uintptr_t>(handle)] = std::move(search);
    return handle;
}

BOOL FindNextFileW(HANDLE handle, WIN32_FIND_DATAW* data) {
    auto it = searches.find(reinterpret_cast<uintptr_t>(handle));
    if (it == searches.end() || data == nullptr) return FALSE;
    return NextEntry(*it->second, data) ? TRUE : FALSE;
}

BOOL FindClose(HANDLE handle) {
    auto it = searches.find(reinterpret_cast<uintptr_t>(handle));
    if (it == searches.end()) return FALSE;
    closedir(it->second->dir);
    searches.erase(it);
    return TRUE;
}

HANDLE CreateFileW(LPCWSTR path, DWORD, DWORD, void*, DWORD disposition, DWORD flags, HANDLE) {
    if (path == nullptr || disposition != OPEN_EXISTING) return INVALID_HANDLE_VALUE;
    std::string native = WidePathToNative(path);
    struct stat st {};
    if (stat(native.c_str(), &st) != 0) return INVALID_HANDLE_VALUE;
    if (S_ISDIR(st.st_mode) && !(flags & FILE_FLAG_BACKUP_SEMANTICS)) return INVALID_HANDLE_VALUE;
    int fd = open(native.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return INVALID_HANDLE_VALUE;
    HANDLE handle = NewHandle();
    files[reinterpret_cast<uintptr_t>(handle)] = fd;
    return handle;
}

BOOL GetFileInformationByHandle(HANDLE handle, BY_HANDLE_FILE_INFORMATION* info) {
    auto it = files.find(reinterpret_cast<uintptr_t>(handle));
    struct stat st {};
    if (it == files.end() || info == nullptr || fstat(it->second, &st) != 0) return FALSE;
    *info = BY_HANDLE_FILE_INFORMATION{};
    info->dwFileAttributes = Attributes(st, false, "");
    info->ftCreationTime = ToFileTime(st.st_ctim);
    info->ftLastAccessTime = ToFileTime(st.st_atim);
    info->ftLastWriteTime = ToFileTime(st.st_mtim);
    info->dwVolumeSerialNumber = static_cast<DWORD>(st.st_dev);
    info->nFileSizeHigh = static_cast<DWORD>(static_cast<uint64_t>(st.st_size) >> 32);
    info->nFileSizeLow = static_cast<DWORD>(st.st_size);
    info->nNumberOfLinks = static_cast<DWORD>(st.st_nlink);
    info->nFileIndexHigh = static_cast<DWORD>(static_cast<uint64_t>(st.st_ino) >> 32);
    info->nFileIndexLow = static_cast<DWORD>(st.st_ino);
    return TRUE;
}

BOOL CloseHandle(HANDLE handle) {
    auto it = files.find(reinterpret_cast<uintptr_t>(handle));
    if (it == files.end()) return FALSE;
    close(it->second);
    files.erase(it);
    return TRUE;
}
