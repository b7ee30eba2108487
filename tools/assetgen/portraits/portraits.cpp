// Paints the speaker portraits. A portrait is painted whole for every state it can show (expression,
// mouth, eyes); an overlay is that whole painting clipped to the part of the face that changes, so
// it lines up exactly with the portrait it is drawn over. The clip regions lie inside the opaque
// face, where overlay and portrait pixels differ only in the features.
#include "portraits/portraits.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "paint/kit.h"

namespace {

constexpr int kW = 384;
constexpr int kH = 512;
constexpr double kPi = 3.14159265358979323846;
constexpr double kLine = 3.5;

const Rgb kMouthDark = Hex(0x6b2a2a);
const Rgb kTongue = Hex(0xd9736f);
const Rgb kEyeInk = Hex(0x2a1c15);

enum Expr { kNeutral = 0, kHappy = 1, kSurprised = 2, kWorried = 3, kCross = 4 };

struct State {
    int expr = kNeutral;
    int mouth = 0;  // 0 closed, 1 open a little (A), 2 open wide (B)
    int eyes = 0;   // 0 open, 1 half shut, 2 shut
};

struct Look;
using Hook = std::function<void(cairo_t*, const Look&, const State&)>;

struct Look {
    Rgb skin = Hex(0xf3c9a4);
    Rgb hair = kBark;
    Rgb brow = kBarkDark;
    Rgb iris = kBark;
    double cx = 192, cy = 200, R = 88;  // head centre and size
    double jaw = 0.12;                  // how much the chin narrows
    double eye_size = 1.0;
    double brow_width = 0.07;           // thickness of the brows, in R
    bool lashes = false, freckles = false, wrinkles = false, blush = true;
    int nose = 0;  // 0 button, 1 big round, 2 long pointed
    bool mouth_hidden_by_beard = false;
    Rgb coat = kMoss;       // standing figures: clothes below the bust
    Rgb legs = kBark;       // trousers or stockings
    Rgb shoes = kBarkDark;
    bool skirt = false;     // a skirt or robe instead of a coat hem
    Hook back;   // behind everything (long hair, cloak)
    Hook body;   // shoulders and clothes
    Hook beard;  // over the mouth
    Hook front;  // hair, hats, glasses: last
};

// ---- helpers ----------------------------------------------------------------------------------

void Stroke(cairo_t* cr, Rgb c, double w, double alpha = 1.0) {
    SetColor(cr, c, alpha);
    cairo_set_line_width(cr, w);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void Outline(cairo_t* cr, double w = kLine) {
    SetColor(cr, kOutline);
    cairo_set_line_width(cr, w);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

// Fills the current path with a soft top-left lit gradient of `c` and outlines it.
void Shade(cairo_t* cr, Rgb c, double x, double y, double reach, double w = kLine) {
    SetRadialGradient(cr, x, y, reach, Lighten(c, 0.22), Darken(c, 0.12));
    cairo_fill_preserve(cr);
    Outline(cr, w);
}



void SetSkin(cairo_t* cr, const Look& L) {
    SetRadialGradient(cr, L.cx - 0.3 * L.R, L.cy - 0.45 * L.R, 1.7 * L.R, Lighten(L.skin, 0.25),
                      Darken(L.skin, 0.1));
}

void HeadPath(cairo_t* cr, const Look& L) {
    std::vector<double> pts;
    for (int i = 0; i < 20; ++i) {
        double a = 2 * kPi * i / 20;
        double s = std::sin(a);
        double narrow = s > 0 ? 1 - L.jaw * s * s * s : 1;
        pts.push_back(L.cx + std::cos(a) * 0.9 * L.R * narrow);
        pts.push_back(L.cy + s * 1.04 * L.R);
    }
    SmoothClosedPath(cr, pts);
}

// The shoulders: a rounded bust from the neck down past the bottom edge.
void BustPath(cairo_t* cr, const Look& L, double half_width, double top) {
    double x = L.cx;
    std::vector<double> pts = {x - half_width, kH + 40, x - half_width + 4, top + 90,
                               x - half_width * 0.62, top + 12, x, top,
                               x + half_width * 0.62, top + 12, x + half_width - 4, top + 90,
                               x + half_width, kH + 40, x, kH + 60};
    SmoothClosedPath(cr, pts);
}

// ---- face -------------------------------------------------------------------------------------

void DrawEye(cairo_t* cr, const Look& L, const State& st, double ex, double ey, int side) {
    const double R = L.R, s = L.eye_size;
    double rx = 0.15 * R * s, ry = 0.18 * R * s;
    if (st.expr == kSurprised) {
        rx *= 1.08;
        ry *= 1.2;
    }
    if (st.eyes == 2) {
        // Shut: a lash line curving down.
        cairo_move_to(cr, ex - rx, ey);
        cairo_curve_to(cr, ex - rx * 0.4, ey + ry * 0.6, ex + rx * 0.4, ey + ry * 0.6, ex + rx, ey);
        Stroke(cr, kEyeInk, 3.2);
        if (L.lashes) {
            double ox = ex + side * rx;
            cairo_move_to(cr, ox, ey);
            cairo_line_to(cr, ox + side * 7, ey + 4);
            Stroke(cr, kEyeInk, 2.5);
        }
        return;
    }
    // White, iris, pupil, shine.
    EllipsePath(cr, ex, ey, rx, ry);
    SetColor(cr, kWhite);
    cairo_fill(cr);
    cairo_save(cr);
    EllipsePath(cr, ex, ey, rx, ry);
    cairo_clip(cr);
    double ir = 0.11 * R * s * (st.expr == kSurprised ? 0.85 : 1.0);
    double iy = ey + ry * 0.08;
    EllipsePath(cr, ex + side * -0.01 * R, iy, ir, ir * 1.08);
    SetRadialGradient(cr, ex, iy + ir * 0.3, ir, Lighten(L.iris, 0.35), Darken(L.iris, 0.2));
    cairo_fill(cr);
    EllipsePath(cr, ex, iy, ir * 0.5, ir * 0.55);
    SetColor(cr, kEyeInk);
    cairo_fill(cr);
    EllipsePath(cr, ex - ir * 0.35, iy - ir * 0.4, ir * 0.28, ir * 0.28);
    SetColor(cr, kWhite);
    cairo_fill(cr);
    if (st.eyes == 1) {
        // Half shut: the lid comes down over the top half.
        cairo_rectangle(cr, ex - rx - 4, ey - ry - 4, 2 * rx + 8, ry + 4 + ry * 0.1);
        SetSkin(cr, L);
        cairo_fill(cr);
    }
    if (st.expr == kHappy) {
        // Smiling cheeks push the lower lid up.
        EllipsePath(cr, ex, ey + ry * 1.35, rx * 1.4, ry * 0.75);
        SetSkin(cr, L);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    // Eye outline and the heavier upper lid.
    EllipsePath(cr, ex, ey, rx, ry);
    Stroke(cr, kOutline, 2.0, 0.6);
    double lid_y = st.eyes == 1 ? ey + ry * 0.1 : ey - ry * 0.2;
    double lid_rise = st.eyes == 1 ? 0.0 : ry * 0.8;
    cairo_move_to(cr, ex - rx * 1.1, lid_y + (st.eyes == 1 ? 0 : ry * 0.35));
    cairo_curve_to(cr, ex - rx * 0.5, lid_y - lid_rise, ex + rx * 0.5, lid_y - lid_rise,
                   ex + rx * 1.1, lid_y + (st.eyes == 1 ? 0 : ry * 0.35));
    Stroke(cr, kEyeInk, 3.6);
    if (st.expr == kHappy) {
        cairo_move_to(cr, ex - rx * 0.9, ey + ry * 0.75);
        cairo_curve_to(cr, ex - rx * 0.3, ey + ry * 0.5, ex + rx * 0.3, ey + ry * 0.5, ex + rx * 0.9,
                       ey + ry * 0.75);
        Stroke(cr, kOutline, 2.0, 0.7);
    }
    if (L.lashes) {
        double ox = ex + side * rx * 1.05, oy = lid_y + (st.eyes == 1 ? 0 : ry * 0.2);
        cairo_move_to(cr, ox, oy);
        cairo_line_to(cr, ox + side * 8, oy - 6);
        cairo_move_to(cr, ox - side * 4, oy - 5);
        cairo_line_to(cr, ox + side * 3, oy - 12);
        Stroke(cr, kEyeInk, 2.6);
    }
}

void DrawBrow(cairo_t* cr, const Look& L, const State& st, double ex, double ey, int side) {
    const double R = L.R;
    double inner_y = -0.3, outer_y = -0.3, mid = -0.36;
    switch (st.expr) {
        case kHappy: inner_y = -0.34; outer_y = -0.33; mid = -0.43; break;
        case kSurprised: inner_y = -0.42; outer_y = -0.4; mid = -0.52; break;
        case kWorried: inner_y = -0.42; outer_y = -0.26; mid = -0.36; break;
        case kCross: inner_y = -0.2; outer_y = -0.36; mid = -0.3; break;
        default: break;
    }
    std::vector<double> pts = {ex - side * 0.2 * R, ey + inner_y * R, ex + side * 0.02 * R, ey + mid * R,
                               ex + side * 0.22 * R, ey + outer_y * R};
    RibbonPath(cr, pts, L.brow_width * R * 1.2, L.brow_width * R * 0.6);
    SetColor(cr, L.brow);
    cairo_fill_preserve(cr);
    Outline(cr, 1.5);
}

void DrawMouth(cairo_t* cr, const Look& L, const State& st) {
    const double R = L.R;
    const double mx = L.cx, my = L.cy + 0.52 * L.R;
    if (st.mouth == 0) {
        switch (st.expr) {
            case kHappy:
                cairo_move_to(cr, mx - 0.26 * R, my - 0.07 * R);
                cairo_curve_to(cr, mx - 0.15 * R, my + 0.12 * R, mx + 0.15 * R, my + 0.12 * R, mx + 0.26 * R,
                               my - 0.07 * R);
                cairo_close_path(cr);
                SetColor(cr, kMouthDark);
                cairo_fill_preserve(cr);
                cairo_save(cr);
                cairo_clip_preserve(cr);
                cairo_new_path(cr);
                cairo_rectangle(cr, mx - 0.3 * R, my - 0.1 * R, 0.6 * R, 0.07 * R);
                SetColor(cr, kWhite);
                cairo_fill(cr);
                cairo_restore(cr);
                Outline(cr, 3.0);
                return;
            case kSurprised:
                EllipsePath(cr, mx, my + 0.02 * R, 0.07 * R, 0.09 * R);
                SetColor(cr, kMouthDark);
                cairo_fill_preserve(cr);
                Outline(cr, 3.0);
                return;
            case kWorried:
                cairo_move_to(cr, mx - 0.16 * R, my + 0.06 * R);
                cairo_curve_to(cr, mx - 0.08 * R, my - 0.04 * R, mx - 0.02 * R, my + 0.02 * R, mx, my);
                cairo_curve_to(cr, mx + 0.04 * R, my - 0.03 * R, mx + 0.1 * R, my - 0.02 * R, mx + 0.16 * R,
                               my + 0.06 * R);
                Stroke(cr, kOutline, 3.4);
                return;
            case kCross:
                cairo_move_to(cr, mx - 0.15 * R, my + 0.05 * R);
                cairo_curve_to(cr, mx - 0.08 * R, my, mx + 0.08 * R, my, mx + 0.15 * R, my + 0.05 * R);
                Stroke(cr, kOutline, 3.6);
                return;
            default:
                cairo_move_to(cr, mx - 0.17 * R, my - 0.01 * R);
                cairo_curve_to(cr, mx - 0.08 * R, my + 0.06 * R, mx + 0.08 * R, my + 0.06 * R, mx + 0.17 * R,
                               my - 0.01 * R);
                Stroke(cr, kOutline, 3.4);
                return;
        }
    }
    // Open mouth: A is small, B wide.
    bool wide = st.mouth == 2;
    double w = (wide ? 0.16 : 0.12) * R, h = (wide ? 0.14 : 0.08) * R;
    if (st.expr == kHappy) {
        w *= 1.5;
        cairo_move_to(cr, mx - w, my - 0.05 * R);
        cairo_curve_to(cr, mx - w * 0.7, my + h * 1.6, mx + w * 0.7, my + h * 1.6, mx + w, my - 0.05 * R);
        cairo_close_path(cr);
    } else {
        if (st.expr == kSurprised) {
            w *= 0.8;
            h *= 1.4;
        }
        EllipsePath(cr, mx, my + 0.02 * R, w, h);
    }
    SetColor(cr, kMouthDark);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    EllipsePath(cr, mx, my + h * 1.1 + 0.04 * R, w * 0.7, h * 0.6);
    SetColor(cr, kTongue);
    cairo_fill(cr);
    cairo_rectangle(cr, mx - w, my - h - 0.2 * R, 2 * w, h * 0.55 + 0.2 * R - (wide ? 0 : 0.01 * R));
    SetColor(cr, kWhite);
    cairo_fill(cr);
    cairo_restore(cr);
    Outline(cr, 3.0);
}

void DrawNose(cairo_t* cr, const Look& L) {
    const double R = L.R, nx = L.cx, ny = L.cy + 0.22 * L.R;
    switch (L.nose) {
        case 1:  // big round
            EllipsePath(cr, nx, ny + 0.02 * R, 0.16 * R, 0.13 * R);
            SetRadialGradient(cr, nx - 0.05 * R, ny - 0.04 * R, 0.2 * R, Lighten(L.skin, 0.2),
                              Mix(L.skin, kRose, 0.45));
            cairo_fill_preserve(cr);
            Outline(cr, 2.6);
            break;
        case 2:  // long, pointed
            cairo_move_to(cr, nx - 0.02 * R, ny - 0.22 * R);
            cairo_curve_to(cr, nx + 0.04 * R, ny - 0.05 * R, nx + 0.16 * R, ny + 0.06 * R, nx + 0.06 * R,
                           ny + 0.1 * R);
            cairo_line_to(cr, nx - 0.06 * R, ny + 0.08 * R);
            Stroke(cr, kOutline, 3.0);
            break;
        default:  // button
            cairo_move_to(cr, nx - 0.07 * R, ny + 0.04 * R);
            cairo_curve_to(cr, nx - 0.03 * R, ny + 0.1 * R, nx + 0.03 * R, ny + 0.1 * R, nx + 0.07 * R,
                           ny + 0.04 * R);
            Stroke(cr, kOutline, 3.0);
            EllipsePath(cr, nx, ny - 0.02 * R, 0.06 * R, 0.05 * R);
            SetColor(cr, kWhite, 0.45);
            cairo_fill(cr);
            break;
    }
}

void DrawPortrait(cairo_t* cr, const Look& L, const State& st) {
    const double R = L.R;
    if (L.back) L.back(cr, L, st);
    if (L.body) L.body(cr, L, st);
    // Neck with the chin's shadow.
    cairo_rectangle(cr, L.cx - 0.3 * R, L.cy + 0.55 * R, 0.6 * R, 0.75 * R);
    SetVerticalGradient(cr, L.cy + 0.7 * R, Darken(L.skin, 0.25), L.cy + 1.2 * R, L.skin);
    cairo_fill_preserve(cr);
    Outline(cr);
    // Ears.
    for (int side = -1; side <= 1; side += 2) {
        EllipsePath(cr, L.cx + side * 0.88 * R, L.cy + 0.08 * R, 0.15 * R, 0.22 * R);
        SetSkin(cr, L);
        cairo_fill_preserve(cr);
        Outline(cr);
        cairo_move_to(cr, L.cx + side * 0.86 * R, L.cy - 0.04 * R);
        cairo_curve_to(cr, L.cx + side * 0.96 * R, L.cy, L.cx + side * 0.96 * R, L.cy + 0.14 * R,
                       L.cx + side * 0.88 * R, L.cy + 0.2 * R);
        Stroke(cr, kOutline, 2.0, 0.6);
    }
    // Head.
    HeadPath(cr, L);
    SetSkin(cr, L);
    cairo_fill_preserve(cr);
    Outline(cr, kLine + 0.5);
    const double ey = L.cy - 0.02 * R;
    if (L.blush) {
        for (int side = -1; side <= 1; side += 2) {
            EllipsePath(cr, L.cx + side * 0.5 * R, L.cy + 0.3 * R, 0.16 * R, 0.09 * R);
            SetColor(cr, kRose, 0.38);
            cairo_fill(cr);
        }
    }
    if (L.freckles) {
        Rng rng(77);
        for (int side = -1; side <= 1; side += 2) {
            for (int i = 0; i < 5; ++i) {
                double x = L.cx + side * (0.3 + rng.Range(0, 0.3)) * R, y = L.cy + rng.Range(0.12, 0.3) * R;
                EllipsePath(cr, x, y, 2.2, 2.0);
                SetColor(cr, kBark, 0.55);
                cairo_fill(cr);
            }
        }
    }
    if (L.wrinkles) {
        for (int side = -1; side <= 1; side += 2) {
            double x = L.cx + side * 0.6 * R;
            cairo_move_to(cr, x, ey - 0.02 * R);
            cairo_line_to(cr, x + side * 0.1 * R, ey - 0.06 * R);
            cairo_move_to(cr, x, ey + 0.06 * R);
            cairo_line_to(cr, x + side * 0.1 * R, ey + 0.08 * R);
            cairo_move_to(cr, L.cx + side * 0.26 * R, L.cy + 0.36 * R);
            cairo_curve_to(cr, L.cx + side * 0.3 * R, L.cy + 0.46 * R, L.cx + side * 0.3 * R, L.cy + 0.56 * R,
                           L.cx + side * 0.26 * R, L.cy + 0.62 * R);
        }
        Stroke(cr, kOutline, 1.8, 0.45);
    }
    for (int side = -1; side <= 1; side += 2) {
        double ex = L.cx + side * 0.36 * R;
        DrawEye(cr, L, st, ex, ey, side);
        DrawBrow(cr, L, st, ex, ey, side);
    }
    DrawNose(cr, L);
    DrawMouth(cr, L, st);
    if (L.beard) L.beard(cr, L, st);
    if (L.front) L.front(cr, L, st);
}

// ---- clip regions of the overlays ---------------------------------------------------------------

void ExpressionRegion(cairo_t* cr, const Look& L) {
    EllipsePath(cr, L.cx, L.cy + 0.1 * L.R, 0.78 * L.R, 0.7 * L.R);
}
void MouthRegion(cairo_t* cr, const Look& L) {
    EllipsePath(cr, L.cx, L.cy + 0.54 * L.R, 0.38 * L.R, 0.25 * L.R);
}
void EyeRegion(cairo_t* cr, const Look& L) {
    RoundedRectPath(cr, L.cx - 0.72 * L.R, L.cy - 0.3 * L.R, 1.44 * L.R, 0.5 * L.R, 0.12 * L.R);
}

// ---- the cast ---------------------------------------------------------------------------------

// Simple collar shirt with optional suspenders or vest.
void Shirt(cairo_t* cr, const Look& L, Rgb shirt, double half, double top) {
    BustPath(cr, L, half, top);
    Shade(cr, shirt, L.cx - 60, top + 20, 260);
    // Collar.
    for (int side = -1; side <= 1; side += 2) {
        std::vector<double> c = {L.cx, top + 38, L.cx + side * 0.36 * L.R, top - 6,
                                 L.cx + side * 0.62 * L.R, top + 14, L.cx + side * 0.3 * L.R, top + 50};
        SmoothClosedPath(cr, c);
        Shade(cr, Lighten(shirt, 0.35), L.cx, top, 80, 3.0);
    }
}

Look PlayerMale() {
    Look L;
    L.coat = kMoss;
    L.legs = kBark;
    L.skin = Hex(0xf1c6a0);
    L.hair = Hex(0x8a5a34);
    L.brow = Hex(0x5a3b27);
    L.iris = Hex(0x5d8a4a);
    L.freckles = true;
    L.body = [](cairo_t* cr, const Look& L, const State&) {
        double top = L.cy + 1.12 * L.R;
        Shirt(cr, L, Hex(0xe9dcc0), 168, top);
        // Moss-green vest.
        for (int side = -1; side <= 1; side += 2) {
            std::vector<double> v = {L.cx + side * 40, top + 40, L.cx + side * 120, top + 14,
                                     L.cx + side * 164, top + 100, L.cx + side * 168, kH + 30,
                                     L.cx + side * 36, kH + 30};
            SmoothClosedPath(cr, v);
            Shade(cr, kMoss, L.cx + side * 80, top + 30, 200);
        }
        for (int i = 0; i < 3; ++i) {
            EllipsePath(cr, L.cx + 46, top + 80 + i * 40, 5, 5);
            SetColor(cr, kHoney);
            cairo_fill_preserve(cr);
            Outline(cr, 2);
        }
    };
    L.front = [](cairo_t* cr, const Look& L, const State&) {
        const double R = L.R, x = L.cx, y = L.cy;
        std::vector<double> hair = {x - 0.98 * R, y + 0.05 * R, x - 1.0 * R, y - 0.6 * R, x - 0.6 * R, y - 1.12 * R,
                                    x + 0.1 * R, y - 1.22 * R, x + 0.75 * R, y - 1.0 * R, x + 1.0 * R, y - 0.5 * R,
                                    x + 0.95 * R, y + 0.02 * R, x + 0.82 * R, y - 0.35 * R, x + 0.55 * R, y - 0.42 * R,
                                    x + 0.42 * R, y - 0.6 * R, x + 0.2 * R, y - 0.45 * R, x, y - 0.62 * R,
                                    x - 0.22 * R, y - 0.46 * R, x - 0.45 * R, y - 0.6 * R, x - 0.62 * R, y - 0.4 * R,
                                    x - 0.85 * R, y - 0.32 * R};
        SmoothClosedPath(cr, hair);
        Shade(cr, L.hair, x - 0.3 * R, y - R, 1.6 * R);
        // A tuft sticking up.
        std::vector<double> tuft = {x + 0.05 * R, y - 1.15 * R, x + 0.2 * R, y - 1.42 * R, x + 0.32 * R,
                                    y - 1.2 * R};
        RibbonPath(cr, tuft, 0.16 * R, 0.03 * R);
        Shade(cr, L.hair, x, y - 1.2 * R, 0.4 * R);
        cairo_move_to(cr, x - 0.5 * R, y - 0.95 * R);
        cairo_curve_to(cr, x - 0.3 * R, y - 1.05 * R, x - 0.1 * R, y - 1.05 * R, x + 0.1 * R, y - 0.98 * R);
        Stroke(cr, kWhite, 4, 0.35);
    };
    return L;
}

Look PlayerFemale() {
    Look L;
    L.coat = Hex(0x6f9fc4);
    L.legs = kCream;
    L.skirt = true;
    L.skin = Hex(0xf3cba8);
    L.hair = Hex(0xb5542e);
    L.brow = Hex(0x7a3a22);
    L.iris = Hex(0x4f86b0);
    L.lashes = true;
    L.freckles = true;
    L.jaw = 0.16;
    L.back = [](cairo_t* cr, const Look& L, const State&) {
        const double R = L.R, x = L.cx, y = L.cy;
        // Long hair behind the shoulders and a braid over the right one.
        std::vector<double> back = {x - 1.0 * R, y - 0.5 * R, x - 1.12 * R, y + 0.6 * R, x - 1.05 * R, y + 1.45 * R,
                                    x - 0.5 * R, y + 1.3 * R, x + 0.5 * R, y + 1.3 * R, x + 1.05 * R, y + 1.45 * R,
                                    x + 1.12 * R, y + 0.6 * R, x + 1.0 * R, y - 0.5 * R, x, y - 1.1 * R};
        SmoothClosedPath(cr, back);
        Shade(cr, Darken(L.hair, 0.15), x, y, 1.8 * R);
    };
    L.body = [](cairo_t* cr, const Look& L, const State&) {
        double top = L.cy + 1.1 * L.R;
        BustPath(cr, L, 160, top);
        Shade(cr, Hex(0x6f9fc4), L.cx - 60, top + 20, 260);
        // Cream blouse collar with a honey ribbon.
        std::vector<double> collar = {L.cx - 58, top + 6, L.cx, top + 46, L.cx + 58, top + 6, L.cx + 40, top + 34,
                                      L.cx, top + 62, L.cx - 40, top + 34};
        SmoothClosedPath(cr, collar);
        Shade(cr, kCream, L.cx, top, 80, 3);
        for (int side = -1; side <= 1; side += 2) {
            std::vector<double> bow = {L.cx, top + 52, L.cx + side * 26, top + 38, L.cx + side * 30, top + 66};
            SmoothClosedPath(cr, bow);
            Shade(cr, kHoney, L.cx, top + 50, 40, 2.5);
        }
        EllipsePath(cr, L.cx, top + 52, 7, 7);
        Shade(cr, kAmber, L.cx, top + 50, 10, 2.5);
    };
    L.front = [](cairo_t* cr, const Look& L, const State&) {
        const double R = L.R, x = L.cx, y = L.cy;
        std::vector<double> hair = {x - 0.98 * R, y + 0.3 * R, x - 1.02 * R, y - 0.55 * R, x - 0.55 * R, y - 1.12 * R,
                                    x + 0.2 * R, y - 1.18 * R, x + 0.82 * R, y - 0.92 * R, x + 1.02 * R, y - 0.4 * R,
                                    x + 0.98 * R, y + 0.3 * R, x + 0.86 * R, y - 0.2 * R, x + 0.66 * R, y - 0.5 * R,
                                    x + 0.2 * R, y - 0.55 * R, x - 0.3 * R, y - 0.7 * R, x - 0.62 * R, y - 0.5 * R,
                                    x - 0.86 * R, y - 0.2 * R};
        SmoothClosedPath(cr, hair);
        Shade(cr, L.hair, x - 0.3 * R, y - R, 1.6 * R);
        // Braid over the right shoulder.
        for (int i = 0; i < 5; ++i) {
            double bx = x + 0.92 * R + i * 4, by = y + 0.45 * R + i * 0.26 * R;
            EllipsePath(cr, bx, by, 0.17 * R, 0.15 * R);
            Shade(cr, L.hair, bx - 5, by - 5, 0.22 * R, 3);
        }
        double tx = x + 0.92 * R + 22, ty = y + 0.45 * R + 5 * 0.26 * R;
        EllipsePath(cr, tx, ty - 8, 12, 8);
        Shade(cr, kBerryRed, tx, ty - 8, 14, 2.5);
        cairo_move_to(cr, x - 0.5 * R, y - 0.95 * R);
        cairo_curve_to(cr, x - 0.3 * R, y - 1.05 * R, x - 0.1 * R, y - 1.05 * R, x + 0.1 * R, y - 1.0 * R);
        Stroke(cr, kWhite, 4, 0.35);
        // A daisy clip.
        PaintFlower(cr, x - 0.62 * R, y - 0.78 * R, 14, kWhite, 6, 2.0);
    };
    return L;
}

// Malcolm: round shopkeeper, bald crown, grand moustache, striped shirt, apron, pencil behind the ear.
Look Malcolm() {
    Look L;
    L.coat = Hex(0x6b8f5e);
    L.legs = kStoneDark;
    L.skin = Hex(0xefbf9a);
    L.hair = Hex(0x9a8a7a);
    L.brow = Hex(0x6f5f52);
    L.iris = Hex(0x5a7fa0);
    L.R = 94;
    L.cy = 206;
    L.jaw = -0.05;
    L.nose = 1;
    L.body = [](cairo_t* cr, const Look& L, const State&) {
        double top = L.cy + 1.05 * L.R;
        BustPath(cr, L, 166, top);
        SetRadialGradient(cr, L.cx - 60, top, 300, Hex(0xf6ecd2), Hex(0xd8c9a8));
        cairo_fill_preserve(cr);
        cairo_save(cr);
        cairo_clip_preserve(cr);
        cairo_new_path(cr);
        for (int i = -10; i <= 10; ++i) {
            cairo_rectangle(cr, L.cx + i * 24 - 4, top - 10, 8, kH);
        }
        SetColor(cr, kBerryRed, 0.5);
        cairo_fill(cr);
        cairo_restore(cr);
        Outline(cr);
        // Apron with a bib.
        std::vector<double> apron = {L.cx - 90, kH + 20, L.cx - 80, top + 70, L.cx - 70, top + 50, L.cx + 70, top + 50,
                                     L.cx + 80, top + 70, L.cx + 90, kH + 20};
        SmoothClosedPath(cr, apron);
        Shade(cr, Hex(0x6b8f5e), L.cx - 30, top + 60, 200);
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, L.cx + side * 66, top + 54);
            cairo_line_to(cr, L.cx + side * 56, top + 4);
            Stroke(cr, kOutline, 9);
            cairo_move_to(cr, L.cx + side * 66, top + 54);
            cairo_line_to(cr, L.cx + side * 56, top + 4);
            Stroke(cr, Hex(0x6b8f5e), 5);
        }
        RoundedRectPath(cr, L.cx - 36, top + 96, 72, 50, 8);
        Shade(cr, Hex(0x7da36e), L.cx, top + 100, 60, 2.5);
        // Bow tie.
        for (int side = -1; side <= 1; side += 2) {
            std::vector<double> bow = {L.cx, top + 10, L.cx + side * 30, top - 4, L.cx + side * 30, top + 26};
            SmoothClosedPath(cr, bow);
            Shade(cr, kBerryDark, L.cx, top, 40, 2.5);
        }
    };
    L.beard = [](cairo_t* cr, const Look& L, const State&) {
        const double R = L.R, x = L.cx, y = L.cy + 0.4 * L.R;
        // A walrus moustache curling up at the ends.
        for (int side = -1; side <= 1; side += 2) {
            std::vector<double> m = {x, y - 0.04 * R, x + side * 0.2 * R, y - 0.1 * R, x + side * 0.42 * R, y,
                                     x + side * 0.5 * R, y - 0.14 * R, x + side * 0.46 * R, y + 0.08 * R,
                                     x + side * 0.22 * R, y + 0.12 * R, x, y + 0.06 * R};
            SmoothClosedPath(cr, m);
            Shade(cr, Hex(0xb8aa9a), x, y - 0.1 * R, 0.5 * R, 3);
        }
    };
    L.front = [](cairo_t* cr, const Look& L, const State&) {
        const double R = L.R, x = L.cx, y = L.cy;
        // Shiny crown and fluffy side hair.
        cairo_move_to(cr, x - 0.45 * R, y - 0.78 * R);
        cairo_curve_to(cr, x - 0.25 * R, y - 0.95 * R, x + 0.05 * R, y - 0.98 * R, x + 0.2 * R, y - 0.92 * R);
        Stroke(cr, kWhite, 7, 0.45);
        for (int side = -1; side <= 1; side += 2) {
            std::vector<double> tuft = {x + side * 0.72 * R, y - 0.55 * R, x + side * 1.02 * R, y - 0.42 * R,
                                        x + side * 1.08 * R, y - 0.1 * R, x + side * 1.0 * R, y + 0.15 * R,
                                        x + side * 0.86 * R, y - 0.05 * R, x + side * 0.84 * R, y - 0.35 * R};
            SmoothClosedPath(cr, tuft);
            Shade(cr, L.hair, x + side * 0.9 * R, y - 0.4 * R, 0.5 * R, 3);
        }
        // Pencil behind the left ear.
        cairo_save(cr);
        cairo_translate(cr, x - 0.95 * R, y - 0.2 * R);
        cairo_rotate(cr, -0.5);
        RoundedRectPath(cr, -40, -6, 70, 12, 3);
        Shade(cr, kHoney, -20, -4, 40, 2.5);
        cairo_move_to(cr, -40, -6);
        cairo_line_to(cr, -56, 0);
        cairo_line_to(cr, -40, 6);
        cairo_close_path(cr);
        Shade(cr, kWoodLight, -46, 0, 12, 2.5);
        cairo_restore(cr);
        // Round spectacles pushed up on the forehead? No: perched on the nose.
        for (int side = -1; side <= 1; side += 2) {
            EllipsePath(cr, x + side * 0.36 * R, y - 0.02 * R, 0.22 * R, 0.2 * R);
            SetColor(cr, kWhite, 0.15);
            cairo_fill_preserve(cr);
            Stroke(cr, kAmber, 4);
        }
        cairo_move_to(cr, x - 0.14 * R, y - 0.04 * R);
        cairo_curve_to(cr, x - 0.05 * R, y - 0.1 * R, x + 0.05 * R, y - 0.1 * R, x + 0.14 * R, y - 0.04 * R);
        Stroke(cr, kAmber, 4);
    };
    return L;
}

// Zachary: weathered rancher, wide hat, grey stubble and moustache, red bandana, plaid shirt.
Look Zachary() {
    Look L;
    L.coat = Hex(0x4a6e8c);
    L.legs = Hex(0x5a6a8a);
    L.shoes = kBark;
    L.skin = Hex(0xd9a27a);
    L.hair = Hex(0xb9b3a8);
    L.brow = Hex(0x8f877a);
    L.iris = Hex(0x6a5a3a);
    L.brow_width = 0.09;
    L.jaw = 0.02;
    L.wrinkles = true;
    L.blush = false;
    L.eye_size = 0.9;
    L.body = [](cairo_t* cr, const Look& L, const State&) {
        double top = L.cy + 1.1 * L.R;
        BustPath(cr, L, 166, top);
        SetColor(cr, Hex(0x4a6e8c));
        cairo_fill_preserve(cr);
        cairo_save(cr);
        cairo_clip_preserve(cr);
        cairo_new_path(cr);
        for (int i = -12; i <= 12; ++i) {
            cairo_rectangle(cr, L.cx + i * 30 - 6, top - 20, 12, kH);
            cairo_rectangle(cr, L.cx - 200, top + i * 30 + 100, 400, 10);
        }
        SetColor(cr, kBerryDark, 0.45);
        cairo_fill(cr);
        SetRadialGradient(cr, L.cx - 60, top, 320, kWhite, kOutline, 0.15, 0.25);
        cairo_paint(cr);
        cairo_restore(cr);
        Outline(cr);
        // Bandana knotted at the throat.
        std::vector<double> b = {L.cx - 70, top - 8, L.cx + 70, top - 8, L.cx + 20, top + 58, L.cx, top + 70,
                                 L.cx - 20, top + 58};
        SmoothClosedPath(cr, b);
        Shade(cr, kBerryRed, L.cx - 20, top, 80);
        for (int i = 0; i < 5; ++i) {
            EllipsePath(cr, L.cx - 40 + i * 20, top + 10 + (i % 2) * 14, 3.5, 3.5);
            SetColor(cr, kWhite, 0.85);
            cairo_fill(cr);
        }
    };
    L.beard = [](cairo_t* cr, const Look& L, const State&) {
        const double R = L.R, x = L.cx, y = L.cy;
        // Stubble dots over the jaw.
        Rng rng(5);
        for (int i = 0; i < 140; ++i) {
            double a = rng.Range(0.1 * kPi, 0.9 * kPi);
            double r = rng.Range(0.62, 0.98);
            double px = x + std::cos(a) * 0.85 * R * r, py = y + 0.2 * R + std::sin(a) * 0.82 * R * r;
            if (std::fabs(px - x) < 0.24 * R && py < y + 0.72 * R && py > y + 0.4 * R) continue;
            EllipsePath(cr, px, py, 1.6, 1.6);
            SetColor(cr, Hex(0x7a7064), 0.55);
            cairo_fill(cr);
        }
        // Bushy grey moustache.
        std::vector<double> m = {x - 0.36 * R, y + 0.5 * R, x - 0.3 * R, y + 0.36 * R, x, y + 0.34 * R,
                                 x + 0.3 * R, y + 0.36 * R, x + 0.36 * R, y + 0.5 * R, x + 0.14 * R, y + 0.46 * R,
                                 x, y + 0.44 * R, x - 0.14 * R, y + 0.46 * R};
        SmoothClosedPath(cr, m);
        Shade(cr, L.hair, x, y + 0.35 * R, 0.4 * R, 3);
    };
    L.front = [](cairo_t* cr, const Look& L, const State&) {
        const double R = L.R, x = L.cx, y = L.cy;
        // Grey hair at the temples.
        for (int side = -1; side <= 1; side += 2) {
            std::vector<double> h = {x + side * 0.78 * R, y - 0.5 * R, x + side * 0.98 * R, y - 0.3 * R,
                                     x + side * 0.95 * R, y + 0.05 * R, x + side * 0.82 * R, y - 0.2 * R};
            SmoothClosedPath(cr, h);
            Shade(cr, L.hair, x + side * 0.9 * R, y - 0.3 * R, 0.3 * R, 3);
        }
        // Wide-brimmed hat.
        std::vector<double> brim = {x - 1.55 * R, y - 0.48 * R, x - 1.0 * R, y - 0.7 * R, x, y - 0.78 * R,
                                    x + 1.0 * R, y - 0.7 * R, x + 1.55 * R, y - 0.48 * R, x + 1.3 * R, y - 0.36 * R,
                                    x, y - 0.5 * R, x - 1.3 * R, y - 0.36 * R};
        std::vector<double> crown = {x - 0.78 * R, y - 0.62 * R, x - 0.75 * R, y - 1.2 * R, x - 0.3 * R, y - 1.45 * R,
                                     x, y - 1.32 * R, x + 0.3 * R, y - 1.45 * R, x + 0.75 * R, y - 1.2 * R,
                                     x + 0.78 * R, y - 0.62 * R};
        SmoothClosedPath(cr, crown);
        Shade(cr, kWood, x - 0.3 * R, y - 1.3 * R, 1.2 * R);
        cairo_rectangle(cr, x - 0.8 * R, y - 0.82 * R, 1.6 * R, 0.16 * R);
        SetColor(cr, kBarkDark);
        cairo_fill(cr);
        SmoothClosedPath(cr, brim);
        Shade(cr, Darken(kWood, 0.1), x - 0.5 * R, y - 0.8 * R, 1.6 * R);
    };
    return L;
}

// Hrafnirr: dwarf lord: huge braided copper beard, iron helm with a gold band, big nose, heavy brows.
Look Hrafnirr() {
    Look L;
    L.coat = Hex(0x6e5a8a);
    L.legs = kBarkDark;
    L.skirt = true;
    L.skin = Hex(0xe8ad8c);
    L.hair = Hex(0xc0622b);
    L.brow = Hex(0x9a4a22);
    L.iris = Hex(0x4a6a8a);
    L.brow_width = 0.12;
    L.nose = 1;
    L.R = 90;
    L.cy = 214;
    L.jaw = -0.1;
    L.eye_size = 0.85;
    L.mouth_hidden_by_beard = true;
    L.body = [](cairo_t* cr, const Look& L, const State&) {
        double top = L.cy + 1.0 * L.R;
        BustPath(cr, L, 164, top);
        Shade(cr, Hex(0x6e5a8a), L.cx - 60, top, 300);
        // Fur mantle and gold brooches.
        for (int side = -1; side <= 1; side += 2) {
            std::vector<double> fur = {L.cx + side * 60, top + 10, L.cx + side * 150, top + 40,
                                       L.cx + side * 190, top + 110, L.cx + side * 150, top + 130,
                                       L.cx + side * 90, top + 80};
            Rng rng(side + 3);
            SmoothClosedPath(cr, fur);
            Shade(cr, kStoneLight, L.cx + side * 120, top + 40, 120);
            EllipsePath(cr, L.cx + side * 110, top + 90, 16, 16);
            Shade(cr, kHoney, L.cx + side * 105, top + 84, 20, 3);
        }
    };
    L.beard = [](cairo_t* cr, const Look& L, const State& st) {
        const double R = L.R, x = L.cx, y = L.cy;
        // The great beard: from the cheeks down over the chest in two braids; the mouth shows
        // through a gap under the moustache.
        std::vector<double> beard = {x - 0.9 * R, y + 0.05 * R, x - 0.95 * R, y + 0.7 * R, x - 0.7 * R, y + 1.4 * R,
                                     x - 0.3 * R, y + 1.75 * R, x, y + 1.85 * R, x + 0.3 * R, y + 1.75 * R,
                                     x + 0.7 * R, y + 1.4 * R, x + 0.95 * R, y + 0.7 * R, x + 0.9 * R, y + 0.05 * R,
                                     x + 0.62 * R, y + 0.3 * R, x + 0.3 * R, y + 0.72 * R, x, y + 0.78 * R,
                                     x - 0.3 * R, y + 0.72 * R, x - 0.62 * R, y + 0.3 * R};
        SmoothClosedPath(cr, beard);
        Shade(cr, L.hair, x - 0.3 * R, y + 0.5 * R, 1.6 * R);
        for (int i = -3; i <= 3; ++i) {
            cairo_move_to(cr, x + i * 0.2 * R, y + 0.85 * R);
            cairo_curve_to(cr, x + i * 0.24 * R, y + 1.1 * R, x + i * 0.18 * R, y + 1.3 * R, x + i * 0.14 * R,
                           y + 1.6 * R);
        }
        Stroke(cr, Darken(L.hair, 0.35), 2.2, 0.6);
        for (int side = -1; side <= 1; side += 2) {
            for (int i = 0; i < 3; ++i) {
                double bx = x + side * 0.28 * R, by = y + 1.75 * R + i * 0.24 * R;
                EllipsePath(cr, bx, by, 0.13 * R, 0.13 * R);
                Shade(cr, L.hair, bx - 4, by - 4, 0.18 * R, 3);
            }
            RoundedRectPath(cr, x + side * 0.28 * R - 0.12 * R, y + 1.6 * R, 0.24 * R, 0.1 * R, 3);
            Shade(cr, kHoney, x + side * 0.28 * R, y + 1.6 * R, 0.2 * R, 2.5);
        }
        // Moustache over the mouth.
        for (int side = -1; side <= 1; side += 2) {
            std::vector<double> m = {x, y + 0.32 * R, x + side * 0.3 * R, y + 0.34 * R, x + side * 0.56 * R,
                                     y + 0.56 * R, x + side * 0.5 * R, y + 0.68 * R, x + side * 0.26 * R,
                                     y + 0.5 * R, x, y + 0.44 * R};
            SmoothClosedPath(cr, m);
            Shade(cr, Lighten(L.hair, 0.1), x, y + 0.35 * R, 0.5 * R, 3);
        }
        (void)st;
    };
    L.front = [](cairo_t* cr, const Look& L, const State&) {
        const double R = L.R, x = L.cx, y = L.cy;
        // Iron helm with a gold band and two small wings.
        for (int side = -1; side <= 1; side += 2) {
            std::vector<double> wing = {x + side * 0.7 * R, y - 0.8 * R, x + side * 1.1 * R, y - 1.35 * R,
                                        x + side * 1.35 * R, y - 1.5 * R, x + side * 1.2 * R, y - 1.1 * R,
                                        x + side * 1.28 * R, y - 0.95 * R, x + side * 0.95 * R, y - 0.7 * R};
            SmoothClosedPath(cr, wing);
            Shade(cr, kCream, x + side * R, y - 1.2 * R, 0.6 * R, 3);
        }
        cairo_new_sub_path(cr);
        cairo_arc(cr, x, y - 0.42 * R, 0.98 * R, kPi * 1.02, kPi * 1.98);
        cairo_close_path(cr);
        Shade(cr, kStone, x - 0.3 * R, y - 1.2 * R, 1.2 * R);
        RoundedRectPath(cr, x - 1.0 * R, y - 0.56 * R, 2.0 * R, 0.2 * R, 6);
        Shade(cr, kHoney, x - 0.4 * R, y - 0.56 * R, 1.2 * R);
        for (int i = -2; i <= 2; ++i) {
            EllipsePath(cr, x + i * 0.36 * R, y - 0.46 * R, 6, 6);
            SetColor(cr, i == 0 ? kBerryRed : kAmber);
            cairo_fill_preserve(cr);
            Outline(cr, 2);
        }
        // Nose guard.
        RoundedRectPath(cr, x - 0.06 * R, y - 0.4 * R, 0.12 * R, 0.42 * R, 5);
        Shade(cr, kStone, x, y - 0.3 * R, 0.3 * R, 3);
    };
    return L;
}

// Honest Harry: slick peddler: bowler hat, slicked hair, curled moustache, checked waistcoat.
Look HonestHarry() {
    Look L;
    L.coat = Hex(0x8a5a86);
    L.legs = Hex(0x4a4456);
    L.skin = Hex(0xf0c3a0);
    L.hair = Hex(0x3e3a44);
    L.brow = Hex(0x3e3a44);
    L.iris = Hex(0x6a8a3a);
    L.nose = 2;
    L.jaw = 0.22;
    L.brow_width = 0.06;
    L.body = [](cairo_t* cr, const Look& L, const State&) {
        double top = L.cy + 1.1 * L.R;
        BustPath(cr, L, 164, top);
        Shade(cr, Hex(0x8a5a86), L.cx - 60, top, 280);
        // Checked waistcoat.
        std::vector<double> v = {L.cx - 70, kH + 20, L.cx - 80, top + 40, L.cx - 34, top + 20, L.cx, top + 110,
                                 L.cx + 34, top + 20, L.cx + 80, top + 40, L.cx + 70, kH + 20};
        SmoothClosedPath(cr, v);
        SetColor(cr, kHoneyLight);
        cairo_fill_preserve(cr);
        cairo_save(cr);
        cairo_clip_preserve(cr);
        cairo_new_path(cr);
        for (int i = -8; i <= 8; ++i) {
            cairo_rectangle(cr, L.cx + i * 20, top, 7, kH);
            cairo_rectangle(cr, L.cx - 100, top + i * 20 + 40, 200, 7);
        }
        SetColor(cr, kAmber, 0.45);
        cairo_fill(cr);
        cairo_restore(cr);
        Outline(cr);
        // Shirt front and a bow tie.
        std::vector<double> s = {L.cx - 30, top + 18, L.cx, top + 100, L.cx + 30, top + 18, L.cx, top + 6};
        SmoothClosedPath(cr, s);
        Shade(cr, kPaper, L.cx, top, 60, 3);
        for (int side = -1; side <= 1; side += 2) {
            std::vector<double> bow = {L.cx, top + 16, L.cx + side * 28, top + 4, L.cx + side * 26, top + 30};
            SmoothClosedPath(cr, bow);
            Shade(cr, kPine, L.cx, top, 40, 2.5);
        }
        // Watch chain.
        cairo_move_to(cr, L.cx + 20, top + 110);
        cairo_curve_to(cr, L.cx + 40, top + 130, L.cx + 60, top + 128, L.cx + 70, top + 112);
        Stroke(cr, kHoney, 3.5);
    };
    L.beard = [](cairo_t* cr, const Look& L, const State&) {
        const double R = L.R, x = L.cx, y = L.cy + 0.4 * L.R;
        for (int side = -1; side <= 1; side += 2) {
            std::vector<double> m = {x, y, x + side * 0.25 * R, y - 0.05 * R, x + side * 0.38 * R, y - 0.02 * R,
                                     x + side * 0.45 * R, y - 0.16 * R};
            RibbonPath(cr, m, 0.08 * R, 0.02 * R);
            SetColor(cr, L.hair);
            cairo_fill_preserve(cr);
            Outline(cr, 2);
        }
    };
    L.front = [](cairo_t* cr, const Look& L, const State&) {
        const double R = L.R, x = L.cx, y = L.cy;
        // Slicked hair under the hat.
        for (int side = -1; side <= 1; side += 2) {
            std::vector<double> h = {x + side * 0.5 * R, y - 0.72 * R, x + side * 0.96 * R, y - 0.45 * R,
                                     x + side * 0.92 * R, y - 0.05 * R, x + side * 0.8 * R, y - 0.35 * R};
            SmoothClosedPath(cr, h);
            Shade(cr, L.hair, x + side * 0.8 * R, y - 0.6 * R, 0.4 * R, 3);
        }
        // Bowler hat, tipped a little.
        cairo_save(cr);
        cairo_translate(cr, x, y - 0.7 * R);
        cairo_rotate(cr, 0.1);
        std::vector<double> brim = {-1.15 * R, 0.02 * R, -0.9 * R, -0.12 * R, 0, -0.14 * R, 0.9 * R, -0.12 * R,
                                    1.15 * R, 0.02 * R, 0.9 * R, 0.06 * R, 0, 0.02 * R, -0.9 * R, 0.06 * R};
        cairo_new_sub_path(cr);
        cairo_arc(cr, 0, -0.12 * R, 0.72 * R, kPi, 2 * kPi);
        cairo_close_path(cr);
        Shade(cr, Hex(0x4a4456), -0.3 * R, -0.6 * R, 0.9 * R);
        cairo_rectangle(cr, -0.72 * R, -0.26 * R, 1.44 * R, 0.13 * R);
        SetColor(cr, kBerryDark);
        cairo_fill_preserve(cr);
        Outline(cr, 2.5);
        SmoothClosedPath(cr, brim);
        Shade(cr, Hex(0x4a4456), -0.5 * R, -0.1 * R, 1.2 * R);
        cairo_move_to(cr, -0.4 * R, -0.6 * R);
        cairo_curve_to(cr, -0.3 * R, -0.74 * R, -0.1 * R, -0.8 * R, 0.05 * R, -0.8 * R);
        Stroke(cr, kWhite, 4, 0.35);
        cairo_restore(cr);
    };
    return L;
}

// The Wildman: wild tangled hair with leaves and twigs, long beard, leaf-and-hide cloak.
Look Wildman() {
    Look L;
    L.coat = kEarth;
    L.legs = kBark;
    L.skirt = true;
    L.shoes = kEarth;
    L.skin = Hex(0xc48d64);
    L.hair = Hex(0x6e6a4a);
    L.brow = Hex(0x4a4632);
    L.iris = Hex(0x8a6a2a);
    L.brow_width = 0.11;
    L.eye_size = 0.92;
    L.blush = false;
    L.wrinkles = true;
    L.mouth_hidden_by_beard = true;
    L.back = [](cairo_t* cr, const Look& L, const State&) {
        const double R = L.R, x = L.cx, y = L.cy;
        Rng rng(41);
        std::vector<double> mane;
        for (int i = 0; i < 30; ++i) {
            double a = 2 * kPi * i / 30;
            double r = (i % 2 ? 1.25 : 1.55) * R * (1 + rng.Range(-0.06, 0.06));
            mane.push_back(x + std::cos(a) * r);
            mane.push_back(y + 0.1 * R + std::sin(a) * r * (std::sin(a) > 0 ? 1.2 : 1.0));
        }
        SmoothClosedPath(cr, mane);
        Shade(cr, Darken(L.hair, 0.1), x - 0.4 * R, y - R, 2.2 * R);
    };
    L.body = [](cairo_t* cr, const Look& L, const State&) {
        double top = L.cy + 1.1 * L.R;
        BustPath(cr, L, 166, top);
        Shade(cr, kEarth, L.cx - 60, top, 300);
        // Leaf cloak.
        Rng rng(9);
        for (int i = 0; i < 26; ++i) {
            double lx = L.cx + rng.Range(-180, 180), ly = top + rng.Range(30, 230);
            if (std::fabs(lx - L.cx) > 150 + (ly - top) * 0.2) continue;
            cairo_save(cr);
            cairo_translate(cr, lx, ly);
            cairo_rotate(cr, rng.Range(-1.2, 1.2));
            EllipsePath(cr, 0, 0, 22, 10);
            Shade(cr, i % 3 ? kMoss : kMossDark, -6, -4, 24, 2.5);
            cairo_move_to(cr, -20, 0);
            cairo_line_to(cr, 18, 0);
            Stroke(cr, kMossDark, 1.8);
            cairo_restore(cr);
        }
    };
    L.beard = [](cairo_t* cr, const Look& L, const State&) {
        const double R = L.R, x = L.cx, y = L.cy;
        Rng rng(17);
        std::vector<double> beard = {x - 0.88 * R, y + 0.05 * R};
        for (int i = 0; i <= 10; ++i) {
            double t = double(i) / 10;
            double a = kPi * (1 - t);
            double r = (i % 2 ? 1.0 : 1.15) * R;
            beard.push_back(x + std::cos(a) * 0.92 * r);
            beard.push_back(y + 0.3 * R + std::sin(a) * 1.3 * r + rng.Range(-4, 4));
        }
        beard.insert(beard.end(), {x + 0.88 * R, y + 0.05 * R, x + 0.6 * R, y + 0.34 * R, x + 0.3 * R, y + 0.74 * R,
                                   x, y + 0.78 * R, x - 0.3 * R, y + 0.74 * R, x - 0.6 * R, y + 0.34 * R});
        SmoothClosedPath(cr, beard);
        Shade(cr, L.hair, x - 0.3 * R, y + 0.4 * R, 1.8 * R);
        for (int i = -4; i <= 4; ++i) {
            cairo_move_to(cr, x + i * 0.16 * R, y + 0.9 * R);
            cairo_curve_to(cr, x + i * 0.22 * R, y + 1.1 * R, x + i * 0.14 * R, y + 1.3 * R, x + i * 0.18 * R,
                           y + 1.5 * R);
        }
        Stroke(cr, Darken(L.hair, 0.35), 2.0, 0.55);
        for (int side = -1; side <= 1; side += 2) {
            std::vector<double> m = {x, y + 0.34 * R, x + side * 0.3 * R, y + 0.34 * R, x + side * 0.5 * R,
                                     y + 0.6 * R, x + side * 0.2 * R, y + 0.5 * R, x, y + 0.44 * R};
            SmoothClosedPath(cr, m);
            Shade(cr, Lighten(L.hair, 0.1), x, y + 0.35 * R, 0.5 * R, 3);
        }
    };
    L.front = [](cairo_t* cr, const Look& L, const State&) {
        const double R = L.R, x = L.cx, y = L.cy;
        Rng rng(23);
        // Shaggy fringe.
        std::vector<double> fringe = {x - 1.0 * R, y - 0.2 * R};
        for (int i = 0; i <= 12; ++i) {
            double t = double(i) / 12;
            double fx = x - 0.95 * R + t * 1.9 * R;
            fringe.push_back(fx);
            fringe.push_back(y - (i % 2 ? 0.5 : 0.36) * R - std::sin(t * kPi) * 0.05 * R + rng.Range(-3, 3));
        }
        fringe.insert(fringe.end(), {x + 1.0 * R, y - 0.2 * R, x + 0.8 * R, y - 1.1 * R, x, y - 1.3 * R,
                                     x - 0.8 * R, y - 1.1 * R});
        SmoothClosedPath(cr, fringe);
        Shade(cr, L.hair, x - 0.3 * R, y - R, 1.6 * R);
        // Leaves and a twig in the hair.
        for (int i = 0; i < 5; ++i) {
            double lx = x + rng.Range(-1.2, 1.2) * R, ly = y - rng.Range(0.7, 1.35) * R;
            cairo_save(cr);
            cairo_translate(cr, lx, ly);
            cairo_rotate(cr, rng.Range(-1.5, 1.5));
            EllipsePath(cr, 0, 0, 16, 7);
            Shade(cr, i % 2 ? kMossLight : kAmber, -4, -3, 18, 2.2);
            cairo_restore(cr);
        }
        std::vector<double> twig = {x + 0.3 * R, y - 1.0 * R, x + 0.8 * R, y - 1.4 * R, x + 1.1 * R, y - 1.5 * R};
        RibbonPath(cr, twig, 9, 4);
        Shade(cr, kBark, x + 0.7 * R, y - 1.3 * R, 40, 2.2);
    };
    return L;
}

// Mayor Prudence Bell: silver bun, spectacles, plum coat, gold chain of office with a bell.
Look Mayor() {
    Look L;
    L.coat = kPlum;
    L.legs = kDusk;
    L.skirt = true;
    L.skin = Hex(0xf2c8a8);
    L.hair = Hex(0xd8d2cc);
    L.brow = Hex(0x9a918a);
    L.iris = Hex(0x6a4a8a);
    L.lashes = true;
    L.jaw = 0.14;
    L.wrinkles = true;
    L.body = [](cairo_t* cr, const Look& L, const State&) {
        double top = L.cy + 1.1 * L.R;
        BustPath(cr, L, 170, top);
        Shade(cr, kPlum, L.cx - 60, top, 300);
        // Lace collar.
        for (int i = -3; i <= 3; ++i) {
            EllipsePath(cr, L.cx + i * 20, top + 10 + std::abs(i) * -2, 14, 14);
            Shade(cr, kPaper, L.cx + i * 20, top + 4, 16, 2.2);
        }
        // Chain of office and the bell.
        for (int i = 0; i < 11; ++i) {
            double t = double(i) / 10;
            double a = kPi * (0.12 + 0.76 * t);
            double px = L.cx + std::cos(a) * 120, py = top - 10 + std::sin(a) * 110;
            EllipsePath(cr, px, py, 8, 6);
            Shade(cr, kHoney, px - 2, py - 2, 10, 2.2);
        }
        double bx = L.cx, by = top + 118;
        cairo_move_to(cr, bx - 26, by + 22);
        cairo_curve_to(cr, bx - 24, by - 10, bx - 16, by - 24, bx, by - 24);
        cairo_curve_to(cr, bx + 16, by - 24, bx + 24, by - 10, bx + 26, by + 22);
        cairo_close_path(cr);
        Shade(cr, kHoney, bx - 8, by - 14, 40);
        EllipsePath(cr, bx, by + 26, 7, 7);
        Shade(cr, kAmber, bx, by + 24, 8, 2.2);
    };
    L.back = [](cairo_t* cr, const Look& L, const State&) {
        const double R = L.R, x = L.cx, y = L.cy;
        EllipsePath(cr, x + 0.1 * R, y - 1.12 * R, 0.42 * R, 0.34 * R);
        Shade(cr, L.hair, x - 0.1 * R, y - 1.3 * R, 0.5 * R);
    };
    L.front = [](cairo_t* cr, const Look& L, const State&) {
        const double R = L.R, x = L.cx, y = L.cy;
        std::vector<double> hair = {x - 0.95 * R, y + 0.1 * R, x - 0.98 * R, y - 0.55 * R, x - 0.5 * R, y - 1.05 * R,
                                    x + 0.3 * R, y - 1.08 * R, x + 0.9 * R, y - 0.7 * R, x + 0.98 * R, y + 0.1 * R,
                                    x + 0.84 * R, y - 0.3 * R, x + 0.4 * R, y - 0.62 * R, x - 0.2 * R, y - 0.66 * R,
                                    x - 0.7 * R, y - 0.42 * R, x - 0.86 * R, y - 0.2 * R};
        SmoothClosedPath(cr, hair);
        Shade(cr, L.hair, x - 0.3 * R, y - R, 1.6 * R);
        for (int i = 0; i < 4; ++i) {
            cairo_move_to(cr, x - 0.7 * R + i * 0.4 * R, y - 0.6 * R);
            cairo_curve_to(cr, x - 0.55 * R + i * 0.4 * R, y - 0.85 * R, x - 0.3 * R + i * 0.35 * R, y - 0.98 * R,
                           x - 0.1 * R + i * 0.3 * R, y - 1.02 * R);
        }
        Stroke(cr, kStoneDark, 1.8, 0.5);
        // Spectacles.
        for (int side = -1; side <= 1; side += 2) {
            RoundedRectPath(cr, x + side * 0.36 * R - 0.2 * R, y - 0.18 * R, 0.4 * R, 0.3 * R, 0.1 * R);
            SetColor(cr, kWhite, 0.18);
            cairo_fill_preserve(cr);
            Stroke(cr, kBarkDark, 3.5);
            cairo_move_to(cr, x + side * 0.56 * R, y - 0.06 * R);
            cairo_line_to(cr, x + side * 0.86 * R, y - 0.1 * R);
            Stroke(cr, kBarkDark, 3);
        }
        cairo_move_to(cr, x - 0.16 * R, y - 0.06 * R);
        cairo_curve_to(cr, x - 0.06 * R, y - 0.12 * R, x + 0.06 * R, y - 0.12 * R, x + 0.16 * R, y - 0.06 * R);
        Stroke(cr, kBarkDark, 3);
        // Pearl earrings.
        for (int side = -1; side <= 1; side += 2) {
            EllipsePath(cr, x + side * 0.9 * R, y + 0.34 * R, 7, 7);
            Shade(cr, kPaper, x + side * 0.9 * R - 2, y + 0.32 * R, 8, 2);
        }
    };
    return L;
}

// Old Wen: weathered fisherwoman: yellow sou'wester, grey wisps, knit sweater, a shark-tooth charm.
Look OldWen() {
    Look L;
    L.coat = kDusk;
    L.legs = kHoney;
    L.skin = Hex(0xd49a74);
    L.hair = Hex(0xc9c3ba);
    L.brow = Hex(0x8f877a);
    L.iris = Hex(0x3e789f);
    L.wrinkles = true;
    L.jaw = 0.1;
    L.eye_size = 0.88;
    L.nose = 1;
    L.body = [](cairo_t* cr, const Look& L, const State&) {
        double top = L.cy + 1.1 * L.R;
        BustPath(cr, L, 164, top);
        Shade(cr, kDusk, L.cx - 60, top, 300);
        // Knit ribs.
        cairo_save(cr);
        BustPath(cr, L, 164, top);
        cairo_clip(cr);
        for (int i = -9; i <= 9; ++i) {
            for (int j = 0; j < 12; ++j) {
                double px = L.cx + i * 20, py = top + 20 + j * 22;
                cairo_move_to(cr, px - 6, py);
                cairo_line_to(cr, px, py + 8);
                cairo_line_to(cr, px + 6, py);
            }
        }
        Stroke(cr, kLavender, 2.0, 0.45);
        cairo_restore(cr);
        // Rolled collar.
        RoundedRectPath(cr, L.cx - 72, top - 6, 144, 34, 16);
        Shade(cr, Lighten(kDusk, 0.15), L.cx - 20, top - 4, 90);
        // Charm on a cord.
        cairo_move_to(cr, L.cx - 50, top + 20);
        cairo_curve_to(cr, L.cx - 30, top + 80, L.cx + 30, top + 80, L.cx + 50, top + 20);
        Stroke(cr, kBark, 3);
        cairo_move_to(cr, L.cx - 10, top + 68);
        cairo_line_to(cr, L.cx + 10, top + 68);
        cairo_line_to(cr, L.cx, top + 100);
        cairo_close_path(cr);
        Shade(cr, kPaper, L.cx, top + 70, 20, 2.5);
    };
    L.front = [](cairo_t* cr, const Look& L, const State&) {
        const double R = L.R, x = L.cx, y = L.cy;
        // Grey wisps escaping the hat.
        for (int side = -1; side <= 1; side += 2) {
            std::vector<double> w = {x + side * 0.7 * R, y - 0.5 * R, x + side * 1.05 * R, y - 0.2 * R,
                                     x + side * 1.12 * R, y + 0.3 * R, x + side * 0.95 * R, y + 0.1 * R,
                                     x + side * 0.86 * R, y - 0.25 * R};
            SmoothClosedPath(cr, w);
            Shade(cr, L.hair, x + side * 0.9 * R, y - 0.3 * R, 0.4 * R, 3);
        }
        // Sou'wester: crown plus a wide brim that dips at the back.
        cairo_new_sub_path(cr);
        cairo_arc(cr, x, y - 0.5 * R, 0.9 * R, kPi * 1.05, kPi * 1.95);
        cairo_close_path(cr);
        Shade(cr, kHoney, x - 0.3 * R, y - 1.2 * R, 1.2 * R);
        std::vector<double> brim = {x - 1.3 * R, y - 0.2 * R, x - 1.0 * R, y - 0.62 * R, x, y - 0.72 * R,
                                    x + 1.0 * R, y - 0.62 * R, x + 1.3 * R, y - 0.2 * R, x + 1.05 * R, y - 0.3 * R,
                                    x, y - 0.52 * R, x - 1.05 * R, y - 0.3 * R};
        SmoothClosedPath(cr, brim);
        Shade(cr, kHoney, x - 0.6 * R, y - 0.7 * R, 1.6 * R);
        for (int i = -2; i <= 2; ++i) {
            cairo_move_to(cr, x + i * 0.3 * R, y - 0.68 * R);
            cairo_line_to(cr, x + i * 0.22 * R, y - 1.3 * R);
        }
        Stroke(cr, kAmber, 2.0, 0.6);
        // Chin strap.
        cairo_move_to(cr, x - 0.88 * R, y - 0.2 * R);
        cairo_curve_to(cr, x - 0.8 * R, y + 0.6 * R, x - 0.4 * R, y + 1.02 * R, x, y + 1.04 * R);
        Stroke(cr, kAmber, 4, 0.9);
    };
    return L;
}

// Lilly: village child: pigtails with ribbons, big eyes, freckles, pinafore.
Look Lilly() {
    Look L;
    L.coat = kRose;
    L.legs = kPaper;
    L.skirt = true;
    L.shoes = kBerryDark;
    L.skin = Hex(0xf6d0b0);
    L.hair = Hex(0xe0b456);
    L.brow = Hex(0xa07a36);
    L.iris = Hex(0x7aa24a);
    L.R = 84;
    L.cy = 236;
    L.jaw = 0.18;
    L.eye_size = 1.2;
    L.lashes = true;
    L.freckles = true;
    L.brow_width = 0.05;
    L.back = [](cairo_t* cr, const Look& L, const State&) {
        const double R = L.R, x = L.cx, y = L.cy;
        for (int side = -1; side <= 1; side += 2) {
            std::vector<double> tail = {x + side * 0.85 * R, y - 0.55 * R, x + side * 1.35 * R, y - 0.45 * R,
                                        x + side * 1.45 * R, y + 0.2 * R, x + side * 1.3 * R, y + 0.8 * R,
                                        x + side * 1.12 * R, y + 0.3 * R, x + side * 0.95 * R, y - 0.1 * R};
            SmoothClosedPath(cr, tail);
            Shade(cr, L.hair, x + side * 1.2 * R, y - 0.3 * R, 0.8 * R);
        }
    };
    L.body = [](cairo_t* cr, const Look& L, const State&) {
        double top = L.cy + 1.08 * L.R;
        BustPath(cr, L, 132, top);
        Shade(cr, kRose, L.cx - 40, top, 220);
        std::vector<double> bib = {L.cx - 60, kH + 20, L.cx - 56, top + 40, L.cx + 56, top + 40, L.cx + 60, kH + 20};
        SmoothClosedPath(cr, bib);
        Shade(cr, kPaper, L.cx - 20, top + 40, 160);
        PaintFlower(cr, L.cx, top + 90, 16, kBerryRed, 5, 2.0);
        for (int side = -1; side <= 1; side += 2) {
            std::vector<double> c = {L.cx, top + 24, L.cx + side * 42, top - 4, L.cx + side * 56, top + 20,
                                     L.cx + side * 26, top + 36};
            SmoothClosedPath(cr, c);
            Shade(cr, kPaper, L.cx, top, 60, 2.5);
        }
    };
    L.front = [](cairo_t* cr, const Look& L, const State&) {
        const double R = L.R, x = L.cx, y = L.cy;
        std::vector<double> hair = {x - 0.96 * R, y + 0.0 * R, x - 0.98 * R, y - 0.6 * R, x - 0.5 * R, y - 1.1 * R,
                                    x + 0.3 * R, y - 1.12 * R, x + 0.9 * R, y - 0.7 * R, x + 0.96 * R, y + 0.0 * R,
                                    x + 0.8 * R, y - 0.4 * R, x + 0.5 * R, y - 0.52 * R, x + 0.3 * R, y - 0.4 * R,
                                    x + 0.1 * R, y - 0.55 * R, x - 0.2 * R, y - 0.42 * R, x - 0.45 * R, y - 0.56 * R,
                                    x - 0.8 * R, y - 0.42 * R};
        SmoothClosedPath(cr, hair);
        Shade(cr, L.hair, x - 0.3 * R, y - R, 1.6 * R);
        cairo_move_to(cr, x - 0.5 * R, y - 0.92 * R);
        cairo_curve_to(cr, x - 0.3 * R, y - 1.02 * R, x - 0.1 * R, y - 1.02 * R, x + 0.1 * R, y - 0.95 * R);
        Stroke(cr, kWhite, 4, 0.4);
        // Ribbons.
        for (int side = -1; side <= 1; side += 2) {
            double rx = x + side * 0.95 * R, ry = y - 0.55 * R;
            for (int s2 = -1; s2 <= 1; s2 += 2) {
                std::vector<double> bow = {rx, ry, rx + s2 * 22, ry - 16, rx + s2 * 24, ry + 14};
                SmoothClosedPath(cr, bow);
                Shade(cr, kBerryRed, rx, ry - 6, 24, 2.5);
            }
            EllipsePath(cr, rx, ry, 6, 6);
            Shade(cr, kBerryDark, rx, ry, 6, 2.2);
        }
    };
    return L;
}

// ---- sheets -----------------------------------------------------------------------------------

// Paints portrait state `st` of `look` into cell `cell` of `sheet`, masked by `region` (null: the
// whole portrait). The portrait is painted whole first and then copied through the mask in one go,
// so the soft mask edge blends identical pixels and leaves no seam.
void PaintCell(Canvas& sheet, int cell, int columns, const Look& look, const State& st,
               void (*region)(cairo_t*, const Look&)) {
    Canvas whole(kW, kH);
    DrawPortrait(whole.cr(), look, st);
    cairo_surface_flush(whole.surface());
    cairo_t* cr = sheet.cr();
    cairo_save(cr);
    cairo_translate(cr, (cell % columns) * kW, (cell / columns) * kH);
    cairo_rectangle(cr, 0, 0, kW, kH);
    cairo_clip(cr);
    if (region) {
        region(cr, look);
        cairo_clip(cr);
    }
    cairo_set_source_surface(cr, whole.surface(), 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
}

// The four talking/blinking overlays of a portrait showing expression `expr`.
void PaintFrames(Canvas& sheet, int first_cell, int columns, const Look& look, int expr) {
    State a{expr, 1, 0}, b{expr, 2, 0}, half{expr, 0, 1}, shut{expr, 0, 2};
    PaintCell(sheet, first_cell + 0, columns, look, a, MouthRegion);
    PaintCell(sheet, first_cell + 1, columns, look, b, MouthRegion);
    PaintCell(sheet, first_cell + 2, columns, look, half, EyeRegion);
    PaintCell(sheet, first_cell + 3, columns, look, shut, EyeRegion);
}

// A standing figure: the portrait's bust with a chibi lower body, in a 384 x 820 frame whose feet
// rest at y 800.
void DrawFigure(cairo_t* cr, const Look& L, bool to_waist) {
    const double x = L.cx;
    if (!to_waist) {
        double hem = L.skirt ? 700 : 650;
        double half = L.skirt ? 176 : 156;
        // Legs and shoes.
        for (int side = -1; side <= 1; side += 2) {
            double lx = x + side * (L.skirt ? 48 : 56);
            RoundedRectPath(cr, lx - 30, hem - 30, 60, 790 - hem + 10, 20);
            Shade(cr, L.legs, lx - 10, hem, 120);
            EllipsePath(cr, lx + side * 10, 792, 46, 22);
            Shade(cr, L.shoes, lx, 780, 50);
        }
        std::vector<double> coat = {x - 160, 470, x - 162, 560, x - half, hem, x, hem + 14, x + half, hem,
                                    x + 162, 560, x + 160, 470};
        SmoothClosedPath(cr, coat);
        Shade(cr, L.coat, x - 60, 520, 260);
    }
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, kW, kH);
    cairo_clip(cr);
    DrawPortrait(cr, L, State{});
    cairo_restore(cr);
    if (!to_waist) {
        // Belt over the seam between bust and coat.
        cairo_save(cr);
        cairo_rectangle(cr, x - 166, 500, 332, 24);
        cairo_clip(cr);
        BustPath(cr, L, 170, 300);
        Shade(cr, Darken(L.coat, 0.35), x, 505, 200, kLine);
        cairo_restore(cr);
        cairo_move_to(cr, x - 162, 500);
        cairo_line_to(cr, x + 162, 500);
        cairo_move_to(cr, x - 162, 524);
        cairo_line_to(cr, x + 162, 524);
        Stroke(cr, kOutline, kLine);
        RoundedRectPath(cr, x - 18, 498, 36, 28, 5);
        Shade(cr, kHoney, x - 6, 502, 30, 2.5);
    }
}

Look LookOf(int who) {
    switch (who) {
        case 0: return PlayerMale();
        case 1: return PlayerFemale();
        case 2: return Malcolm();
        case 3: return Zachary();
        case 4: return Hrafnirr();
        case 5: return HonestHarry();
        case 6: return Wildman();
        case 7: return Mayor();
        case 8: return OldWen();
        default: return Lilly();
    }
}

}  // namespace

bool PaintPortraits(const std::string& data_dir) {
    Output out(data_dir);
    // Player portraits 1000-1009: base, then overlays for moods 4, 2, 1, 3 (1001..1004).
    const int player_expr[5] = {kNeutral, kCross, kSurprised, kHappy, kWorried};
    const Look players[2] = {PlayerMale(), PlayerFemale()};
    Canvas player_sheet(5 * kW, 2 * kH);   // ids 1000..1009
    Canvas player_frames(8 * kW, 5 * kH);  // ids 1100..1139
    for (int p = 0; p < 2; ++p) {
        for (int e = 0; e < 5; ++e) {
            int id = 1000 + 5 * p + e;
            State st{player_expr[e], 0, 0};
            PaintCell(player_sheet, id - 1000, 5, players[p], st, e == 0 ? nullptr : ExpressionRegion);
            PaintFrames(player_frames, 4 * (id - 1000), 8, players[p], player_expr[e]);
        }
    }
    const Look cast[8] = {Malcolm(), Zachary(), Hrafnirr(), HonestHarry(),
                          Wildman(), Mayor(),   OldWen(),   Lilly()};
    Canvas cast_sheet(4 * kW, 2 * kH);    // ids 1010..1017
    Canvas cast_frames(8 * kW, 4 * kH);   // ids 1140..1171
    for (int i = 0; i < 8; ++i) {
        PaintCell(cast_sheet, i, 4, cast[i], State{}, nullptr);
        PaintFrames(cast_frames, 4 * i, 8, cast[i], kNeutral);
    }
    bool ok = out.SavePng(player_sheet, "Data/Graphics/Portraits/Player.png");
    ok = out.SavePng(player_frames, "Data/Graphics/Portraits/PlayerFrames.png") && ok;
    ok = out.SavePng(cast_sheet, "Data/Graphics/Portraits/Villagers.png") && ok;
    ok = out.SavePng(cast_frames, "Data/Graphics/Portraits/VillagerFrames.png") && ok;
    if (!ok) std::fprintf(stderr, "assetgen: could not write the portrait sheets\n");
    return ok;
}

void PaintFigure(cairo_t* cr, int who, double cx, double feet_y, double height, bool to_waist) {
    const Look look = LookOf(who);
    Canvas frame(kW, 820);
    DrawFigure(frame.cr(), look, to_waist);
    cairo_surface_flush(frame.surface());
    const double scale = height / 800.0;
    cairo_save(cr);
    cairo_translate(cr, cx - kW / 2.0 * scale, feet_y - (to_waist ? kH : 800) * scale);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, frame.surface(), 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
}
