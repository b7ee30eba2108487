#include "graphics.h"

#include <SDL.h>
#include <png.h>

#include <cmath>
#include <cstdio>
#include <unordered_set>

#include "graphics_internal.h"

namespace {
struct DrawState {
    int r = 255, g = 255, b = 255;
    float alpha = 1;
    int blend = ALPHABLEND;
    float sx = 1, sy = 1;
    float rotation = 0;
    float line_width = 1;
    float origin_x = 0, origin_y = 0;
};
DrawState state;

SDL_Window* window = nullptr;
SDL_Renderer* sdl_renderer = nullptr;
SDL_Texture* screen_target = nullptr;  // the 1024 x 768 virtual screen
bool headless = false;
std::unordered_set<TImage*> textured_images;  // images holding textures of the current renderer

SDL_BlendMode SdlBlend(int mode) {
    switch (mode) {
        case SOLIDBLEND: return SDL_BLENDMODE_NONE;
        case LIGHTBLEND: return SDL_BLENDMODE_ADD;
        default: return SDL_BLENDMODE_BLEND;
    }
}

Uint8 AlphaByte() {
    const float a = state.alpha < 0 ? 0 : (state.alpha > 1 ? 1 : state.alpha);
    return static_cast<Uint8>(a * 255.0f + 0.5f);
}

// Transforms a point given relative to a drawing position by the current scale and rotation.
void Transform(float px, float py, float cx, float cy, float* out_x, float* out_y) {
    px *= state.sx;
    py *= state.sy;
    if (state.rotation != 0) {
        const float rad = state.rotation * static_cast<float>(M_PI) / 180.0f;
        const float c = std::cos(rad), s = std::sin(rad);
        const float rx = px * c - py * s;
        const float ry = px * s + py * c;
        px = rx;
        py = ry;
    }
    *out_x = cx + state.origin_x + px;
    *out_y = cy + state.origin_y + py;
}

void ReleaseAllTextures() {
    for (TImage* image : textured_images) {
        for (SDL_Texture*& texture : image->textures) {
            if (texture) SDL_DestroyTexture(texture);
            texture = nullptr;
        }
    }
    textured_images.clear();
}
}  // namespace

uint32_t Pixmap::ReadPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    const uint8_t* p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
    return (static_cast<uint32_t>(p[3]) << 24) | (static_cast<uint32_t>(p[0]) << 16) |
           (static_cast<uint32_t>(p[1]) << 8) | p[2];
}

void Pixmap::WritePixel(int x, int y, uint32_t argb) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    uint8_t* p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
    p[0] = static_cast<uint8_t>(argb >> 16);
    p[1] = static_cast<uint8_t>(argb >> 8);
    p[2] = static_cast<uint8_t>(argb);
    p[3] = static_cast<uint8_t>(argb >> 24);
}

Pixmap Pixmap::Window(int x, int y, int w, int h) const {
    Pixmap out(w > 0 ? w : 0, h > 0 ? h : 0);
    for (int row = 0; row < out.height; ++row) {
        for (int col = 0; col < out.width; ++col) out.WritePixel(col, row, ReadPixel(x + col, y + row));
    }
    return out;
}

TImage::~TImage() {
    for (SDL_Texture* texture : textures) {
        if (texture) SDL_DestroyTexture(texture);
    }
    textured_images.erase(this);
}

void SetColor(int r, int g, int b) {
    state.r = r < 0 ? 0 : (r > 255 ? 255 : r);
    state.g = g < 0 ? 0 : (g > 255 ? 255 : g);
    state.b = b < 0 ? 0 : (b > 255 ? 255 : b);
}
void GetColor(int* r, int* g, int* b) {
    *r = state.r;
    *g = state.g;
    *b = state.b;
}
void SetAlpha(float a) { state.alpha = a; }
float GetAlpha() { return state.alpha; }
void SetBlend(int mode) { state.blend = mode; }
int GetBlend() { return state.blend; }
void SetScale(float sx, float sy) {
    state.sx = sx;
    state.sy = sy;
}
void GetScale(float* sx, float* sy) {
    *sx = state.sx;
    *sy = state.sy;
}
void SetRotation(float degrees) { state.rotation = degrees; }
float GetRotation() { return state.rotation; }
void SetLineWidth(float w) { state.line_width = w; }
float GetLineWidth() { return state.line_width; }
void SetOrigin(float x, float y) {
    state.origin_x = x;
    state.origin_y = y;
}
void GetOrigin(float* x, float* y) {
    *x = state.origin_x;
    *y = state.origin_y;
}

