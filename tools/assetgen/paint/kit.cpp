// The shared painting kit: canvas, writers, palette helpers and storybook parts (see kit.h).
#include "paint/kit.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <fstream>

// libjpeg needs size_t and FILE declared first.
#include <jpeglib.h>

namespace {

constexpr double kPi = 3.14159265358979323846;

double Clamp01(double v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

}  // namespace

// ---------------------------------------------------------------------------------------------
// Colours
// ---------------------------------------------------------------------------------------------

double OutlineFor(double size) {
    if (size >= 128) return kOutlineWidth;
    if (size <= 32) return 1.5;
    return 1.5 + (size - 32) / (128 - 32) * (kOutlineWidth - 1.5);
}

Rgb Mix(Rgb a, Rgb b, double t) {
    return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb Lighten(Rgb c, double t) { return Mix(c, kWhite, t); }
Rgb Darken(Rgb c, double t) { return Mix(c, kOutline, t); }

void SetColor(cairo_t* cr, Rgb c, double alpha) {
    cairo_set_source_rgba(cr, Clamp01(c.r), Clamp01(c.g), Clamp01(c.b), alpha);
}

void SetLinearGradient(cairo_t* cr, double x0, double y0, Rgb c0, double x1, double y1, Rgb c1,
                       double a0, double a1) {
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
    cairo_pattern_add_color_stop_rgba(p, 0, c0.r, c0.g, c0.b, a0);
    cairo_pattern_add_color_stop_rgba(p, 1, c1.r, c1.g, c1.b, a1);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void SetVerticalGradient(cairo_t* cr, double y0, Rgb top, double y1, Rgb bottom, double a0,
                         double a1) {
    SetLinearGradient(cr, 0, y0, top, 0, y1, bottom, a0, a1);
}

void SetRadialGradient(cairo_t* cr, double cx, double cy, double radius, Rgb inner, Rgb outer,
                       double inner_alpha, double outer_alpha) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
    cairo_pattern_add_color_stop_rgba(p, 0, inner.r, inner.g, inner.b, inner_alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, outer.r, outer.g, outer.b, outer_alpha);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

// ---------------------------------------------------------------------------------------------
// Random numbers
// ---------------------------------------------------------------------------------------------

uint64_t Rng::Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Rng::Uniform() { return (Next() >> 11) * (1.0 / 9007199254740992.0); }

double Rng::Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }

int Rng::Int(int lo, int hi) {
    if (hi <= lo) return lo;
    return lo + static_cast<int>(Next() % static_cast<uint64_t>(hi - lo + 1));
}

namespace {
double Lattice(uint64_t seed, int64_t i) {
    uint64_t z = seed * 0x9E3779B97F4A7C15ull + static_cast<uint64_t>(i) * 0xD6E8FEB86659FD93ull;
    z = (z ^ (z >> 32)) * 0xD6E8FEB86659FD93ull;
    z = (z ^ (z >> 32)) * 0xD6E8FEB86659FD93ull;
    z ^= z >> 32;
    return (z >> 11) * (2.0 / 9007199254740992.0) - 1.0;
}
}  // namespace

double Noise1(uint64_t seed, double x) {
    double fl = std::floor(x);
    int64_t i = static_cast<int64_t>(fl);
    double t = x - fl;
    double s = t * t * (3 - 2 * t);
    return Lattice(seed, i) * (1 - s) + Lattice(seed, i + 1) * s;
}

// ---------------------------------------------------------------------------------------------
// Canvas and writers
// ---------------------------------------------------------------------------------------------

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

std::vector<uint8_t> Canvas::Rgba() const {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    int stride = cairo_image_surface_get_stride(surface_);
    std::vector<uint8_t> out(static_cast<size_t>(width_) * height_ * 4);
    for (int y = 0; y < height_; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        uint8_t* o = &out[static_cast<size_t>(y) * width_ * 4];
        for (int x = 0; x < width_; ++x) {
            uint32_t p = row[x];
            uint32_t a = p >> 24;
            uint32_t r = (p >> 16) & 0xff, g = (p >> 8) & 0xff, b = p & 0xff;
            if (a == 0) {
                r = g = b = 0;
            } else if (a < 255) {
                r = std::min<uint32_t>(255, (r * 255 + a / 2) / a);
                g = std::min<uint32_t>(255, (g * 255 + a / 2) / a);
                b = std::min<uint32_t>(255, (b * 255 + a / 2) / a);
            }
            if (a != 0 && r == 0 && g == 0 && b == 0) r = g = b = 1;  // never the mask colour
            o[4 * x + 0] = static_cast<uint8_t>(r);
            o[4 * x + 1] = static_cast<uint8_t>(g);
            o[4 * x + 2] = static_cast<uint8_t>(b);
            o[4 * x + 3] = static_cast<uint8_t>(a);
        }
    }
    return out;
}

int Canvas::AlphaAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    int stride = cairo_image_surface_get_stride(surface_);
    return static_cast<int>(reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride)[x] >> 24);
}

