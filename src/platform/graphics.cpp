#include "graphics.h"

#include <SDL.h>
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unordered_set>

#include "compositor.h"
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
    SDL_Rect clip{0, 0, kVirtualWidth, kVirtualHeight};
};
DrawState state;

SDL_Window* window = nullptr;
bool headless = false;
DrawingPath drawing = DrawingPath::Compositor;
// The compositor's frames, or (GPU drawing) the renderer with two 1024 x 768 target textures taking
// turns as the virtual screen, so the one last shown stays intact.
std::unique_ptr<Compositor> compositor;
SDL_Renderer* sdl_renderer = nullptr;
SDL_Texture* screen_targets[2] = {nullptr, nullptr};
int target_current = 0, target_shown = 1;
// Images holding textures of the current renderer. Never destroyed: images kept in static variables
// elsewhere may outlive any static set.
std::unordered_set<TImage*>& textured_images = *new std::unordered_set<TImage*>();

int Times(int c, int a) {
    const int t = c * a + 128;
    return (t + (t >> 8)) >> 8;  // c * a / 255, rounded
}

uint32_t Premultiplied(uint32_t r, uint32_t g, uint32_t b, uint32_t a) {
    return (a << 24) | (static_cast<uint32_t>(Times(static_cast<int>(r), static_cast<int>(a))) << 16) |
           (static_cast<uint32_t>(Times(static_cast<int>(g), static_cast<int>(a))) << 8) |
           static_cast<uint32_t>(Times(static_cast<int>(b), static_cast<int>(a)));
}

// Premultiplied back to straight 0xAARRGGBB.
uint32_t Straight(uint32_t p) {
    const uint32_t a = p >> 24;
    if (a == 255) return p;
    if (a == 0) return 0;
    auto channel = [a](uint32_t c) { return std::min<uint32_t>(255, (c * 255 + a / 2) / a); };
    return (a << 24) | (channel((p >> 16) & 0xFF) << 16) | (channel((p >> 8) & 0xFF) << 8) | channel(p & 0xFF);
}

void StorePixel(uint8_t* at, uint32_t word) { std::memcpy(at, &word, 4); }

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

Paint CurrentPaint() {
    Paint p;
    p.r = state.r;
    p.g = state.g;
    p.b = state.b;
    p.alpha = AlphaByte();
    p.blend = state.blend;
    return p;
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
        for (ImageFrame& frame : image->frames) {
            if (frame.texture) SDL_DestroyTexture(frame.texture);
            frame.texture = nullptr;
        }
    }
    textured_images.clear();
}

// The renderer's texture of a frame (straight alpha, as SDL blends), made on demand.
SDL_Texture* ImageTexture(const Image& image, int frame) {
    if (!sdl_renderer || !image || frame < 0 || frame >= static_cast<int>(image->frames.size())) return nullptr;
    ImageFrame& f = image->frames[static_cast<size_t>(frame)];
    if (f.texture) return f.texture;
    if (f.w <= 0 || f.h <= 0 || f.data.empty()) return nullptr;
    f.texture = SDL_CreateTexture(sdl_renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, f.w, f.h);
    if (!f.texture) return nullptr;
    std::vector<uint32_t> straight(static_cast<size_t>(f.w) * f.h);
    for (size_t i = 0; i < straight.size(); ++i) {
        uint32_t p;
        std::memcpy(&p, &f.data[i * 4], 4);
        straight[i] = Straight(p);
    }
    SDL_UpdateTexture(f.texture, nullptr, straight.data(), f.w * 4);
    SDL_SetTextureScaleMode(f.texture, SDL_ScaleModeLinear);
    MeasureFrame(f, image->width, image->height);
    textured_images.insert(image.get());
    return f.texture;
}

void ApplyRendererClip() {
    const SDL_Rect& c = state.clip;
    if (c.x <= 0 && c.y <= 0 && c.x + c.w >= kVirtualWidth && c.y + c.h >= kVirtualHeight) {
        SDL_RenderSetClipRect(sdl_renderer, nullptr);
    } else {
        SDL_RenderSetClipRect(sdl_renderer, &c);
    }
}

