#include "win32/sdl_dialog.h"

#include <SDL.h>

#include <array>
#include <optional>

#include "image/image_decode.h"
#include "win32_modules.h"

namespace platform {
namespace {

// The dialog font: the library's glyph sheet of 16 x 16 cells in the Windows-1251
// layout with one advance byte per code, drawn scaled to the dialog's text size.
constexpr int kFontCell = 32;
constexpr float kFontScale = 0.72f;

struct View {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    std::vector<SDL_Texture*> bitmaps;  // one per control, null for text controls
    SDL_Texture* font = nullptr;
    std::array<int8_t, 256> widths{};
};

std::span<const uint8_t> ResourceBytes(HMODULE module, LPCWSTR name, LPCWSTR type) {
    HRSRC found = FindResourceW(module, name, type);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) return {};
    return {static_cast<const uint8_t*>(bytes), SizeofResource(module, found)};
}

SDL_Texture* TextureFrom(SDL_Renderer* renderer, std::span<const uint8_t> bytes) {
    std::optional<DecodedImage> image = bytes.empty() ? std::nullopt : DecodeImage(bytes);
    if (!image) return nullptr;
    SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA32,
                                             SDL_TEXTUREACCESS_STATIC, image->width, image->height);
    if (texture == nullptr) return nullptr;
    SDL_UpdateTexture(texture, nullptr, image->rgba.data(), image->width * 4);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
    return texture;
}

int GlyphCode(wchar_t ch) {
    return ch <= 255 ? static_cast<int>(ch) : static_cast<int>(ch) - 848;
}

int PenAdvance(const View& view, int code) {
    int w = view.widths[code];
    return w < kFontCell / 2 ? static_cast<int>(w * kFontScale) + 1
                             : static_cast<int>(w * kFontScale);
}

void DrawText(View& view, const DialogControl& control) {
    if (view.font == nullptr) return;
    int width = 0;
    for (wchar_t ch : control.text) {
        int code = GlyphCode(ch);
        if (code >= 0 && code <= 255) width += PenAdvance(view, code);
    }
    int height = control.rect.bottom - control.rect.top;
    int x = (control.style & 0x1F) == SS_RIGHT ? control.rect.right - width : control.rect.left;
    int cell = static_cast<int>(kFontCell * kFontScale);
    int y = control.rect.top + (height - cell) / 2;
    SDL_SetTextureColorMod(view.font, 0, 0, 0);
    for (wchar_t ch : control.text) {
        int code = GlyphCode(ch);
        if (code < 0 || code > 255) continue;
        SDL_Rect source{code % 16 * kFontCell, code / 16 * kFontCell, kFontCell, kFontCell};
        SDL_Rect target{x, y, cell, cell};
        SDL_RenderCopy(view.renderer, view.font, &source, &target);
        x += PenAdvance(view, code);
    }
}

}  // namespace

void SdlOpenDialog(Dialog& dialog, int x, int y) {
    auto* view = new View;
    view->window = SDL_CreateWindow("", x, y, std::max(1, dialog.width), std::max(1, dialog.height),
                                    SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALWAYS_ON_TOP);
    if (view->window) view->renderer = SDL_CreateRenderer(view->window, -1, 0);
    if (view->renderer == nullptr) {
        if (view->window) SDL_DestroyWindow(view->window);
        delete view;
        return;
    }
    for (const DialogControl& control : dialog.controls) {
        view->bitmaps.push_back(
            control.bitmap ? TextureFrom(view->renderer,
                                         ResourceBytes(dialog.module,
                                                       MAKEINTRESOURCEW(control.bitmap), RT_BITMAP))
                           : nullptr);
    }
    HMODULE platformModule = GetModuleHandleW(L"libzolt_platform.so");
    view->font = TextureFrom(view->renderer, ResourceBytes(platformModule, L"DIALOG", L"FONT"));
    std::span<const uint8_t> widths = ResourceBytes(platformModule, L"DIALOGWIDTHS", L"FONT");
    for (size_t c = 0; c < 256 && 2 * c < widths.size(); ++c) {
        view->widths[c] = static_cast<int8_t>(widths[2 * c]);
    }
    dialog.view = view;
    SdlDrawDialog(dialog);
}

void SdlDrawDialog(Dialog& dialog) {
    auto* view = static_cast<View*>(dialog.view);
    SDL_SetRenderDrawColor(view->renderer, 0xF0, 0xF0, 0xF0, 0xFF);
    SDL_RenderClear(view->renderer);
    for (size_t i = 0; i < dialog.controls.size(); ++i) {
        const DialogControl& control = dialog.controls[i];
        if (SDL_Texture* bitmap = view->bitmaps[i]) {
            int w, h;
            SDL_QueryTexture(bitmap, nullptr, nullptr, &w, &h);
            // A bitmap shown at its real size, not fitted to the control.
            SDL_Rect target{control.rect.left, control.rect.top, w, h};
            SDL_RenderCopy(view->renderer, bitmap, nullptr, &target);
        }
    }
    for (const DialogControl& control : dialog.controls) {
        if (!control.bitmap) DrawText(*view, control);
    }
    SDL_RenderPresent(view->renderer);
    SDL_PumpEvents();
}

void SdlCloseDialog(Dialog& dialog) {
    auto* view = static_cast<View*>(dialog.view);
    SDL_DestroyRenderer(view->renderer);  // its textures go with it
    SDL_DestroyWindow(view->window);
    delete view;
    dialog.view = nullptr;
}

}  // namespace platform