bool WritePng(const Canvas& canvas, const std::string& path) {
    std::vector<uint8_t> rgba = canvas.Rgba();
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_compression_level(png, 6);
    png_set_IHDR(png, info, canvas.width(), canvas.height(), 8, PNG_COLOR_TYPE_RGB_ALPHA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < canvas.height(); ++y) {
        png_write_row(png, &rgba[static_cast<size_t>(y) * canvas.width() * 4]);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}

bool WriteJpeg(const Canvas& canvas, const std::string& path, Rgb backdrop, int quality) {
    std::vector<uint8_t> rgba = canvas.Rgba();
    int w = canvas.width(), h = canvas.height();
    std::vector<uint8_t> rgb(static_cast<size_t>(w) * h * 3);
    int br = static_cast<int>(backdrop.r * 255 + 0.5), bg = static_cast<int>(backdrop.g * 255 + 0.5),
        bb = static_cast<int>(backdrop.b * 255 + 0.5);
    for (size_t i = 0, n = static_cast<size_t>(w) * h; i < n; ++i) {
        int a = rgba[4 * i + 3];
        int c[3] = {rgba[4 * i], rgba[4 * i + 1], rgba[4 * i + 2]};
        int bk[3] = {br, bg, bb};
        for (int k = 0; k < 3; ++k) {
            int v = (c[k] * a + bk[k] * (255 - a) + 127) / 255;
            // Keep a little distance from black: JPEG noise must not produce the mask colour.
            rgb[3 * i + k] = static_cast<uint8_t>(std::max(v, 6));
        }
    }
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, f);
    cinfo.image_width = static_cast<JDIMENSION>(w);
    cinfo.image_height = static_cast<JDIMENSION>(h);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = &rgb[static_cast<size_t>(cinfo.next_scanline) * w * 3];
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(f) == 0;
}

Output::Output(std::string data_dir) : data_dir_(std::move(data_dir)) {}

std::string Output::Resolve(const std::string& rel_path) {
    std::string rel = rel_path;
    if (rel.compare(0, 5, "Data/") == 0) rel = rel.substr(5);
    std::filesystem::path full = std::filesystem::path(data_dir_) / rel;
    std::error_code ec;
    std::filesystem::create_directories(full.parent_path(), ec);
    return full.string();
}

bool Output::SavePng(const Canvas& canvas, const std::string& rel_path) {
    std::string path = Resolve(rel_path);
    bool good = WritePng(canvas, path);
    if (!good) std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
    ok_ = ok_ && good;
    written_ += good ? 1 : 0;
    return good;
}

bool Output::SaveJpeg(const Canvas& canvas, const std::string& rel_path, Rgb backdrop) {
    std::string path = Resolve(rel_path);
    bool good = WriteJpeg(canvas, path, backdrop);
    if (!good) std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
    ok_ = ok_ && good;
    written_ += good ? 1 : 0;
    return good;
}

bool Output::CopyFile(const std::string& source, const std::string& rel_path) {
    std::string path = Resolve(rel_path);
    std::error_code ec;
    std::filesystem::copy_file(source, path, std::filesystem::copy_options::overwrite_existing, ec);
    if (ec) std::fprintf(stderr, "assetgen: cannot copy %s to %s\n", source.c_str(), path.c_str());
    ok_ = ok_ && !ec;
    written_ += ec ? 0 : 1;
    return !ec;
}

// ---------------------------------------------------------------------------------------------
// Paths and outlined shapes
// ---------------------------------------------------------------------------------------------

