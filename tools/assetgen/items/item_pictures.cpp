// One 64 x 64 picture per inventory item, centred, with a soft ground shadow so items sit in
// their cells.
#include "items/item_pictures.h"

#include <cmath>
#include <string>

#include "games/food_shapes.h"
#include "painters.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kLine = 2.0;  // outline weight of 64-px item pictures

void Shadow(cairo_t* cr, double cx, double cy, double rx) {
    EllipsePath(cr, cx, cy, rx, rx * 0.22);
    SetColor(cr, kOutline, 0.18);
    cairo_fill(cr);
}

void Meat(cairo_t* cr, double cx, double cy, double s) {
    // A drumstick: bone with knobs and a rounded meaty end.
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, -0.7);
    cairo_scale(cr, s, s);
    RoundedRectPath(cr, 2, -4, 22, 8, 4);
    FillOutline(cr, kPaper, kLine / s);
    for (int k = -1; k <= 1; k += 2) {
        cairo_new_path(cr);
        cairo_arc(cr, 24, k * 4.5, 5, 0, 2 * kPi);
        FillOutline(cr, kPaper, kLine / s);
    }
    cairo_new_path(cr);
    cairo_arc(cr, -8, 0, 14, 0, 2 * kPi);
    SetRadialGradient(cr, -12, -5, 18, kBlush, Mix(kBerryRed, kWood, 0.35));
    FillSourceOutline(cr, kLine / s);
    DrawShine(cr, -12, -6, 4, 2.5, 0.6);
    cairo_restore(cr);
}

void Potion(cairo_t* cr, double cx, double cy, double s) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, s, s);
    const double lw = kLine / s;
    // Round flask with a neck and cork.
    cairo_new_path(cr);
    cairo_move_to(cr, -5, -14);
    cairo_line_to(cr, -5, -6);
    cairo_curve_to(cr, -18, -2, -18, 20, 0, 20);
    cairo_curve_to(cr, 18, 20, 18, -2, 5, -6);
    cairo_line_to(cr, 5, -14);
    cairo_close_path(cr);
    SetColor(cr, kSkyHaze, 0.9);
    FillSourceOutline(cr, lw);
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 8, 12.5, 0, 2 * kPi);
    cairo_clip(cr);
    cairo_rectangle(cr, -20, 2, 40, 30);
    SetVerticalGradient(cr, 2, kMossLight, 22, kMoss);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, -11, 4);
    cairo_curve_to(cr, -5, 6, 5, 2, 11, 4);
    SetColor(cr, kWhite, 0.6);
    cairo_set_line_width(cr, lw * 0.8);
    cairo_stroke(cr);
    RoundedRectPath(cr, -6, -20, 12, 8, 2);
    FillOutline(cr, kWood, lw);
    DrawShine(cr, -6, 6, 2.5, 5, 0.7);
    // A little heart label.
    cairo_new_path(cr);
    cairo_arc(cr, 4, 12, 3, 0, 2 * kPi);
    SetColor(cr, kRose);
    cairo_fill(cr);
    cairo_restore(cr);
}