// The renderer draws a textured quad from the source rectangle of a texture.
void RendererCopy(SDL_Texture* texture, const SDL_Rect& src, float cx, float cy, float w, float h, float angle,
                  bool flip_x, bool flip_y) {
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

// SDL's software blitter multiplies colours slowly. A picture that covers its box completely, drawn
// in a grey, is the same as the picture drawn plainly with black laid over it at 1 - grey.
void RendererCopyFaded(SDL_Texture* texture, const SDL_Rect& src, float cx, float cy, float w, float h) {
    const SDL_FRect dst{cx - w / 2, cy - h / 2, w, h};
    SDL_SetTextureColorMod(texture, 255, 255, 255);
    SDL_SetTextureAlphaMod(texture, 255);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
    SDL_RenderCopyF(sdl_renderer, texture, &src, &dst);
    SDL_SetRenderDrawBlendMode(sdl_renderer, SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(sdl_renderer, 0, 0, 0, static_cast<Uint8>(255 - state.r));
    SDL_RenderFillRectF(sdl_renderer, &dst);
}

// A filled quad with corners in drawing order, in the current colour, alpha and blend.
void DrawQuadCorners(const float xy[8]) {
    if (compositor) {
        compositor->FillQuad(xy, CurrentPaint());
        return;
    }
    if (!sdl_renderer) return;
    SDL_Vertex v[4];
    const SDL_Color color{static_cast<Uint8>(state.r), static_cast<Uint8>(state.g), static_cast<Uint8>(state.b),
                          AlphaByte()};
    for (int i = 0; i < 4; ++i) {
        v[i].position = SDL_FPoint{xy[i * 2], xy[i * 2 + 1]};
        v[i].color = color;
        v[i].tex_coord = SDL_FPoint{0, 0};
    }
    static const int indices[6] = {0, 1, 2, 0, 2, 3};
    SDL_SetRenderDrawBlendMode(sdl_renderer, SdlBlend(state.blend));
    SDL_RenderGeometry(sdl_renderer, nullptr, v, 4, indices, 6);
}

// Reads a 1024 x 768 target texture of the renderer as 0x??RRGGBB words.
bool ReadTarget(SDL_Texture* target, uint32_t* words) {
    SDL_SetRenderTarget(sdl_renderer, target);
    SDL_RenderSetClipRect(sdl_renderer, nullptr);
    const bool ok =
        SDL_RenderReadPixels(sdl_renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, words, kVirtualWidth * 4) == 0;
    SDL_SetRenderTarget(sdl_renderer, screen_targets[target_current]);
    ApplyRendererClip();
    return ok;
}

// Whether the renderer draws on a GPU: not SDL's software renderer, not OpenGL rendered in software
// (llvmpipe and friends, as on virtual machines and remote desktops without a driver).
bool RendererHasGpu(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0) return false;
    if ((info.flags & SDL_RENDERER_SOFTWARE) || std::strcmp(info.name, "software") == 0) return false;
    if (std::strncmp(info.name, "opengl", 6) == 0) {
        using GetString = const unsigned char* (*)(unsigned int);
        auto get_string = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
        const unsigned char* name = get_string ? get_string(0x1F01 /* GL_RENDERER */) : nullptr;
        if (!name) return false;
        std::string text(reinterpret_cast<const char*>(name));
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        for (const char* soft : {"llvmpipe", "softpipe", "swrast", "software"}) {
            if (text.find(soft) != std::string::npos) return false;
        }
    }
    return true;
}

bool CreateRendererDrawing() {
    const Uint32 flags = (headless ? SDL_RENDERER_SOFTWARE : SDL_RENDERER_ACCELERATED) | SDL_RENDERER_TARGETTEXTURE;
    sdl_renderer = SDL_CreateRenderer(window, -1, flags);
    if (!sdl_renderer) sdl_renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    if (!sdl_renderer) return false;
    for (SDL_Texture*& target : screen_targets) {
        target = SDL_CreateTexture(sdl_renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, kVirtualWidth,
                                   kVirtualHeight);
        if (!target) return false;
        SDL_SetTextureBlendMode(target, SDL_BLENDMODE_NONE);
        SDL_SetTextureScaleMode(target, SDL_ScaleModeLinear);
        SDL_SetRenderTarget(sdl_renderer, target);
        SDL_SetRenderDrawColor(sdl_renderer, 0, 0, 0, 255);
        SDL_RenderClear(sdl_renderer);
    }
    target_current = 0;
    target_shown = 1;
    SDL_SetRenderTarget(sdl_renderer, screen_targets[target_current]);
    return true;
}

SDL_Window* CreateWindow(const VideoOptions& options) {
    Uint32 flags = SDL_WINDOW_RESIZABLE;
    if (headless) flags |= SDL_WINDOW_HIDDEN;
    if (options.fullscreen) flags |= options.desktop ? SDL_WINDOW_FULLSCREEN_DESKTOP : SDL_WINDOW_FULLSCREEN;
    return SDL_CreateWindow(options.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, options.width,
                            options.height, flags);
}
}  // namespace