void StrokeOutline(cairo_t* cr, double line_width) {
    SetColor(cr, kOutline);
    cairo_set_line_width(cr, line_width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void FillSourceOutline(cairo_t* cr, double line_width) {
    if (line_width > 0) {
        cairo_fill_preserve(cr);
        StrokeOutline(cr, line_width);
    } else {
        cairo_fill(cr);
    }
}

void FillOutline(cairo_t* cr, Rgb fill, double line_width, double alpha) {
    SetColor(cr, fill, alpha);
    FillSourceOutline(cr, line_width);
}

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius) {
    double r = std::min(radius, std::min(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, std::max(rx, 1e-3), std::max(ry, 1e-3));
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void SmoothClosedPath(cairo_t* cr, const std::vector<double>& xy) {
    size_t n = xy.size() / 2;
    if (n < 3) return;
    auto px = [&](size_t i) { return xy[2 * (i % n)]; };
    auto py = [&](size_t i) { return xy[2 * (i % n) + 1]; };
    cairo_new_sub_path(cr);
    cairo_move_to(cr, px(0), py(0));
    for (size_t i = 0; i < n; ++i) {
        size_t i0 = (i + n - 1), i1 = i, i2 = i + 1, i3 = i + 2;
        double c1x = px(i1) + (px(i2) - px(i0)) / 6, c1y = py(i1) + (py(i2) - py(i0)) / 6;
        double c2x = px(i2) - (px(i3) - px(i1)) / 6, c2y = py(i2) - (py(i3) - py(i1)) / 6;
        cairo_curve_to(cr, c1x, c1y, c2x, c2y, px(i2), py(i2));
    }
    cairo_close_path(cr);
}

void SmoothOpenPath(cairo_t* cr, const std::vector<double>& xy) {
    size_t n = xy.size() / 2;
    if (n < 2) return;
    auto px = [&](size_t i) { return xy[2 * std::min(i, n - 1)]; };
    auto py = [&](size_t i) { return xy[2 * std::min(i, n - 1) + 1]; };
    cairo_move_to(cr, px(0), py(0));
    for (size_t i = 0; i + 1 < n; ++i) {
        size_t i0 = i == 0 ? 0 : i - 1;
        double c1x = px(i) + (px(i + 1) - px(i0)) / 6, c1y = py(i) + (py(i + 1) - py(i0)) / 6;
        double c2x = px(i + 1) - (px(i + 2) - px(i)) / 6, c2y = py(i + 1) - (py(i + 2) - py(i)) / 6;
        cairo_curve_to(cr, c1x, c1y, c2x, c2y, px(i + 1), py(i + 1));
    }
}

void WobblyEllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry, double wobble,
                       Rng& rng) {
    const int n = 14;
    uint64_t seed = rng.Next();
    double phase = rng.Range(0, 2 * kPi);
    std::vector<double> xy;
    for (int i = 0; i < n; ++i) {
        double a = phase + 2 * kPi * i / n;
        double k = 1 + wobble * Noise1(seed, i * 1.7);
        xy.push_back(cx + std::cos(a) * rx * k);
        xy.push_back(cy + std::sin(a) * ry * k);
    }
    SmoothClosedPath(cr, xy);
}

void WobblyLinePath(cairo_t* cr, double x0, double y0, double x1, double y1, double amplitude,
                    Rng& rng) {
    double len = std::hypot(x1 - x0, y1 - y0);
    int steps = std::max(2, static_cast<int>(len / 24));
    double nx = len > 0 ? -(y1 - y0) / len : 0, ny = len > 0 ? (x1 - x0) / len : 0;
    uint64_t seed = rng.Next();
    std::vector<double> xy;
    for (int i = 0; i <= steps; ++i) {
        double t = static_cast<double>(i) / steps;
        double taper = std::sin(kPi * t);  // ends stay where they were asked to be
        double d = amplitude * taper * Noise1(seed, i * 0.9);
        xy.push_back(x0 + (x1 - x0) * t + nx * d);
        xy.push_back(y0 + (y1 - y0) * t + ny * d);
    }
    SmoothOpenPath(cr, xy);
}

void DrawRoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius, Rgb fill,
                     double line_width) {
    RoundedRectPath(cr, x, y, w, h, radius);
    SetVerticalGradient(cr, y, Lighten(fill, 0.25), y + h, Darken(fill, 0.1));
    FillSourceOutline(cr, line_width);
}

void DrawShine(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
    cairo_save(cr);
    EllipsePath(cr, cx, cy, rx, ry);
    SetRadialGradient(cr, cx, cy, std::max(rx, ry), kWhite, kWhite, alpha, 0.0);
    cairo_fill(cr);
    cairo_restore(cr);
}

void DrawBlob(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb fill, double line_width,
              Rng& rng, double wobble) {
    if (wobble > 0) {
        WobblyEllipsePath(cr, cx, cy, rx, ry, wobble, rng);
    } else {
        EllipsePath(cr, cx, cy, rx, ry);
    }
    double r = std::max(rx, ry);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - rx * 0.35, cy - ry * 0.4, r * 0.1, cx, cy, r * 1.15);
    Rgb hi = Lighten(fill, 0.3), lo = Darken(fill, 0.18);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 0.55, fill.r, fill.g, fill.b);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
    FillSourceOutline(cr, line_width);
}

void DrawGlow(cairo_t* cr, double cx, double cy, double radius, Rgb color, double alpha) {
    cairo_save(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
    cairo_pattern_add_color_stop_rgba(p, 0, color.r, color.g, color.b, alpha);
    cairo_pattern_add_color_stop_rgba(p, 0.4, color.r, color.g, color.b, alpha * 0.45);
    cairo_pattern_add_color_stop_rgba(p, 1, color.r, color.g, color.b, 0);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
    cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_restore(cr);
}

void FillVerticalGradient(cairo_t* cr, double x, double y, double w, double h, Rgb top,
                          Rgb bottom) {
    cairo_rectangle(cr, x, y, w, h);
    SetVerticalGradient(cr, y, top, y + h, bottom);
    cairo_fill(cr);
}

// ---------------------------------------------------------------------------------------------
// Scenery
// ---------------------------------------------------------------------------------------------

void PaintSky(cairo_t* cr, double x, double y, double w, double h, Rgb top, Rgb bottom) {
    cairo_rectangle(cr, x, y, w, h);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    Rgb mid = Mix(top, bottom, 0.55);
    cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 0.6, mid.r, mid.g, mid.b);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
    cairo_fill(cr);
}

