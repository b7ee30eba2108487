// Hotspot pictures (3100-3299): things the player clicks in the scenes - doors, signposts, the
// notice board, the letter, people standing about, bushes, logs, trees, gates - and the dialogue
// pictures 4000-4003. Each is painted centred on its own transparent canvas (the game measures
// hit boxes about the picture's centre). world/README.md says where each one belongs.
#include <cmath>
#include <string>

#include "creatures/creatures.h"
#include "portraits/portraits.h"
#include "world/locations.h"
#include "world/scenery.h"

namespace {

std::string PicturePath(int id, const char* name) {
    return "Data/Graphics/Hotspots/" + std::to_string(id) + "_" + name + ".png";
}

// ---- small things ------------------------------------------------------------------------------

void Letter(Canvas& c) {
    cairo_t* cr = c.cr();
    cairo_translate(cr, 48, 34);
    cairo_scale(cr, 0.92, 0.92);
    cairo_rotate(cr, -0.12);
    // Folded paper peeking out of the envelope.
    cairo_rectangle(cr, -30, -30, 58, 40);
    FillOutline(cr, kPaper, 2.0);
    for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, -24, -22 + i * 9);
        cairo_curve_to(cr, -10, -25 + i * 9, 4, -19 + i * 9, 20, -22 + i * 9);
    }
    SetColor(cr, kBark, 0.7);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    RoundedRectPath(cr, -40, -12, 80, 44, 4);
    SetVerticalGradient(cr, -12, kParchment, 32, Darken(kParchment, 0.12));
    FillSourceOutline(cr, 2.5);
    cairo_move_to(cr, -40, -12);
    cairo_line_to(cr, 0, 14);
    cairo_line_to(cr, 40, -12);
    StrokeOutline(cr, 2.0);
    EllipsePath(cr, 0, 14, 9, 9);
    FillOutline(cr, kBerryRed, 2.0);
    PaintFlower(cr, 0, 14, 4, kRose, 5, 0.8);
}

void WoodenDoor(Canvas& c) {
    cairo_t* cr = c.cr();
    const double w = 124, h = 310, x = 6, y = 16;
    cairo_move_to(cr, x, y + h);
    cairo_line_to(cr, x, y + 62);
    cairo_curve_to(cr, x, y - 18, x + w, y - 18, x + w, y + 62);
    cairo_line_to(cr, x + w, y + h);
    cairo_close_path(cr);
    SetLinearGradient(cr, x, 0, kWoodLight, x + w, 0, kWood);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    for (int i = 1; i < 4; ++i) {
        cairo_move_to(cr, x + w * i / 4, y);
        cairo_line_to(cr, x + w * i / 4, y + h);
    }
    SetColor(cr, kOutline, 0.5);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (double hy : {y + 70, y + 250}) {
        cairo_rectangle(cr, x - 4, hy, w * 0.7, 14);
        FillOutline(cr, kStoneDark, 2.0);
        for (int k = 0; k < 3; ++k) {
            EllipsePath(cr, x + 12 + k * 28, hy + 7, 3, 3);
            SetColor(cr, kStoneLight);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
    StrokeOutline(cr, kOutlineWidth);
    EllipsePath(cr, x + w - 22, y + 180, 9, 9);
    FillOutline(cr, kHoney, 2.0);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - 22, y + 196, 9, 0, kWorldPi);
    StrokeOutline(cr, 3.0);
}

void GrandmaPicture(Canvas& c) {
    cairo_t* cr = c.cr();
    EllipsePath(cr, 44, 54, 40, 50);
    SetLinearGradient(cr, 4, 4, kHoneyLight, 84, 104, kAmber);
    FillSourceOutline(cr, 2.5);
    EllipsePath(cr, 44, 54, 30, 40);
    SetVerticalGradient(cr, 14, kSkyHaze, 94, kMossLight);
    FillSourceOutline(cr, 2.0);
    cairo_save(cr);
    EllipsePath(cr, 44, 54, 30, 40);
    cairo_clip(cr);
    PaintSpiggle(cr, 0, 44, 64, 0.2, Hex(0xe0b088), false);
    cairo_restore(cr);
    cairo_move_to(cr, 44, 4);
    cairo_line_to(cr, 44, -10);
    StrokeOutline(cr, 2.0);
}

void ShopDoor(Canvas& c) {
    cairo_t* cr = c.cr();
    const double x = 6, y = 6, w = 92, h = 148;
    RoundedRectPath(cr, x, y, w, h, 12);
    SetLinearGradient(cr, x, 0, Lighten(kMoss, 0.1), x + w, 0, kMossDark);
    FillSourceOutline(cr, kOutlineWidth);
    RoundedRectPath(cr, x + 16, y + 14, w - 32, 50, 8);
    SetVerticalGradient(cr, y + 14, kHoneyLight, y + 64, kAmber);
    FillSourceOutline(cr, 2.5);
    cairo_rectangle(cr, x + w / 2 - 2, y + 14, 4, 50);
    FillOutline(cr, kMossDark, 1.0);
    RoundedRectPath(cr, x + 14, y + 78, w - 28, 56, 6);
    StrokeOutline(cr, 2.0);
    // Hanging "open" plate with a coin.
    RoundedRectPath(cr, x + 22, y + 84, w - 44, 26, 6);
    FillOutline(cr, kCream, 2.0);
    PaintCoin(cr, x + w / 2, y + 97, 9, 1.5);
    EllipsePath(cr, x + w - 14, y + 100, 6, 6);
    FillOutline(cr, kHoney, 2.0);
}

void ShrineArch(Canvas& c) {
    cairo_t* cr = c.cr();
    Rng rng(3111);
    for (double px : {40.0, 180.0}) {
        RoundedRectPath(cr, px - 20, 50, 40, 196, 8);
        SetLinearGradient(cr, px - 20, 0, kStoneLight, px + 20, 0, kStoneDark);
        FillSourceOutline(cr, kOutlineWidth);
        for (int k = 0; k < 3; ++k) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, px, 100 + k * 50, 8, 0, 1.6 * kWorldPi);
        }
        SetColor(cr, kMossDark, 0.7);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, 4, 60);
    cairo_curve_to(cr, 60, 20, 160, 20, 216, 60);
    cairo_line_to(cr, 212, 80);
    cairo_curve_to(cr, 160, 48, 60, 48, 8, 80);
    cairo_close_path(cr);
    SetVerticalGradient(cr, 26, kStoneLight, 80, kStone);
    FillSourceOutline(cr, kOutlineWidth);
    for (int i = 0; i < 6; ++i) {
        EllipsePath(cr, 20 + i * 36 + rng.Range(-6, 6), 44 + (i == 0 || i == 5 ? 12 : 0), 14, 6);
        SetColor(cr, kMoss, 0.8);
        cairo_fill(cr);
    }
    // Rope and bell.
    cairo_move_to(cr, 110, 46);
    cairo_line_to(cr, 110, 92);
    StrokeOutline(cr, 3.0);
    cairo_move_to(cr, 96, 118);
    cairo_curve_to(cr, 96, 96, 124, 96, 124, 118);
    cairo_close_path(cr);
    FillOutline(cr, kHoney, 2.5);
    for (int i = 0; i < 4; ++i) {
        cairo_move_to(cr, 40 + i * 14, 66);
        cairo_line_to(cr, 44 + i * 14, 90 + (i % 2) * 10);
    }
    SetColor(cr, kMossDark);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
}