void SetViewport(int x, int y, int w, int h) {
    if (!sdl_renderer) return;
    if (x <= 0 && y <= 0 && x + w >= kVirtualWidth && y + h >= kVirtualHeight) {
        SDL_RenderSetClipRect(sdl_renderer, nullptr);
        return;
    }
    SDL_Rect clip{x, y, w > 0 ? w : 0, h > 0 ? h : 0};
    SDL_RenderSetClipRect(sdl_renderer, &clip);
}

int ImageWidth(const Image& image) { return image ? image->width : 0; }
int ImageHeight(const Image& image) { return image ? image->height : 0; }

Pixmap& LockImage(const Image& image, int frame) {
    if (frame < 0 || frame >= static_cast<int>(image->frames.size())) frame = 0;
    return image->frames[static_cast<size_t>(frame)];
}

void UnlockImage(const Image& image, int frame) {
    if (!image || frame < 0 || frame >= static_cast<int>(image->textures.size())) return;
    SDL_Texture*& texture = image->textures[static_cast<size_t>(frame)];
    if (texture) SDL_DestroyTexture(texture);  // re-uploaded from the pixmap at the next draw
    texture = nullptr;
}

SDL_Texture* ImageTexture(const Image& image, int frame) {
    if (!sdl_renderer || !image || frame < 0 || frame >= static_cast<int>(image->frames.size())) return nullptr;
    if (image->textures.size() != image->frames.size()) image->textures.resize(image->frames.size(), nullptr);
    SDL_Texture*& texture = image->textures[static_cast<size_t>(frame)];
    if (texture) return texture;
    const Pixmap& pixmap = image->frames[static_cast<size_t>(frame)];
    if (pixmap.width <= 0 || pixmap.height <= 0) return nullptr;
    texture = SDL_CreateTexture(sdl_renderer, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC, pixmap.width,
                                pixmap.height);
    if (!texture) return nullptr;
    SDL_UpdateTexture(texture, nullptr, pixmap.rgba.data(), pixmap.width * 4);
    if (image->opaque.size() != image->frames.size()) image->opaque.resize(image->frames.size(), 0);
    bool opaque = true;
    for (size_t i = 3; i < pixmap.rgba.size() && opaque; i += 4) opaque = pixmap.rgba[i] == 255;
    image->opaque[static_cast<size_t>(frame)] = opaque ? 1 : 0;
    SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
    textured_images.insert(image.get());
    return texture;
}

void DrawQuadCorners(SDL_Texture* texture, const float xy[8], const float uv[8]) {
    if (!sdl_renderer) return;
    SDL_Vertex v[4];
    const SDL_Color color{static_cast<Uint8>(state.r), static_cast<Uint8>(state.g), static_cast<Uint8>(state.b),
                          AlphaByte()};
    for (int i = 0; i < 4; ++i) {
        v[i].position = SDL_FPoint{xy[i * 2], xy[i * 2 + 1]};
        v[i].color = color;
        v[i].tex_coord = SDL_FPoint{uv[i * 2], uv[i * 2 + 1]};
    }
    static const int indices[6] = {0, 1, 2, 0, 2, 3};
    if (texture) SDL_SetTextureBlendMode(texture, SdlBlend(state.blend));
    SDL_SetRenderDrawBlendMode(sdl_renderer, SdlBlend(state.blend));
    SDL_RenderGeometry(sdl_renderer, texture, v, 4, indices, 6);
}

void Cls() {
    if (!sdl_renderer) return;
    SDL_SetRenderDrawColor(sdl_renderer, 0, 0, 0, 255);
    SDL_RenderClear(sdl_renderer);
}

