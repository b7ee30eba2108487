// Title scene and start-up pictures: the clearing, logo, framing trees, title button sheet, cloud
// layers, splash pictures, small logos, loading screen, ending background and window icon.
#include <cairo-svg.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "painters.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// The game's name set in Cabin Sketch (from fonts-cabinsketch) with a thick outline and a honey
// gradient, centred at (cx, cy).
void LogoText(cairo_t* cr, const std::string& text, double cx, double cy, double size, Rgb top,
              Rgb bottom, double outline) {
    cairo_save(cr);
    cairo_select_font_face(cr, "CabinSketch", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    double x = cx - ext.width / 2 - ext.x_bearing, y = cy - ext.height / 2 - ext.y_bearing;
    // Soft drop shadow.
    cairo_new_path(cr);
    cairo_move_to(cr, x + outline * 0.6, y + outline * 0.9);
    cairo_text_path(cr, text.c_str());
    SetColor(cr, kOutline, 0.35);
    cairo_set_line_width(cr, outline * 2);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    // The sketch font hatches its letters; a fill stroke `close` px wide closes the hatching so the
    // letters read solid, and the dark outline is widened by the same amount.
    const double close = std::max(2.0, size * 0.06);
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, text.c_str());
    SetColor(cr, kOutline);
    cairo_set_line_width(cr, outline * 2 + close);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    SetVerticalGradient(cr, y + ext.y_bearing, top, y + ext.y_bearing + ext.height, bottom);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, close);
    cairo_stroke(cr);
    // A soft shine across the upper half of the letters.
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, text.c_str());
    SetVerticalGradient(cr, y + ext.y_bearing, kWhite, y + ext.y_bearing + ext.height * 0.5, kWhite, 0.35, 0.0);
    cairo_fill(cr);
    cairo_restore(cr);
}

void Leaf(cairo_t* cr, double x, double y, double len, double angle, Rgb color, double lw) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, len * 0.3, -len * 0.35, len * 0.8, -len * 0.3, len, 0);
    cairo_curve_to(cr, len * 0.8, len * 0.3, len * 0.3, len * 0.35, 0, 0);
    cairo_close_path(cr);
    SetLinearGradient(cr, 0, 0, Lighten(color, 0.25), len, 0, color);
    FillSourceOutline(cr, lw);
    cairo_move_to(cr, len * 0.1, 0);
    cairo_line_to(cr, len * 0.8, 0);
    SetColor(cr, Darken(color, 0.3), 0.7);
    cairo_set_line_width(cr, std::max(1.0, lw * 0.5));
    cairo_stroke(cr);
    cairo_restore(cr);
}

// A round leafy emblem (used by the logos, splash and icon): cream disc, moss ring, sprout.
void Emblem(cairo_t* cr, double cx, double cy, double r, double lw) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    SetRadialGradient(cr, cx - r * 0.3, cy - r * 0.3, r * 1.4, kMossLight, kMossDark);
    FillSourceOutline(cr, lw);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r * 0.78, 0, 2 * kPi);
    SetRadialGradient(cr, cx, cy - r * 0.2, r, kPaper, kCream);
    FillSourceOutline(cr, lw * 0.8);
    // Hill and sprout inside.
    cairo_save(cr);
    cairo_arc(cr, cx, cy, r * 0.78 - lw * 0.4, 0, 2 * kPi);
    cairo_clip(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - r, cy + r * 0.45);
    cairo_curve_to(cr, cx - r * 0.4, cy + r * 0.15, cx + r * 0.4, cy + r * 0.15, cx + r, cy + r * 0.45);
    cairo_line_to(cr, cx + r, cy + r);
    cairo_line_to(cr, cx - r, cy + r);
    cairo_close_path(cr);
    FillOutline(cr, kMoss, lw * 0.8);
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, cx, cy + r * 0.3);
    cairo_curve_to(cr, cx, cy, cx - r * 0.05, cy - r * 0.2, cx + r * 0.02, cy - r * 0.3);
    StrokeOutline(cr, lw * 1.1);
    Leaf(cr, cx + r * 0.02, cy - r * 0.22, r * 0.42, -0.6, kMoss, lw * 0.8);
    Leaf(cr, cx, cy - r * 0.05, r * 0.36, -2.6, kMossLight, lw * 0.8);
    cairo_new_path(cr);
    cairo_arc(cr, cx + r * 0.32, cy - r * 0.38, r * 0.1, 0, 2 * kPi);
    FillOutline(cr, kBerryRed, lw * 0.7);
}