void NoticeBoard(Canvas& c) {
    cairo_t* cr = c.cr();
    Rng rng(3112);
    for (double px : {30.0, 130.0}) {
        cairo_rectangle(cr, px - 7, 40, 14, 136);
        SetLinearGradient(cr, px - 7, 0, kWoodLight, px + 7, 0, kBark);
        FillSourceOutline(cr, kOutlineWidth);
    }
    cairo_move_to(cr, 4, 34);
    cairo_line_to(cr, 80, 6);
    cairo_line_to(cr, 156, 34);
    cairo_line_to(cr, 150, 44);
    cairo_line_to(cr, 10, 44);
    cairo_close_path(cr);
    SetVerticalGradient(cr, 6, Lighten(kBerryRed, 0.1), 44, kBerryDark);
    FillSourceOutline(cr, kOutlineWidth);
    RoundedRectPath(cr, 14, 44, 132, 92, 6);
    SetVerticalGradient(cr, 44, kWoodLight, 136, kWood);
    FillSourceOutline(cr, kOutlineWidth);
    // Pinned notes (scribbles, a spiggle sketch, a statue sketch).
    const double notes[4][4] = {{22, 52, 40, 46}, {68, 50, 36, 34}, {110, 56, 30, 40}, {62, 90, 44, 38}};
    for (int i = 0; i < 4; ++i) {
        cairo_save(cr);
        cairo_translate(cr, notes[i][0] + notes[i][2] / 2, notes[i][1] + notes[i][3] / 2);
        cairo_rotate(cr, rng.Range(-0.15, 0.15));
        cairo_rectangle(cr, -notes[i][2] / 2, -notes[i][3] / 2, notes[i][2], notes[i][3]);
        FillOutline(cr, i == 2 ? kHoneyLight : kPaper, 1.8);
        if (i == 1) {
            PaintSpiggle(cr, 2, 0, 2, 0.09, kWhite, false);
        } else if (i == 3) {
            EllipsePath(cr, 0, -4, 8, 10);
            FillOutline(cr, kStoneLight, 1.5);
            cairo_rectangle(cr, -10, 6, 20, 8);
            FillOutline(cr, kStone, 1.5);
        } else {
            for (int k = 0; k < 4; ++k) {
                cairo_move_to(cr, -notes[i][2] / 2 + 5, -notes[i][3] / 2 + 8 + k * 9);
                cairo_line_to(cr, notes[i][2] / 2 - 5 - rng.Range(0, 10), -notes[i][3] / 2 + 8 + k * 9);
            }
            SetColor(cr, kBark, 0.6);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
        }
        EllipsePath(cr, 0, -notes[i][3] / 2 + 3, 3, 3);
        FillOutline(cr, kBerryRed, 1.0);
        cairo_restore(cr);
    }
}

enum class Icon { kBarn, kBell, kPine, kFish, kApple, kPeak, kHouse };

