// The drawing layer: one window letterboxing a 1024 x 768 virtual screen, images drawn centred with
// the global drawing state (colour, alpha, blend, scale, rotation, viewport), rectangles, lines and
// text. Pictures are kept once, in memory, in the form they are drawn from, so loading and measuring
// them needs no window.
//
// Two ways of drawing, chosen when the display opens: without a GPU (headless, or a driver that
// renders OpenGL in software) every frame is composited on the CPU into the virtual screen and shown
// with one copy; with a GPU the SDL renderer draws each picture from a texture.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct SDL_Texture;
struct SDL_Renderer;
struct SDL_Window;
union pixman_image;

// RGBA pixels, straight alpha, row by row: the form decoders produce and tests write. Pixels are
// read and written as 0xAARRGGBB.
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

// A number no frame has had before: frames carry one, renewed by every edit, so whatever is derived
// from a frame's pixels can tell whether it still matches them.
uint64_t NewFrameSerial();

// One frame of an image as it is drawn: premultiplied pixels (each colour channel already multiplied
// by alpha), one native-endian 0xAARRGGBB word per pixel, row by row, kept in bytes so a decoded
// pixmap's memory becomes the frame without a copy. Only a rectangle of the frame may be stored (a
// sprite sheet's frame keeps the box around what is visible, with a clear border): everything
// outside it is transparent. What drawing derives from the pixels is made on demand.
struct ImageFrame {
    std::vector<uint8_t> data;          // w * h * 4 bytes
    int x = 0, y = 0, w = 0, h = 0;     // the stored rectangle within the frame
    SDL_Texture* texture = nullptr;     // the renderer's copy (GPU drawing only)
    pixman_image* picture = nullptr;    // the compositor's view of `data`
    pixman_image* coverage = nullptr;   // alpha only, for pictures that are white with coverage
    int8_t opaque = -1;                 // every pixel of the frame has alpha 255 (-1: not measured yet)
    int8_t white = -1;                  // every colour channel equals alpha (-1: not measured yet)
    uint64_t serial = NewFrameSerial();

    ImageFrame() = default;
    ImageFrame(ImageFrame&& other) noexcept;
    ImageFrame& operator=(ImageFrame&& other) noexcept;
    ImageFrame(const ImageFrame&) = delete;
    ImageFrame& operator=(const ImageFrame&) = delete;
    ~ImageFrame() { Forget(); }
    // The premultiplied pixel at (px, py) of the frame; 0 outside the stored rectangle.
    uint32_t Pixel(int px, int py) const;
    void Forget();  // drops what was derived (after an edit)
};

// An image: one or more frames of the same size.
struct TImage {
    int width = 0;
    int height = 0;
    std::vector<ImageFrame> frames;
    int locked_frame = -1;   // the frame LockImage handed out as `locked`
    Pixmap locked;
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
// Editing a frame: LockImage hands out the frame as a straight-alpha pixmap, UnlockImage takes the
// edits back (and drawing picks them up).
Pixmap& LockImage(const Image& image, int frame = 0);
void UnlockImage(const Image& image, int frame = 0);
// A frame read back as a straight-alpha pixmap, and one pixel of it (0 outside the frame).
Pixmap ImagePixmap(const Image& image, int frame = 0);
uint32_t ReadImagePixel(const Image& image, int frame, int x, int y);
// Turns decoded pixels into a frame: straight RGBA bytes become premultiplied words, in place when
// the picture shows to its edges, else only the box around what shows is kept (with a clear border).
ImageFrame FrameFromPixmap(Pixmap&& pixmap);
// The w x h cell at (x, y) of a pixmap as a frame that stores only the box around its visible pixels
// (with a one-pixel clear border inside the cell).
ImageFrame TrimmedFrame(const Pixmap& sheet, int x, int y, int w, int h);

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
// Shows the virtual screen letterboxed in the window (scaled smoothly when the window is larger).
void Flip();
// The current virtual screen as a 1024 x 768 pixmap (alpha 255), or an empty pixmap without a display.
Pixmap GrabScreen();
// A copy of the frame last shown by Flip, as an opaque 1024 x 768 image; null without a display.
Image LastShownFrame();
// How many frames Flip has shown since the program started.
uint64_t FrameCount();

// How frames are drawn. The choice is made when the display opens: MOSSMEADOW_DRAWING=compositor or
// =renderer in the environment forces one, else the compositor is used unless a GPU renders.
enum class DrawingPath { Compositor, Renderer };
DrawingPath CurrentDrawingPath();
bool SavePNG(const Pixmap& pixmap, const std::string& path);

SDL_Renderer* PlatformRenderer();  // null when the compositor draws