void PaintHills(cairo_t* cr, double x0, double x1, double base_y, double amplitude,
                double bottom_y, Rgb color, Rng& rng, double line_width) {
    uint64_t seed = rng.Next();
    double freq = rng.Range(0.8, 1.4) / 260.0;
    std::vector<double> crest;
    for (double x = x0 - 40; x <= x1 + 40; x += 32) {
        double n = Noise1(seed, x * freq) * 0.7 + Noise1(seed + 7, x * freq * 2.3) * 0.3;
        crest.push_back(x);
        crest.push_back(base_y - amplitude * n);
    }
    cairo_new_path(cr);
    SmoothOpenPath(cr, crest);
    cairo_line_to(cr, x1 + 40 + line_width, bottom_y + line_width);
    cairo_line_to(cr, x0 - 40 - line_width, bottom_y + line_width);
    cairo_close_path(cr);
    SetVerticalGradient(cr, base_y - amplitude, Lighten(color, 0.12), bottom_y, Darken(color, 0.2));
    cairo_fill(cr);
    if (line_width > 0) {
        SmoothOpenPath(cr, crest);
        StrokeOutline(cr, line_width);
    }
}

void PaintRoundTree(cairo_t* cr, double x, double ground_y, double height, Rgb leaf, Rng& rng,
                    double line_width, Rgb trunk) {
    double crown_r = height * 0.3;
    double crown_y = ground_y - height + crown_r * 1.05;
    double tw = std::max(6.0, height * 0.09);
    // Trunk, slightly flared at the root.
    cairo_new_path(cr);
    cairo_move_to(cr, x - tw * 0.9, ground_y);
    cairo_curve_to(cr, x - tw * 0.45, ground_y - height * 0.15, x - tw * 0.5, crown_y,
                   x - tw * 0.4, crown_y);
    cairo_line_to(cr, x + tw * 0.4, crown_y);
    cairo_curve_to(cr, x + tw * 0.5, crown_y, x + tw * 0.45, ground_y - height * 0.15,
                   x + tw * 0.9, ground_y);
    cairo_close_path(cr);
    SetLinearGradient(cr, x - tw, 0, Lighten(trunk, 0.15), x + tw, 0, Darken(trunk, 0.2));
    FillSourceOutline(cr, line_width);
    // Crown: a ring of overlapping blobs then one big one on top to hide inner outlines.
    int lobes = 5 + rng.Int(0, 2);
    for (int i = 0; i < lobes; ++i) {
        double a = kPi + kPi * (i + 0.5) / lobes + rng.Range(-0.1, 0.1);
        double r = crown_r * rng.Range(0.45, 0.58);
        double cx = x + std::cos(a) * crown_r * 0.62;
        double cy = crown_y + std::sin(a) * crown_r * 0.55 + crown_r * 0.25;
        DrawBlob(cr, cx, cy, r, r * 0.92, Darken(leaf, 0.08), line_width, rng, 0.06);
    }
    for (int i = 0; i < 3; ++i) {
        double a = -kPi * 0.15 - kPi * 0.7 * i / 2.0;
        double r = crown_r * rng.Range(0.5, 0.6);
        DrawBlob(cr, x + std::cos(a) * crown_r * 0.5, crown_y + std::sin(a) * crown_r * 0.45, r,
                 r * 0.9, leaf, line_width, rng, 0.06);
    }
    DrawBlob(cr, x, crown_y + crown_r * 0.1, crown_r * 0.62, crown_r * 0.55, Lighten(leaf, 0.05),
             0, rng, 0.05);
    // Leaf flecks.
    for (int i = 0; i < 7; ++i) {
        double fx = x + rng.Range(-crown_r * 0.8, crown_r * 0.8);
        double fy = crown_y + rng.Range(-crown_r * 0.6, crown_r * 0.5);
        cairo_new_path(cr);
        cairo_arc(cr, fx, fy, crown_r * 0.12, kPi * 1.1, kPi * 1.9);
        SetColor(cr, Lighten(leaf, 0.35), 0.7);
        cairo_set_line_width(cr, std::max(1.0, line_width * 0.7));
        cairo_stroke(cr);
    }
}