void SignIcon(cairo_t* cr, Icon icon, double x, double y) {
    Rng rng(7);
    switch (icon) {
        case Icon::kBarn:
            cairo_rectangle(cr, x - 14, y - 4, 28, 18);
            FillOutline(cr, kBerryRed, 2.0);
            cairo_move_to(cr, x - 18, y - 2);
            cairo_line_to(cr, x, y - 16);
            cairo_line_to(cr, x + 18, y - 2);
            cairo_close_path(cr);
            FillOutline(cr, Hex(0x8a5a48), 2.0);
            cairo_rectangle(cr, x - 6, y + 4, 12, 10);
            FillOutline(cr, kPaper, 1.5);
            break;
        case Icon::kBell:
            cairo_move_to(cr, x - 14, y + 12);
            cairo_curve_to(cr, x - 12, y - 14, x + 12, y - 14, x + 14, y + 12);
            cairo_close_path(cr);
            FillOutline(cr, kHoney, 2.0);
            EllipsePath(cr, x, y + 14, 4, 4);
            FillOutline(cr, kAmber, 1.5);
            break;
        case Icon::kPine:
            PaintPineTree(cr, x, y + 16, 34, kPine, rng, 1.5);
            break;
        case Icon::kFish:
            EllipsePath(cr, x - 2, y, 14, 8);
            FillOutline(cr, kWater, 2.0);
            cairo_move_to(cr, x + 10, y);
            cairo_line_to(cr, x + 20, y - 8);
            cairo_line_to(cr, x + 20, y + 8);
            cairo_close_path(cr);
            FillOutline(cr, kWater, 2.0);
            EllipsePath(cr, x - 9, y - 2, 2, 2);
            SetColor(cr, kOutline);
            cairo_fill(cr);
            break;
        case Icon::kApple:
            DrawBlob(cr, x, y + 2, 13, 12, kBerryRed, 2.0, rng, 0.02);
            cairo_move_to(cr, x, y - 8);
            cairo_line_to(cr, x + 2, y - 16);
            StrokeOutline(cr, 2.0);
            EllipsePath(cr, x + 7, y - 13, 6, 3);
            FillOutline(cr, kMoss, 1.5);
            break;
        case Icon::kPeak:
            cairo_move_to(cr, x - 20, y + 14);
            cairo_line_to(cr, x - 4, y - 14);
            cairo_line_to(cr, x + 4, y - 2);
            cairo_line_to(cr, x + 10, y - 8);
            cairo_line_to(cr, x + 20, y + 14);
            cairo_close_path(cr);
            FillOutline(cr, kStone, 2.0);
            cairo_move_to(cr, x - 4, y - 14);
            cairo_line_to(cr, x - 9, y - 5);
            cairo_line_to(cr, x + 1, y - 7);
            cairo_close_path(cr);
            FillOutline(cr, kWhite, 1.5);
            break;
        case Icon::kHouse:
            cairo_rectangle(cr, x - 12, y - 2, 24, 16);
            FillOutline(cr, kCream, 2.0);
            cairo_move_to(cr, x - 16, y);
            cairo_line_to(cr, x, y - 14);
            cairo_line_to(cr, x + 16, y);
            cairo_close_path(cr);
            FillOutline(cr, kBerryRed, 2.0);
            cairo_rectangle(cr, x - 4, y + 4, 8, 10);
            FillOutline(cr, kWood, 1.5);
            break;
    }
}

// A signpost: post, a board (arrow-shaped unless dir = 0) and an icon. 110 x 170.
void Signpost(Canvas& c, Icon icon, int dir) {
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 48, 40, 14, 126);
    SetLinearGradient(cr, 48, 0, kWoodLight, 62, 0, kBark);
    FillSourceOutline(cr, kOutlineWidth);
    Rng rng(3);
    PaintGrassTuft(cr, 46, 166, 14, kMoss, rng, 1.5);
    cairo_new_path(cr);
    if (dir == 0) {
        RoundedRectPath(cr, 12, 14, 86, 56, 8);
    } else {
        double tip = dir > 0 ? 106 : 4, back = dir > 0 ? 8 : 102, neck = dir > 0 ? 80 : 30;
        cairo_move_to(cr, back, 18);
        cairo_line_to(cr, neck, 18);
        cairo_line_to(cr, tip, 42);
        cairo_line_to(cr, neck, 66);
        cairo_line_to(cr, back, 66);
        cairo_close_path(cr);
    }
    SetVerticalGradient(cr, 14, kWoodLight, 70, kWood);
    FillSourceOutline(cr, kOutlineWidth);
    SignIcon(cr, icon, dir > 0 ? 46 : dir < 0 ? 64 : 55, 42);
}

// ---- things in the wild ------------------------------------------------------------------------

void BerryBush(Canvas& c) {
    cairo_t* cr = c.cr();
    Rng rng(3150);
    PaintBush(cr, 100, 164, 150, kMossDark, rng);
    for (int i = 0; i < 16; ++i) {
        double x = rng.Range(30, 170), y = rng.Range(40, 140);
        double dx = (x - 100) / 90, dy = (y - 110) / 80;
        if (dx * dx + dy * dy > 1) continue;
        DrawBlob(cr, x, y, 7, 7, i % 3 ? kPlum : kBerryRed, 1.8, rng, 0.02);
        DrawShine(cr, x - 2, y - 2, 2.5, 2, 0.8);
    }
}

void MushroomLog(Canvas& c) {
    cairo_t* cr = c.cr();
    Rng rng(3151);
    RoundedRectPath(cr, 20, 54, 190, 56, 28);
    SetVerticalGradient(cr, 54, Lighten(kBark, 0.15), 110, kBarkDark);
    FillSourceOutline(cr, kOutlineWidth);
    EllipsePath(cr, 196, 82, 22, 28);
    FillOutline(cr, kWoodLight, kOutlineWidth);
    for (int r = 1; r < 3; ++r) {
        EllipsePath(cr, 196, 82, 22 - r * 7, 28 - r * 9);
        StrokeOutline(cr, 1.5);
    }
    for (int i = 0; i < 4; ++i) {
        cairo_move_to(cr, 40 + i * 40, 64);
        cairo_line_to(cr, 60 + i * 40, 100);
    }
    SetColor(cr, kBarkDark, 0.6);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    EllipsePath(cr, 90, 56, 50, 8);
    SetColor(cr, kMoss, 0.8);
    cairo_fill(cr);
    const double caps[4][3] = {{50, 56, 16}, {80, 54, 12}, {140, 58, 18}, {30, 112, 12}};
    for (const auto& m : caps) {
        cairo_rectangle(cr, m[0] - m[2] * 0.25, m[1] - m[2] * 0.6, m[2] * 0.5, m[2] * 0.9);
        FillOutline(cr, kCream, 2.0);
        cairo_new_sub_path(cr);
        cairo_arc(cr, m[0], m[1] - m[2] * 0.5, m[2], kWorldPi, 2 * kWorldPi);
        cairo_close_path(cr);
        FillOutline(cr, kBerryRed, 2.0);
        EllipsePath(cr, m[0] - m[2] * 0.4, m[1] - m[2] * 0.9, m[2] * 0.18, m[2] * 0.14);
        EllipsePath(cr, m[0] + m[2] * 0.3, m[1] - m[2] * 0.8, m[2] * 0.14, m[2] * 0.12);
        SetColor(cr, kWhite);
        cairo_fill(cr);
    }
    for (int i = 0; i < 3; ++i) {
        double ax = 160 + i * 18, ay = 112;
        EllipsePath(cr, ax, ay, 7, 9);
        FillOutline(cr, kWood, 1.8);
        cairo_new_sub_path(cr);
        cairo_arc(cr, ax, ay - 6, 8, kWorldPi, 2 * kWorldPi);
        cairo_close_path(cr);
        FillOutline(cr, kBarkDark, 1.8);
    }
    PaintGrassTuft(cr, 110, 116, 16, kMoss, rng, 1.5);
}

