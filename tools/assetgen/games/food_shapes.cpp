// Food and catch shapes (see food_shapes.h).
#include "games/food_shapes.h"

#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;
}

void DrawFish(cairo_t* cr, double cx, double cy, double length, Rgb body, Rgb fin, double lw) {
    double l = length, h = length * 0.42;
    double nose = cx - l / 2, tail = cx + l / 2;
    double body_end = tail - l * 0.22;
    // Tail fin.
    cairo_new_path(cr);
    cairo_move_to(cr, body_end - l * 0.04, cy);
    cairo_curve_to(cr, body_end + l * 0.08, cy - h * 0.2, tail - l * 0.04, cy - h * 0.55, tail, cy - h * 0.5);
    cairo_curve_to(cr, tail - l * 0.06, cy - h * 0.1, tail - l * 0.06, cy + h * 0.1, tail, cy + h * 0.5);
    cairo_curve_to(cr, tail - l * 0.04, cy + h * 0.55, body_end + l * 0.08, cy + h * 0.2, body_end - l * 0.04, cy);
    cairo_close_path(cr);
    FillOutline(cr, fin, lw);
    // Top fin.
    cairo_new_path(cr);
    cairo_move_to(cr, cx - l * 0.12, cy - h * 0.42);
    cairo_curve_to(cr, cx - l * 0.05, cy - h * 0.8, cx + l * 0.1, cy - h * 0.75, cx + l * 0.14, cy - h * 0.38);
    cairo_close_path(cr);
    FillOutline(cr, fin, lw);
    // Body.
    cairo_new_path(cr);
    cairo_move_to(cr, nose, cy + h * 0.05);
    cairo_curve_to(cr, nose + l * 0.1, cy - h * 0.6, body_end - l * 0.2, cy - h * 0.6, body_end, cy);
    cairo_curve_to(cr, body_end - l * 0.2, cy + h * 0.6, nose + l * 0.1, cy + h * 0.55, nose, cy + h * 0.05);
    cairo_close_path(cr);
    SetVerticalGradient(cr, cy - h * 0.5, Lighten(body, 0.3), cy + h * 0.5, Darken(body, 0.15));
    FillSourceOutline(cr, lw);
    // Belly, gill, eye.
    cairo_new_path(cr);
    cairo_move_to(cr, nose + l * 0.12, cy + h * 0.22);
    cairo_curve_to(cr, nose + l * 0.3, cy + h * 0.36, body_end - l * 0.25, cy + h * 0.3, body_end - l * 0.1, cy + h * 0.12);
    SetColor(cr, kWhite, 0.45);
    cairo_set_line_width(cr, std::max(1.0, lw));
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_arc(cr, nose + l * 0.2, cy, h * 0.28, -0.9, 0.9);
    SetColor(cr, Darken(body, 0.4), 0.8);
    cairo_set_line_width(cr, std::max(1.0, lw * 0.7));
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_arc(cr, nose + l * 0.11, cy - h * 0.1, h * 0.11, 0, 2 * kPi);
    FillOutline(cr, kWhite, lw * 0.6);
    cairo_new_path(cr);
    cairo_arc(cr, nose + l * 0.105, cy - h * 0.1, h * 0.055, 0, 2 * kPi);
    SetColor(cr, kOutline);
    cairo_fill(cr);
}

