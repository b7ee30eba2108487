// The drawing layer: one window letterboxing a 1024 x 768 virtual screen, images drawn centred with
// the global drawing state (colour, alpha, blend, scale, rotation, viewport), rectangles, lines and
// text. Images are CPU pixmaps uploaded to textures on first draw, so loading and measuring pictures
// needs no window.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct SDL_Texture;
struct SDL_Renderer;
struct SDL_Window;

// RGBA pixels, straight alpha, row by row. Pixels are read and written as 0xAARRGGBB.
struct Pixmap {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;  // width * height * 4 bytes: r, g, b, a

    Pixmap() = default;
    Pixmap(int w, int h) : width(w), height(h), rgba(static_cast<size_t>(w) * h * 4, 0) {}
    uint32_t ReadPixel(int x, int y) const;
    void WritePixel(int x, int y, uint32_t argb);
    // A copy of the rectangle (x, y, w, h); parts outside this pixmap stay transparent.
    Pixmap Window(int x, int y, int w, int h) const;
};

// An image: one or more frames of the same size, each a pixmap with its texture made on demand.
struct TImage {
    int width = 0;
    int height = 0;
    std::vector<Pixmap> frames;
    std::vector<SDL_Texture*> textures;  // one per frame, null until drawn or after a change
    std::vector<uint8_t> opaque;         // per frame, known with its texture: every alpha is 255
    ~TImage();
    TImage() = default;
    TImage(const TImage&) = delete;
    TImage& operator=(const TImage&) = delete;
};
using Image = std::shared_ptr<TImage>;

// Blend modes as the game numbers them.
enum BlendMode { SOLIDBLEND = 2, ALPHABLEND = 3, LIGHTBLEND = 4 };

// Drawing state.
void SetColor(int r, int g, int b);
void GetColor(int* r, int* g, int* b);
void SetAlpha(float a);
float GetAlpha();
void SetBlend(int mode);
int GetBlend();
void SetScale(float sx, float sy);
void GetScale(float* sx, float* sy);
void SetRotation(float degrees);
float GetRotation();
void SetLineWidth(float w);
float GetLineWidth();
void SetViewport(int x, int y, int w, int h);  // clip rectangle in virtual pixels
void SetOrigin(float x, float y);               // added to every drawing position
void GetOrigin(float* x, float* y);

// Images. LoadImage decodes PNG or JPEG (black becomes transparent); null when the file is missing
// or does not decode. LoadImageFrames cuts a picture into a sheet of tile_w x tile_h frames.
Image LoadImage(const std::string& path);
Image LoadImageFrames(const std::string& path, int tile_w, int tile_h, int count);
Image ImageFromPixmap(const Pixmap& pixmap);
Image CreateImage(int w, int h, int frames = 1);
int ImageWidth(const Image& image);
int ImageHeight(const Image& image);
Pixmap& LockImage(const Image& image, int frame = 0);  // edits go to the texture at the next draw
void UnlockImage(const Image& image, int frame = 0);

// Drawing. Images are centred on (x, y); scale and rotation act about the centre.
void Cls();
void DrawImage(const Image& image, float x, float y, int frame = 0);
// A quad of w x h centred on (x, y) showing texture coordinates (u0, v0)-(u1, v1) of the frame.
void DrawImageQuad(const Image& image, int frame, float x, float y, float w, float h, float u0, float v0,
                   float u1, float v1);
void DrawRect(float x, float y, float w, float h);  // top-left corner; scaled, rotated about (x, y)
void DrawLine(float x1, float y1, float x2, float y2);

// The virtual screen.
constexpr int kVirtualWidth = 1024;
constexpr int kVirtualHeight = 768;

struct Viewport {
    int x = 0, y = 0, w = 0, h = 0;
};
// The letterbox rule: the largest 4:3 area of the window, centred.
Viewport LetterboxViewport(int screen_w, int screen_h);

struct VideoOptions {
    int width = 1024;
    int height = 768;
    bool fullscreen = false;
    bool desktop = false;   // full screen at the desktop's own size
    bool headless = false;  // dummy video driver, software renderer, hidden window
    std::string title = "Mossmeadow";
};
// Opens (or re-opens) the display; false when no mode could be set.
bool OpenGraphics(const VideoOptions& options);
void CloseGraphics();
bool GraphicsOpen();
bool GraphicsHeadless();
// Starts SDL's video subsystem (the dummy driver when headless); the desktop's size is known only
// after this. OpenGraphics starts it too.
bool StartVideo(bool headless_video);
void DesktopSize(int* w, int* h);  // 1024 x 768 while video has not started
void WindowSize(int* w, int* h);  // the window's current size in pixels
void SetWindowIcon(const std::string& path);
// Shows the virtual screen letterboxed in the window.
void Flip();
// The current virtual screen as a 1024 x 768 pixmap (alpha 255), or an empty pixmap without a display.
Pixmap GrabScreen();
bool SavePNG(const Pixmap& pixmap, const std::string& path);

SDL_Renderer* PlatformRenderer();
