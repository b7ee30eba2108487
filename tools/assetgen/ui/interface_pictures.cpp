// Interface pictures: pointer, particles, arrows, frames, panels, buttons, icons, markers, bars,
// statues and award tiles. Every picture keeps its visible content centred (the game measures hit
// boxes about the picture's centre).
#include <cmath>
#include <cstdio>
#include <string>

#include "painters.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

std::string Gfx(const std::string& name) { return "Data/Graphics/Interface/" + name + ".png"; }

// ---------------------------------------------------------------------------------------------
// Shared pieces
// ---------------------------------------------------------------------------------------------

void ArrowPath(cairo_t* cr, double cx, double cy, double len, double head_w, double shaft_w) {
    // Arrow pointing right, centred at (cx, cy).
    double x0 = cx - len / 2, x1 = cx + len / 2, hx = x1 - head_w * 0.9;
    cairo_new_path(cr);
    cairo_move_to(cr, x0, cy - shaft_w / 2);
    cairo_line_to(cr, hx, cy - shaft_w / 2);
    cairo_line_to(cr, hx, cy - head_w / 2);
    cairo_line_to(cr, x1, cy);
    cairo_line_to(cr, hx, cy + head_w / 2);
    cairo_line_to(cr, hx, cy + shaft_w / 2);
    cairo_line_to(cr, x0, cy + shaft_w / 2);
    cairo_close_path(cr);
}

void HeartPath(cairo_t* cr, double cx, double cy, double size) {
    // Heart fitting a size x size box centred at (cx, cy).
    double s = size / 2;
    cairo_new_path(cr);
    cairo_move_to(cr, cx, cy + s * 0.9);
    cairo_curve_to(cr, cx - s * 0.35, cy + s * 0.55, cx - s, cy + s * 0.15, cx - s, cy - s * 0.3);
    cairo_curve_to(cr, cx - s, cy - s * 0.85, cx - s * 0.25, cy - s * 1.0, cx, cy - s * 0.5);
    cairo_curve_to(cr, cx + s * 0.25, cy - s * 1.0, cx + s, cy - s * 0.85, cx + s, cy - s * 0.3);
    cairo_curve_to(cr, cx + s, cy + s * 0.15, cx + s * 0.35, cy + s * 0.55, cx, cy + s * 0.9);
    cairo_close_path(cr);
}

void TickPath(cairo_t* cr, double cx, double cy, double size) {
    double s = size / 2;
    cairo_new_path(cr);
    cairo_move_to(cr, cx - s * 0.8, cy + s * 0.05);
    cairo_line_to(cr, cx - s * 0.25, cy + s * 0.6);
    cairo_line_to(cr, cx + s * 0.85, cy - s * 0.7);
}

// A frame picture (512 x 512): the four quadrants become the corners and edges of a stretched box,
// so the interior is flat and every decoration sits within `band` px of the border.
struct FrameStyle {
    Rgb border;
    Rgb inner;
    double radius;
    double band;  // width of the coloured border band (0: outline only)
    bool corner_leaves;
};

