// The shared painting kit of the media generator: one canvas type, one palette family, one outline,
// and the storybook parts every picture is built from (rounded plates, gradients, blobs, trees,
// hills, water, houses, fences, stones, clouds, sparkles, coins).
//
// House style (keep every picture in it):
//  - warm storybook palette: use the named colours below (or Mix/Lighten/Darken of them); a location
//    may pick a few of them as its limited palette;
//  - every solid shape has the one outline colour kOutline (dark warm brown) at kOutlineWidth px at
//    1x; small icons use OutlineFor(size) so 32-64 px pictures keep a readable but not heavy line;
//  - soft vertical/radial gradients for volume (SetVerticalGradient, SetRadialGradient, Shade*);
//  - rounded, slightly wobbly shapes (Wobbly* helpers use a seeded Rng: always pass the picture's
//    own Rng so two runs give identical files);
//  - never pure black (0, 0, 0) in visible pixels: the game turns it transparent. The PNG/JPEG
//    writers lift any visible pure-black pixel to (1, 1, 1) as a last resort.
//
// Typical use:
//   Canvas canvas(64, 64);
//   cairo_t* cr = canvas.cr();
//   Rng rng(1234);                       // fixed seed per picture
//   DrawBlob(cr, 32, 34, 22, 18, kBerryRed, OutlineFor(64), rng, 0.05);
//   out.SavePng(canvas, "Data/Graphics/Items/Berries.png");
//
// Coordinates are cairo user coordinates (pixels, y down). "Draw*" functions fill and outline a
// shape; "*Path" functions only add a path (for clipping or custom filling); "Paint*" functions
// paint a whole scenery element with its own colours, outline included.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

// ---------------------------------------------------------------------------------------------
// Colours
// ---------------------------------------------------------------------------------------------

// A colour with components in 0..1.
struct Rgb {
    double r = 0, g = 0, b = 0;
};

// 0xRRGGBB -> Rgb.
constexpr Rgb Hex(uint32_t rgb) {
    return Rgb{((rgb >> 16) & 0xff) / 255.0, ((rgb >> 8) & 0xff) / 255.0, (rgb & 0xff) / 255.0};
}

// The palette family. Creams and paper.
inline constexpr Rgb kCream = Hex(0xf6ecd2);
inline constexpr Rgb kParchment = Hex(0xead6ab);
inline constexpr Rgb kPaper = Hex(0xfbf5e6);
// Moss greens.
inline constexpr Rgb kMossLight = Hex(0xb5cf7a);
inline constexpr Rgb kMoss = Hex(0x7fa650);
inline constexpr Rgb kMossDark = Hex(0x4f7a3a);
inline constexpr Rgb kPine = Hex(0x3c6b4a);
// Warm browns.
inline constexpr Rgb kBark = Hex(0x7a5236);
inline constexpr Rgb kBarkDark = Hex(0x5a3b27);
inline constexpr Rgb kWood = Hex(0xb07d4f);
inline constexpr Rgb kWoodLight = Hex(0xd3a46f);
inline constexpr Rgb kEarth = Hex(0x9c7452);
inline constexpr Rgb kSand = Hex(0xe3c78f);
// Soft sky blues and water.
inline constexpr Rgb kSkyTop = Hex(0x8fc3e3);
inline constexpr Rgb kSky = Hex(0xb8dcef);
inline constexpr Rgb kSkyHaze = Hex(0xe8f1e6);
inline constexpr Rgb kWater = Hex(0x5d9fc4);
inline constexpr Rgb kWaterDeep = Hex(0x3e789f);
inline constexpr Rgb kWaterLight = Hex(0xa9d6ea);
// Berry reds and pinks.
inline constexpr Rgb kBerryRed = Hex(0xc8443d);
inline constexpr Rgb kBerryDark = Hex(0x8e2c36);
inline constexpr Rgb kRose = Hex(0xe88b86);
inline constexpr Rgb kBlush = Hex(0xf2b8a8);
// Honey yellows and oranges.
inline constexpr Rgb kHoney = Hex(0xf0b948);
inline constexpr Rgb kHoneyLight = Hex(0xf8dc8a);
inline constexpr Rgb kAmber = Hex(0xd98b2b);
// Stones, dusk and night.
inline constexpr Rgb kStone = Hex(0xa9a293);
inline constexpr Rgb kStoneLight = Hex(0xcdc6b4);
inline constexpr Rgb kStoneDark = Hex(0x7b7467);
inline constexpr Rgb kPlum = Hex(0x7b5a86);
inline constexpr Rgb kLavender = Hex(0xb9a7cf);
inline constexpr Rgb kDusk = Hex(0x4a4a6e);
inline constexpr Rgb kWhite = Hex(0xfffdf7);

// The one outline colour (dark warm brown; never pure black) and its weight at 1x.
inline constexpr Rgb kOutline = Hex(0x3b2a20);
inline constexpr double kOutlineWidth = 3.0;

// Outline weight for a picture (or part) whose larger side is `size` px: 3 px from 128 px up,
// down to 1.5 px for 32 px icons.
double OutlineFor(double size);