// A landscape of sky, hills, trees and meadow (title clearing, splash, loading screen).
void Landscape(cairo_t* cr, int w, int h, uint64_t seed, bool clearing) {
    Rng rng(seed);
    PaintSky(cr, 0, 0, w, h * 0.7, kSkyTop, kSkyHaze);
    DrawGlow(cr, w * 0.78, h * 0.16, h * 0.3, kHoneyLight, 0.55);
    cairo_new_path(cr);
    cairo_arc(cr, w * 0.78, h * 0.16, h * 0.06, 0, 2 * kPi);
    SetColor(cr, kHoneyLight);
    cairo_fill(cr);
    for (int i = 0; i < 4; ++i) {
        PaintCloud(cr, rng.Range(0, w), rng.Range(h * 0.06, h * 0.3), rng.Range(140, 240), rng, 0.85);
    }
    PaintHills(cr, 0, w, h * 0.5, h * 0.05, h, Mix(kMossLight, kSky, 0.45), rng, 0);
    PaintHills(cr, 0, w, h * 0.58, h * 0.05, h, Mix(kMoss, kSky, 0.2), rng, 2);
    // Distant tree line.
    for (double x = -20; x < w + 40; x += rng.Range(26, 44)) {
        double gy = h * 0.62 + rng.Range(-6, 8);
        if (clearing && x > w * 0.3 && x < w * 0.7) continue;
        if (rng.Chance(0.4)) {
            PaintPineTree(cr, x, gy, rng.Range(70, 110), Mix(kPine, kSky, 0.25), rng, 2);
        } else {
            PaintRoundTree(cr, x, gy, rng.Range(70, 100), Mix(kMossDark, kSky, 0.2), rng, 2);
        }
    }
    PaintHills(cr, 0, w, h * 0.68, h * 0.03, h, kMossLight, rng, kOutlineWidth);
    if (clearing) {
        // A winding path into the clearing and a little pond.
        PaintPath(cr, {w * 0.5, h * 0.68, w * 0.46, h * 0.78, w * 0.55, h * 0.9, w * 0.48, h * 1.02},
                  30, 170, kSand);
        cairo_save(cr);
        EllipsePath(cr, w * 0.2, h * 0.86, w * 0.12, h * 0.05);
        cairo_clip_preserve(cr);
        PaintWater(cr, w * 0.08, h * 0.8, w * 0.24, h * 0.12, rng);
        cairo_restore(cr);
        EllipsePath(cr, w * 0.2, h * 0.86, w * 0.12, h * 0.05);
        StrokeOutline(cr, kOutlineWidth);
    }
    // Meadow details: tufts and flowers.
    for (int i = 0; i < 60; ++i) {
        double x = rng.Range(0, w), y = rng.Range(h * 0.72, h * 0.99);
        if (clearing && std::fabs(x - w * 0.5) < 90 && y < h * 0.95) continue;
        if (clearing && std::hypot((x - w * 0.2) / (w * 0.14), (y - h * 0.86) / (h * 0.075)) < 1) continue;
        if (rng.Chance(0.55)) {
            PaintGrassTuft(cr, x, y, rng.Range(12, 22), kMoss, rng, 1.5);
        } else {
            const Rgb petals[4] = {kWhite, kRose, kHoneyLight, kLavender};
            PaintFlower(cr, x, y, rng.Range(4, 7), petals[rng.Int(0, 3)], 5, 1.3);
        }
    }
}