void PaintFrame(Output& out, const std::string& name, const FrameStyle& st) {
    Canvas c(512, 512);
    cairo_t* cr = c.cr();
    const double lw = kOutlineWidth;
    const double m = 3;  // keep the outline inside the picture
    if (st.band > 0) {
        RoundedRectPath(cr, m, m, 512 - 2 * m, 512 - 2 * m, st.radius);
        FillOutline(cr, st.border, lw);
        // A lighter line along the band gives it a bevel without a gradient along the edges.
        RoundedRectPath(cr, m + 4, m + 4, 512 - 2 * m - 8, 512 - 2 * m - 8, st.radius - 3);
        SetColor(cr, Lighten(st.border, 0.35), 0.8);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        double b = m + st.band;
        RoundedRectPath(cr, b, b, 512 - 2 * b, 512 - 2 * b, std::max(6.0, st.radius - st.band));
        FillOutline(cr, st.inner, lw * 0.8);
        // Soft inner shadow along the top and left of the interior.
        RoundedRectPath(cr, b + 3, b + 3, 512 - 2 * b - 6, 512 - 2 * b - 6,
                        std::max(5.0, st.radius - st.band - 3));
        SetColor(cr, Darken(st.inner, 0.25), 0.18);
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    } else {
        RoundedRectPath(cr, m, m, 512 - 2 * m, 512 - 2 * m, st.radius);
        FillOutline(cr, st.inner, lw);
        RoundedRectPath(cr, m + 6, m + 6, 512 - 2 * m - 12, 512 - 2 * m - 12, st.radius - 5);
        SetColor(cr, Darken(st.inner, 0.2), 0.15);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    if (st.corner_leaves) {
        Rng rng(2);
        for (int corner = 0; corner < 4; ++corner) {
            double cx = (corner % 2 == 0) ? 18 : 512 - 18;
            double cy = (corner < 2) ? 18 : 512 - 18;
            double sx = (corner % 2 == 0) ? 1 : -1, sy = (corner < 2) ? 1 : -1;
            cairo_save(cr);
            cairo_translate(cr, cx, cy);
            cairo_scale(cr, sx, sy);
            for (int k = 0; k < 2; ++k) {
                cairo_save(cr);
                cairo_rotate(cr, k == 0 ? 0.15 : 1.42);
                cairo_new_path(cr);
                cairo_move_to(cr, 0, 0);
                cairo_curve_to(cr, 8, -9, 24, -8, 30, 0);
                cairo_curve_to(cr, 24, 8, 8, 9, 0, 0);
                cairo_close_path(cr);
                SetLinearGradient(cr, 0, 0, kMossLight, 30, 0, kMoss);
                FillSourceOutline(cr, 2);
                cairo_restore(cr);
            }
            cairo_new_path(cr);
            cairo_arc(cr, 0, 0, 6, 0, 2 * kPi);
            FillOutline(cr, kBerryRed, 2);
            DrawShine(cr, -1.5, -2, 2.5, 1.8, 0.8);
            cairo_restore(cr);
        }
    }
    out.SavePng(c, Gfx(name));
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Plates and slots (shared with the ranch)
// ---------------------------------------------------------------------------------------------

void PaintPlate(cairo_t* cr, double x, double y, double w, double h, double radius, Rgb color,
                double line_width) {
    // Drop shade under the plate.
    RoundedRectPath(cr, x + 1, y + 4, w - 2, h - 4, radius);
    SetColor(cr, kOutline, 0.25);
    cairo_fill(cr);
    RoundedRectPath(cr, x, y, w, h - 3, radius);
    SetVerticalGradient(cr, y, Lighten(color, 0.35), y + h, Darken(color, 0.2));
    FillSourceOutline(cr, line_width);
    // Inner bevel and top shine.
    double inset = std::max(3.0, line_width + 1);
    RoundedRectPath(cr, x + inset, y + inset, w - 2 * inset, h - 3 - 2 * inset,
                    std::max(2.0, radius - inset));
    SetColor(cr, Lighten(color, 0.55), 0.55);
    cairo_set_line_width(cr, std::max(1.0, line_width * 0.6));
    cairo_stroke(cr);
    RoundedRectPath(cr, x + radius * 0.6, y + inset + 1, w - radius * 1.2, (h - 3) * 0.28,
                    (h - 3) * 0.14);
    SetVerticalGradient(cr, y, kWhite, y + (h - 3) * 0.4, kWhite, 0.45, 0.0);
    cairo_fill(cr);
}

void PaintSlot(cairo_t* cr, double size, Rgb rim, Rgb cell, double line_width) {
    double m = line_width;
    RoundedRectPath(cr, m, m, size - 2 * m, size - 2 * m, size * 0.18);
    SetVerticalGradient(cr, 0, Lighten(rim, 0.25), size, Darken(rim, 0.15));
    FillSourceOutline(cr, line_width);
    double in = size * 0.1;
    RoundedRectPath(cr, in, in, size - 2 * in, size - 2 * in, size * 0.12);
    SetVerticalGradient(cr, in, Darken(cell, 0.18), size - in, Lighten(cell, 0.1));
    FillSourceOutline(cr, line_width * 0.7);
}

namespace {

// ---------------------------------------------------------------------------------------------
// Pointer and particles
// ---------------------------------------------------------------------------------------------

void PaintPointer(Output& out) {
    // 32 x 32: the click point is 8 px above the centre on the centre column, i.e. (16, 8).
    Canvas c(32, 32);
    cairo_t* cr = c.cr();
    cairo_translate(cr, 16, 8);
    cairo_rotate(cr, -0.42);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, -8.5, 17);
    cairo_line_to(cr, -2.6, 15.5);
    cairo_line_to(cr, -2.6, 23.5);
    cairo_line_to(cr, 2.6, 23.5);
    cairo_line_to(cr, 2.6, 15.5);
    cairo_line_to(cr, 8.5, 17);
    cairo_close_path(cr);
    SetVerticalGradient(cr, 0, kHoneyLight, 23, kAmber);
    FillSourceOutline(cr, 1.8);
    cairo_new_path(cr);
    cairo_move_to(cr, -1, 4);
    cairo_line_to(cr, -4.5, 12);
    SetColor(cr, kWhite, 0.8);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    out.SavePng(c, Gfx("Pointer"));
}

void PaintParticles(Output& out) {
    {  // 16: five-pointed star, white with a glow.
        Canvas c(32, 32);
        cairo_t* cr = c.cr();
        DrawGlow(cr, 16, 16, 15, kWhite, 0.5);
        StarPath(cr, 16, 16.5, 13, 5.5, 5);
        SetRadialGradient(cr, 16, 16, 13, kWhite, Hex(0xdcdcdc));
        cairo_fill(cr);
        out.SavePng(c, Gfx("Star"));
    }
    {  // 17: four-pointed sparkle.
        Canvas c(32, 32);
        PaintSparkle(c.cr(), 16, 16, 15, kWhite);
        out.SavePng(c, Gfx("Sparkle1"));
    }
    {  // 18: round twinkle with a small cross.
        Canvas c(32, 32);
        cairo_t* cr = c.cr();
        DrawGlow(cr, 16, 16, 15, kWhite, 0.9);
        cairo_save(cr);
        cairo_translate(cr, 16, 16);
        cairo_rotate(cr, kPi / 4);
        PaintSparkle(cr, 0, 0, 11, kWhite, 0.9);
        cairo_restore(cr);
        out.SavePng(c, Gfx("Sparkle2"));
    }
    {  // 19: heart, clean edges (also shown 8x as the mating heart).
        Canvas c(32, 32);
        cairo_t* cr = c.cr();
        HeartPath(cr, 16, 16.5, 28);
        SetRadialGradient(cr, 11, 10, 22, kWhite, Hex(0xe6e6e6));
        cairo_fill(cr);
        DrawShine(cr, 10, 10, 4, 3, 0.9);
        out.SavePng(c, Gfx("Heart"));
    }
    for (int dir = 0; dir < 2; ++dir) {  // 20 up, 21 down: light, tinted green/red by the game
        Canvas c(24, 32);
        cairo_t* cr = c.cr();
        cairo_save(cr);
        cairo_translate(cr, 12, 16);
        cairo_rotate(cr, dir == 0 ? -kPi / 2 : kPi / 2);
        ArrowPath(cr, 0, 0, 28, 20, 9);
        SetLinearGradient(cr, -14, 0, Hex(0xd8d8d8), 14, 0, kWhite);
        cairo_fill_preserve(cr);
        SetColor(cr, Hex(0x9a9a9a));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        cairo_restore(cr);
        out.SavePng(c, Gfx(dir == 0 ? "ArrowUp" : "ArrowDown"));
    }
}

void PaintScrollArrow(Output& out) {
    // 606: arrow pointing right, on a round honey button face (rotated by the game).
    Canvas c(40, 40);
    cairo_t* cr = c.cr();
    Rng rng(606);
    DrawBlob(cr, 20, 20, 17, 17, kHoney, 2.2, rng, 0);
    ArrowPath(cr, 21.5, 20, 22, 18, 7);
    SetLinearGradient(cr, 10, 0, kWhite, 32, 0, kCream);
    FillSourceOutline(cr, 2.0);
    out.SavePng(c, Gfx("ScrollArrow"));
}

// ---------------------------------------------------------------------------------------------
// Frames, panels and buttons
// ---------------------------------------------------------------------------------------------

void PaintFrames(Output& out) {
    PaintFrame(out, "FrameWindow", FrameStyle{kWood, kCream, 30, 14, true});  // 2
    PaintFrame(out, "FramePrompt", FrameStyle{kMoss, kPaper, 26, 8, false});  // 3
    PaintFrame(out, "FrameSpeech", FrameStyle{kWood, kPaper, 44, 0, false});  // 5
    PaintFrame(out, "FrameBar", FrameStyle{kWood, kHoneyLight, 22, 6, false});  // 6
}

void PaintBackdrop(Output& out) {
    // 53: soft light behind the corner buttons (drawn at alpha 0.25 over the top-left corner).
    Canvas c(512, 512);
    cairo_t* cr = c.cr();
    cairo_pattern_t* p = cairo_pattern_create_radial(256, 256, 0, 256, 256, 256);
    cairo_pattern_add_color_stop_rgba(p, 0, kCream.r, kCream.g, kCream.b, 1.0);
    cairo_pattern_add_color_stop_rgba(p, 0.55, kCream.r, kCream.g, kCream.b, 0.8);
    cairo_pattern_add_color_stop_rgba(p, 1, kCream.r, kCream.g, kCream.b, 0.0);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
    cairo_paint(cr);
    out.SavePng(c, Gfx("Backdrop"));
}

void PaintPanel(Output& out) {
    // 54: the menu windows' background panel, 704 x 576, parchment in a wooden frame.
    Canvas c(704, 576);
    cairo_t* cr = c.cr();
    Rng rng(54);
    RoundedRectPath(cr, 4, 6, 696, 566, 34);
    SetColor(cr, kOutline, 0.3);
    cairo_fill(cr);
    RoundedRectPath(cr, 3, 3, 696, 564, 34);
    SetVerticalGradient(cr, 0, Lighten(kWood, 0.15), 576, Darken(kWood, 0.15));
    FillSourceOutline(cr, kOutlineWidth);
    // Wood grain on the frame.
    for (int i = 0; i < 26; ++i) {
        double y = rng.Range(8, 568);
        double x = rng.Range(8, 640);
        cairo_new_path(cr);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + 20, y - 2, x + 40, y + 2, x + rng.Range(40, 80), y);
        SetColor(cr, Darken(kWood, 0.3), 0.35);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    RoundedRectPath(cr, 22, 22, 660, 528, 22);
    SetRadialGradient(cr, 352, 250, 420, kPaper, kParchment);
    FillSourceOutline(cr, kOutlineWidth);
    // Paper texture: faint flecks.
    for (int i = 0; i < 220; ++i) {
        double x = rng.Range(34, 670), y = rng.Range(34, 540);
        cairo_arc(cr, x, y, rng.Range(0.6, 1.6), 0, 2 * kPi);
        SetColor(cr, kEarth, 0.08);
        cairo_fill(cr);
    }
    // Corner nails.
    for (int k = 0; k < 4; ++k) {
        double x = (k % 2 == 0) ? 13 : 691, y = (k < 2) ? 13 : 563;
        cairo_new_path(cr);
        cairo_arc(cr, x, y, 4.5, 0, 2 * kPi);
        FillOutline(cr, kStoneLight, 1.5);
    }
    out.SavePng(c, Gfx("Panel"));
}

void PaintButtons(Output& out) {
    struct Plate {
        const char* name;
        int w, h;
        Rgb color;
    };
    const Plate plates[] = {
        {"ButtonMenu", 132, 56, kWood},      // 416 corner "Menu"
        {"ButtonLarge", 320, 64, kHoney},    // 418 menu buttons
        // 419 standard: "OK" and "Cancel" stand 128 apart, so the plate stays narrower than that.
        {"ButtonStandard", 112, 48, kHoney},
        {"ButtonSmall", 108, 44, kMossLight},  // 420 small
    };
    for (const Plate& p : plates) {
        Canvas c(p.w + 8, p.h + 8);
        PaintPlate(c.cr(), 4, 4, p.w, p.h, std::min(p.h * 0.42, 24.0), p.color,
                   p.h >= 56 ? kOutlineWidth : 2.5);
        out.SavePng(c, Gfx(p.name));
    }
}

// ---------------------------------------------------------------------------------------------
// Small icons
// ---------------------------------------------------------------------------------------------

void PaintMoneyAndStar(Output& out) {
    {
        Canvas c(32, 32);
        PaintCoin(c.cr(), 16, 15.5, 13, 1.6);
        out.SavePng(c, Gfx("Money"));  // 502
    }
    {
        Canvas c(32, 32);
        cairo_t* cr = c.cr();
        StarPath(cr, 16, 17, 14, 6.2, 5);
        SetRadialGradient(cr, 12, 11, 18, kHoneyLight, kAmber);
        FillSourceOutline(cr, 1.6);
        DrawShine(cr, 12.5, 12, 3, 2, 0.8);
        out.SavePng(c, Gfx("GameStar"));  // 553
    }
}

void PaintCornerIcons(Output& out) {
    const double lw = 2.5;
    {  // 600 quests: a rolled scroll with a berry-red seal.
        Canvas c(56, 56);
        cairo_t* cr = c.cr();
        cairo_save(cr);
        cairo_translate(cr, 28, 28);
        cairo_rotate(cr, -0.35);
        RoundedRectPath(cr, -15, -19, 30, 38, 4);
        SetVerticalGradient(cr, -19, kPaper, 19, kParchment);
        FillSourceOutline(cr, lw);
        for (int i = 0; i < 4; ++i) {
            cairo_move_to(cr, -9, -9 + i * 6);
            cairo_line_to(cr, i == 3 ? 2 : 9, -9 + i * 6);
        }
        SetColor(cr, kEarth, 0.8);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
        for (int end = -1; end <= 1; end += 2) {
            RoundedRectPath(cr, -19, end * 20 - 4, 38, 8, 4);
            SetVerticalGradient(cr, end * 20 - 4, kCream, end * 20 + 4, kSand);
            FillSourceOutline(cr, lw);
        }
        cairo_new_path(cr);
        cairo_arc(cr, 10, 10, 6, 0, 2 * kPi);
        FillOutline(cr, kBerryRed, 2);
        cairo_restore(cr);
        out.SavePng(c, Gfx("IconQuests"));
    }
    {  // 601 inventory: a satchel.
        Canvas c(56, 56);
        cairo_t* cr = c.cr();
        cairo_new_path(cr);
        cairo_arc(cr, 28, 20, 12, kPi, 2 * kPi);
        SetColor(cr, kOutline);
        cairo_set_line_width(cr, 6.5);
        cairo_stroke(cr);
        cairo_arc(cr, 28, 20, 12, kPi, 2 * kPi);
        SetColor(cr, kWood);
        cairo_set_line_width(cr, 3.5);
        cairo_stroke(cr);
        RoundedRectPath(cr, 8, 18, 40, 30, 9);
        SetVerticalGradient(cr, 18, Lighten(kBark, 0.2), 48, Darken(kBark, 0.1));
        FillSourceOutline(cr, lw);
        cairo_new_path(cr);
        cairo_move_to(cr, 8, 24);
        cairo_curve_to(cr, 8, 18, 12, 17, 17, 17);
        cairo_line_to(cr, 39, 17);
        cairo_curve_to(cr, 44, 17, 48, 18, 48, 24);
        cairo_line_to(cr, 48, 30);
        cairo_curve_to(cr, 40, 36, 16, 36, 8, 30);
        cairo_close_path(cr);
        SetVerticalGradient(cr, 17, Lighten(kWood, 0.2), 36, kWood);
        FillSourceOutline(cr, lw);
        RoundedRectPath(cr, 23, 28, 10, 10, 3);
        FillOutline(cr, kHoney, 2);
        out.SavePng(c, Gfx("IconInventory"));
    }
    {  // 602 status: a book with a leaf on its cover.
        Canvas c(56, 56);
        cairo_t* cr = c.cr();
        cairo_save(cr);
        cairo_translate(cr, 28, 28);
        cairo_rotate(cr, 0.18);
        RoundedRectPath(cr, -15, -19, 32, 40, 4);
        FillOutline(cr, kPaper, lw);
        RoundedRectPath(cr, -17, -21, 32, 40, 5);
        SetVerticalGradient(cr, -21, Lighten(kMoss, 0.15), 19, kMossDark);
        FillSourceOutline(cr, lw);
        cairo_move_to(cr, -11, -20);
        cairo_line_to(cr, -11, 18);
        SetColor(cr, Darken(kMossDark, 0.3), 0.7);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        HeartPath(cr, 2, -1, 16);
        FillOutline(cr, kRose, 1.8);
        cairo_restore(cr);
        out.SavePng(c, Gfx("IconStatus"));
    }
    // 603-605 ranch: a little red barn with a state badge.
    for (int state = 0; state < 3; ++state) {
        Canvas c(64, 56);
        cairo_t* cr = c.cr();
        cairo_new_path(cr);
        cairo_move_to(cr, 8, 50);
        cairo_line_to(cr, 8, 24);
        cairo_line_to(cr, 18, 11);
        cairo_line_to(cr, 36, 11);
        cairo_line_to(cr, 46, 24);
        cairo_line_to(cr, 46, 50);
        cairo_close_path(cr);
        SetVerticalGradient(cr, 11, Lighten(kBerryRed, 0.15), 50, kBerryDark);
        FillSourceOutline(cr, lw);
        cairo_new_path(cr);
        cairo_move_to(cr, 5, 26);
        cairo_line_to(cr, 17, 9);
        cairo_line_to(cr, 37, 9);
        cairo_line_to(cr, 49, 26);
        SetColor(cr, kOutline);
        cairo_set_line_width(cr, 6);
        cairo_stroke_preserve(cr);
        SetColor(cr, kCream);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        cairo_rectangle(cr, 19, 32, 16, 18);
        FillOutline(cr, kWoodLight, 2);
        cairo_move_to(cr, 19, 32);
        cairo_line_to(cr, 35, 50);
        cairo_move_to(cr, 35, 32);
        cairo_line_to(cr, 19, 50);
        StrokeOutline(cr, 1.5);
        cairo_new_path(cr);
        cairo_arc(cr, 27, 21, 4, 0, 2 * kPi);
        FillOutline(cr, kHoneyLight, 1.5);
        // Badge.
        Rgb badge = state == 0 ? kStoneLight : (state == 1 ? kMoss : kBerryRed);
        cairo_new_path(cr);
        cairo_arc(cr, 49, 40, 11, 0, 2 * kPi);
        SetRadialGradient(cr, 46, 36, 14, Lighten(badge, 0.35), badge);
        FillSourceOutline(cr, 2.2);
        if (state == 0) {  // resting: a small "z" line drawn as a path
            cairo_move_to(cr, 44.5, 35.5);
            cairo_line_to(cr, 53.5, 35.5);
            cairo_line_to(cr, 44.5, 44.5);
            cairo_line_to(cr, 53.5, 44.5);
            StrokeOutline(cr, 2.2);
        } else if (state == 1) {
            HeartPath(cr, 49, 40.5, 13);
            FillOutline(cr, kWhite, 1.5);
        } else {
            RoundedRectPath(cr, 47, 32, 4, 10, 2);
            FillOutline(cr, kWhite, 1.2);
            cairo_new_path(cr);
            cairo_arc(cr, 49, 46, 2.2, 0, 2 * kPi);
            FillOutline(cr, kWhite, 1.2);
        }
        const char* names[3] = {"IconRanchIdle", "IconRanchGood", "IconRanchBad"};
        out.SavePng(c, Gfx(names[state]));
    }
}

void PaintMarkers(Output& out) {
    {  // 608: open quest marker (a honey dot with a shine).
        Canvas c(24, 24);
        cairo_t* cr = c.cr();
        Rng rng(608);
        DrawBlob(cr, 12, 12, 8, 8, kHoney, 1.8, rng, 0);
        DrawShine(cr, 9.5, 9, 3, 2, 0.8);
        out.SavePng(c, Gfx("QuestOpen"));
    }
    {  // 609: tick.
        Canvas c(32, 32);
        cairo_t* cr = c.cr();
        TickPath(cr, 16, 16, 28);
        SetColor(cr, kOutline);
        cairo_set_line_width(cr, 8);
        cairo_stroke(cr);
        TickPath(cr, 16, 16, 28);
        SetLinearGradient(cr, 0, 4, kMossLight, 0, 28, kMoss);
        cairo_set_line_width(cr, 4.5);
        cairo_stroke(cr);
        out.SavePng(c, Gfx("Tick"));
    }
    {  // 616: check box.
        Canvas c(32, 32);
        cairo_t* cr = c.cr();
        RoundedRectPath(cr, 4, 4, 24, 24, 6);
        SetVerticalGradient(cr, 4, kParchment, 28, kPaper);
        FillSourceOutline(cr, 2.2);
        out.SavePng(c, Gfx("CheckBox"));
    }
    {  // 617: slider knob (24 high).
        Canvas c(24, 28);
        cairo_t* cr = c.cr();
        Rng rng(617);
        DrawBlob(cr, 12, 14, 9.5, 11.5, kHoney, 2.0, rng, 0);
        DrawShine(cr, 9, 9, 3.5, 3, 0.8);
        out.SavePng(c, Gfx("SliderKnob"));
    }
    {  // 665: slider track, 136 x 16.
        Canvas c(136, 16);
        cairo_t* cr = c.cr();
        RoundedRectPath(cr, 2, 3, 132, 10, 5);
        SetVerticalGradient(cr, 3, Darken(kWood, 0.2), 13, kWoodLight);
        FillSourceOutline(cr, 2.0);
        out.SavePng(c, Gfx("SliderTrack"));
    }
    {  // 639: inventory cell background.
        Canvas c(64, 64);
        cairo_t* cr = c.cr();
        RoundedRectPath(cr, 3, 3, 58, 58, 10);
        SetRadialGradient(cr, 32, 28, 44, kPaper, kParchment);
        FillSourceOutline(cr, 2.0);
        RoundedRectPath(cr, 7, 7, 50, 50, 7);
        SetColor(cr, kEarth, 0.25);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        out.SavePng(c, Gfx("InventoryCell"));
    }
    {
        // 667: speech-bubble tail. The game centres it 53 px below the bubble's bottom edge, so in
        // this 80 x 120 canvas the bubble's edge lies at y 7 and its outline at y 4 to 7: the tail's
        // paper root covers that outline and its sides start there, pointing down-left (mirrored
        // by the game for right-hand speakers).
        Canvas c(80, 120);
        cairo_t* cr = c.cr();
        const double join = 5.5;  // DrawFrame rounds the box height up to a multiple of 4
        cairo_new_path(cr);
        cairo_move_to(cr, 66, join);
        cairo_curve_to(cr, 58, 44, 38, 84, 10, 110);
        cairo_curve_to(cr, 26, 80, 32, 40, 28, join);
        cairo_path_t* sides = cairo_copy_path(cr);
        // Fill: the tail plus a paper band over the bubble's bottom border.
        cairo_line_to(cr, 28, 7.5);
        cairo_line_to(cr, 28, 0);
        cairo_line_to(cr, 66, 0);
        cairo_line_to(cr, 66, 7.5);
        cairo_close_path(cr);
        SetColor(cr, kPaper);
        cairo_fill(cr);
        cairo_append_path(cr, sides);
        StrokeOutline(cr, kOutlineWidth);
        cairo_path_destroy(sides);
        out.SavePng(c, Gfx("SpeechTail"));
    }
}

void PaintHealthIcons(Output& out) {
    // 613 rising, 614 falling, 615 rising and very happy.
    for (int kind = 0; kind < 3; ++kind) {
        Canvas c(32, 32);
        cairo_t* cr = c.cr();
        Rgb fill = kind == 1 ? kStoneLight : kRose;
        HeartPath(cr, 14, 17, 24);
        SetRadialGradient(cr, 10, 11, 20, Lighten(fill, 0.35), fill);
        FillSourceOutline(cr, 1.8);
        DrawShine(cr, 9.5, 11, 3, 2.2, 0.8);
        cairo_save(cr);
        cairo_translate(cr, 25, 22);
        cairo_rotate(cr, kind == 1 ? kPi / 2 : -kPi / 2);
        ArrowPath(cr, 0, 0, 14, 11, 4.5);
        FillOutline(cr, kind == 1 ? kBerryRed : kMoss, 1.6);
        cairo_restore(cr);
        if (kind == 2) {
            StarPath(cr, 25, 7, 6, 2.5, 5);
            FillOutline(cr, kHoney, 1.3);
        }
        const char* names[3] = {"HealthUp", "HealthDown", "HealthHappy"};
        out.SavePng(c, Gfx(names[kind]));
    }
}

void PaintBars(Output& out) {
    // 676 food, 677 mood/health: 128 x 32, the fill reads from the left edge.
    const Rgb colors[2] = {kHoney, kMossLight};
    const char* names[2] = {"BarFood", "BarMood"};
    for (int k = 0; k < 2; ++k) {
        Canvas c(128, 32);
        cairo_t* cr = c.cr();
        RoundedRectPath(cr, 2, 5, 124, 22, 11);
        SetVerticalGradient(cr, 5, Lighten(colors[k], 0.45), 27, Darken(colors[k], 0.12));
        FillSourceOutline(cr, 2.2);
        RoundedRectPath(cr, 10, 8.5, 108, 5, 2.5);
        SetColor(cr, kWhite, 0.5);
        cairo_fill(cr);
        out.SavePng(c, Gfx(names[k]));
    }
}

// ---------------------------------------------------------------------------------------------
// Statues (531-543): little mossy stone spirits on plinths, 72 x 72
// ---------------------------------------------------------------------------------------------

void StatueEyes(cairo_t* cr, double cx, double cy, double gap, double r) {
    for (int s = -1; s <= 1; s += 2) {
        cairo_new_path(cr);
        cairo_arc(cr, cx + s * gap, cy, r, 0, 2 * kPi);
        SetColor(cr, Darken(kStoneDark, 0.5));
        cairo_fill(cr);
    }
}

void Ear(cairo_t* cr, double x, double y, double w, double h, double tilt, Rgb fill, double lw) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, tilt);
    cairo_new_path(cr);
    cairo_move_to(cr, -w / 2, 0);
    cairo_curve_to(cr, -w / 2, -h * 0.7, -w * 0.1, -h, 0, -h);
    cairo_curve_to(cr, w * 0.1, -h, w / 2, -h * 0.7, w / 2, 0);
    cairo_close_path(cr);
    FillOutline(cr, fill, lw);
    cairo_restore(cr);
}

