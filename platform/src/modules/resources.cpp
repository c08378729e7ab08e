// The resources compiled into the loaded modules, registered table by table.
#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

#include "core/text.h"
#include "modules/loaded_modules.h"
#include "win32_modules.h"

namespace {

struct Table {
    HMODULE module;
    const ZoltResourceEntry* entries;
    size_t count;
};

struct Registry {
    std::mutex lock;
    std::vector<Table> tables;
};

// Built on first use, since modules register from their static constructors,
// which may run before this library's own; never destroyed, since they leave
// from their static destructors, which may run after this library's own.
Registry& Resources() {
    static Registry& registry = *new Registry;
    return registry;
}

// A name or type given by the caller against one of an entry.
bool KeyMatches(LPCWSTR wanted, WORD id, const wchar_t* name) {
    if (!wanted) return false;
    if (IS_INTRESOURCE(wanted)) {
        return id != 0 && reinterpret_cast<ULONG_PTR>(wanted) == id;
    }
    return name && platform::EqualIgnoringAsciiCase(platform::WideToUtf8(wanted),
                                                    platform::WideToUtf8(name));
}

HMODULE OrExecutable(HMODULE module) {
    return module ? module : platform::ExecutableModule();
}

// The entry behind a handle when it is one of module's; null otherwise.
const ZoltResourceEntry* EntryOf(HMODULE module, HRSRC resource) {
    auto* entry = reinterpret_cast<const ZoltResourceEntry*>(resource);
    module = OrExecutable(module);
    auto& registry = Resources();
    std::lock_guard guard(registry.lock);
    for (const Table& table : registry.tables) {
        if (table.module == module && entry >= table.entries &&
            entry < table.entries + table.count) {
            return entry;
        }
    }
    return nullptr;
}

}  // namespace

void ZoltRegisterResources(const ZoltResourceEntry* entries, size_t count) {
    HMODULE module = platform::ModuleOfAddress(entries);
    if (!module || count == 0) return;
    auto& registry = Resources();
    std::lock_guard guard(registry.lock);
    registry.tables.push_back({module, entries, count});
}

void ZoltUnregisterResources(const ZoltResourceEntry* entries) {
    auto& registry = Resources();
    std::lock_guard guard(registry.lock);
    std::erase_if(registry.tables, [&](const Table& t) { return t.entries == entries; });
}

HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type) {
    module = OrExecutable(module);
    auto& registry = Resources();
    std::lock_guard guard(registry.lock);
    for (const Table& table : registry.tables) {
        if (table.module != module) continue;
        for (size_t i = 0; i < table.count; ++i) {
            const ZoltResourceEntry& entry = table.entries[i];
            if (KeyMatches(type, entry.typeId, entry.type) &&
                KeyMatches(name, entry.nameId, entry.name)) {
                return reinterpret_cast<HRSRC>(const_cast<ZoltResourceEntry*>(&entry));
            }
        }
    }
    return nullptr;
}

HGLOBAL LoadResource(HMODULE module, HRSRC resource) {
    const ZoltResourceEntry* entry = EntryOf(module, resource);
    return entry ? reinterpret_cast<HGLOBAL>(const_cast<unsigned char*>(entry->begin)) : nullptr;
}

DWORD SizeofResource(HMODULE module, HRSRC resource) {
    const ZoltResourceEntry* entry = EntryOf(module, resource);
    return entry ? static_cast<DWORD>(entry->end - entry->begin) : 0;
}

void* LockResource(HGLOBAL data) {
    return data;
}

BOOL FreeResource(HGLOBAL) {
    return FALSE;
}