Rgb Mix(Rgb a, Rgb b, double t);  // t = 0 -> a, 1 -> b
Rgb Lighten(Rgb c, double t);     // towards kWhite
Rgb Darken(Rgb c, double t);      // towards kOutline (warm shade, not grey)

void SetColor(cairo_t* cr, Rgb c, double alpha = 1.0);
// Sets a linear gradient source from (x0, y0) colour c0 to (x1, y1) colour c1.
void SetLinearGradient(cairo_t* cr, double x0, double y0, Rgb c0, double x1, double y1, Rgb c1,
                       double a0 = 1.0, double a1 = 1.0);
// Sets a vertical gradient source from y0 (top colour) to y1 (bottom colour).
void SetVerticalGradient(cairo_t* cr, double y0, Rgb top, double y1, Rgb bottom, double a0 = 1.0,
                         double a1 = 1.0);
// Sets a radial gradient source centred at (cx, cy): inner colour at the centre, outer at radius.
void SetRadialGradient(cairo_t* cr, double cx, double cy, double radius, Rgb inner, Rgb outer,
                       double inner_alpha = 1.0, double outer_alpha = 1.0);

// ---------------------------------------------------------------------------------------------
// Deterministic random numbers (splitmix64). One Rng per picture, seeded with a fixed number.
// ---------------------------------------------------------------------------------------------
class Rng {
  public:
    explicit Rng(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x1234567ull) {}
    uint64_t Next();
    double Uniform();                      // [0, 1)
    double Range(double lo, double hi);    // [lo, hi)
    int Int(int lo, int hi);               // [lo, hi] inclusive
    bool Chance(double p) { return Uniform() < p; }

  private:
    uint64_t state_;
};

// Smooth deterministic 1-D value noise in -1..1 (same seed and x -> same value).
double Noise1(uint64_t seed, double x);

// ---------------------------------------------------------------------------------------------
// Canvas: a W x H ARGB32 cairo surface with its context.
// ---------------------------------------------------------------------------------------------
class Canvas {
  public:
    Canvas(int width, int height);  // fully transparent
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Straight (un-premultiplied) RGBA bytes, row-major, 4 bytes per pixel. Visible pixels that
    // would be pure black are lifted to (1, 1, 1) so the game's mask colour never eats them.
    std::vector<uint8_t> Rgba() const;
    // Alpha of pixel (x, y), 0..255 (for tests and hit-box checks).
    int AlphaAt(int x, int y) const;

  private:
    int width_, height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Writes pictures into the data folder the generator was given (the build's Data/), creating
// sub-folders. rel_path is relative to that folder; a leading "Data/" is accepted and stripped, so
// the manifest path can be used verbatim: out.SavePng(canvas, "Data/Graphics/Pointer.png").
class Output {
  public:
    explicit Output(std::string data_dir);
    bool SavePng(const Canvas& canvas, const std::string& rel_path);
    // Baseline JPEG, quality 90, alpha flattened onto `backdrop`.
    bool SaveJpeg(const Canvas& canvas, const std::string& rel_path, Rgb backdrop = kCream);
    // Copies a file from the machine (e.g. a font) into the data folder.
    bool CopyFile(const std::string& source, const std::string& rel_path);
    // Full path of a relative path (folders created).
    std::string Resolve(const std::string& rel_path);
    // Number of files written and whether every write succeeded.
    int written() const { return written_; }
    bool ok() const { return ok_; }

  private:
    std::string data_dir_;
    int written_ = 0;
    bool ok_ = true;
};

// Free-standing writers (used by Output; also by tests).
bool WritePng(const Canvas& canvas, const std::string& path);
bool WriteJpeg(const Canvas& canvas, const std::string& path, Rgb backdrop, int quality = 90);

// ---------------------------------------------------------------------------------------------
// Paths and outlined shapes
// ---------------------------------------------------------------------------------------------

// Fills the current path with `fill` (solid) and strokes it with the outline (line_width <= 0:
// no outline). The path is consumed.
void FillOutline(cairo_t* cr, Rgb fill, double line_width, double alpha = 1.0);
// Fills the current path with whatever source is set, then strokes it with the outline.
void FillSourceOutline(cairo_t* cr, double line_width);
// Strokes the current path with the outline colour (round joins and caps). Path consumed.
void StrokeOutline(cairo_t* cr, double line_width);

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius);
void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry);
// A closed, hand-drawn looking ellipse: radius varies by up to `wobble` (fraction of the radius).
void WobblyEllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry, double wobble,
                       Rng& rng);
// A smooth closed curve through the points (Catmull-Rom turned into Bezier curves).
void SmoothClosedPath(cairo_t* cr, const std::vector<double>& xy);
// A smooth open curve through the points.
void SmoothOpenPath(cairo_t* cr, const std::vector<double>& xy);
// A closed ribbon around a centre line through `pts` (x, y pairs), w0 wide at the start tapering to
// w1 at the end: tails, legs, hair strands.
void RibbonPath(cairo_t* cr, const std::vector<double>& pts, double w0, double w1);
// A hand-drawn straight line: the segment is split into steps and nudged sideways by noise.
void WobblyLinePath(cairo_t* cr, double x0, double y0, double x1, double y1, double amplitude,
                    Rng& rng);

