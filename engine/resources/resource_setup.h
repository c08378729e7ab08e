// The resource set-up step: the placeholder texture, the preload of a folder
// behind the loading dialog, and showing the application window.
#pragma once

#include <cstdint>

void InitResources(const wchar_t* folder);
// Appends every image and WAV file below folder (null: the current folder).
void CollectResourceFiles(const wchar_t* folder);
// 1 to 5 for .png .jpg .bmp .dds .tga, 6 for .wav, 0 for anything else.
int32_t GetResourceKind(const wchar_t* fileName);
void PreloadResources();