void DrawApple(cairo_t* cr, double cx, double cy, double r, double lw) {
    // Stalk and leaf behind the top dimple.
    cairo_new_path(cr);
    cairo_move_to(cr, cx, cy - r * 0.6);
    cairo_curve_to(cr, cx, cy - r * 0.9, cx + r * 0.1, cy - r * 1.05, cx + r * 0.2, cy - r * 1.15);
    SetColor(cr, kOutline);
    cairo_set_line_width(cr, lw * 2.2);
    cairo_stroke_preserve(cr);
    SetColor(cr, kBark);
    cairo_set_line_width(cr, lw);
    cairo_stroke(cr);
    DrawLeaf(cr, cx + r * 0.08, cy - r * 0.88, r * 0.7, r * 0.32, -0.45, kMoss, lw);
    cairo_new_path(cr);
    cairo_move_to(cr, cx, cy - r * 0.62);
    cairo_curve_to(cr, cx + r * 0.5, cy - r * 1.05, cx + r * 1.05, cy - r * 0.55, cx + r * 0.95, cy + r * 0.05);
    cairo_curve_to(cr, cx + r * 0.9, cy + r * 0.7, cx + r * 0.45, cy + r * 0.98, cx, cy + r * 0.85);
    cairo_curve_to(cr, cx - r * 0.45, cy + r * 0.98, cx - r * 0.9, cy + r * 0.7, cx - r * 0.95, cy + r * 0.05);
    cairo_curve_to(cr, cx - r * 1.05, cy - r * 0.55, cx - r * 0.5, cy - r * 1.05, cx, cy - r * 0.62);
    cairo_close_path(cr);
    SetRadialGradient(cr, cx - r * 0.35, cy - r * 0.3, r * 1.4, Lighten(kBerryRed, 0.35), kBerryDark);
    FillSourceOutline(cr, lw);
    DrawShine(cr, cx - r * 0.45, cy - r * 0.25, r * 0.22, r * 0.3, 0.75);
}

void DrawAcorn(cairo_t* cr, double cx, double cy, double height, double lw) {
    double h = height, w = height * 0.62;
    double cap_y = cy - h * 0.12;
    // Nut.
    cairo_new_path(cr);
    cairo_move_to(cr, cx - w * 0.42, cap_y);
    cairo_curve_to(cr, cx - w * 0.45, cy + h * 0.25, cx - w * 0.1, cy + h * 0.45, cx, cy + h * 0.48);
    cairo_curve_to(cr, cx + w * 0.1, cy + h * 0.45, cx + w * 0.45, cy + h * 0.25, cx + w * 0.42, cap_y);
    cairo_close_path(cr);
    SetLinearGradient(cr, cx - w / 2, 0, kWoodLight, cx + w / 2, 0, kBark);
    FillSourceOutline(cr, lw);
    DrawShine(cr, cx - w * 0.18, cy + h * 0.1, w * 0.08, h * 0.12, 0.6);
    // Cap with a little stalk.
    cairo_new_path(cr);
    cairo_move_to(cr, cx, cy - h * 0.3);
    cairo_line_to(cr, cx + w * 0.06, cy - h * 0.48);
    SetColor(cr, kOutline);
    cairo_set_line_width(cr, lw * 2);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - w * 0.52, cap_y + h * 0.04);
    cairo_curve_to(cr, cx - w * 0.52, cy - h * 0.4, cx + w * 0.52, cy - h * 0.4, cx + w * 0.52, cap_y + h * 0.04);
    cairo_curve_to(cr, cx + w * 0.2, cap_y + h * 0.1, cx - w * 0.2, cap_y + h * 0.1, cx - w * 0.52, cap_y + h * 0.04);
    cairo_close_path(cr);
    SetVerticalGradient(cr, cy - h * 0.35, kEarth, cap_y, Darken(kEarth, 0.25));
    FillSourceOutline(cr, lw);
    // Cap texture.
    for (int i = -2; i <= 2; ++i) {
        cairo_new_path(cr);
        cairo_arc(cr, cx + i * w * 0.18, cap_y - h * 0.06, w * 0.06, 0, 2 * kPi);
        SetColor(cr, Darken(kEarth, 0.4), 0.6);
        cairo_fill(cr);
    }
}

