// Finding files by bare name below the current folder, and the walk behind it.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include <win32.h>

// Visits every entry of the folder with the given prefix (empty for the current
// folder, otherwise a folder path ending in a backslash), depth first and in the
// file system's order. An entry of size 0 counts as a folder and is walked where
// it is met ("." and ".." aside); every other entry goes to visitFile with the
// prefix it was found under. A folder already on the walk's path (through a
// link) is not entered again. Returns true when visitFile asked to stop.
using FileVisitor = std::function<bool(const std::wstring& prefix, const WIN32_FIND_DATAW& entry)>;
bool WalkFolder(const std::wstring& prefix, const FileVisitor& visitFile);

// The path, relative to the current folder, of the first file whose name is
// exactly name in that walk; nothing when there is none or name is null.
std::optional<std::wstring> FindResourceFile(const wchar_t* name);