void PaintPineTree(cairo_t* cr, double x, double ground_y, double height, Rgb leaf, Rng& rng,
                   double line_width) {
    double tw = std::max(5.0, height * 0.06);
    cairo_rectangle(cr, x - tw / 2, ground_y - height * 0.2, tw, height * 0.2);
    FillOutline(cr, kBarkDark, line_width);
    int tiers = 4;
    for (int i = 0; i < tiers; ++i) {
        double t = static_cast<double>(i) / tiers;
        double base = ground_y - height * 0.15 - height * 0.8 * t;
        double half = height * 0.32 * (1 - t * 0.7);
        double top = base - height * 0.36;
        double sag = height * 0.04;
        cairo_new_path(cr);
        cairo_move_to(cr, x, top);
        cairo_curve_to(cr, x + half * 0.3, top + (base - top) * 0.4, x + half * 0.8, base - sag,
                       x + half, base);
        cairo_curve_to(cr, x + half * 0.5, base + sag * rng.Range(0.6, 1.2), x - half * 0.5,
                       base + sag * rng.Range(0.6, 1.2), x - half, base);
        cairo_curve_to(cr, x - half * 0.8, base - sag, x - half * 0.3, top + (base - top) * 0.4, x,
                       top);
        cairo_close_path(cr);
        SetLinearGradient(cr, x - half, 0, Lighten(leaf, 0.12), x + half, 0, Darken(leaf, 0.2));
        FillSourceOutline(cr, line_width);
    }
}

void PaintBush(cairo_t* cr, double x, double ground_y, double w, Rgb leaf, Rng& rng,
               double line_width) {
    double r = w * 0.3;
    DrawBlob(cr, x - w * 0.25, ground_y - r * 0.8, r, r * 0.85, Darken(leaf, 0.06), line_width, rng);
    DrawBlob(cr, x + w * 0.25, ground_y - r * 0.8, r, r * 0.85, Darken(leaf, 0.06), line_width, rng);
    DrawBlob(cr, x, ground_y - r * 1.25, r * 1.15, r * 1.0, leaf, line_width, rng);
    // Flat base line so it sits on the ground.
    cairo_rectangle(cr, x - w * 0.45, ground_y - r * 0.55, w * 0.9, r * 0.55);
    SetVerticalGradient(cr, ground_y - r * 0.55, Darken(leaf, 0.06), ground_y, Darken(leaf, 0.2));
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, x - w * 0.5, ground_y);
    cairo_line_to(cr, x + w * 0.5, ground_y);
    StrokeOutline(cr, line_width);
}

void PaintWater(cairo_t* cr, double x, double y, double w, double h, Rng& rng, Rgb top,
                Rgb bottom) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    FillVerticalGradient(cr, x, y, w, h, top, bottom);
    int rows = std::max(3, static_cast<int>(h / 22));
    for (int i = 0; i < rows; ++i) {
        double ry = y + h * (i + 0.5) / rows;
        double depth = static_cast<double>(i) / rows;
        int count = std::max(2, static_cast<int>(w / 140));
        for (int k = 0; k < count; ++k) {
            double rx = x + rng.Range(0, w);
            double len = rng.Range(20, 60) * (0.6 + depth);
            cairo_new_path(cr);
            cairo_move_to(cr, rx - len / 2, ry);
            cairo_curve_to(cr, rx - len / 4, ry - 3, rx + len / 4, ry - 3, rx + len / 2, ry);
            SetColor(cr, kWhite, 0.55 - depth * 0.3);
            cairo_set_line_width(cr, 2.0);
            cairo_stroke(cr);
        }
    }
    cairo_restore(cr);
}

