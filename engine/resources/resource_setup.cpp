#include "resources/resource_setup.h"

#include <cwchar>

#include "core/engine_state.h"
#include "resources/file_search.h"
#include "resources/sound_data.h"
#include "resources/texture_registry.h"
#include "zolt.h"

namespace {

constexpr int kLoadingDialog = 107;
constexpr int kPercentItem = 1007;

// The total of the listed sizes, summed from the last record to the first in
// single precision, as the running sum of the loading loop adds them.
float SumOfSizes(const std::vector<ResourceFile>& files) {
    float total = 0;
    for (size_t i = files.size(); i-- > 0;) total += static_cast<float>(files[i].size);
    return total;
}

void LoadListed(const ResourceFile& file) {
    if (file.kind >= 1 && file.kind <= 5) GetTexture(file.name.c_str());
    if (file.kind == 6) GetSoundData(file.name.c_str());
}

}  // namespace

int32_t GetResourceKind(const wchar_t* fileName) {
    static const wchar_t* const kEndings[] = {L".png", L".jpg", L".bmp", L".dds", L".tga", L".wav"};
    size_t length = std::wcslen(fileName);
    if (length <= 4) return 0;
    for (int32_t kind = 1; kind <= 6; ++kind) {
        if (std::wcscmp(fileName + length - 4, kEndings[kind - 1]) == 0) return kind;
    }
    return 0;
}

void CollectResourceFiles(const wchar_t* folder) {
    std::wstring prefix = folder ? std::wstring(folder) + L"\\" : std::wstring();
    WalkFolder(prefix, [](const std::wstring&, const WIN32_FIND_DATAW& entry) {
        if (int32_t kind = GetResourceKind(entry.cFileName)) {
            engine.resources.files.push_back(
                ResourceFile{entry.cFileName, entry.nFileSizeLow, kind});
        }
        return false;
    });
}

void PreloadResources() {
    ResourceManager& resources = engine.resources;
    if (resources.rootFolder == nullptr) return;
    CollectResourceFiles(resources.rootFolder);
    const std::vector<ResourceFile>& files = resources.files;
    if (files.empty()) return;

    HWND dialog = CreateDialogParamW(GetModuleHandleW(L"libzolt.so"),
                                     MAKEINTRESOURCEW(kLoadingDialog), engine.window, nullptr, 0);
    float total = SumOfSizes(files);
    float running = 0;
    int shown = 0;
    for (size_t i = files.size(); i-- > 0;) {
        LoadListed(files[i]);
        running += static_cast<float>(files[i].size);
        auto percent = static_cast<int>(static_cast<double>(running) * 100 / total);
        if (percent > shown) {
            shown = percent;
            if (percent <= 100) SetDlgItemInt(dialog, kPercentItem, percent, FALSE);
        }
    }
    Sleep(250);
    if (dialog) DestroyWindow(dialog);
}

void InitResources(const wchar_t* folder) {
    engine.resources.rootFolder = folder;
    RegisterPlaceholderTexture();
    if (engine.resources.rootFolder) PreloadResources();
    ShowWindow(engine.window, SW_SHOWNORMAL);
    UpdateWindow(engine.window);
}

void ResourceIni(const wchar_t* folder) {
    InitResources(folder);
}

void TearDownResources(ResourceManager& resources) {
    for (SoundData* data : resources.sounds) DestroySoundData(data);
    resources.files.clear();
    resources.files.shrink_to_fit();
    resources.sounds.clear();
    resources.sounds.shrink_to_fit();
    // Each texture keeps the device alive; released here, the device can go after.
    for (TextureEntry& entry : resources.textures) entry.texture->Release();
    resources.textures.clear();
    resources.textures.shrink_to_fit();
}