void Brush(cairo_t* cr, double cx, double cy, Rgb back, Rgb bristle, bool fine) {
    // Seen from the side: a rounded wooden back on a thick row of bristles, tilted a little.
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, -0.25);
    if (fine) {  // a slim handle
        RoundedRectPath(cr, -30, -12, 22, 7, 3.5);
        SetVerticalGradient(cr, -12, Lighten(back, 0.3), -5, back);
        FillSourceOutline(cr, kLine);
    }
    cairo_rectangle(cr, -17, -2, 36, 13);
    SetVerticalGradient(cr, -2, bristle, 11, Lighten(bristle, 0.35));
    FillSourceOutline(cr, kLine);
    for (int i = 0; i < (fine ? 11 : 8); ++i) {
        double x = -14 + i * (fine ? 3.0 : 4.2);
        cairo_move_to(cr, x, 1);
        cairo_line_to(cr, x, 10);
    }
    SetColor(cr, Darken(bristle, 0.35), 0.7);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, -20, 0);
    cairo_curve_to(cr, -20, -14, 22, -14, 22, 0);
    cairo_close_path(cr);
    SetVerticalGradient(cr, -12, Lighten(back, 0.3), 0, Darken(back, 0.1));
    FillSourceOutline(cr, kLine);
    cairo_new_path(cr);
    cairo_arc(cr, 1, -5, 2.5, 0, 2 * kPi);
    FillOutline(cr, kHoney, 1.2);
    cairo_restore(cr);
    if (fine) {
        PaintSparkle(cr, cx + 20, cy - 16, 8, kHoneyLight);
        PaintSparkle(cr, cx + 24, cy + 8, 5, kWhite);
    }
}

void GrassSheaf(cairo_t* cr, double cx, double base) {
    // Seven long blades fanning out of a tied bundle.
    const double angles[7] = {-0.55, 0.5, -0.32, 0.3, -0.12, 0.12, 0.0};
    const Rgb colors[3] = {kMossDark, kMoss, kMossLight};
    for (int i = 0; i < 7; ++i) {
        double a = angles[i], len = 38 - std::fabs(a) * 12;
        cairo_save(cr);
        cairo_translate(cr, cx, base);
        cairo_rotate(cr, a);
        cairo_new_path(cr);
        cairo_move_to(cr, -3, 0);
        cairo_curve_to(cr, -4, -len * 0.5, -2, -len * 0.85, a < 0 ? -3 : 3, -len);
        cairo_curve_to(cr, 3, -len * 0.8, 4, -len * 0.5, 3, 0);
        cairo_close_path(cr);
        SetVerticalGradient(cr, -len, Lighten(colors[i % 3], 0.2), 0, Darken(colors[i % 3], 0.1));
        FillSourceOutline(cr, 1.6);
        cairo_restore(cr);
    }
    RoundedRectPath(cr, cx - 9, base - 15, 18, 7, 3);
    FillOutline(cr, kSand, 1.6);
}

void Lure(cairo_t* cr, double cx, double cy, Rgb body, double size) {
    // A fishing lure: bright body, eye, and a hook on a ring.
    cairo_new_path(cr);
    cairo_arc(cr, cx + size * 0.55, cy + size * 0.25, size * 0.22, -kPi * 0.1, kPi * 1.0);
    SetColor(cr, kOutline);
    cairo_set_line_width(cr, kLine * 1.8);
    cairo_stroke_preserve(cr);
    SetColor(cr, kStoneLight);
    cairo_set_line_width(cr, kLine * 0.8);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - size * 0.6, cy);
    cairo_curve_to(cr, cx - size * 0.3, cy - size * 0.45, cx + size * 0.3, cy - size * 0.35, cx + size * 0.45, cy);
    cairo_curve_to(cr, cx + size * 0.3, cy + size * 0.35, cx - size * 0.3, cy + size * 0.45, cx - size * 0.6, cy);
    cairo_close_path(cr);
    SetLinearGradient(cr, cx - size * 0.6, cy - size * 0.4, Lighten(body, 0.35), cx + size * 0.4, cy + size * 0.4,
                      Darken(body, 0.15));
    FillSourceOutline(cr, kLine);
    // Stripes and eye.
    for (int i = 0; i < 2; ++i) {
        double x = cx - size * 0.05 + i * size * 0.18;
        cairo_move_to(cr, x, cy - size * 0.28);
        cairo_line_to(cr, x - size * 0.06, cy + size * 0.28);
    }
    SetColor(cr, kWhite, 0.6);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_arc(cr, cx - size * 0.35, cy - size * 0.05, size * 0.09, 0, 2 * kPi);
    FillOutline(cr, kHoney, 1.2);
    // Line ring at the nose.
    cairo_new_path(cr);
    cairo_arc(cr, cx - size * 0.66, cy, size * 0.07, 0, 2 * kPi);
    StrokeOutline(cr, 1.5);
}