uint64_t NewFrameSerial() {
    static uint64_t next = 0;
    return ++next;
}

ImageFrame::ImageFrame(ImageFrame&& other) noexcept { *this = std::move(other); }

ImageFrame& ImageFrame::operator=(ImageFrame&& other) noexcept {
    if (this == &other) return *this;
    Forget();
    data = std::move(other.data);
    x = other.x;
    y = other.y;
    w = other.w;
    h = other.h;
    texture = other.texture;
    picture = other.picture;
    coverage = other.coverage;
    opaque = other.opaque;
    white = other.white;
    serial = other.serial;
    other.texture = nullptr;
    other.picture = nullptr;
    other.coverage = nullptr;
    return *this;
}

uint32_t ImageFrame::Pixel(int px, int py) const {
    if (px < x || py < y || px >= x + w || py >= y + h) return 0;
    uint32_t word;
    std::memcpy(&word, &data[(static_cast<size_t>(py - y) * w + (px - x)) * 4], 4);
    return word;
}

void ImageFrame::Forget() {
    if (texture) SDL_DestroyTexture(texture);
    texture = nullptr;
    if (picture) pixman_image_unref(picture);
    picture = nullptr;
    if (coverage) pixman_image_unref(coverage);
    coverage = nullptr;
    opaque = -1;
    white = -1;
    serial = NewFrameSerial();
}

void MeasureFrame(ImageFrame& frame, int fw, int fh) {
    if (frame.opaque >= 0) return;
    bool opaque = frame.x == 0 && frame.y == 0 && frame.w == fw && frame.h == fh, white = true;
    const size_t n = static_cast<size_t>(frame.w) * frame.h;
    for (size_t i = 0; i < n && (opaque || white); ++i) {
        uint32_t p;
        std::memcpy(&p, &frame.data[i * 4], 4);
        const uint32_t a = p >> 24;
        opaque = opaque && a == 255;
        white = white && ((p >> 16) & 0xFF) == a && ((p >> 8) & 0xFF) == a && (p & 0xFF) == a;
    }
    frame.opaque = opaque ? 1 : 0;
    frame.white = white ? 1 : 0;
}

namespace {
// The box of a pixmap's visible (alpha != 0) pixels; false when none is visible.
bool VisibleBox(const Pixmap& p, int x, int y, int w, int h, int* x0, int* y0, int* x1, int* y1) {
    const int left = std::max(x, 0), top = std::max(y, 0);
    const int right = std::min(x + w, p.width), bottom = std::min(y + h, p.height);
    *x0 = right;
    *y0 = bottom;
    *x1 = left - 1;
    *y1 = top - 1;
    for (int py = top; py < bottom; ++py) {
        const uint8_t* row = &p.rgba[(static_cast<size_t>(py) * p.width) * 4];
        for (int px = left; px < right; ++px) {
            if (row[px * 4 + 3] == 0) continue;
            *x0 = std::min(*x0, px);
            *x1 = std::max(*x1, px);
            *y0 = std::min(*y0, py);
            *y1 = std::max(*y1, py);
        }
    }
    return *x1 >= *x0;
}
}  // namespace