void PaintStatue(Output& out, int index) {
    Canvas c(72, 72);
    cairo_t* cr = c.cr();
    Rng rng(531 + index);
    const double lw = 2.0;
    const Rgb stone = Mix(kStone, kStoneLight, (index % 3) * 0.3);
    // Plinth.
    RoundedRectPath(cr, 16, 56, 40, 12, 3);
    SetVerticalGradient(cr, 56, kStoneLight, 68, kStoneDark);
    FillSourceOutline(cr, lw);
    const double cx = 36, cy = 38;
    switch (index) {
        case 0:  // owl
            Ear(cr, 26, 22, 8, 10, -0.4, stone, lw);
            Ear(cr, 46, 22, 8, 10, 0.4, stone, lw);
            DrawBlob(cr, cx, cy, 15, 19, stone, lw, rng, 0.03);
            for (int s = -1; s <= 1; s += 2) {
                cairo_new_path(cr);
                cairo_arc(cr, cx + s * 6, 30, 5, 0, 2 * kPi);
                FillOutline(cr, kStoneLight, 1.5);
            }
            StatueEyes(cr, cx, 30, 6, 2);
            break;
        case 1:  // fox
            Ear(cr, 27, 26, 9, 14, -0.35, stone, lw);
            Ear(cr, 45, 26, 9, 14, 0.35, stone, lw);
            DrawBlob(cr, cx, 42, 13, 15, stone, lw, rng, 0.03);
            cairo_new_path(cr);
            cairo_move_to(cr, 22, 30);
            cairo_curve_to(cr, 26, 24, 46, 24, 50, 30);
            cairo_curve_to(cr, 46, 38, 40, 42, 36, 44);
            cairo_curve_to(cr, 32, 42, 26, 38, 22, 30);
            cairo_close_path(cr);
            FillOutline(cr, stone, lw);
            StatueEyes(cr, cx, 32, 6, 1.8);
            break;
        case 2:  // frog
            DrawBlob(cr, cx, 44, 18, 12, stone, lw, rng, 0.03);
            for (int s = -1; s <= 1; s += 2) {
                cairo_new_path(cr);
                cairo_arc(cr, cx + s * 9, 32, 6, 0, 2 * kPi);
                FillOutline(cr, stone, lw);
            }
            StatueEyes(cr, cx, 32, 9, 2.2);
            cairo_new_path(cr);
            cairo_arc(cr, cx, 42, 8, 0.3, kPi - 0.3);
            StrokeOutline(cr, 1.5);
            break;
        case 3:  // fish leaping
            cairo_save(cr);
            cairo_translate(cr, cx, cy);
            cairo_rotate(cr, -0.6);
            cairo_new_path(cr);
            cairo_move_to(cr, -18, 0);
            cairo_curve_to(cr, -8, -12, 8, -12, 14, 0);
            cairo_curve_to(cr, 8, 12, -8, 12, -18, 0);
            cairo_close_path(cr);
            FillOutline(cr, stone, lw);
            cairo_new_path(cr);
            cairo_move_to(cr, 12, 0);
            cairo_line_to(cr, 22, -8);
            cairo_line_to(cr, 22, 8);
            cairo_close_path(cr);
            FillOutline(cr, stone, lw);
            cairo_new_path(cr);
            cairo_arc(cr, -10, -2, 1.8, 0, 2 * kPi);
            SetColor(cr, Darken(kStoneDark, 0.5));
            cairo_fill(cr);
            cairo_restore(cr);
            RoundedRectPath(cr, 33, 48, 6, 9, 2);
            FillOutline(cr, stone, lw);
            break;
        case 4:  // hare
            Ear(cr, 30, 26, 7, 20, -0.15, stone, lw);
            Ear(cr, 42, 26, 7, 20, 0.15, stone, lw);
            DrawBlob(cr, cx, 44, 14, 13, stone, lw, rng, 0.03);
            DrawBlob(cr, cx, 31, 10, 9, stone, lw, rng, 0.03);
            StatueEyes(cr, cx, 30, 4, 1.6);
            break;
        case 5:  // bear
            for (int s = -1; s <= 1; s += 2) {
                cairo_new_path(cr);
                cairo_arc(cr, cx + s * 11, 22, 5, 0, 2 * kPi);
                FillOutline(cr, stone, lw);
            }
            DrawBlob(cr, cx, 42, 17, 15, stone, lw, rng, 0.03);
            DrawBlob(cr, cx, 30, 13, 11, stone, lw, rng, 0.03);
            EllipsePath(cr, cx, 34, 5, 3.5);
            FillOutline(cr, kStoneLight, 1.5);
            StatueEyes(cr, cx, 28, 5, 1.7);
            break;
        case 6:  // snail
            DrawBlob(cr, cx, 50, 20, 5, stone, lw, rng, 0);
            DrawBlob(cr, cx + 2, 38, 13, 13, stone, lw, rng, 0.02);
            cairo_new_path(cr);
            for (double a = 0; a < 4 * kPi; a += 0.2) {
                double r = 11 - a * 0.8;
                if (a == 0) {
                    cairo_move_to(cr, cx + 2 + r, 38);
                } else {
                    cairo_line_to(cr, cx + 2 + r * std::cos(a), 38 + r * std::sin(a));
                }
            }
            StrokeOutline(cr, 1.5);
            Ear(cr, 19, 48, 4, 12, -0.3, stone, 1.5);
            break;
        case 7:  // deer
            for (int s = -1; s <= 1; s += 2) {
                cairo_new_path(cr);
                cairo_move_to(cr, cx + s * 5, 24);
                cairo_line_to(cr, cx + s * 12, 10);
                cairo_move_to(cr, cx + s * 9, 16);
                cairo_line_to(cr, cx + s * 16, 14);
                SetColor(cr, kOutline);
                cairo_set_line_width(cr, 5);
                cairo_stroke_preserve(cr);
                SetColor(cr, stone);
                cairo_set_line_width(cr, 2.5);
                cairo_stroke(cr);
            }
            DrawBlob(cr, cx, 44, 12, 14, stone, lw, rng, 0.03);
            DrawBlob(cr, cx, 30, 9, 10, stone, lw, rng, 0.03);
            StatueEyes(cr, cx, 29, 4, 1.6);
            break;
        case 8:  // tortoise
            DrawBlob(cr, 20, 44, 6, 5, stone, lw, rng, 0);
            cairo_new_path(cr);
            cairo_arc(cr, cx + 3, 50, 16, kPi, 2 * kPi);
            cairo_close_path(cr);
            FillOutline(cr, stone, lw);
            for (int i = -1; i <= 1; ++i) {
                cairo_new_path(cr);
                cairo_arc(cr, cx + 3 + i * 8, 44, 3.5, 0, 2 * kPi);
                StrokeOutline(cr, 1.3);
            }
            break;
        case 9:  // songbird
            DrawBlob(cr, cx, 42, 14, 12, stone, lw, rng, 0.03);
            DrawBlob(cr, cx + 8, 30, 8, 8, stone, lw, rng, 0.02);
            cairo_new_path(cr);
            cairo_move_to(cr, cx + 15, 29);
            cairo_line_to(cr, cx + 21, 31);
            cairo_line_to(cr, cx + 15, 33);
            FillOutline(cr, kStoneLight, 1.5);
            cairo_new_path(cr);
            cairo_move_to(cr, cx - 12, 40);
            cairo_line_to(cr, cx - 22, 32);
            cairo_line_to(cr, cx - 18, 44);
            FillOutline(cr, stone, lw);
            StatueEyes(cr, cx + 10, 28, 0, 1.6);
            break;
        case 10:  // cat
            Ear(cr, 28, 28, 8, 10, -0.3, stone, lw);
            Ear(cr, 44, 28, 8, 10, 0.3, stone, lw);
            DrawBlob(cr, cx, 46, 13, 11, stone, lw, rng, 0.03);
            DrawBlob(cr, cx, 33, 11, 9, stone, lw, rng, 0.03);
            cairo_new_path(cr);
            cairo_move_to(cr, cx + 12, 52);
            cairo_curve_to(cr, cx + 24, 50, cx + 22, 34, cx + 16, 34);
            SetColor(cr, kOutline);
            cairo_set_line_width(cr, 6);
            cairo_stroke_preserve(cr);
            SetColor(cr, stone);
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
            StatueEyes(cr, cx, 32, 4.5, 1.6);
            break;
        case 11:  // boar
            DrawBlob(cr, cx, 42, 18, 13, stone, lw, rng, 0.03);
            Ear(cr, 26, 32, 6, 8, -0.6, stone, lw);
            EllipsePath(cr, cx + 14, 44, 6, 5);
            FillOutline(cr, kStoneLight, 1.5);
            cairo_new_path(cr);
            cairo_move_to(cr, cx + 10, 48);
            cairo_curve_to(cr, cx + 12, 52, cx + 16, 52, cx + 17, 49);
            StrokeOutline(cr, 2);
            StatueEyes(cr, cx + 6, 37, 0, 1.8);
            break;
        default:  // spiggle: round with little horns
            Ear(cr, 26, 28, 6, 9, -0.5, kStoneLight, lw);
            Ear(cr, 46, 28, 6, 9, 0.5, kStoneLight, lw);
            DrawBlob(cr, cx, 40, 17, 16, stone, lw, rng, 0.03);
            StatueEyes(cr, cx, 37, 6, 2);
            cairo_new_path(cr);
            cairo_arc(cr, cx, 42, 5, 0.4, kPi - 0.4);
            StrokeOutline(cr, 1.5);
            break;
    }
    // Moss patches on the stone.
    for (int i = 0; i < 3; ++i) {
        double mx = rng.Range(24, 48), my = rng.Range(44, 58);
        EllipsePath(cr, mx, my, rng.Range(2.5, 4.5), rng.Range(1.5, 2.5));
        SetColor(cr, kMoss, 0.85);
        cairo_fill(cr);
    }
    char name[32];
    std::snprintf(name, sizeof name, "Statue%02d", index + 1);
    out.SavePng(c, "Data/Graphics/Statues/" + std::string(name) + ".png");
}