void PaintClouds(Output& out) {
    struct Layer {
        const char* name;
        int w, h, puffs;
        uint64_t seed;
    };
    const Layer layers[] = {
        {"CloudBandA", 768, 224, 3, 350},  // 350
        {"CloudBandB", 768, 224, 3, 351},  // 351
        {"CloudLayer", 1024, 256, 4, 352},  // 352
        {"CloudSmall", 512, 192, 2, 353},  // 353
    };
    for (const Layer& l : layers) {
        Canvas c(l.w, l.h);
        cairo_t* cr = c.cr();
        Rng rng(l.seed);
        for (int i = 0; i < l.puffs; ++i) {
            // A cloud w wide is about 0.6 w tall: keep every cloud inside its canvas.
            double cw = std::min(l.w / (l.puffs * 0.95) * rng.Range(0.8, 1.0), l.h * 1.45);
            double cx = l.w * (i + 0.5) / l.puffs + rng.Range(-20, 20);
            cx = std::min(std::max(cx, cw * 0.56), l.w - cw * 0.56);
            double cy = l.h * 0.62 + rng.Range(-l.h * 0.04, l.h * 0.04);
            PaintCloud(cr, cx, cy, cw, rng, 1.0);
        }
        out.SavePng(c, "Data/Graphics/Effects/" + std::string(l.name) + ".png");
    }
}

void PaintClearing(Output& out) {
    Canvas c(1024, 768);
    Landscape(c.cr(), 1024, 768, 305, true);
    out.SaveJpeg(c, "Data/Graphics/Clearing.jpg");
}

void PaintLogo(Output& out) {
    Canvas c(640, 224);
    cairo_t* cr = c.cr();
    Rng rng(400);
    // Leafy garland under the name: a vine with leaves and berries.
    cairo_new_path(cr);
    for (int i = 0; i <= 40; ++i) {
        double t = i / 40.0;
        double x = 60 + 520 * t, y = 172 + std::sin(t * kPi) * 18 + std::sin(t * kPi * 6) * 4;
        if (i == 0) {
            cairo_move_to(cr, x, y);
        } else {
            cairo_line_to(cr, x, y);
        }
    }
    SetColor(cr, kOutline);
    cairo_set_line_width(cr, 6);
    cairo_stroke_preserve(cr);
    SetColor(cr, kMossDark);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (int i = 0; i < 9; ++i) {
        double t = i / 8.0;
        double x = 70 + 500 * t, y = 170 + std::sin(t * kPi) * 18;
        Leaf(cr, x, y, rng.Range(26, 36), rng.Range(0.2, 0.9) + (i % 2) * 1.9, i % 3 ? kMoss : kMossLight,
             2.5);
    }
    for (int i = 0; i < 4; ++i) {
        cairo_new_path(cr);
        cairo_arc(cr, 130 + i * 125, 182 + (i % 2) * 6, 7, 0, 2 * kPi);
        FillOutline(cr, kBerryRed, 2.2);
        DrawShine(cr, 128 + i * 125, 179 + (i % 2) * 6, 2.5, 2, 0.8);
    }
    LogoText(cr, "Mossmeadow", 320, 100, 94, kHoneyLight, kAmber, 6);
    // A sprout on the first letter and sparkles.
    Leaf(cr, 70, 46, 36, -0.9, kMoss, 2.5);
    Leaf(cr, 70, 46, 30, -2.4, kMossLight, 2.5);
    PaintSparkle(cr, 596, 40, 16, kWhite);
    PaintSparkle(cr, 46, 150, 11, kWhite);
    out.SavePng(c, "Data/Graphics/Logo.png");
}