void Squid(cairo_t* cr, double cx, double cy) {
    // Tentacles, mantle, eyes.
    for (int i = 0; i < 6; ++i) {
        double x = cx - 12 + i * 5;
        cairo_new_path(cr);
        cairo_move_to(cr, x, cy + 2);
        cairo_curve_to(cr, x - 4, cy + 12, x + 4, cy + 18, x + (i % 2 ? 4 : -4), cy + 24);
        SetColor(cr, kOutline);
        cairo_set_line_width(cr, 6.5);
        cairo_stroke_preserve(cr);
        SetColor(cr, kRose);
        cairo_set_line_width(cr, 3.5);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, cx, cy - 26);
    cairo_curve_to(cr, cx + 12, cy - 18, cx + 16, cy - 2, cx + 15, cy + 6);
    cairo_line_to(cr, cx - 15, cy + 6);
    cairo_curve_to(cr, cx - 16, cy - 2, cx - 12, cy - 18, cx, cy - 26);
    cairo_close_path(cr);
    SetRadialGradient(cr, cx - 4, cy - 14, 26, Lighten(kRose, 0.3), kBerryRed);
    FillSourceOutline(cr, kLine);
    for (int s = -1; s <= 1; s += 2) {
        cairo_new_path(cr);
        cairo_arc(cr, cx + s * 6, cy - 2, 3.5, 0, 2 * kPi);
        FillOutline(cr, kWhite, 1.2);
        cairo_new_path(cr);
        cairo_arc(cr, cx + s * 6, cy - 1.5, 1.6, 0, 2 * kPi);
        SetColor(cr, kOutline);
        cairo_fill(cr);
    }
    DrawShine(cr, cx - 5, cy - 16, 3, 4, 0.6);
}

void Compass(cairo_t* cr, double cx, double cy) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy - 22, 4, 0, 2 * kPi);
    StrokeOutline(cr, 2.5);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, 20, 0, 2 * kPi);
    SetRadialGradient(cr, cx - 6, cy - 6, 26, kHoneyLight, kAmber);
    FillSourceOutline(cr, kLine);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, 15, 0, 2 * kPi);
    FillOutline(cr, kPaper, 1.5);
    for (int i = 0; i < 8; ++i) {
        double a = i * kPi / 4;
        double r0 = i % 2 == 0 ? 11.5 : 13;
        cairo_move_to(cr, cx + std::cos(a) * r0, cy + std::sin(a) * r0);
        cairo_line_to(cr, cx + std::cos(a) * 14.5, cy + std::sin(a) * 14.5);
    }
    SetColor(cr, kEarth);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    // Needle: red half to the north-east.
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, 0.5);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -12);
    cairo_line_to(cr, 3.2, 0);
    cairo_line_to(cr, -3.2, 0);
    cairo_close_path(cr);
    FillOutline(cr, kBerryRed, 1);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 12);
    cairo_line_to(cr, 3.2, 0);
    cairo_line_to(cr, -3.2, 0);
    cairo_close_path(cr);
    FillOutline(cr, kStoneLight, 1);
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, 2, 0, 2 * kPi);
    FillOutline(cr, kHoney, 1);
    DrawShine(cr, cx - 7, cy - 8, 4, 2.5, 0.5);
}