// Rounded rectangle with a vertical gradient (top lighter than `fill`) and the outline.
void DrawRoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius, Rgb fill,
                     double line_width);
// Ellipse shaded with a soft highlight at the upper left, outlined. wobble > 0: hand-drawn edge.
void DrawBlob(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb fill, double line_width,
              Rng& rng, double wobble = 0.04);
// A soft glow: radial gradient from colour at `alpha` to transparent at `radius`.
void DrawGlow(cairo_t* cr, double cx, double cy, double radius, Rgb color, double alpha);
// Fills a rectangle with a vertical gradient (no outline).
void FillVerticalGradient(cairo_t* cr, double x, double y, double w, double h, Rgb top,
                          Rgb bottom);
// A white, soft highlight arc (the "shine" on round things).
void DrawShine(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha = 0.55);

// ---------------------------------------------------------------------------------------------
// Scenery parts (each with its own shading and the outline)
// ---------------------------------------------------------------------------------------------

// Sky gradient over the rectangle, with an optional warm haze near the bottom.
void PaintSky(cairo_t* cr, double x, double y, double w, double h, Rgb top = kSkyTop,
              Rgb bottom = kSkyHaze);
// A band of rolling hills from x0 to x1 whose crest wobbles around base_y by amplitude; filled
// down to bottom_y with a gradient from `color` to a darker shade; outlined crest.
void PaintHills(cairo_t* cr, double x0, double x1, double base_y, double amplitude,
                double bottom_y, Rgb color, Rng& rng, double line_width = kOutlineWidth);
// Deciduous tree: trunk from the ground point (x, ground_y), round crown made of a few blobs.
// height = total height in px.
void PaintRoundTree(cairo_t* cr, double x, double ground_y, double height, Rgb leaf, Rng& rng,
                    double line_width = kOutlineWidth, Rgb trunk = kBark);
// Pine tree of stacked rounded tiers.
void PaintPineTree(cairo_t* cr, double x, double ground_y, double height, Rgb leaf, Rng& rng,
                   double line_width = kOutlineWidth);
// Round bush standing on (x, ground_y), width w.
void PaintBush(cairo_t* cr, double x, double ground_y, double w, Rgb leaf, Rng& rng,
               double line_width = kOutlineWidth);
// Water surface in a rectangle with a gradient and light ripple strokes.
void PaintWater(cairo_t* cr, double x, double y, double w, double h, Rng& rng,
                Rgb top = kWaterLight, Rgb bottom = kWaterDeep);
// Cottage standing on (x, ground_y): wall w x h, pitched roof, door, window.
void PaintHouse(cairo_t* cr, double x, double ground_y, double w, double h, Rgb wall, Rgb roof,
                Rng& rng, double line_width = kOutlineWidth);
// Wooden fence from x0 to x1 standing on ground_y: posts every `spacing` px, two rails.
void PaintFence(cairo_t* cr, double x0, double x1, double ground_y, double height, Rng& rng,
                double spacing = 48, double line_width = kOutlineWidth, Rgb wood = kWood);
// A winding dirt path: the centre line through `xy` points, width growing from w0 to w1.
void PaintPath(cairo_t* cr, const std::vector<double>& xy, double w0, double w1,
               Rgb color = kSand, double line_width = kOutlineWidth);
// A rounded stone.
void PaintStone(cairo_t* cr, double cx, double cy, double rx, double ry, Rng& rng,
                double line_width = kOutlineWidth, Rgb color = kStone);
// A fluffy cloud, w wide, centred at (cx, cy). line_width <= 0: soft cloud without outline.
void PaintCloud(cairo_t* cr, double cx, double cy, double w, Rng& rng, double alpha = 1.0,
                double line_width = 0.0);
// A star shape path (points >= 4), outer/inner radii, rotated by `angle` radians.
void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points,
              double angle = 0.0);
// A four-pointed sparkle with a soft glow, no outline (for particles and shine).
void PaintSparkle(cairo_t* cr, double cx, double cy, double radius, Rgb color, double alpha = 1.0);
// A gold coin with rim, face shine and a leaf emblem.
void PaintCoin(cairo_t* cr, double cx, double cy, double radius, double line_width);
// A flower: `petals` round petals around a honey centre.
void PaintFlower(cairo_t* cr, double cx, double cy, double radius, Rgb petal, int petals,
                 double line_width);
// A grass tuft of a few curved blades standing on (x, ground_y).
void PaintGrassTuft(cairo_t* cr, double x, double ground_y, double height, Rgb color, Rng& rng,
                    double line_width = 2.0);

// ---------------------------------------------------------------------------------------------
// Text (contact sheets and tools only: game pictures never carry placeholder text)
// ---------------------------------------------------------------------------------------------
// Left-aligned label with its baseline at (x, y), DejaVu Sans via cairo's toy text API.
void DrawLabel(cairo_t* cr, double x, double y, const std::string& text, double size, Rgb color,
               bool bold = false);