void OvergrownTrail(Canvas& c) {
    cairo_t* cr = c.cr();
    Rng rng(3152);
    // Dark tunnel under brambles.
    cairo_move_to(cr, 40, 196);
    cairo_curve_to(cr, 30, 60, 210, 60, 200, 196);
    cairo_close_path(cr);
    SetRadialGradient(cr, 120, 150, 110, Hex(0x1e3326), Hex(0x35573c));
    cairo_fill(cr);
    for (int i = 0; i < 12; ++i) {
        double a = kWorldPi * (1.0 + i / 11.0);
        double bx = 120 + std::cos(a) * 84, by = 172 + std::sin(a) * 104;
        DrawBlob(cr, bx, by, rng.Range(22, 34), rng.Range(18, 28), i % 2 ? kMossDark : kPine, 2.5, rng, 0.1);
    }
    // Thorny stems across.
    for (int k = 0; k < 2; ++k) {
        cairo_move_to(cr, 30, 120 + k * 40);
        cairo_curve_to(cr, 90, 90 + k * 50, 150, 150 + k * 20, 214, 110 + k * 40);
        SetColor(cr, kBarkDark);
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    }
    // The mossy waystone with a compass rose.
    std::vector<double> stone = {150, 198, 146, 130, 170, 112, 196, 122, 204, 198};
    PaintRock(cr, stone, kStoneLight, rng, 2.5);
    StarPath(cr, 176, 156, 14, 5, 4);
    FillOutline(cr, kHoney, 1.8);
}

void FishingSpot(Canvas& c) {
    cairo_t* cr = c.cr();
    Rng rng(3160);
    // Bucket.
    cairo_move_to(cr, 26, 96);
    cairo_line_to(cr, 84, 96);
    cairo_line_to(cr, 78, 136);
    cairo_line_to(cr, 32, 136);
    cairo_close_path(cr);
    SetLinearGradient(cr, 26, 0, kStoneLight, 84, 0, kStoneDark);
    FillSourceOutline(cr, kOutlineWidth);
    EllipsePath(cr, 55, 96, 29, 7);
    FillOutline(cr, kWater, 2.0);
    cairo_move_to(cr, 40, 98);
    cairo_curve_to(cr, 44, 84, 56, 84, 58, 96);
    SetColor(cr, kWater);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    // Rod leaning on it with a line and a float.
    cairo_move_to(cr, 30, 136);
    cairo_line_to(cr, 96, 8);
    SetColor(cr, kOutline);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    cairo_move_to(cr, 30, 136);
    cairo_line_to(cr, 96, 8);
    SetColor(cr, kWoodLight);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_move_to(cr, 96, 8);
    cairo_curve_to(cr, 104, 40, 104, 80, 100, 110);
    SetColor(cr, kStoneDark);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    EllipsePath(cr, 100, 114, 6, 8);
    FillOutline(cr, kBerryRed, 1.5);
    EllipsePath(cr, 40, 124, 8, 5);
    FillOutline(cr, kWaterLight, 1.5);
}