ImageFrame FrameFromPixmap(Pixmap&& pixmap) {
    int x0, y0, x1, y1;
    const bool visible = VisibleBox(pixmap, 0, 0, pixmap.width, pixmap.height, &x0, &y0, &x1, &y1);
    if (!visible || x0 > 1 || y0 > 1 || x1 < pixmap.width - 2 || y1 < pixmap.height - 2) {
        // A clear margin: only the box around what shows is kept.
        ImageFrame frame = TrimmedFrame(pixmap, 0, 0, pixmap.width, pixmap.height);
        pixmap = Pixmap();
        return frame;
    }
    ImageFrame frame;
    uint8_t* p = pixmap.rgba.data();
    const size_t n = pixmap.rgba.size() / 4;
    for (size_t i = 0; i < n; ++i, p += 4) StorePixel(p, Premultiplied(p[0], p[1], p[2], p[3]));
    frame.w = pixmap.width;
    frame.h = pixmap.height;
    frame.data = std::move(pixmap.rgba);
    pixmap = Pixmap();
    return frame;
}

ImageFrame TrimmedFrame(const Pixmap& sheet, int x, int y, int w, int h) {
    int x0, y0, x1, y1;
    ImageFrame frame;
    if (!VisibleBox(sheet, x, y, w, h, &x0, &y0, &x1, &y1)) return frame;  // nothing visible
    // A clear border where the cell allows, so filtering at the box's edge reads transparency.
    x0 = std::max(x0 - 1, x);
    y0 = std::max(y0 - 1, y);
    x1 = std::min(x1 + 1, x + w - 1);
    y1 = std::min(y1 + 1, y + h - 1);
    frame.x = x0 - x;
    frame.y = y0 - y;
    frame.w = x1 - x0 + 1;
    frame.h = y1 - y0 + 1;
    frame.data.assign(static_cast<size_t>(frame.w) * frame.h * 4, 0);
    for (int py = y0; py <= y1; ++py) {
        if (py < 0 || py >= sheet.height) continue;
        for (int px = std::max(x0, 0); px <= std::min(x1, sheet.width - 1); ++px) {
            const uint8_t* p = &sheet.rgba[(static_cast<size_t>(py) * sheet.width + px) * 4];
            StorePixel(&frame.data[(static_cast<size_t>(py - y0) * frame.w + (px - x0)) * 4],
                       Premultiplied(p[0], p[1], p[2], p[3]));
        }
    }
    return frame;
}

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

TImage::~TImage() { textured_images.erase(this); }

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
    state.clip = SDL_Rect{x, y, w > 0 ? w : 0, h > 0 ? h : 0};
    if (compositor) compositor->SetClip(x, y, w, h);
    if (sdl_renderer) ApplyRendererClip();
}

int ImageWidth(const Image& image) { return image ? image->width : 0; }
int ImageHeight(const Image& image) { return image ? image->height : 0; }

Pixmap ImagePixmap(const Image& image, int frame) {
    if (!image || frame < 0 || frame >= static_cast<int>(image->frames.size())) return Pixmap();
    const ImageFrame& f = image->frames[static_cast<size_t>(frame)];
    Pixmap out(image->width, image->height);
    for (int y = f.y; y < f.y + f.h; ++y) {
        for (int x = f.x; x < f.x + f.w; ++x) out.WritePixel(x, y, Straight(f.Pixel(x, y)));
    }
    return out;
}

uint32_t ReadImagePixel(const Image& image, int frame, int x, int y) {
    if (!image || frame < 0 || frame >= static_cast<int>(image->frames.size())) return 0;
    if (x < 0 || y < 0 || x >= image->width || y >= image->height) return 0;
    return Straight(image->frames[static_cast<size_t>(frame)].Pixel(x, y));
}

Pixmap& LockImage(const Image& image, int frame) {
    if (frame < 0 || frame >= static_cast<int>(image->frames.size())) frame = 0;
    if (image->locked_frame != frame) {
        if (image->locked_frame >= 0) UnlockImage(image, image->locked_frame);
        image->locked = ImagePixmap(image, frame);
        image->locked_frame = frame;
    }
    return image->locked;
}