void DrawMushroom(cairo_t* cr, double cx, double cy, double height, double lw) {
    double h = height, w = height * 0.95;
    // Stem.
    cairo_new_path(cr);
    cairo_move_to(cr, cx - w * 0.16, cy - h * 0.05);
    cairo_curve_to(cr, cx - w * 0.2, cy + h * 0.25, cx - w * 0.24, cy + h * 0.4, cx - w * 0.22, cy + h * 0.48);
    cairo_line_to(cr, cx + w * 0.22, cy + h * 0.48);
    cairo_curve_to(cr, cx + w * 0.24, cy + h * 0.4, cx + w * 0.2, cy + h * 0.25, cx + w * 0.16, cy - h * 0.05);
    cairo_close_path(cr);
    SetLinearGradient(cr, cx - w * 0.2, 0, kPaper, cx + w * 0.2, 0, kParchment);
    FillSourceOutline(cr, lw);
    // Cap.
    cairo_new_path(cr);
    cairo_move_to(cr, cx - w * 0.5, cy + h * 0.02);
    cairo_curve_to(cr, cx - w * 0.5, cy - h * 0.5, cx + w * 0.5, cy - h * 0.5, cx + w * 0.5, cy + h * 0.02);
    cairo_curve_to(cr, cx + w * 0.2, cy + h * 0.1, cx - w * 0.2, cy + h * 0.1, cx - w * 0.5, cy + h * 0.02);
    cairo_close_path(cr);
    SetRadialGradient(cr, cx - w * 0.15, cy - h * 0.3, w * 0.7, Lighten(kBerryRed, 0.3), kBerryDark);
    FillSourceOutline(cr, lw);
    const double spots[4][3] = {{-0.22, -0.15, 0.08}, {0.12, -0.25, 0.07}, {0.28, -0.06, 0.06}, {-0.02, -0.02, 0.05}};
    for (const auto& s : spots) {
        cairo_new_path(cr);
        cairo_arc(cr, cx + s[0] * w, cy + s[1] * h, s[2] * w, 0, 2 * kPi);
        SetColor(cr, kPaper);
        cairo_fill(cr);
    }
}

void DrawBerry(cairo_t* cr, double cx, double cy, double r, Rgb color, double lw) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    SetRadialGradient(cr, cx - r * 0.35, cy - r * 0.35, r * 1.4, Lighten(color, 0.35), Darken(color, 0.15));
    FillSourceOutline(cr, lw);
    DrawShine(cr, cx - r * 0.35, cy - r * 0.38, r * 0.28, r * 0.22, 0.85);
    cairo_new_path(cr);
    for (int i = 0; i < 4; ++i) {
        double a = kPi / 4 + i * kPi / 2;
        cairo_move_to(cr, cx + r * 0.35, cy + r * 0.35);
        cairo_line_to(cr, cx + r * 0.35 + std::cos(a) * r * 0.18, cy + r * 0.35 + std::sin(a) * r * 0.18);
    }
    SetColor(cr, Darken(color, 0.5), 0.8);
    cairo_set_line_width(cr, std::max(0.8, lw * 0.5));
    cairo_stroke(cr);
}

void DrawLeaf(cairo_t* cr, double x, double y, double length, double width, double angle, Rgb color,
              double lw) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    double l = length, w = width / 2;
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, l * 0.25, -w * 1.2, l * 0.75, -w * 1.0, l, 0);
    cairo_curve_to(cr, l * 0.75, w * 1.0, l * 0.25, w * 1.2, 0, 0);
    cairo_close_path(cr);
    SetLinearGradient(cr, 0, -w, Lighten(color, 0.3), 0, w, Darken(color, 0.1));
    FillSourceOutline(cr, lw);
    cairo_new_path(cr);
    cairo_move_to(cr, l * 0.08, 0);
    cairo_line_to(cr, l * 0.85, 0);
    for (int i = 1; i <= 3; ++i) {
        double t = 0.2 * i + 0.05;
        cairo_move_to(cr, l * t, 0);
        cairo_line_to(cr, l * (t + 0.12), -w * 0.55);
        cairo_move_to(cr, l * t, 0);
        cairo_line_to(cr, l * (t + 0.12), w * 0.55);
    }
    SetColor(cr, Darken(color, 0.35), 0.6);
    cairo_set_line_width(cr, std::max(0.8, lw * 0.5));
    cairo_stroke(cr);
    cairo_restore(cr);
}