void PackTag(cairo_t* cr) {
    // "Ten-pack" marker: a little twine-tied paper tag with ten dots.
    cairo_save(cr);
    cairo_translate(cr, 46, 46);
    cairo_rotate(cr, -0.25);
    RoundedRectPath(cr, -12, -9, 24, 18, 4);
    FillOutline(cr, kPaper, 1.6);
    for (int i = 0; i < 10; ++i) {
        cairo_new_path(cr);
        cairo_arc(cr, -7.5 + (i % 5) * 3.75, -3 + (i / 5) * 6, 1.3, 0, 2 * kPi);
        SetColor(cr, kBerryRed);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void Crate(cairo_t* cr) {
    RoundedRectPath(cr, 8, 26, 48, 30, 4);
    SetVerticalGradient(cr, 26, kWoodLight, 56, kWood);
    FillSourceOutline(cr, kLine);
    cairo_move_to(cr, 8, 41);
    cairo_line_to(cr, 56, 41);
    StrokeOutline(cr, 1.5);
}

void PaintItem(Output& out, const ItemPicture& item, int index) {
    Canvas c(64, 64);
    cairo_t* cr = c.cr();
    Rng rng(5000 + index);
    switch (item.id) {
        case 5001:
            Shadow(cr, 32, 50, 20);
            DrawFish(cr, 32, 34, 48, kWater, kWaterLight, kLine);
            break;
        case 5002:
            Shadow(cr, 32, 52, 26);
            DrawFish(cr, 32, 33, 60, kAmber, kHoney, kLine);
            break;
        case 5003:
            Shadow(cr, 32, 54, 16);
            DrawApple(cr, 32, 36, 18, kLine);
            break;
        case 5004:
            Shadow(cr, 32, 54, 22);
            DrawAcorn(cr, 22, 38, 28, kLine);
            DrawAcorn(cr, 40, 36, 30, kLine);
            DrawAcorn(cr, 31, 44, 24, kLine);
            break;
        case 5005:
            Shadow(cr, 32, 54, 22);
            DrawLeaf(cr, 30, 24, 24, 12, -0.7, kMoss, 1.6);
            for (int i = 0; i < 6; ++i) {
                const double pos[6][2] = {{22, 40}, {34, 38}, {44, 42}, {28, 48}, {40, 49}, {32, 30}};
                DrawBerry(cr, pos[i][0], pos[i][1], 7, i % 2 ? kBerryRed : kPlum, 1.6);
            }
            break;
        case 5006:
            Shadow(cr, 32, 54, 22);
            GrassSheaf(cr, 32, 54);
            break;
        case 5007:
            Shadow(cr, 32, 55, 18);
            DrawMushroom(cr, 32, 34, 40, kLine);
            break;
        case 5008:
            Shadow(cr, 32, 54, 20);
            Meat(cr, 30, 32, 1.1);
            break;
        case 5009:
            Shadow(cr, 32, 52, 22);
            Brush(cr, 32, 36, kWood, kSand, false);
            break;
        case 5010:
            Shadow(cr, 32, 52, 22);
            Brush(cr, 32, 36, kLavender, kPaper, true);
            break;
        case 5011:
            Shadow(cr, 32, 56, 16);
            Potion(cr, 32, 34, 1.15);
            break;
        case 5012:
            Crate(cr);
            Meat(cr, 24, 24, 0.75);
            Meat(cr, 40, 22, 0.75);
            PackTag(cr);
            break;
        case 5013:
            Crate(cr);
            Potion(cr, 20, 22, 0.7);
            Potion(cr, 34, 20, 0.7);
            PackTag(cr);
            break;
        case 5014:
            Shadow(cr, 32, 56, 18);
            Compass(cr, 32, 34);
            break;
        case 5015:
            Shadow(cr, 32, 50, 20);
            Lure(cr, 32, 32, kBerryRed, 40);
            break;
        case 5016:
            Shadow(cr, 32, 52, 24);
            Lure(cr, 32, 32, kHoney, 50);
            break;
        case 5017:
            Shadow(cr, 32, 50, 22);
            DrawFish(cr, 32, 33, 54, kBerryRed, kRose, kLine);
            break;
        case 5018:
            Shadow(cr, 32, 58, 18);
            Squid(cr, 32, 32);
            break;
        case 5019: {  // Grandma's letter: envelope with a red seal
            Shadow(cr, 32, 52, 24);
            cairo_save(cr);
            cairo_translate(cr, 32, 32);
            cairo_rotate(cr, -0.12);
            RoundedRectPath(cr, -24, -15, 48, 32, 3);
            SetVerticalGradient(cr, -15, kPaper, 17, kParchment);
            FillSourceOutline(cr, kLine);
            cairo_move_to(cr, -24, -15);
            cairo_line_to(cr, 0, 4);
            cairo_line_to(cr, 24, -15);
            StrokeOutline(cr, 1.6);
            cairo_new_path(cr);
            cairo_arc(cr, 0, 4, 5.5, 0, 2 * kPi);
            FillOutline(cr, kBerryRed, 1.5);
            cairo_restore(cr);
            break;
        }
        case 5020: {  // jam jar
            Shadow(cr, 32, 56, 18);
            RoundedRectPath(cr, 16, 20, 32, 34, 8);
            SetVerticalGradient(cr, 20, kBerryRed, 54, kBerryDark);
            FillSourceOutline(cr, kLine);
            RoundedRectPath(cr, 14, 12, 36, 10, 3);
            FillOutline(cr, kStoneLight, kLine);
            cairo_new_path(cr);
            cairo_move_to(cr, 12, 20);
            cairo_curve_to(cr, 20, 26, 44, 26, 52, 20);
            cairo_line_to(cr, 50, 12);
            cairo_line_to(cr, 14, 12);
            cairo_close_path(cr);
            SetColor(cr, kRose);
            FillSourceOutline(cr, 1.6);
            RoundedRectPath(cr, 20, 32, 24, 14, 3);
            FillOutline(cr, kPaper, 1.5);
            DrawBerry(cr, 32, 39, 4, kPlum, 1);
            DrawShine(cr, 21, 30, 2, 5, 0.6);
            break;
        }
        case 5021: {  // coin purse with coins
            Shadow(cr, 32, 56, 22);
            PaintCoin(cr, 46, 48, 8, 1.5);
            cairo_new_path(cr);
            cairo_move_to(cr, 24, 18);
            cairo_curve_to(cr, 10, 28, 10, 54, 30, 54);
            cairo_curve_to(cr, 50, 54, 50, 28, 38, 18);
            cairo_close_path(cr);
            SetRadialGradient(cr, 26, 32, 30, kWoodLight, kBark);
            FillSourceOutline(cr, kLine);
            cairo_move_to(cr, 22, 20);
            cairo_line_to(cr, 40, 20);
            SetColor(cr, kOutline);
            cairo_set_line_width(cr, 5);
            cairo_stroke_preserve(cr);
            SetColor(cr, kHoney);
            cairo_set_line_width(cr, 2.5);
            cairo_stroke(cr);
            PaintCoin(cr, 18, 50, 7, 1.5);
            break;
        }
        default: {  // spirit statue
            Shadow(cr, 32, 58, 18);
            RoundedRectPath(cr, 18, 48, 28, 10, 2);
            SetVerticalGradient(cr, 48, kStoneLight, 58, kStoneDark);
            FillSourceOutline(cr, kLine);
            DrawBlob(cr, 32, 34, 13, 15, kStone, kLine, rng, 0.03);
            for (int s = -1; s <= 1; s += 2) {
                cairo_new_path(cr);
                cairo_arc(cr, 32 + s * 5, 31, 1.8, 0, 2 * kPi);
                SetColor(cr, kStoneDark);
                cairo_fill(cr);
            }
            PaintSparkle(cr, 47, 18, 8, kHoneyLight);
            break;
        }
    }
    out.SavePng(c, "Data/Graphics/Items/" + std::string(item.file) + ".png");
}

}  // namespace

bool PaintItems(Output& out) {
    for (int i = 0; i < kItemPictureCount; ++i) PaintItem(out, kItemPictures[i], i);
    return out.ok();
}