void PaintHouse(cairo_t* cr, double x, double ground_y, double w, double h, Rgb wall, Rgb roof,
                Rng& rng, double line_width) {
    double left = x - w / 2, top = ground_y - h;
    // Chimney behind the roof.
    double cx = x + w * 0.22;
    cairo_rectangle(cr, cx, top - h * 0.55, w * 0.12, h * 0.4);
    FillOutline(cr, kStoneDark, line_width);
    // Wall.
    cairo_new_path(cr);
    WobblyLinePath(cr, left, ground_y, left, top, 1.5, rng);
    cairo_line_to(cr, left + w, top);
    cairo_line_to(cr, left + w, ground_y);
    cairo_close_path(cr);
    SetVerticalGradient(cr, top, Lighten(wall, 0.12), ground_y, Darken(wall, 0.12));
    FillSourceOutline(cr, line_width);
    // Roof with rounded eaves.
    double over = w * 0.1;
    cairo_new_path(cr);
    cairo_move_to(cr, left - over, top + h * 0.08);
    cairo_curve_to(cr, x - w * 0.25, top - h * 0.3, x - w * 0.1, top - h * 0.55, x, top - h * 0.6);
    cairo_curve_to(cr, x + w * 0.1, top - h * 0.55, x + w * 0.25, top - h * 0.3, left + w + over,
                   top + h * 0.08);
    cairo_curve_to(cr, x + w * 0.3, top + h * 0.02, x - w * 0.3, top + h * 0.02, left - over,
                   top + h * 0.08);
    cairo_close_path(cr);
    SetVerticalGradient(cr, top - h * 0.6, Lighten(roof, 0.15), top + h * 0.08, Darken(roof, 0.15));
    FillSourceOutline(cr, line_width);
    // Door.
    double dw = w * 0.22, dh = h * 0.55;
    cairo_new_path(cr);
    cairo_move_to(cr, x - dw / 2, ground_y);
    cairo_line_to(cr, x - dw / 2, ground_y - dh + dw / 2);
    cairo_arc(cr, x, ground_y - dh + dw / 2, dw / 2, kPi, 2 * kPi);
    cairo_line_to(cr, x + dw / 2, ground_y);
    cairo_close_path(cr);
    SetVerticalGradient(cr, ground_y - dh, kWood, ground_y, kBark);
    FillSourceOutline(cr, line_width);
    cairo_arc(cr, x + dw * 0.25, ground_y - dh * 0.45, std::max(1.5, dw * 0.07), 0, 2 * kPi);
    FillOutline(cr, kHoney, 0);
    // Two round windows with a warm light.
    for (int side = -1; side <= 1; side += 2) {
        double wx = x + side * w * 0.32, wy = top + h * 0.4, wr = w * 0.09;
        cairo_new_path(cr);
        cairo_arc(cr, wx, wy, wr, 0, 2 * kPi);
        SetRadialGradient(cr, wx, wy, wr, kHoneyLight, kAmber);
        FillSourceOutline(cr, line_width * 0.8);
        cairo_move_to(cr, wx - wr, wy);
        cairo_line_to(cr, wx + wr, wy);
        cairo_move_to(cr, wx, wy - wr);
        cairo_line_to(cr, wx, wy + wr);
        StrokeOutline(cr, line_width * 0.6);
    }
}

void PaintFence(cairo_t* cr, double x0, double x1, double ground_y, double height, Rng& rng,
                double spacing, double line_width, Rgb wood) {
    double pw = std::max(6.0, height * 0.16);
    // Rails behind the posts.
    for (int k = 0; k < 2; ++k) {
        double ry = ground_y - height * (k == 0 ? 0.72 : 0.35);
        double rh = height * 0.13;
        cairo_new_path(cr);
        WobblyLinePath(cr, x0, ry, x1, ry, 1.5, rng);
        cairo_line_to(cr, x1, ry + rh);
        cairo_line_to(cr, x0, ry + rh);
        cairo_close_path(cr);
        SetVerticalGradient(cr, ry, Lighten(wood, 0.15), ry + rh, Darken(wood, 0.15));
        FillSourceOutline(cr, line_width);
    }
    for (double px = x0; px <= x1 + 0.5; px += spacing) {
        double ph = height * rng.Range(0.95, 1.05);
        cairo_new_path(cr);
        cairo_move_to(cr, px - pw / 2, ground_y);
        cairo_line_to(cr, px - pw / 2, ground_y - ph + pw * 0.4);
        cairo_line_to(cr, px, ground_y - ph);
        cairo_line_to(cr, px + pw / 2, ground_y - ph + pw * 0.4);
        cairo_line_to(cr, px + pw / 2, ground_y);
        cairo_close_path(cr);
        SetLinearGradient(cr, px - pw / 2, 0, Lighten(wood, 0.2), px + pw / 2, 0, Darken(wood, 0.1));
        FillSourceOutline(cr, line_width);
    }
}

void PaintPath(cairo_t* cr, const std::vector<double>& xy, double w0, double w1, Rgb color,
               double line_width) {
    size_t n = xy.size() / 2;
    if (n < 2) return;
    std::vector<double> left, right;
    for (size_t i = 0; i < n; ++i) {
        size_t a = i == 0 ? 0 : i - 1, b = i + 1 < n ? i + 1 : n - 1;
        double dx = xy[2 * b] - xy[2 * a], dy = xy[2 * b + 1] - xy[2 * a + 1];
        double len = std::max(1e-6, std::hypot(dx, dy));
        double w = (w0 + (w1 - w0) * i / (n - 1)) / 2;
        left.push_back(xy[2 * i] - dy / len * w);
        left.push_back(xy[2 * i + 1] + dx / len * w);
        right.push_back(xy[2 * i] + dy / len * w);
        right.push_back(xy[2 * i + 1] - dx / len * w);
    }
    cairo_new_path(cr);
    SmoothOpenPath(cr, left);
    std::vector<double> back;
    for (size_t i = n; i-- > 0;) {
        back.push_back(right[2 * i]);
        back.push_back(right[2 * i + 1]);
    }
    cairo_line_to(cr, back[0], back[1]);
    // Continue along the right edge in reverse.
    for (size_t i = 0; i + 1 < n; ++i) {
        size_t i0 = i == 0 ? 0 : i - 1;
        size_t i2 = std::min(i + 2, n - 1);
        double c1x = back[2 * i] + (back[2 * (i + 1)] - back[2 * i0]) / 6;
        double c1y = back[2 * i + 1] + (back[2 * (i + 1) + 1] - back[2 * i0 + 1]) / 6;
        double c2x = back[2 * (i + 1)] - (back[2 * i2] - back[2 * i]) / 6;
        double c2y = back[2 * (i + 1) + 1] - (back[2 * i2 + 1] - back[2 * i + 1]) / 6;
        cairo_curve_to(cr, c1x, c1y, c2x, c2y, back[2 * (i + 1)], back[2 * (i + 1) + 1]);
    }
    cairo_close_path(cr);
    SetVerticalGradient(cr, xy[1], Lighten(color, 0.15), xy[2 * (n - 1) + 1], Darken(color, 0.08));
    cairo_fill(cr);
    if (line_width > 0) {
        SmoothOpenPath(cr, left);
        StrokeOutline(cr, line_width * 0.8);
        SmoothOpenPath(cr, right);
        StrokeOutline(cr, line_width * 0.8);
    }
}