void UnlockImage(const Image& image, int frame) {
    if (!image || frame < 0 || frame >= static_cast<int>(image->frames.size())) return;
    ImageFrame& f = image->frames[static_cast<size_t>(frame)];
    if (image->locked_frame == frame) {
        Pixmap& edited = image->locked;
        const bool same_size = edited.width == image->width && edited.height == image->height;
        if (!same_size && image->frames.size() == 1) {
            image->width = edited.width;
            image->height = edited.height;
        }
        if (same_size || image->frames.size() == 1) {
            f.Forget();
            f = FrameFromPixmap(std::move(edited));
        }
        image->locked = Pixmap();
        image->locked_frame = -1;
    }
    f.Forget();  // whatever drawing made of the old pixels goes
}

void Cls() {
    if (compositor) {
        compositor->Clear();
        return;
    }
    if (!sdl_renderer) return;
    if (target_current == target_shown) {
        target_current ^= 1;
        SDL_SetRenderTarget(sdl_renderer, screen_targets[target_current]);
    }
    SDL_RenderSetClipRect(sdl_renderer, nullptr);
    SDL_SetRenderDrawColor(sdl_renderer, 0, 0, 0, 255);
    SDL_RenderClear(sdl_renderer);
    ApplyRendererClip();
}

void DrawFrameRect(const Image& image, int frame, int sx, int sy, int sw, int sh, float cx, float cy, float w, float h,
                   float angle, bool flip_x, bool flip_y) {
    if (!image || frame < 0 || frame >= static_cast<int>(image->frames.size()) || !(w > 0) || !(h > 0)) return;
    if (compositor) {
        Placement at;
        at.cx = cx;
        at.cy = cy;
        at.w = w;
        at.h = h;
        at.angle = angle;
        at.flip_x = flip_x;
        at.flip_y = flip_y;
        compositor->DrawFrame(image, frame, sx, sy, sw, sh, at, CurrentPaint());
        return;
    }
    // The renderer draws the part of the rectangle the frame stores, in its share of the box.
    const ImageFrame& f = image->frames[static_cast<size_t>(frame)];
    const int ix0 = std::max(sx, f.x), iy0 = std::max(sy, f.y);
    const int ix1 = std::min(sx + sw, f.x + f.w), iy1 = std::min(sy + sh, f.y + f.h);
    if (ix1 <= ix0 || iy1 <= iy0 || sw <= 0 || sh <= 0) return;
    SDL_Texture* texture = ImageTexture(image, frame);
    if (!texture) return;
    const SDL_Rect src{ix0 - f.x, iy0 - f.y, ix1 - ix0, iy1 - iy0};
    const float kx = w / static_cast<float>(sw), ky = h / static_cast<float>(sh);
    float dx = ((ix0 + ix1) / 2.0f - (sx + sw / 2.0f)) * kx * (flip_x ? -1.0f : 1.0f);
    float dy = ((iy0 + iy1) / 2.0f - (sy + sh / 2.0f)) * ky * (flip_y ? -1.0f : 1.0f);
    if (angle != 0) {
        const float rad = angle * static_cast<float>(M_PI) / 180.0f;
        const float c = std::cos(rad), s = std::sin(rad);
        const float rx = dx * c - dy * s, ry = dx * s + dy * c;
        dx = rx;
        dy = ry;
    }
    cx += dx;
    cy += dy;
    w = static_cast<float>(src.w) * kx;
    h = static_cast<float>(src.h) * ky;
    const bool grey = state.r == state.g && state.g == state.b && state.r < 255;
    const bool covers = state.blend == SOLIDBLEND || (state.blend == ALPHABLEND && AlphaByte() == 255 && f.opaque == 1);
    if (grey && covers && angle == 0 && !flip_x && !flip_y) {
        RendererCopyFaded(texture, src, cx, cy, w, h);
        return;
    }
    RendererCopy(texture, src, cx, cy, w, h, angle, flip_x, flip_y);
}

