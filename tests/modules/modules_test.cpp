#include <string>

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "win32_modules.h"

extern "C" int LibraryModuleMarker();

namespace {

constexpr const wchar_t* kLibrary = L"libzolt_test_resource_module.so";
const std::string kProgramText = "executable text\n";
const std::string kLibraryText = "library text\n";

std::wstring Wide(const std::string& s) {
    return std::wstring(s.begin(), s.end());
}

HMODULE Library() {
    EXPECT_EQ(LibraryModuleMarker(), 7);  // keeps the library linked in
    return GetModuleHandleW(kLibrary);
}

// The bytes of a resource found in module, or "<none>".
std::string ResourceText(HMODULE module, LPCWSTR name, LPCWSTR type) {
    HRSRC found = FindResourceW(module, name, type);
    if (!found) return "<none>";
    HGLOBAL loaded = LoadResource(module, found);
    const char* bytes = static_cast<const char*>(LockResource(loaded));
    return bytes ? std::string(bytes, SizeofResource(module, found)) : "<unloadable>";
}

TEST(ModuleHandles, NameTheExecutableAndLoadedLibraries) {
    HMODULE executable = GetModuleHandleW(nullptr);
    ASSERT_NE(executable, nullptr);
    HMODULE library = Library();
    ASSERT_NE(library, nullptr);
    EXPECT_NE(library, executable);

    char self[4096];
    ssize_t n = readlink("/proc/self/exe", self, sizeof(self) - 1);
    ASSERT_GT(n, 0);
    std::string selfPath(self, static_cast<size_t>(n));
    EXPECT_EQ(GetModuleHandleW(Wide(selfPath.substr(selfPath.rfind('/') + 1)).c_str()), executable);

    Dl_info info{};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(&LibraryModuleMarker), &info), 0);
    struct Case {
        std::wstring name;
        HMODULE module;
    } cases[] = {
        {kLibrary, library},
        {L"libzolt_test_resource_module.so.1", library},
        {L"LIBZOLT_TEST_RESOURCE_MODULE.SO", library},
        {Wide(info.dli_fname), library},  // the whole path
        {L"libzolt_test_resource_module", nullptr},
        {L"libzolt_test_resource_module.so.x", nullptr},
        {L"zolt_test_resource_module.so", nullptr},
        {L"", nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetModuleHandleW(c.name.c_str()), c.module)
            << std::string(c.name.begin(), c.name.end());
    }
}

TEST(ModuleResources, AreFoundOnlyInTheirOwnModule) {
    HMODULE executable = GetModuleHandleW(nullptr);
    HMODULE library = Library();
    ASSERT_NE(library, nullptr);
    struct Case {
        const char* label;
        HMODULE module;
        LPCWSTR name;
        LPCWSTR type;
        std::string text;
    } cases[] = {
        {"null_module", nullptr, L"shared", L"TEXT", kProgramText},
        {"executable", executable, L"shared", L"TEXT", kProgramText},
        {"library", library, L"shared", L"TEXT", kLibraryText},
        {"library_only", library, L"libraryonly", L"TEXT", kLibraryText},
        {"not_through_executable", nullptr, L"libraryonly", L"TEXT", "<none>"},
        {"not_through_library", library, L"Mixed Case", L"My Type", "<none>"},
        {"letter_case", nullptr, L"SHARED", L"text", kProgramText},
        {"letter_case_spaces", executable, L"mIXED cASE", L"MY TYPE", kProgramText},
        {"ids", nullptr, MAKEINTRESOURCEW(5), RT_RCDATA, kProgramText},
        {"id_is_not_a_string", nullptr, L"5", RT_RCDATA, "<none>"},
        {"type_id_is_not_a_string", nullptr, MAKEINTRESOURCEW(5), L"10", "<none>"},
        {"other_id", nullptr, MAKEINTRESOURCEW(6), RT_RCDATA, "<none>"},
        {"other_type", nullptr, L"shared", L"TEXTS", "<none>"},
        {"no_name", nullptr, nullptr, L"TEXT", "<none>"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ResourceText(c.module, c.name, c.type), c.text) << c.label;
    }
}

TEST(ModuleResources, HandlesOfAnotherModuleAreRefused) {
    HMODULE library = Library();
    HRSRC programs = FindResourceW(nullptr, L"shared", L"TEXT");
    ASSERT_NE(programs, nullptr);
    EXPECT_EQ(LoadResource(library, programs), nullptr);
    EXPECT_EQ(SizeofResource(library, programs), 0u);
    EXPECT_NE(LoadResource(GetModuleHandleW(nullptr), programs), nullptr);
    EXPECT_EQ(LoadResource(nullptr, nullptr), nullptr);
    EXPECT_EQ(SizeofResource(nullptr, nullptr), 0u);
    EXPECT_EQ(FreeResource(LoadResource(nullptr, programs)), FALSE);
}

TEST(ModuleResources, EmbedLargeGeneratedFiles) {
    // A file the build makes, of several MB.
    HRSRC large = FindResourceW(nullptr, MAKEINTRESOURCEW(102), RT_BITMAP);
    ASSERT_NE(large, nullptr);
    ASSERT_EQ(SizeofResource(nullptr, large), 3u << 20);
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, large)));
    ASSERT_NE(bytes, nullptr);
    const std::string pattern = "0123456789abcdef";
    for (size_t at = 0; at < (3u << 20); at += 4093) {
        ASSERT_EQ(bytes[at], pattern[at % 16]) << at;
    }
    EXPECT_EQ(std::string(bytes + (3u << 20) - 16, 16), pattern);
}

}  // namespace