// ---------------------------------------------------------------------------------------------
// Award tiles: rosettes, three metals, six emblems (64 x 64)
// ---------------------------------------------------------------------------------------------

void PaintAward(Output& out, int kind, int level) {
    Canvas c(64, 64);
    cairo_t* cr = c.cr();
    const Rgb metals[3] = {Hex(0xc7895a), kStoneLight, kHoney};
    const Rgb ribbons[6] = {kBerryRed, kRose, kHoney, kWater, kPlum, kMoss};
    Rgb metal = metals[level];
    Rgb ribbon = ribbons[kind];
    const double lw = 2.0;
    // Ribbon tails.
    for (int s = -1; s <= 1; s += 2) {
        cairo_new_path(cr);
        cairo_move_to(cr, 32 + s * 4, 36);
        cairo_line_to(cr, 32 + s * 16, 60);
        cairo_line_to(cr, 32 + s * 10, 57);
        cairo_line_to(cr, 32 + s * 7, 62);
        cairo_line_to(cr, 32 - s * 4, 38);
        cairo_close_path(cr);
        FillOutline(cr, Darken(ribbon, 0.1), lw);
    }
    // Rosette ruffle and medal.
    StarPath(cr, 32, 27, 25, 21, 14);
    FillOutline(cr, ribbon, lw);
    cairo_new_path(cr);
    cairo_arc(cr, 32, 27, 17, 0, 2 * kPi);
    SetRadialGradient(cr, 27, 21, 22, Lighten(metal, 0.45), metal);
    FillSourceOutline(cr, lw);
    cairo_new_path(cr);
    cairo_arc(cr, 32, 27, 13.5, 0, 2 * kPi);
    SetColor(cr, Darken(metal, 0.25), 0.7);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    // Emblem.
    const Rgb ink = Darken(metal, 0.45);
    cairo_save(cr);
    cairo_translate(cr, 32, 27);
    switch (kind) {
        case 0:  // rancher: horseshoe
            cairo_new_path(cr);
            cairo_arc(cr, 0, -1, 7, kPi * 0.85, kPi * 2.15);
            SetColor(cr, ink);
            cairo_set_line_width(cr, 4);
            cairo_stroke(cr);
            break;
        case 1:  // caretaker: heart
            HeartPath(cr, 0, 0.5, 15);
            SetColor(cr, ink);
            cairo_fill(cr);
            break;
        case 2:  // economist: coin stack
            for (int i = 0; i < 3; ++i) {
                EllipsePath(cr, 0, 5 - i * 4, 7, 2.6);
                SetColor(cr, ink);
                cairo_fill_preserve(cr);
                SetColor(cr, Lighten(metal, 0.3));
                cairo_set_line_width(cr, 1);
                cairo_stroke(cr);
            }
            break;
        case 3:  // adventurer: compass rose
            StarPath(cr, 0, 0, 10, 2.8, 4);
            SetColor(cr, ink);
            cairo_fill(cr);
            break;
        case 4:  // breeder: two small hearts
            HeartPath(cr, -3.5, 2, 10);
            SetColor(cr, ink);
            cairo_fill(cr);
            HeartPath(cr, 4, -3, 8);
            cairo_fill(cr);
            break;
        default:  // collector: a little statue
            RoundedRectPath(cr, -6, 4, 12, 4, 1);
            SetColor(cr, ink);
            cairo_fill(cr);
            cairo_arc(cr, 0, -1, 5, 0, 2 * kPi);
            cairo_fill(cr);
            Ear(cr, -3, -4, 3, 5, -0.4, ink, 0);
            Ear(cr, 3, -4, 3, 5, 0.4, ink, 0);
            break;
    }
    cairo_restore(cr);
    DrawShine(cr, 26, 19, 5, 3, 0.6);
    char name[32];
    std::snprintf(name, sizeof name, "Award%d_%d", kind, level + 1);
    out.SavePng(c, "Data/Graphics/Awards/" + std::string(name) + ".png");
}

}  // namespace

bool PaintInterface(Output& out) {
    PaintPointer(out);
    PaintParticles(out);
    PaintScrollArrow(out);
    PaintFrames(out);
    PaintBackdrop(out);
    PaintPanel(out);
    PaintButtons(out);
    PaintMoneyAndStar(out);
    PaintCornerIcons(out);
    PaintMarkers(out);
    PaintHealthIcons(out);
    PaintBars(out);
    for (int i = 0; i < 13; ++i) PaintStatue(out, i);
    for (int kind = 0; kind < 6; ++kind) {
        for (int level = 0; level < 3; ++level) PaintAward(out, kind, level);
    }
    return out.ok();
}