void DrawTextureRect(SDL_Texture* texture, const SDL_Rect& src, float cx, float cy, float w, float h, float angle,
                     bool flip_x, bool flip_y) {
    if (!sdl_renderer || !texture || w <= 0 || h <= 0) return;
    SDL_SetTextureColorMod(texture, static_cast<Uint8>(state.r), static_cast<Uint8>(state.g),
                           static_cast<Uint8>(state.b));
    SDL_SetTextureAlphaMod(texture, AlphaByte());
    SDL_SetTextureBlendMode(texture, SdlBlend(state.blend));
    const SDL_FRect dst{cx - w / 2, cy - h / 2, w, h};
    const int flip = (flip_x ? SDL_FLIP_HORIZONTAL : 0) | (flip_y ? SDL_FLIP_VERTICAL : 0);
    if (angle == 0 && flip == 0) {
        SDL_RenderCopyF(sdl_renderer, texture, &src, &dst);
    } else {
        SDL_RenderCopyExF(sdl_renderer, texture, &src, &dst, angle, nullptr, static_cast<SDL_RendererFlip>(flip));
    }
}

namespace {
// The software blitter multiplies colours slowly (a whole-screen picture in a grey fade costs tens of
// milliseconds). A picture that covers its box completely, drawn in a grey, is the same as the
// picture drawn plainly with black laid over it at 1 - grey: that is the fast way to draw faded
// backgrounds.
bool DrawFadedOpaque(SDL_Texture* texture, const SDL_Rect& src, float cx, float cy, float w, float h) {
    const SDL_FRect dst{cx - w / 2, cy - h / 2, w, h};
    SDL_SetTextureColorMod(texture, 255, 255, 255);
    SDL_SetTextureAlphaMod(texture, 255);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
    SDL_RenderCopyF(sdl_renderer, texture, &src, &dst);
    SDL_SetRenderDrawBlendMode(sdl_renderer, SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(sdl_renderer, 0, 0, 0, static_cast<Uint8>(255 - state.r));
    SDL_RenderFillRectF(sdl_renderer, &dst);
    return true;
}
}  // namespace

void DrawImageQuad(const Image& image, int frame, float x, float y, float w, float h, float u0, float v0, float u1,
                   float v1) {
    SDL_Texture* texture = ImageTexture(image, frame);
    if (!texture) return;
    // The blitter (scaled and rotated copies) is many times faster than textured triangles on the
    // software renderer. Texture coordinates become the whole pixels they cover.
    const Pixmap& pixmap = image->frames[static_cast<size_t>(frame)];
    const float tw = static_cast<float>(pixmap.width), th = static_cast<float>(pixmap.height);
    const int sx0 = static_cast<int>(std::floor(u0 * tw + 0.001f));
    const int sy0 = static_cast<int>(std::floor(v0 * th + 0.001f));
    const int sx1 = static_cast<int>(std::ceil(u1 * tw - 0.001f));
    const int sy1 = static_cast<int>(std::ceil(v1 * th - 0.001f));
    const SDL_Rect src{sx0, sy0, sx1 - sx0, sy1 - sy0};
    if (src.w <= 0 || src.h <= 0) return;
    const bool grey = state.r == state.g && state.g == state.b && state.r < 255;
    const bool covers = state.blend == SOLIDBLEND ||
                        (state.blend == ALPHABLEND && AlphaByte() == 255 && image->opaque[static_cast<size_t>(frame)]);
    if (grey && covers && state.rotation == 0 && state.sx > 0 && state.sy > 0) {
        DrawFadedOpaque(texture, src, x + state.origin_x, y + state.origin_y, w * state.sx, h * state.sy);
        return;
    }
    DrawTextureRect(texture, src, x + state.origin_x, y + state.origin_y, std::fabs(w * state.sx),
                    std::fabs(h * state.sy), state.rotation, state.sx < 0, state.sy < 0);
}

void DrawImage(const Image& image, float x, float y, int frame) {
    if (!image) return;
    DrawImageQuad(image, frame, x, y, static_cast<float>(image->width), static_cast<float>(image->height), 0, 0, 1,
                  1);
}

void DrawRect(float x, float y, float w, float h) {
    if (state.rotation == 0 && sdl_renderer) {
        float x0 = x + state.origin_x, y0 = y + state.origin_y;
        float rw = w * state.sx, rh = h * state.sy;
        if (rw < 0) {
            x0 += rw;
            rw = -rw;
        }
        if (rh < 0) {
            y0 += rh;
            rh = -rh;
        }
        SDL_SetRenderDrawBlendMode(sdl_renderer, SdlBlend(state.blend));
        SDL_SetRenderDrawColor(sdl_renderer, static_cast<Uint8>(state.r), static_cast<Uint8>(state.g),
                               static_cast<Uint8>(state.b), AlphaByte());
        const SDL_FRect rect{x0, y0, rw, rh};
        SDL_RenderFillRectF(sdl_renderer, &rect);
        return;
    }
    float xy[8];
    Transform(0, 0, x, y, &xy[0], &xy[1]);
    Transform(w, 0, x, y, &xy[2], &xy[3]);
    Transform(w, h, x, y, &xy[4], &xy[5]);
    Transform(0, h, x, y, &xy[6], &xy[7]);
    const float uv[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    DrawQuadCorners(nullptr, xy, uv);
}

void DrawLine(float x1, float y1, float x2, float y2) {
    float ax, ay, bx, by;
    Transform(0, 0, x1, y1, &ax, &ay);
    Transform(x2 - x1, y2 - y1, x1, y1, &bx, &by);
    const float dx = bx - ax, dy = by - ay;
    const float len = std::sqrt(dx * dx + dy * dy);
    const float half = (state.line_width > 1 ? state.line_width : 1) / 2.0f;
    const float nx = len > 0 ? -dy / len * half : 0, ny = len > 0 ? dx / len * half : half;
    const float xy[8] = {ax + nx, ay + ny, bx + nx, by + ny, bx - nx, by - ny, ax - nx, ay - ny};
    const float uv[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    DrawQuadCorners(nullptr, xy, uv);
}

Viewport LetterboxViewport(int screen_w, int screen_h) {
    Viewport v;
    if (screen_w <= 0 || screen_h <= 0) return v;
    if (static_cast<float>(screen_w) / static_cast<float>(screen_h) >= 1.33f) {
        v.h = screen_h;
        v.w = screen_h * 1024 / 768;
        v.x = (screen_w - v.w) / 2;
    } else {
        v.w = screen_w;
        v.h = screen_w * 768 / 1024;
        v.y = (screen_h - v.h) / 2;
    }
    return v;
}

bool OpenGraphics(const VideoOptions& options) {
    if (window) {
        // Re-opening keeps the renderer (and every texture): only the window mode changes.
        Uint32 flags = 0;
        if (options.fullscreen) flags = options.desktop ? SDL_WINDOW_FULLSCREEN_DESKTOP : SDL_WINDOW_FULLSCREEN;
        if (!options.fullscreen) {
            SDL_SetWindowFullscreen(window, 0);
            SDL_SetWindowSize(window, options.width, options.height);
            return true;
        }
        SDL_DisplayMode mode{SDL_PIXELFORMAT_RGB888, options.width, options.height, 60, nullptr};
        SDL_SetWindowDisplayMode(window, &mode);
        return SDL_SetWindowFullscreen(window, flags) == 0;
    }
    headless = options.headless;
    if (headless) SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    Uint32 flags = SDL_WINDOW_RESIZABLE;
    if (headless) flags |= SDL_WINDOW_HIDDEN;
    if (options.fullscreen) flags |= options.desktop ? SDL_WINDOW_FULLSCREEN_DESKTOP : SDL_WINDOW_FULLSCREEN;
    window = SDL_CreateWindow(options.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, options.width,
                              options.height, flags);
    if (!window) return false;
    Uint32 renderer_flags = headless ? SDL_RENDERER_SOFTWARE : SDL_RENDERER_ACCELERATED;
    sdl_renderer = SDL_CreateRenderer(window, -1, renderer_flags | SDL_RENDERER_TARGETTEXTURE);
    if (!sdl_renderer) sdl_renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    if (!sdl_renderer) {
        SDL_DestroyWindow(window);
        window = nullptr;
        return false;
    }
    screen_target = SDL_CreateTexture(sdl_renderer, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_TARGET,
                                      kVirtualWidth, kVirtualHeight);
    if (!screen_target) {
        CloseGraphics();
        return false;
    }
    SDL_SetTextureBlendMode(screen_target, SDL_BLENDMODE_NONE);
    SDL_SetRenderTarget(sdl_renderer, screen_target);
    SDL_ShowCursor(SDL_DISABLE);
    Cls();
    return true;
}

void CloseGraphics() {
    ReleaseAllTextures();
    if (screen_target) SDL_DestroyTexture(screen_target);
    if (sdl_renderer) SDL_DestroyRenderer(sdl_renderer);
    if (window) SDL_DestroyWindow(window);
    screen_target = nullptr;
    sdl_renderer = nullptr;
    window = nullptr;
}

bool GraphicsOpen() { return sdl_renderer != nullptr; }
bool GraphicsHeadless() { return headless; }
SDL_Renderer* PlatformRenderer() { return sdl_renderer; }

bool StartVideo(bool headless_video) {
    if (headless_video) SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    return SDL_WasInit(SDL_INIT_VIDEO) || SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}

void DesktopSize(int* w, int* h) {
    SDL_DisplayMode mode;
    if (SDL_WasInit(SDL_INIT_VIDEO) && SDL_GetDesktopDisplayMode(0, &mode) == 0) {
        *w = mode.w;
        *h = mode.h;
    } else {
        *w = 1024;
        *h = 768;
    }
}

void WindowSize(int* w, int* h) {
    *w = 0;
    *h = 0;
    if (window) SDL_GetWindowSize(window, w, h);
}

void SetWindowIcon(const std::string& path) {
    if (!window) return;
    Image icon = LoadImage(path);
    if (!icon || icon->frames.empty()) return;
    Pixmap& pixmap = icon->frames[0];
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(pixmap.rgba.data(), pixmap.width, pixmap.height, 32,
                                                              pixmap.width * 4, SDL_PIXELFORMAT_RGBA32);
    if (!surface) return;
    SDL_SetWindowIcon(window, surface);
    SDL_FreeSurface(surface);
}

void Flip() {
    if (!sdl_renderer) return;
    SDL_SetRenderTarget(sdl_renderer, nullptr);
    SDL_RenderSetClipRect(sdl_renderer, nullptr);
    SDL_SetRenderDrawColor(sdl_renderer, 0, 0, 0, 255);
    SDL_RenderClear(sdl_renderer);
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(sdl_renderer, &w, &h);
    const Viewport v = LetterboxViewport(w, h);
    const SDL_Rect dest{v.x, v.y, v.w, v.h};
    SDL_RenderCopy(sdl_renderer, screen_target, nullptr, &dest);
    SDL_RenderPresent(sdl_renderer);
    SDL_SetRenderTarget(sdl_renderer, screen_target);
}

Pixmap GrabScreen() {
    if (!sdl_renderer) return Pixmap();
    Pixmap shot(kVirtualWidth, kVirtualHeight);
    SDL_RenderSetClipRect(sdl_renderer, nullptr);
    if (SDL_RenderReadPixels(sdl_renderer, nullptr, SDL_PIXELFORMAT_RGBA32, shot.rgba.data(), kVirtualWidth * 4) !=
        0) {
        return Pixmap();
    }
    for (size_t i = 3; i < shot.rgba.size(); i += 4) shot.rgba[i] = 255;
    return shot;
}

bool SavePNG(const Pixmap& pixmap, const std::string& path) {
    if (pixmap.width <= 0 || pixmap.height <= 0) return false;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(pixmap.width), static_cast<png_uint_32>(pixmap.height), 8,
                 PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < pixmap.height; ++y) {
        png_write_row(png, const_cast<png_bytep>(&pixmap.rgba[static_cast<size_t>(y) * pixmap.width * 4]));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}