void DrawImageQuad(const Image& image, int frame, float x, float y, float w, float h, float u0, float v0, float u1,
                   float v1) {
    if (!image || frame < 0 || frame >= static_cast<int>(image->frames.size())) return;
    // Texture coordinates become the whole pixels they cover.
    const float tw = static_cast<float>(image->width), th = static_cast<float>(image->height);
    const int sx0 = static_cast<int>(std::floor(u0 * tw + 0.001f));
    const int sy0 = static_cast<int>(std::floor(v0 * th + 0.001f));
    const int sx1 = static_cast<int>(std::ceil(u1 * tw - 0.001f));
    const int sy1 = static_cast<int>(std::ceil(v1 * th - 0.001f));
    if (sx1 <= sx0 || sy1 <= sy0) return;
    DrawFrameRect(image, frame, sx0, sy0, sx1 - sx0, sy1 - sy0, x + state.origin_x, y + state.origin_y,
                  std::fabs(w * state.sx), std::fabs(h * state.sy), state.rotation, state.sx < 0, state.sy < 0);
}

void DrawImage(const Image& image, float x, float y, int frame) {
    if (!image) return;
    DrawImageQuad(image, frame, x, y, static_cast<float>(image->width), static_cast<float>(image->height), 0, 0, 1,
                  1);
}

void DrawRect(float x, float y, float w, float h) {
    if (state.rotation == 0 && (compositor || sdl_renderer)) {
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
        if (compositor) {
            compositor->FillRect(x0, y0, rw, rh, CurrentPaint());
            return;
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
    DrawQuadCorners(xy);
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
    DrawQuadCorners(xy);
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
        // Re-opening keeps the drawing (and every texture): only the window mode changes.
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
    window = CreateWindow(options);
    if (!window) return false;

    const char* forced = std::getenv("MOSSMEADOW_DRAWING");
    const std::string choice = forced ? forced : "";
    bool use_renderer = choice == "renderer";
    if (choice.empty() && !headless) {
        // Try the GPU; a renderer that draws in software is slower than the compositor, and its window
        // is made again without it (a window once used by OpenGL may not offer a plain surface).
        if (CreateRendererDrawing() && RendererHasGpu(sdl_renderer)) {
            use_renderer = true;
        } else {
            CloseGraphics();
            window = CreateWindow(options);
            if (!window) return false;
        }
    }
    if (use_renderer) {
        drawing = DrawingPath::Renderer;
        if (!sdl_renderer && !CreateRendererDrawing()) {
            CloseGraphics();
            return false;
        }
    } else {
        drawing = DrawingPath::Compositor;
        // The finished frame goes to the window's own surface (shared memory under X11). Left to
        // itself SDL would route that surface through a renderer too, which without a GPU means
        // OpenGL drawn in software: slower, and it keeps that whole driver loaded.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        if (!SDL_GetWindowSurface(window)) {
            CloseGraphics();
            return false;
        }
        compositor = std::make_unique<Compositor>();
    }
    state.clip = SDL_Rect{0, 0, kVirtualWidth, kVirtualHeight};
    SDL_ShowCursor(SDL_DISABLE);
    Cls();
    return true;
}

void CloseGraphics() {
    ReleaseAllTextures();
    for (SDL_Texture*& target : screen_targets) {
        if (target) SDL_DestroyTexture(target);
        target = nullptr;
    }
    compositor.reset();
    if (sdl_renderer) SDL_DestroyRenderer(sdl_renderer);
    if (window) SDL_DestroyWindow(window);
    sdl_renderer = nullptr;
    window = nullptr;
}

bool GraphicsOpen() { return window && (compositor || sdl_renderer); }
bool GraphicsHeadless() { return headless; }
SDL_Renderer* PlatformRenderer() { return sdl_renderer; }
DrawingPath CurrentDrawingPath() { return drawing; }

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
    Pixmap pixmap = ImagePixmap(icon, 0);
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(pixmap.rgba.data(), pixmap.width, pixmap.height, 32,
                                                              pixmap.width * 4, SDL_PIXELFORMAT_RGBA32);
    if (!surface) return;
    SDL_SetWindowIcon(window, surface);
    SDL_FreeSurface(surface);
}

namespace {
uint64_t frames_shown = 0;
}

uint64_t FrameCount() { return frames_shown; }