void PaintStone(cairo_t* cr, double cx, double cy, double rx, double ry, Rng& rng,
                double line_width, Rgb color) {
    WobblyEllipsePath(cr, cx, cy, rx, ry, 0.1, rng);
    cairo_pattern_t* p = cairo_pattern_create_linear(cx - rx, cy - ry, cx + rx * 0.5, cy + ry);
    Rgb hi = Lighten(color, 0.3), lo = Darken(color, 0.25);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
    FillSourceOutline(cr, line_width);
    // A little crack.
    cairo_new_path(cr);
    cairo_move_to(cr, cx + rx * 0.1, cy - ry * 0.5);
    cairo_line_to(cr, cx + rx * 0.25, cy - ry * 0.15);
    cairo_line_to(cr, cx + rx * 0.15, cy + ry * 0.1);
    SetColor(cr, Darken(color, 0.4), 0.6);
    cairo_set_line_width(cr, std::max(1.0, line_width * 0.5));
    cairo_stroke(cr);
}

void PaintCloud(cairo_t* cr, double cx, double cy, double w, Rng& rng, double alpha,
                double line_width) {
    cairo_save(cr);
    cairo_push_group(cr);
    double h = w * 0.38;
    int puffs = 4 + rng.Int(0, 2);
    cairo_new_path(cr);
    for (int i = 0; i < puffs; ++i) {
        double t = (i + 0.5) / puffs;
        double px = cx - w * 0.42 + w * 0.84 * t;
        double r = h * (0.42 + 0.35 * std::sin(kPi * t)) * rng.Range(0.85, 1.1);
        cairo_new_sub_path(cr);
        cairo_arc(cr, px, cy + h * 0.2 - r * 0.6, r, 0, 2 * kPi);
    }
    RoundedRectPath(cr, cx - w * 0.48, cy - h * 0.05, w * 0.96, h * 0.4, h * 0.2);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    if (line_width > 0) {
        // Outline only the union's border: a double-width stroke, then the fill over its inner half.
        cairo_path_t* shape = cairo_copy_path(cr);
        StrokeOutline(cr, line_width * 2);
        cairo_append_path(cr, shape);
        cairo_path_destroy(shape);
    }
    SetVerticalGradient(cr, cy - h, kWhite, cy + h * 0.35, Mix(kWhite, kSky, 0.45));
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
}

void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points,
              double angle) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        double r = (i % 2 == 0) ? outer : inner;
        double a = angle - kPi / 2 + kPi * i / points;
        double x = cx + std::cos(a) * r, y = cy + std::sin(a) * r;
        if (i == 0) {
            cairo_move_to(cr, x, y);
        } else {
            cairo_line_to(cr, x, y);
        }
    }
    cairo_close_path(cr);
}

void PaintSparkle(cairo_t* cr, double cx, double cy, double radius, Rgb color, double alpha) {
    DrawGlow(cr, cx, cy, radius * 0.7, color, alpha * 0.6);
    cairo_save(cr);
    cairo_new_path(cr);
    // Four concave points.
    double k = radius * 0.16;
    cairo_move_to(cr, cx, cy - radius);
    cairo_curve_to(cr, cx + k * 0.4, cy - k, cx + k, cy - k * 0.4, cx + radius, cy);
    cairo_curve_to(cr, cx + k, cy + k * 0.4, cx + k * 0.4, cy + k, cx, cy + radius);
    cairo_curve_to(cr, cx - k * 0.4, cy + k, cx - k, cy + k * 0.4, cx - radius, cy);
    cairo_curve_to(cr, cx - k, cy - k * 0.4, cx - k * 0.4, cy - k, cx, cy - radius);
    cairo_close_path(cr);
    SetRadialGradient(cr, cx, cy, radius, kWhite, color, alpha, alpha * 0.5);
    cairo_fill(cr);
    cairo_restore(cr);
}