void DeepPool(Canvas& c) {
    cairo_t* cr = c.cr();
    EllipsePath(cr, 130, 50, 124, 44);
    SetRadialGradient(cr, 130, 50, 124, Hex(0x1f3f5e), Hex(0x3e789f), 0.95, 0.0);
    cairo_fill(cr);
    for (int i = 0; i < 4; ++i) {
        cairo_new_sub_path(cr);
        cairo_save(cr);
        cairo_translate(cr, 130, 50);
        cairo_scale(cr, 1.0, 0.36);
        cairo_arc(cr, 0, 0, 24 + i * 24, 0.3 * i, 0.3 * i + 1.4 * kWorldPi);
        cairo_restore(cr);
        SetColor(cr, kWaterLight, 0.55 - i * 0.1);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    for (int i = 0; i < 3; ++i) {
        EllipsePath(cr, 100 + i * 30, 40 + (i % 2) * 12, 4, 4);
        SetColor(cr, kWhite, 0.7);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
}

void AppleTree(Canvas& c) {
    Rng rng(3170);
    PaintBigTree(c.cr(), 220, 500, 490, kMoss, rng, 22);
    PaintGrassTuft(c.cr(), 160, 504, 20, kMoss, rng, 2.0);
    PaintGrassTuft(c.cr(), 280, 504, 18, kMoss, rng, 2.0);
}

void GoodsBasket(Canvas& c) {
    cairo_t* cr = c.cr();
    Rng rng(3131);
    // Produce heaped in the basket: apples, fish tail, berries, mushroom.
    for (int i = 0; i < 5; ++i) DrawBlob(cr, 36 + i * 18, 44 - (i % 2) * 8, 12, 11, kBerryRed, 2.0, rng, 0.02);
    EllipsePath(cr, 110, 40, 22, 10);
    FillOutline(cr, kWater, 2.0);
    cairo_move_to(cr, 128, 40);
    cairo_line_to(cr, 142, 30);
    cairo_line_to(cr, 142, 50);
    cairo_close_path(cr);
    FillOutline(cr, kWater, 2.0);
    for (int i = 0; i < 4; ++i) DrawBlob(cr, 62 + i * 10, 30 + (i % 2) * 4, 5, 5, kPlum, 1.5, rng, 0.02);
    cairo_move_to(cr, 8, 48);
    cairo_line_to(cr, 146, 48);
    cairo_curve_to(cr, 140, 90, 130, 104, 120, 106);
    cairo_line_to(cr, 34, 106);
    cairo_curve_to(cr, 24, 104, 14, 90, 8, 48);
    cairo_close_path(cr);
    SetVerticalGradient(cr, 48, kWoodLight, 106, kWood);
    FillSourceOutline(cr, kOutlineWidth);
    for (int k = 1; k < 4; ++k) {
        cairo_move_to(cr, 10 + k * 2, 48 + k * 14);
        cairo_line_to(cr, 144 - k * 2, 48 + k * 14);
    }
    SetColor(cr, kBark, 0.7);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

// ---- mountain ----------------------------------------------------------------------------------

void HallGate(Canvas& c) {
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 0 + 10, 345);
    cairo_line_to(cr, 10, 100);
    cairo_curve_to(cr, 10, -10, 290, -10, 290, 100);
    cairo_line_to(cr, 290, 345);
    cairo_close_path(cr);
    SetLinearGradient(cr, 10, 0, Hex(0x8a807a), 290, 0, Hex(0x5e5652));
    FillSourceOutline(cr, kOutlineWidth);
    cairo_move_to(cr, 150, 20);
    cairo_line_to(cr, 150, 345);
    StrokeOutline(cr, kOutlineWidth);
    for (int side = -1; side <= 1; side += 2) {
        double cx = 150 + side * 70;
        RoundedRectPath(cr, cx - 44, 80, 88, 220, 10);
        SetColor(cr, kOutline, 0.2);
        cairo_fill_preserve(cr);
        StrokeOutline(cr, 2.0);
        // Rune and a gold ring handle.
        cairo_move_to(cr, cx - 16, 130);
        cairo_line_to(cr, cx, 170);
        cairo_line_to(cr, cx + 16, 130);
        cairo_move_to(cr, cx, 170);
        cairo_line_to(cr, cx, 230);
        SetColor(cr, kHoney);
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
        EllipsePath(cr, 150 + side * 22, 220, 12, 12);
        SetColor(cr, kOutline);
        cairo_set_line_width(cr, 7);
        cairo_stroke_preserve(cr);
        SetColor(cr, kHoney);
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    }
}

void LookoutTrail(Canvas& c) {
    cairo_t* cr = c.cr();
    cairo_translate(cr, 14, 4);
    Rng rng(3181);
    // Wooden steps up the ledge with a rope rail.
    for (int i = 0; i < 5; ++i) {
        double y = 140 - i * 26, x = 40 + i * 16;
        RoundedRectPath(cr, x, y, 90, 16, 4);
        SetVerticalGradient(cr, y, kWoodLight, y + 16, kWood);
        FillSourceOutline(cr, 2.5);
    }
    for (int i = 0; i < 3; ++i) {
        double px = 30 + i * 50, py = 150 - i * 52;
        cairo_rectangle(cr, px - 4, py - 40, 8, 46);
        FillOutline(cr, kBark, 2.0);
    }
    cairo_move_to(cr, 30, 112);
    cairo_curve_to(cr, 50, 110, 60, 80, 80, 60);
    cairo_curve_to(cr, 100, 50, 110, 34, 130, 8);
    SetColor(cr, kSand);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    PaintGrassTuft(cr, 140, 158, 16, kMossDark, rng, 1.5);
}

void RavinePath(Canvas& c) {
    cairo_t* cr = c.cr();
    cairo_translate(cr, 14, -8);
    Rng rng(3182);
    PaintRock(cr, {10, 196, 20, 120, 60, 90, 100, 110, 110, 196}, kStone, rng, 2.5);
    PaintPath(cr, {150, 200, 130, 150, 120, 110}, 70, 30, Mix(kSand, kStone, 0.4), 2.5);
    // Warning post with claw scratches.
    cairo_rectangle(cr, 150, 30, 12, 166);
    FillOutline(cr, kBark, 2.5);
    RoundedRectPath(cr, 120, 20, 72, 50, 6);
    SetVerticalGradient(cr, 20, kWoodLight, 70, kWood);
    FillSourceOutline(cr, kOutlineWidth);
    for (int k = 0; k < 3; ++k) {
        cairo_move_to(cr, 134 + k * 14, 26);
        cairo_curve_to(cr, 140 + k * 14, 40, 142 + k * 14, 52, 138 + k * 14, 66);
    }
    SetColor(cr, kBarkDark);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
}

void ClawRock(Canvas& c) {
    cairo_t* cr = c.cr();
    cairo_translate(cr, 12, 6);
    Rng rng(3183);
    PaintRock(cr, {10, 146, 14, 70, 60, 20, 140, 14, 190, 60, 194, 146}, kStoneLight, rng);
    for (int k = 0; k < 4; ++k) {
        cairo_move_to(cr, 60 + k * 24, 36);
        cairo_curve_to(cr, 72 + k * 24, 70, 76 + k * 24, 100, 68 + k * 24, 132);
    }
    SetColor(cr, Hex(0x2a2226), 0.8);
    cairo_set_line_width(cr, 7);
    cairo_stroke(cr);
}

void HallExit(Canvas& c) {
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 6, 296);
    cairo_line_to(cr, 6, 80);
    cairo_curve_to(cr, 6, 0, 174, 0, 174, 80);
    cairo_line_to(cr, 174, 296);
    cairo_close_path(cr);
    SetLinearGradient(cr, 6, 0, Hex(0x8a807a), 174, 0, Hex(0x5e5652));
    FillSourceOutline(cr, kOutlineWidth);
    cairo_move_to(cr, 30, 296);
    cairo_line_to(cr, 30, 90);
    cairo_curve_to(cr, 30, 26, 150, 26, 150, 90);
    cairo_line_to(cr, 150, 296);
    cairo_close_path(cr);
    SetVerticalGradient(cr, 30, kSkyHaze, 296, kMossLight);
    FillSourceOutline(cr, 2.5);
    PaintLight(cr, 90, 200, 90, kWhite, 0.5);
}

void ShrineTablet(Canvas& c) {
    cairo_t* cr = c.cr();
    Rng rng(3210);
    cairo_move_to(cr, 20, 214);
    cairo_line_to(cr, 24, 60);
    cairo_curve_to(cr, 30, 6, 170, 6, 176, 60);
    cairo_line_to(cr, 180, 214);
    cairo_close_path(cr);
    SetLinearGradient(cr, 20, 0, kStoneLight, 180, 0, kStoneDark);
    FillSourceOutline(cr, kOutlineWidth);
    // Thirteen carved little spirits in rows, and a spiral at the top.
    for (int i = 0; i < 13; ++i) {
        int row = i < 4 ? 0 : i < 8 ? 1 : 2;
        int col = row == 0 ? i : row == 1 ? i - 4 : i - 8;
        int n = row == 2 ? 5 : 4;
        double x = 100 + (col - (n - 1) / 2.0) * 30, y = 96 + row * 40;
        EllipsePath(cr, x, y, 10, 12);
        SetColor(cr, kStoneDark, 0.8);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        for (int s = -1; s <= 1; s += 2) {
            EllipsePath(cr, x + s * 4, y - 2, 1.8, 1.8);
            SetColor(cr, kStoneDark);
            cairo_fill(cr);
        }
    }
    cairo_new_sub_path(cr);
    for (double t = 0; t < 4 * kWorldPi; t += 0.2) {
        double r = 2 + t * 1.4;
        double x = 100 + std::cos(t) * r, y = 50 + std::sin(t) * r * 0.7;
        if (t == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
    }
    SetColor(cr, kMossDark, 0.8);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    for (int i = 0; i < 4; ++i) {
        EllipsePath(cr, 30 + i * 46 + rng.Range(-6, 6), 204, 24, 8);
        SetColor(cr, kMoss, 0.9);
        cairo_fill(cr);
    }
}

// ---- dialogue pictures -------------------------------------------------------------------------

void OpenLetter(Canvas& c) {
    cairo_t* cr = c.cr();
    Rng rng(4000);
    cairo_save(cr);
    cairo_translate(cr, 180, 220);
    cairo_rotate(cr, -0.04);
    RoundedRectPath(cr, -160, -205, 320, 410, 6);
    SetVerticalGradient(cr, -205, kPaper, 205, kParchment);
    FillSourceOutline(cr, kOutlineWidth);
    // Handwriting: wavy lines (the words are in the dialogue).
    for (int i = 0; i < 11; ++i) {
        double y = -160 + i * 24;
        double len = i == 10 ? 120 : rng.Range(200, 270);
        cairo_move_to(cr, -130, y);
        for (double x = -130; x < -130 + len; x += 12) {
            cairo_line_to(cr, x + 6, y + rng.Range(-4, 4));
        }
        SetColor(cr, Hex(0x4a3a6a), 0.75);
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
    }
    PaintSpiggle(cr, 0, 70, 140, 0.28, Hex(0xe0b088), true);
    // A little heart.
    cairo_move_to(cr, -90, 150);
    cairo_curve_to(cr, -120, 125, -100, 100, -90, 118);
    cairo_curve_to(cr, -80, 100, -60, 125, -90, 150);
    FillOutline(cr, kRose, 2.0);
    cairo_restore(cr);
}

void GiantSquid(Canvas& c) {
    cairo_t* cr = c.cr();
    Rng rng(4001);
    cairo_translate(cr, 180, 180);
    cairo_scale(cr, 0.88, 0.88);
    cairo_translate(cr, -180, -196);
    const Rgb body = Hex(0xb06aa0);
    for (int i = 0; i < 8; ++i) {
        double a = kWorldPi * (0.15 + 0.7 * i / 7.0);
        double x0 = 180 + std::cos(a) * 30, y0 = 200;
        double x1 = 180 + std::cos(a) * 150, y1 = 200 + std::sin(a) * 150;
        std::vector<double> pts = {x0, y0, (x0 + x1) / 2 + rng.Range(-30, 30), (y0 + y1) / 2, x1, y1,
                                   x1 + rng.Range(-20, 20), y1 + 10};
        std::vector<double> ring;
        // A tapering tentacle.
        size_t n = pts.size() / 2;
        std::vector<double> l, r;
        for (size_t k = 0; k < n; ++k) {
            size_t a0 = k == 0 ? 0 : k - 1, b0 = k + 1 < n ? k + 1 : n - 1;
            double dx = pts[2 * b0] - pts[2 * a0], dy = pts[2 * b0 + 1] - pts[2 * a0 + 1];
            double len = std::max(1e-6, std::hypot(dx, dy));
            double w = 14 * (1 - k / double(n)) + 2;
            l.push_back(pts[2 * k] - dy / len * w);
            l.push_back(pts[2 * k + 1] + dx / len * w);
            r.push_back(pts[2 * k] + dy / len * w);
            r.push_back(pts[2 * k + 1] - dx / len * w);
        }
        ring = l;
        for (size_t k = n; k-- > 0;) {
            ring.push_back(r[2 * k]);
            ring.push_back(r[2 * k + 1]);
        }
        SmoothClosedPath(cr, ring);
        SetLinearGradient(cr, x0, y0, Lighten(body, 0.1), x1, y1, Darken(body, 0.2));
        FillSourceOutline(cr, kOutlineWidth);
    }
    std::vector<double> mantle = {180, 20, 250, 90, 262, 170, 230, 220, 130, 220, 98, 170, 110, 90};
    SmoothClosedPath(cr, mantle);
    SetRadialGradient(cr, 150, 90, 180, Lighten(body, 0.3), Darken(body, 0.1));
    FillSourceOutline(cr, kOutlineWidth);
    for (int i = 0; i < 6; ++i) {
        EllipsePath(cr, rng.Range(130, 230), rng.Range(50, 150), rng.Range(6, 12), rng.Range(5, 9));
        SetColor(cr, Darken(body, 0.25), 0.5);
        cairo_fill(cr);
    }
    for (int s = -1; s <= 1; s += 2) {
        EllipsePath(cr, 180 + s * 36, 170, 20, 24);
        FillOutline(cr, kWhite, 2.5);
        EllipsePath(cr, 180 + s * 36 + 4, 174, 10, 12);
        SetColor(cr, kOutline);
        cairo_fill(cr);
        EllipsePath(cr, 180 + s * 36, 168, 4, 4);
        SetColor(cr, kWhite);
        cairo_fill(cr);
    }
}

void Adamant(Canvas& c) {
    cairo_t* cr = c.cr();
    Rng rng(4002);
    RoundedRectPath(cr, 6, 6, 408, 308, 20);
    SetVerticalGradient(cr, 6, Hex(0x4a4a6e), 314, Hex(0xc98a6a));
    FillSourceOutline(cr, kOutlineWidth);
    cairo_save(cr);
    RoundedRectPath(cr, 6, 6, 408, 308, 20);
    cairo_clip(cr);
    PaintMountains(cr, 0, 420, 260, 160, Hex(0x3a3450), rng, false, 2.0);
    // The beast: a huge dark spiggle silhouette with horns, spikes and glowing eyes.
    cairo_translate(cr, 210, 190);
    std::vector<double> beast;
    for (int i = 0; i < 26; ++i) {
        double a = 2 * kWorldPi * i / 26;
        double r = (std::sin(a) < -0.2 && i % 2) ? 118 : 96;
        beast.push_back(std::cos(a) * r * 1.5);
        beast.push_back(std::sin(a) * r * 0.85 + 20);
    }
    SmoothClosedPath(cr, beast);
    SetColor(cr, Hex(0x221a22));
    cairo_fill(cr);
    for (int s = -1; s <= 1; s += 2) {
        std::vector<double> horn = {s * 60.0, -50, s * 120.0, -100, s * 150.0, -160, s * 110.0, -110, s * 50.0, -30};
        SmoothClosedPath(cr, horn);
        SetColor(cr, Hex(0x221a22));
        cairo_fill(cr);
        EllipsePath(cr, s * 40, -10, 16, 9);
        SetColor(cr, kHoney);
        cairo_fill(cr);
        PaintLight(cr, s * 40, -10, 40, kHoney, 0.6);
    }
    for (int s = -1; s <= 1; s += 2) {
        cairo_move_to(cr, s * 24, 40);
        cairo_line_to(cr, s * 14, 40);
        cairo_line_to(cr, s * 19, 66);
        cairo_close_path(cr);
        SetColor(cr, kWhite);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void ValleyMap(Canvas& c) {
    cairo_t* cr = c.cr();
    Rng rng(4003);
    cairo_translate(cr, 240, 180);
    cairo_scale(cr, 0.93, 0.93);
    cairo_translate(cr, -240, -180);
    RoundedRectPath(cr, 14, 12, 452, 336, 18);
    SetRadialGradient(cr, 240, 180, 300, kPaper, kParchment);
    FillSourceOutline(cr, kOutlineWidth);
    cairo_save(cr);
    RoundedRectPath(cr, 14, 12, 452, 336, 18);
    cairo_clip(cr);
    // Lake, forest, mountain, village, orchard, ranch.
    EllipsePath(cr, 360, 250, 80, 46);
    FillOutline(cr, kWaterLight, 2.0);
    for (int i = 0; i < 6; ++i) PaintPineTree(cr, 60 + i * 22, 130 + (i % 2) * 14, 46, kMoss, rng, 1.5);
    cairo_move_to(cr, 260, 120);
    cairo_line_to(cr, 320, 40);
    cairo_line_to(cr, 380, 120);
    cairo_close_path(cr);
    FillOutline(cr, kStone, 2.0);
    cairo_move_to(cr, 320, 40);
    cairo_line_to(cr, 306, 60);
    cairo_line_to(cr, 334, 60);
    cairo_close_path(cr);
    FillOutline(cr, kWhite, 1.5);
    for (int i = 0; i < 3; ++i) {
        cairo_rectangle(cr, 200 + i * 24, 200, 18, 16);
        FillOutline(cr, kCream, 1.5);
        cairo_move_to(cr, 198 + i * 24, 202);
        cairo_line_to(cr, 209 + i * 24, 190);
        cairo_line_to(cr, 220 + i * 24, 202);
        cairo_close_path(cr);
        FillOutline(cr, kBerryRed, 1.5);
    }
    for (int i = 0; i < 3; ++i) {
        DrawBlob(cr, 120 + i * 26, 270, 12, 11, kMoss, 1.5, rng, 0.05);
        DrawBlob(cr, 120 + i * 26, 268, 3, 3, kBerryRed, 1.0, rng, 0.0);
    }
    cairo_rectangle(cr, 60, 220, 30, 22);
    FillOutline(cr, kBerryRed, 1.5);
    // Dotted paths between them.
    const double route[] = {75, 230, 150, 215, 230, 208, 300, 150, 320, 120, 230, 208, 330, 240, 230, 208, 140, 265};
    for (int k = 0; k < 8; k += 2) {
        cairo_move_to(cr, route[k], route[k + 1]);
        cairo_line_to(cr, route[k + 2], route[k + 3]);
    }
    cairo_move_to(cr, route[10], route[11]);
    cairo_line_to(cr, route[12], route[13]);
    cairo_move_to(cr, route[14], route[15]);
    cairo_line_to(cr, route[16], route[17]);
    double dash[] = {6, 6};
    cairo_set_dash(cr, dash, 2, 0);
    SetColor(cr, kBark, 0.8);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    // Little stars where statues hide.
    for (int i = 0; i < 13; ++i) {
        StarPath(cr, rng.Range(40, 440), rng.Range(40, 320), 7, 3, 5);
        FillOutline(cr, kHoney, 1.2);
    }
    cairo_restore(cr);
}

// ---- people ------------------------------------------------------------------------------------

void Figure(Output& out, int id, const char* name, int who, int w, int h, double height) {
    Canvas c(w, h);
    PaintFigure(c.cr(), who, w / 2.0, h - 6, height, false);
    out.SavePng(c, PicturePath(id, name));
}

}  // namespace

bool PaintHotspotPictures(Output& out) {
    struct Simple {
        int id;
        const char* name;
        int w, h;
        void (*paint)(Canvas&);
    };
    const Simple simple[] = {
        {3100, "Letter", 96, 72, Letter},
        {3101, "Door", 136, 330, WoodenDoor},
        {3102, "GrandmasPicture", 88, 108, GrandmaPicture},
        {3110, "StoreDoor", 104, 160, ShopDoor},
        {3111, "ShrineArch", 220, 250, ShrineArch},
        {3112, "NoticeBoard", 160, 180, NoticeBoard},
        {3131, "GoodsBasket", 154, 112, GoodsBasket},
        {3150, "BerryBush", 200, 170, BerryBush},
        {3151, "MushroomLog", 232, 124, MushroomLog},
        {3152, "OvergrownTrail", 240, 200, OvergrownTrail},
        {3160, "FishingSpot", 112, 142, FishingSpot},
        {3161, "DeepPool", 260, 100, DeepPool},
        {3170, "AppleTree", 440, 520, AppleTree},
        {3180, "HallGate", 300, 350, HallGate},
        {3181, "LookoutTrail", 230, 170, LookoutTrail},
        {3182, "RavinePath", 230, 200, RavinePath},
        {3183, "ClawRock", 230, 166, ClawRock},
        {3191, "HallExit", 180, 300, HallExit},
        {3210, "ShrineTablet", 200, 220, ShrineTablet},
        {4000, "OpenLetter", 360, 440, OpenLetter},
        {4001, "GiantSquid", 360, 360, GiantSquid},
        {4002, "Adamant", 420, 320, Adamant},
        {4003, "ValleyMap", 480, 360, ValleyMap},
    };
    for (const Simple& s : simple) {
        Canvas c(s.w, s.h);
        s.paint(c);
        out.SavePng(c, s.id >= 4000 ? "Data/Graphics/Dialogue/" + std::to_string(s.id) + "_" + s.name + ".png"
                                    : PicturePath(s.id, s.name));
    }
    struct Sign {
        int id;
        const char* name;
        Icon icon;
        int dir;
    };
    const Sign signs[] = {{3113, "SignRanch", Icon::kBarn, -1},     {3114, "SignZachary", Icon::kBell, -1},
                          {3115, "SignForest", Icon::kPine, 1},     {3116, "SignLake", Icon::kFish, 1},
                          {3117, "SignOrchard", Icon::kApple, 1},   {3118, "SignMountain", Icon::kPeak, 1},
                          {3119, "SignVillage", Icon::kHouse, 0}};
    for (const Sign& s : signs) {
        Canvas c(110, 170);
        Signpost(c, s.icon, s.dir);
        out.SavePng(c, PicturePath(s.id, s.name));
    }
    Figure(out, 3120, "Mayor", 7, 150, 250, 240);
    Figure(out, 3121, "Lilly", 9, 110, 180, 172);
    Figure(out, 3122, "Zachary", 3, 160, 260, 248);
    Figure(out, 3123, "HonestHarry", 5, 150, 250, 240);
    Figure(out, 3124, "OldWen", 8, 150, 240, 230);
    Figure(out, 3125, "Hrafnirr", 4, 130, 210, 200);
    Figure(out, 3126, "Wildman", 6, 170, 260, 250);
    {
        // Malcolm behind his counter: only the upper body, cut at the counter top (lower edge).
        Canvas c(200, 250);
        PaintFigure(c.cr(), 2, 100, 250, 380, true);
        out.SavePng(c, PicturePath(3127, "MalcolmAtCounter"));
    }
    return out.ok();
}