void PaintFramingTree(Output& out, bool left) {
    // Tall tree framing one screen edge: 384 x 832, trunk at the outer side, crown leaning in.
    Canvas c(384, 832);
    cairo_t* cr = c.cr();
    Rng rng(left ? 402 : 403);
    if (!left) {
        cairo_translate(cr, 384, 0);
        cairo_scale(cr, -1, 1);
    }
    const double lw = kOutlineWidth;
    // Trunk from below the screen up into the crown.
    cairo_new_path(cr);
    cairo_move_to(cr, 40, 840);
    cairo_curve_to(cr, 70, 700, 60, 520, 90, 300);
    cairo_curve_to(cr, 100, 240, 130, 200, 170, 170);
    cairo_line_to(cr, 190, 200);
    cairo_curve_to(cr, 160, 240, 150, 300, 150, 360);
    cairo_curve_to(cr, 150, 560, 160, 700, 190, 840);
    cairo_close_path(cr);
    SetLinearGradient(cr, 40, 0, Lighten(kBark, 0.15), 190, 0, Darken(kBark, 0.25));
    FillSourceOutline(cr, lw);
    // Bark lines.
    for (int i = 0; i < 9; ++i) {
        double y = 380 + i * 50 + rng.Range(-10, 10);
        cairo_new_path(cr);
        cairo_move_to(cr, 85 + rng.Range(0, 20), y);
        cairo_curve_to(cr, 95, y + 10, 110, y + 14, 115 + rng.Range(0, 20), y + 30);
        SetColor(cr, Darken(kBark, 0.4), 0.6);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    // A branch reaching in.
    cairo_new_path(cr);
    cairo_move_to(cr, 150, 430);
    cairo_curve_to(cr, 200, 400, 250, 380, 300, 330);
    cairo_line_to(cr, 306, 346);
    cairo_curve_to(cr, 260, 400, 210, 430, 150, 460);
    cairo_close_path(cr);
    SetLinearGradient(cr, 150, 0, kBark, 300, 0, Darken(kBark, 0.2));
    FillSourceOutline(cr, lw);
    // Crown: layered blobs, darker at the back.
    struct Lobe {
        double x, y, r;
    };
    const Lobe back[] = {{40, 120, 110}, {170, 70, 100}, {290, 150, 90}, {100, 250, 100},
                         {240, 260, 80}, {20, 300, 80}};
    for (const Lobe& l : back) DrawBlob(cr, l.x, l.y, l.r, l.r * 0.9, kMossDark, lw, rng, 0.06);
    const Lobe front[] = {{80, 160, 85}, {200, 150, 80}, {300, 230, 62}, {150, 250, 70}, {30, 210, 70}};
    for (const Lobe& l : front) DrawBlob(cr, l.x, l.y, l.r, l.r * 0.88, kMoss, lw, rng, 0.06);
    const Lobe leaves[] = {{320, 330, 44}, {270, 320, 38}};
    for (const Lobe& l : leaves) DrawBlob(cr, l.x, l.y, l.r, l.r * 0.85, kMossLight, lw, rng, 0.06);
    for (int i = 0; i < 40; ++i) {
        double x = rng.Range(0, 330), y = rng.Range(40, 300);
        cairo_new_path(cr);
        cairo_arc(cr, x, y, rng.Range(6, 12), kPi * 1.1, kPi * 1.9);
        SetColor(cr, kMossLight, 0.6);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
    // Apples / berries in the crown and a mushroom at the root.
    for (int i = 0; i < 5; ++i) {
        cairo_new_path(cr);
        double x = rng.Range(40, 300), y = rng.Range(120, 300);
        cairo_arc(cr, x, y, 7, 0, 2 * kPi);
        FillOutline(cr, kBerryRed, 2);
        DrawShine(cr, x - 2, y - 2.5, 2.5, 2, 0.8);
    }
    out.SavePng(c, left ? "Data/Graphics/TreeLeft.png" : "Data/Graphics/TreeRight.png");
}

void PaintTitleButtons(Output& out) {
    // Three 512 x 256 frames side by side: "Play", "Options", "Quit" plates (captions are drawn by
    // the game); the plates stay well inside their frames.
    Canvas c(1536, 256);
    cairo_t* cr = c.cr();
    const Rgb colors[3] = {kHoney, kMossLight, kRose};
    const double w[3] = {300, 270, 240}, h[3] = {92, 80, 76};
    Rng rng(408);
    for (int k = 0; k < 3; ++k) {
        double cx = 256 + 512 * k, cy = 128;
        // Leaves tucked behind the plate's ends.
        Leaf(cr, cx - w[k] / 2 + 22, cy - h[k] / 2 + 16, 44, -2.6, kMoss, 2.5);
        Leaf(cr, cx - w[k] / 2 + 26, cy - h[k] / 2 + 18, 36, -2.0, kMossLight, 2.5);
        Leaf(cr, cx + w[k] / 2 - 22, cy + h[k] / 2 - 16, 40, 0.45, kMoss, 2.5);
        PaintPlate(cr, cx - w[k] / 2, cy - h[k] / 2, w[k], h[k], h[k] * 0.45, colors[k], kOutlineWidth);
    }
    out.SavePng(c, "Data/Graphics/Buttons512x256.png");
}

void PaintSplashes(Output& out) {
    {  // Splash1: the valley at morning with the emblem.
        Canvas c(1024, 768);
        cairo_t* cr = c.cr();
        Landscape(cr, 1024, 768, 9001, false);
        // A farm in the valley: two cottages with a fence between them.
        Rng rng(9011);
        PaintFence(cr, 150, 880, 560, 34, rng, 46, 2.5);
        PaintHouse(cr, 180, 556, 150, 100, kCream, kBerryRed, rng);
        PaintHouse(cr, 850, 566, 120, 84, kParchment, kMossDark, rng);
        PaintRoundTree(cr, 300, 560, 150, kMoss, rng);
        PaintBush(cr, 740, 570, 80, kMoss, rng);
        cairo_rectangle(cr, 0, 0, 1024, 768);
        SetColor(cr, kPaper, 0.25);
        cairo_fill(cr);
        Emblem(cr, 512, 360, 150, 5);
        out.SaveJpeg(c, "Data/Static/Splash1.jpg");
    }
    {  // Splash2: the brand card.
        Canvas c(1024, 768);
        cairo_t* cr = c.cr();
        cairo_rectangle(cr, 0, 0, 1024, 768);
        SetRadialGradient(cr, 512, 360, 640, kPaper, kParchment);
        cairo_fill(cr);
        Rng rng(9002);
        for (int i = 0; i < 16; ++i) {
            double a = 2 * kPi * i / 16;
            Leaf(cr, 512 + std::cos(a) * 190, 330 + std::sin(a) * 190, 40, a + 0.4,
                 i % 2 ? kMoss : kMossLight, 2.5);
        }
        Emblem(cr, 512, 330, 140, 5);
        LogoText(cr, "Mossmeadow", 512, 600, 84, kHoneyLight, kAmber, 5);
        out.SaveJpeg(c, "Data/Static/Splash2.jpg");
    }
}

void PaintSmallLogos(Output& out) {
    {  // Logo1: bottom-left of the title screen.
        Canvas c(224, 64);
        cairo_t* cr = c.cr();
        Emblem(cr, 32, 32, 26, 2.2);
        LogoText(cr, "Mossmeadow", 142, 33, 26, kHoneyLight, kAmber, 2.5);
        out.SavePng(c, "Data/Static/Logo1.png");
    }
    {
        Canvas c(448, 128);
        cairo_t* cr = c.cr();
        Emblem(cr, 64, 64, 52, 3.5);
        LogoText(cr, "Mossmeadow", 284, 66, 52, kHoneyLight, kAmber, 4);
        out.SavePng(c, "Data/Static/Logo2.png");
    }
}

void PaintLoading(Output& out) {
    {
        Canvas c(1024, 768);
        cairo_t* cr = c.cr();
        Landscape(cr, 1024, 768, 9003, false);
        // A soft parchment veil so the loading texts read well.
        cairo_rectangle(cr, 0, 0, 1024, 768);
        SetRadialGradient(cr, 512, 420, 560, kPaper, kParchment, 0.82, 0.55);
        cairo_fill(cr);
        Emblem(cr, 512, 250, 90, 4);
        out.SaveJpeg(c, "Data/Graphics/LoadingBg.jpg");
    }
    {
        // 1024 x 64: the bar spans columns 192-831 so the fill lines up with the whole picture.
        Canvas c(1024, 64);
        cairo_t* cr = c.cr();
        RoundedRectPath(cr, 192 + 2, 14, 636, 36, 18);
        SetVerticalGradient(cr, 14, kHoneyLight, 50, kAmber);
        FillSourceOutline(cr, kOutlineWidth);
        RoundedRectPath(cr, 210, 19, 600, 9, 4.5);
        SetColor(cr, kWhite, 0.55);
        cairo_fill(cr);
        out.SavePng(c, "Data/Graphics/LoadingBar.png");
    }
}

void PaintEnding(Output& out) {
    // 312: the festival at night: lanterns over the green, a bonfire, stars.
    Canvas c(1024, 768);
    cairo_t* cr = c.cr();
    Rng rng(312);
    PaintSky(cr, 0, 0, 1024, 560, Hex(0x2f3560), Hex(0x8a6f9a));
    for (int i = 0; i < 90; ++i) {
        double x = rng.Range(0, 1024), y = rng.Range(0, 380);
        double r = rng.Range(1, 2.6);
        DrawGlow(cr, x, y, r * 3, kHoneyLight, 0.5);
        cairo_arc(cr, x, y, r * 0.6, 0, 2 * kPi);
        SetColor(cr, kWhite);
        cairo_fill(cr);
    }
    DrawGlow(cr, 820, 110, 90, kCream, 0.35);
    cairo_new_path(cr);
    cairo_arc(cr, 820, 110, 42, 0, 2 * kPi);
    SetRadialGradient(cr, 808, 96, 56, kPaper, kParchment);
    FillSourceOutline(cr, kOutlineWidth);
    for (int i = 0; i < 4; ++i) {  // soft craters
        const double crater[4][3] = {{806, 100, 8}, {832, 124, 6}, {834, 96, 4}, {812, 128, 4}};
        cairo_new_path(cr);
        cairo_arc(cr, crater[i][0], crater[i][1], crater[i][2], 0, 2 * kPi);
        SetColor(cr, kSand, 0.6);
        cairo_fill(cr);
    }
    PaintHills(cr, 0, 1024, 470, 40, 768, Hex(0x4d5f6b), rng, 2);
    for (double x = -10; x < 1050; x += rng.Range(30, 50)) {
        PaintPineTree(cr, x, 500 + rng.Range(-8, 8), rng.Range(80, 130), Hex(0x35514f), rng, 2);
    }
    PaintHills(cr, 0, 1024, 560, 20, 768, Hex(0x5e7d4f), rng, kOutlineWidth);
    // Bonfire glow on the green.
    DrawGlow(cr, 512, 620, 300, kHoney, 0.45);
    for (int i = 0; i < 5; ++i) {
        double a = -0.6 + i * 0.3;
        cairo_save(cr);
        cairo_translate(cr, 512, 660);
        cairo_rotate(cr, a);
        RoundedRectPath(cr, -60, -8, 120, 16, 8);
        FillOutline(cr, kBark, 2.5);
        cairo_restore(cr);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 470, 650);
    cairo_curve_to(cr, 460, 600, 500, 590, 490, 540);
    cairo_curve_to(cr, 520, 570, 530, 560, 515, 500);
    cairo_curve_to(cr, 560, 550, 570, 600, 555, 650);
    cairo_close_path(cr);
    SetVerticalGradient(cr, 500, kHoneyLight, 650, kAmber);
    FillSourceOutline(cr, kOutlineWidth);
    cairo_new_path(cr);
    cairo_move_to(cr, 490, 650);
    cairo_curve_to(cr, 488, 620, 510, 610, 512, 575);
    cairo_curve_to(cr, 530, 610, 540, 625, 535, 650);
    cairo_close_path(cr);
    SetColor(cr, kCream);
    cairo_fill(cr);
    // Strings of lanterns.
    for (int s = 0; s < 2; ++s) {
        double y0 = 200 + s * 70;
        std::vector<double> pts;
        cairo_new_path(cr);
        cairo_move_to(cr, -10, y0);
        cairo_curve_to(cr, 300, y0 + 120, 700, y0 + 120, 1034, y0);
        SetColor(cr, kOutline, 0.8);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        for (int i = 1; i < 12; ++i) {
            double t = i / 12.0;
            double x = -10 + 1044 * t;
            double y = y0 + 4 * 90 * t * (1 - t) * 0.9 + 8;
            const Rgb lamp[4] = {kHoney, kRose, kMossLight, kLavender};
            Rgb col = lamp[(i + s) % 4];
            DrawGlow(cr, x, y + 10, 34, col, 0.5);
            RoundedRectPath(cr, x - 10, y, 20, 24, 8);
            SetVerticalGradient(cr, y, Lighten(col, 0.5), y + 24, col);
            FillSourceOutline(cr, 2);
        }
    }
    // Bunting flags and fireflies.
    for (int i = 0; i < 40; ++i) {
        double x = rng.Range(0, 1024), y = rng.Range(420, 740);
        DrawGlow(cr, x, y, 8, kHoneyLight, 0.7);
    }
    out.SaveJpeg(c, "Data/Graphics/Ending.jpg", Hex(0x2f3560));
}

void PaintIcon(Output& out) {
    // The window icon: PNG data (the game decodes the picture by its content).
    Canvas c(64, 64);
    Emblem(c.cr(), 32, 32, 29, 2.5);
    out.SavePng(c, "Data/Static/icon.ico");
}

}  // namespace

bool PaintTitle(Output& out) {
    PaintClouds(out);
    PaintClearing(out);
    PaintLogo(out);
    PaintFramingTree(out, true);
    PaintFramingTree(out, false);
    PaintTitleButtons(out);
    PaintSplashes(out);
    PaintSmallLogos(out);
    PaintLoading(out);
    PaintEnding(out);
    PaintIcon(out);
    return out.ok();
}

bool PaintDesktopIcons(const std::string& out_dir, const std::string& name) {
    namespace fs = std::filesystem;
    // The emblem of the window icon at each size desktops look for, with outlines that stay about a
    // pixel wide at the small sizes, and once as a scalable picture.
    const int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};
    bool ok = true;
    for (int size : kSizes) {
        const std::string dir = out_dir + "/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
        std::error_code ec;
        fs::create_directories(dir, ec);
        Canvas c(size, size);
        const double s = size / 64.0;
        Emblem(c.cr(), size / 2.0, size / 2.0, 29 * s, std::max(1.0, 2.5 * s));
        if (ec || !WritePng(c, dir + "/" + name + ".png")) {
            std::fprintf(stderr, "assetgen: cannot write the %dx%d icon into %s\n", size, size, dir.c_str());
            ok = false;
        }
    }
    const std::string scalable = out_dir + "/hicolor/scalable/apps";
    std::error_code ec;
    fs::create_directories(scalable, ec);
    cairo_surface_t* svg = cairo_svg_surface_create((scalable + "/" + name + ".svg").c_str(), 64, 64);
    cairo_t* cr = cairo_create(svg);
    Emblem(cr, 32, 32, 29, 2.5);
    cairo_destroy(cr);
    cairo_surface_finish(svg);
    if (ec || cairo_surface_status(svg) != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "assetgen: cannot write the scalable icon into %s\n", scalable.c_str());
        ok = false;
    }
    cairo_surface_destroy(svg);
    return ok;
}