void PaintCoin(cairo_t* cr, double cx, double cy, double radius, double line_width) {
    // Edge (a little thickness below), face, inner rim, emblem and shine.
    EllipsePath(cr, cx, cy + radius * 0.08, radius, radius * 0.98);
    FillOutline(cr, kAmber, line_width);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, radius * 0.97, 0, 2 * kPi);
    SetRadialGradient(cr, cx - radius * 0.3, cy - radius * 0.3, radius * 1.3, kHoneyLight, kAmber);
    FillSourceOutline(cr, line_width);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, radius * 0.72, 0, 2 * kPi);
    SetColor(cr, Darken(kAmber, 0.15), 0.8);
    cairo_set_line_width(cr, std::max(1.0, line_width * 0.6));
    cairo_stroke(cr);
    // Leaf emblem.
    cairo_new_path(cr);
    cairo_move_to(cr, cx - radius * 0.35, cy + radius * 0.35);
    cairo_curve_to(cr, cx - radius * 0.4, cy - radius * 0.2, cx, cy - radius * 0.45,
                   cx + radius * 0.38, cy - radius * 0.38);
    cairo_curve_to(cr, cx + radius * 0.42, cy + radius * 0.05, cx + radius * 0.05,
                   cy + radius * 0.38, cx - radius * 0.35, cy + radius * 0.35);
    cairo_close_path(cr);
    SetColor(cr, Darken(kAmber, 0.25));
    cairo_fill(cr);
    DrawShine(cr, cx - radius * 0.35, cy - radius * 0.45, radius * 0.3, radius * 0.18, 0.7);
}

void PaintFlower(cairo_t* cr, double cx, double cy, double radius, Rgb petal, int petals,
                 double line_width) {
    for (int i = 0; i < petals; ++i) {
        double a = 2 * kPi * i / petals;
        EllipsePath(cr, cx + std::cos(a) * radius * 0.55, cy + std::sin(a) * radius * 0.55,
                    radius * 0.45, radius * 0.45);
        SetRadialGradient(cr, cx, cy, radius, Lighten(petal, 0.3), petal);
        FillSourceOutline(cr, line_width);
    }
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, radius * 0.35, 0, 2 * kPi);
    FillOutline(cr, kHoney, line_width);
}

void PaintGrassTuft(cairo_t* cr, double x, double ground_y, double height, Rgb color, Rng& rng,
                    double line_width) {
    int blades = rng.Int(3, 5);
    for (int i = 0; i < blades; ++i) {
        double off = (i - (blades - 1) / 2.0) * height * 0.18;
        double lean = rng.Range(-0.5, 0.5) * height;
        double h = height * rng.Range(0.7, 1.0);
        double bw = height * 0.09;
        cairo_new_path(cr);
        cairo_move_to(cr, x + off - bw, ground_y);
        cairo_curve_to(cr, x + off - bw, ground_y - h * 0.5, x + off + lean * 0.5, ground_y - h * 0.8,
                       x + off + lean, ground_y - h);
        cairo_curve_to(cr, x + off + lean * 0.4, ground_y - h * 0.7, x + off + bw, ground_y - h * 0.4,
                       x + off + bw, ground_y);
        cairo_close_path(cr);
        SetVerticalGradient(cr, ground_y - h, Lighten(color, 0.2), ground_y, Darken(color, 0.15));
        FillSourceOutline(cr, line_width);
    }
}

void DrawLabel(cairo_t* cr, double x, double y, const std::string& text, double size, Rgb color,
               bool bold) {
    cairo_save(cr);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    SetColor(cr, color);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, text.c_str());
    cairo_restore(cr);
}

void RibbonPath(cairo_t* cr, const std::vector<double>& pts, double w0, double w1) {
    size_t n = pts.size() / 2;
    std::vector<double> left, right;
    for (size_t i = 0; i < n; ++i) {
        size_t a = i == 0 ? 0 : i - 1;
        size_t b = i + 1 < n ? i + 1 : n - 1;
        double dx = pts[2 * b] - pts[2 * a], dy = pts[2 * b + 1] - pts[2 * a + 1];
        double len = std::hypot(dx, dy);
        if (len < 1e-6) len = 1;
        double nx = -dy / len, ny = dx / len;
        double t = n > 1 ? double(i) / double(n - 1) : 0;
        double w = (w0 + (w1 - w0) * t) / 2;
        left.push_back(pts[2 * i] + nx * w);
        left.push_back(pts[2 * i + 1] + ny * w);
        right.push_back(pts[2 * i] - nx * w);
        right.push_back(pts[2 * i + 1] - ny * w);
    }
    std::vector<double> ring = left;
    for (size_t i = n; i-- > 0;) {
        ring.push_back(right[2 * i]);
        ring.push_back(right[2 * i + 1]);
    }
    SmoothClosedPath(cr, ring);
}