void Flip() {
    ++frames_shown;
    if (compositor) {
        SDL_Surface* surface = SDL_GetWindowSurface(window);
        if (!surface) {
            compositor->MarkShown();
            return;
        }
        const Viewport v = LetterboxViewport(surface->w, surface->h);
        const SDL_PixelFormat* format = surface->format;
        if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
        if (format->BytesPerPixel == 4 && format->Rmask == 0x00FF0000u && format->Gmask == 0x0000FF00u &&
            format->Bmask == 0x000000FFu) {
            compositor->Present(static_cast<uint32_t*>(surface->pixels), surface->pitch, surface->w, surface->h, v);
        } else {
            // Any other window format: SDL converts.
            SDL_Surface* frame = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(compositor->Pixels()),
                                                                    kVirtualWidth, kVirtualHeight, 32,
                                                                    kVirtualWidth * 4, SDL_PIXELFORMAT_RGB888);
            SDL_FillRect(surface, nullptr, SDL_MapRGB(format, 0, 0, 0));
            SDL_Rect dest{v.x, v.y, v.w, v.h};
            if (frame) SDL_BlitScaled(frame, nullptr, surface, &dest);
            SDL_FreeSurface(frame);
            compositor->MarkShown();
        }
        if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
        SDL_UpdateWindowSurface(window);
        return;
    }
    if (!sdl_renderer) return;
    SDL_SetRenderTarget(sdl_renderer, nullptr);
    SDL_RenderSetClipRect(sdl_renderer, nullptr);
    SDL_SetRenderDrawColor(sdl_renderer, 0, 0, 0, 255);
    SDL_RenderClear(sdl_renderer);
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(sdl_renderer, &w, &h);
    const Viewport v = LetterboxViewport(w, h);
    const SDL_Rect dest{v.x, v.y, v.w, v.h};
    SDL_RenderCopy(sdl_renderer, screen_targets[target_current], nullptr, &dest);
    SDL_RenderPresent(sdl_renderer);
    target_shown = target_current;
    SDL_SetRenderTarget(sdl_renderer, screen_targets[target_current]);
    ApplyRendererClip();
}

namespace {
// 0x??RRGGBB words of the virtual screen as an opaque RGBA pixmap.
Pixmap ScreenPixmap(const uint32_t* words) {
    Pixmap shot(kVirtualWidth, kVirtualHeight);
    uint8_t* out = shot.rgba.data();
    for (size_t i = 0; i < static_cast<size_t>(kVirtualWidth) * kVirtualHeight; ++i, out += 4) {
        out[0] = static_cast<uint8_t>(words[i] >> 16);
        out[1] = static_cast<uint8_t>(words[i] >> 8);
        out[2] = static_cast<uint8_t>(words[i]);
        out[3] = 255;
    }
    return shot;
}

Image OpaqueScreenImage(const uint32_t* words) {
    auto image = std::make_shared<TImage>();
    image->width = kVirtualWidth;
    image->height = kVirtualHeight;
    ImageFrame frame;
    frame.w = kVirtualWidth;
    frame.h = kVirtualHeight;
    frame.data.resize(static_cast<size_t>(kVirtualWidth) * kVirtualHeight * 4);
    for (size_t i = 0; i < static_cast<size_t>(kVirtualWidth) * kVirtualHeight; ++i) {
        StorePixel(&frame.data[i * 4], words[i] | 0xFF000000u);
    }
    image->frames.push_back(std::move(frame));
    return image;
}
}  // namespace

Pixmap GrabScreen() {
    if (compositor) return ScreenPixmap(compositor->Pixels());
    if (!sdl_renderer) return Pixmap();
    std::vector<uint32_t> words(static_cast<size_t>(kVirtualWidth) * kVirtualHeight);
    if (!ReadTarget(screen_targets[target_current], words.data())) return Pixmap();
    return ScreenPixmap(words.data());
}

Image LastShownFrame() {
    if (compositor) return OpaqueScreenImage(compositor->ShownPixels());
    if (!sdl_renderer) return nullptr;
    std::vector<uint32_t> words(static_cast<size_t>(kVirtualWidth) * kVirtualHeight);
    if (!ReadTarget(screen_targets[target_shown], words.data())) return nullptr;
    return OpaqueScreenImage(words.data());
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
