// Files and folders: enumeration of a folder's entries, and a file's identity.
// Paths may use backslashes. A folder reports the size 0.
#pragma once

#include "wintypes.h"

using HANDLE = void*;
#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1)))
constexpr DWORD MAX_PATH = 260;

constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x00000001;
constexpr DWORD FILE_ATTRIBUTE_HIDDEN = 0x00000002;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x00000010;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x00000080;
constexpr DWORD FILE_ATTRIBUTE_REPARSE_POINT = 0x00000400;

constexpr DWORD GENERIC_READ = 0x80000000;
constexpr DWORD FILE_SHARE_READ = 0x00000001;
constexpr DWORD FILE_SHARE_WRITE = 0x00000002;
constexpr DWORD FILE_SHARE_DELETE = 0x00000004;
constexpr DWORD OPEN_EXISTING = 3;
constexpr DWORD FILE_FLAG_BACKUP_SEMANTICS = 0x02000000;

struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};

struct WIN32_FIND_DATAW {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwReserved0;
    DWORD dwReserved1;
    WCHAR cFileName[MAX_PATH];
    WCHAR cAlternateFileName[14];
};

struct BY_HANDLE_FILE_INFORMATION {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD dwVolumeSerialNumber;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD nNumberOfLinks;
    DWORD nFileIndexHigh;
    DWORD nFileIndexLow;
};

// Entries of the folder in pattern ("folder\*", "*.png"; * and ? match in the
// last part), in the order the file system gives them, "." and ".." included.
PLATFORM_API HANDLE FindFirstFileW(LPCWSTR pattern, WIN32_FIND_DATAW* data);
PLATFORM_API BOOL FindNextFileW(HANDLE search, WIN32_FIND_DATAW* data);
PLATFORM_API BOOL FindClose(HANDLE search);

// Opens an existing file, or a folder with FILE_FLAG_BACKUP_SEMANTICS, to ask
// about it; the volume and file index of its information name it uniquely.
PLATFORM_API HANDLE CreateFileW(LPCWSTR path, DWORD access, DWORD share, void* security,
                                DWORD disposition, DWORD flags, HANDLE templateFile);
PLATFORM_API BOOL GetFileInformationByHandle(HANDLE file, BY_HANDLE_FILE_INFORMATION* info);
PLATFORM_API BOOL CloseHandle(HANDLE object);
