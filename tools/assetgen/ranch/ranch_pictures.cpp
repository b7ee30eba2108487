// The ranch scene: background (1024 x 768, never scrolls), the main fence drawn over the animals,
// pen-extension fences, the four repair states, slot frames and the pregnancy clock.
//
// Layout (screen pixels): the shelf board holds the food row (y 64) and tools row (y 144) from
// x 312 plus the two storage slots at (792, 144) and (872, 144). Pens stand in three diagonal
// columns, column A through (296, 556), (382, 422), (428, 332); columns B and C lie 200 and 400 px
// to the right. The paddock's fences follow lines parallel to column A.
#include <cmath>
#include <cstdio>
#include <string>

#include "painters.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// x of column A's line at screen height y; fence line k lies at ColumnA(y) - 100 + 200 k
// (k = 0 left edge, 1 between A and B, 2 between B and C, 3 right edge).
double ColumnA(double y) { return 296 + (556 - y) * (132.0 / 224.0); }
double FenceLine(int k, double y) { return ColumnA(y) - 100 + 200 * k; }

constexpr double kBackY = 286;   // back fence
constexpr double kFrontY = 664;  // front fence

// A perspective fence from (x0, y0) (far) to (x1, y1) (near): posts shrink with distance.
void PerspectiveFence(cairo_t* cr, double x0, double y0, double x1, double y1, int posts, Rng& rng,
                      Rgb wood = kWood) {
    auto height = [](double y) { return 26 + (y - 280) * 0.09; };
    const double lw = 2.5;
    // Two rails.
    for (int k = 0; k < 2; ++k) {
        double f = k == 0 ? 0.8 : 0.4;
        cairo_new_path(cr);
        cairo_move_to(cr, x0, y0 - height(y0) * f);
        cairo_line_to(cr, x1, y1 - height(y1) * f);
        SetColor(cr, kOutline);
        cairo_set_line_width(cr, 9);
        cairo_stroke_preserve(cr);
        SetColor(cr, Lighten(wood, 0.1));
        cairo_set_line_width(cr, 9 - 2 * lw);
        cairo_stroke(cr);
    }
    for (int i = 0; i <= posts; ++i) {
        double t = static_cast<double>(i) / posts;
        double x = x0 + (x1 - x0) * t, y = y0 + (y1 - y0) * t;
        double h = height(y) * rng.Range(0.95, 1.08), w = 6 + (y - 280) * 0.012;
        cairo_new_path(cr);
        cairo_move_to(cr, x - w / 2, y + 2);
        cairo_line_to(cr, x - w / 2, y - h + w * 0.5);
        cairo_line_to(cr, x, y - h);
        cairo_line_to(cr, x + w / 2, y - h + w * 0.5);
        cairo_line_to(cr, x + w / 2, y + 2);
        cairo_close_path(cr);
        SetLinearGradient(cr, x - w / 2, 0, Lighten(wood, 0.25), x + w / 2, 0, Darken(wood, 0.1));
        FillSourceOutline(cr, lw);
    }
}

void PaddockPath(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, FenceLine(0, kBackY), kBackY);
    cairo_line_to(cr, FenceLine(3, kBackY), kBackY);
    cairo_line_to(cr, FenceLine(3, kFrontY), kFrontY);
    cairo_line_to(cr, FenceLine(0, kFrontY), kFrontY);
    cairo_close_path(cr);
}

void PaintBarn(cairo_t* cr, Rng& rng) {
    const double lw = kOutlineWidth;
    // Body.
    cairo_new_path(cr);
    cairo_move_to(cr, 10, 470);
    cairo_line_to(cr, 10, 330);
    cairo_line_to(cr, 110, 250);
    cairo_line_to(cr, 210, 330);
    cairo_line_to(cr, 210, 470);
    cairo_close_path(cr);
    SetVerticalGradient(cr, 250, Lighten(kBerryRed, 0.1), 470, kBerryDark);
    FillSourceOutline(cr, lw);
    // Planks.
    for (double x = 30; x < 210; x += 20) {
        cairo_move_to(cr, x, 470);
        cairo_line_to(cr, x, std::max(330 - (100 - std::fabs(x - 110)) * 0.8, 262.0));
    }
    SetColor(cr, kBerryDark, 0.6);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // Roof edge.
    cairo_new_path(cr);
    cairo_move_to(cr, -4, 340);
    cairo_line_to(cr, 110, 238);
    cairo_line_to(cr, 224, 340);
    SetColor(cr, kOutline);
    cairo_set_line_width(cr, 16);
    cairo_stroke_preserve(cr);
    SetColor(cr, kCream);
    cairo_set_line_width(cr, 10);
    cairo_stroke(cr);
    // Door with the cross beams and the hayloft.
    cairo_rectangle(cr, 62, 380, 96, 90);
    SetVerticalGradient(cr, 380, kWoodLight, 470, kWood);
    FillSourceOutline(cr, lw);
    cairo_move_to(cr, 62, 380);
    cairo_line_to(cr, 158, 470);
    cairo_move_to(cr, 158, 380);
    cairo_line_to(cr, 62, 470);
    cairo_move_to(cr, 110, 380);
    cairo_line_to(cr, 110, 470);
    StrokeOutline(cr, 2.5);
    cairo_rectangle(cr, 88, 300, 44, 40);
    SetVerticalGradient(cr, 300, kHoneyLight, 340, kAmber);
    FillSourceOutline(cr, lw);
    for (int i = 0; i < 6; ++i) {
        cairo_move_to(cr, 92 + i * 7, 340);
        cairo_line_to(cr, 90 + i * 7 + rng.Range(-3, 3), 326);
    }
    SetColor(cr, kAmber);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void PaintShelf(cairo_t* cr, Rng& rng) {
    const double lw = kOutlineWidth;
    // A market-stall shelf: two posts, a shingled awning, a plank back wall and two ledges (the
    // food row at y 64 and the tools row at y 144), with a stone crate for the storage slots.
    for (double x : {282.0, 902.0}) {
        cairo_rectangle(cr, x - 9, 14, 18, 232);
        SetLinearGradient(cr, x - 9, 0, kWood, x + 9, 0, kBark);
        FillSourceOutline(cr, lw);
    }
    cairo_rectangle(cr, 270, 24, 644, 162);
    SetVerticalGradient(cr, 24, Mix(kWoodLight, kCream, 0.25), 186, kWoodLight);
    FillSourceOutline(cr, lw);
    for (double x = 310; x < 910; x += 40) {
        cairo_move_to(cr, x, 26);
        cairo_line_to(cr, x, 184);
    }
    SetColor(cr, Darken(kWoodLight, 0.3), 0.45);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    for (int i = 0; i < 18; ++i) {
        double x = rng.Range(280, 900), y = rng.Range(30, 180);
        cairo_new_path(cr);
        cairo_arc(cr, x, y, rng.Range(2, 4), 0, 2 * kPi);
        SetColor(cr, Darken(kWoodLight, 0.25), 0.35);
        cairo_fill(cr);
    }
    // Awning: scalloped shingles in berry and cream.
    cairo_new_path(cr);
    cairo_move_to(cr, 256, 22);
    cairo_line_to(cr, 928, 22);
    cairo_line_to(cr, 928, 4);
    cairo_line_to(cr, 256, 4);
    cairo_close_path(cr);
    FillOutline(cr, kBerryRed, lw);
    for (int i = 0; i < 14; ++i) {
        double x = 256 + i * 48;
        cairo_new_path(cr);
        cairo_move_to(cr, x, 20);
        cairo_arc_negative(cr, x + 24, 20, 24, kPi, 0);
        cairo_close_path(cr);
        FillOutline(cr, i % 2 ? kBerryRed : kCream, 2.5);
    }
    // Shelf ledges under each row.
    for (double y : {100.0, 180.0}) {
        RoundedRectPath(cr, 262, y, 660, 12, 5);
        SetVerticalGradient(cr, y, kWoodLight, y + 12, kWood);
        FillSourceOutline(cr, 2.5);
    }
    // The storage crate behind the two storage slots.
    RoundedRectPath(cr, 748, 106, 168, 74, 8);
    SetVerticalGradient(cr, 106, Lighten(kStone, 0.2), 180, kStoneDark);
    FillSourceOutline(cr, 2.5);
}

void PaintRanchBackground(Output& out) {
    Canvas c(1024, 768);
    cairo_t* cr = c.cr();
    Rng rng(3003);
    PaintSky(cr, 0, 0, 1024, 420, kSkyTop, kSkyHaze);
    for (int i = 0; i < 3; ++i) {
        PaintCloud(cr, 150 + i * 360 + rng.Range(-40, 40), 60 + rng.Range(0, 80), rng.Range(160, 230), rng, 0.9);
    }
    PaintHills(cr, 0, 1024, 200, 30, 768, Mix(kMossLight, kSky, 0.4), rng, 0);
    for (double x = 230; x < 1050; x += rng.Range(40, 70)) {
        if (x > 250 && x < 935) continue;  // the shelf stands there
        PaintRoundTree(cr, x, 236 + rng.Range(-6, 6), rng.Range(70, 100), Mix(kMossDark, kSky, 0.15), rng, 2);
    }
    PaintHills(cr, 0, 1024, 250, 12, 768, kMossLight, rng, kOutlineWidth);
    // A hedge behind the paddock, at the foot of the shelf.
    for (double x = 262; x < 940; x += rng.Range(52, 70)) {
        PaintBush(cr, x, 262 + rng.Range(-3, 3), rng.Range(70, 90), Mix(kMoss, kMossDark, 0.5), rng, 2.5);
    }
    // The paddock: trodden grass inside the fences.
    PaddockPath(cr);
    SetVerticalGradient(cr, kBackY, Mix(kMossLight, kSand, 0.35), kFrontY, Mix(kMoss, kSand, 0.25));
    cairo_fill(cr);
    for (int i = 0; i < 70; ++i) {
        double y = rng.Range(kBackY + 10, kFrontY - 4);
        double x = rng.Range(FenceLine(0, y) + 8, FenceLine(3, y) - 8);
        PaintGrassTuft(cr, x, y, 8 + (y - 280) * 0.03, Mix(kMoss, kMossDark, 0.4), rng, 0);
    }
    // Outside the paddock at the front: a sandy lane with flowers.
    PaintPath(cr, {0, 720, 300, 706, 640, 716, 1024, 700}, 60, 70, kSand, 2.5);
    for (int i = 0; i < 26; ++i) {
        double x = rng.Range(0, 1024), y = rng.Range(676, 764);
        if (rng.Chance(0.5)) {
            PaintGrassTuft(cr, x, y, rng.Range(12, 20), kMoss, rng, 1.5);
        } else {
            const Rgb petals[3] = {kWhite, kRose, kHoneyLight};
            PaintFlower(cr, x, y, rng.Range(4, 7), petals[rng.Int(0, 2)], 5, 1.3);
        }
    }
    PaintBarn(cr, rng);
    // Hay and a water butt beside the barn.
    DrawBlob(cr, 230, 505, 38, 26, kHoney, kOutlineWidth, rng, 0.05);
    RoundedRectPath(cr, 40, 478, 44, 56, 10);
    SetLinearGradient(cr, 40, 0, kWoodLight, 84, 0, kBark);
    FillSourceOutline(cr, kOutlineWidth);
    // Back and right fences (behind the animals).
    PerspectiveFence(cr, FenceLine(0, kBackY), kBackY, FenceLine(3, kBackY), kBackY, 12, rng);
    PerspectiveFence(cr, FenceLine(3, kBackY), kBackY, FenceLine(3, kFrontY), kFrontY, 7, rng);
    PaintShelf(cr, rng);
    out.SaveJpeg(c, "Data/Graphics/Ranch/Ranch.jpg");
}

void PaintMainFence(Output& out) {
    // 282, drawn centred at (256, 384) over the animals: 1400 x 768 covers screen x -444..956.
    Canvas c(1400, 768);
    cairo_t* cr = c.cr();
    cairo_translate(cr, 700 - 256, 0);  // screen coordinates from here on
    Rng rng(282);
    PerspectiveFence(cr, FenceLine(0, kBackY), kBackY, FenceLine(0, kFrontY), kFrontY, 7, rng);
    PerspectiveFence(cr, FenceLine(0, kFrontY), kFrontY, FenceLine(3, kFrontY), kFrontY, 10, rng);
    // A little gate sign post at the front left.
    PaintGrassTuft(cr, FenceLine(0, kFrontY) + 10, kFrontY + 4, 18, kMoss, rng, 1.5);
    PaintGrassTuft(cr, FenceLine(3, kFrontY) - 6, kFrontY + 4, 16, kMoss, rng, 1.5);
    out.SavePng(c, "Data/Graphics/Ranch/Fence.png");
}

// Canvas for the pictures drawn centred at (552, 500): 800 x 480 covers x 152..952, y 260..740.
constexpr double kOverlayW = 800, kOverlayH = 480;
void ToOverlay(cairo_t* cr) { cairo_translate(cr, kOverlayW / 2 - 552, kOverlayH / 2 - 500); }

void PaintExtensions(Output& out) {
    // 279-281: the dividers between pen columns, drawn over the animals.
    for (int level = 1; level <= 3; ++level) {
        Canvas c(static_cast<int>(kOverlayW), static_cast<int>(kOverlayH));
        cairo_t* cr = c.cr();
        ToOverlay(cr);
        Rng rng(278 + level);
        int dividers = std::min(level, 2);
        for (int k = 1; k <= dividers; ++k) {
            PerspectiveFence(cr, FenceLine(k, kBackY), kBackY, FenceLine(k, kFrontY), kFrontY, 7, rng,
                             Mix(kWood, kWoodLight, 0.4));
        }
        if (level == 3) {
            // All nine pens: garlands of flowers hung on the dividers.
            for (int k = 1; k <= 2; ++k) {
                for (int i = 0; i < 4; ++i) {
                    double y = kBackY + 40 + i * 95;
                    const Rgb petals[3] = {kRose, kHoneyLight, kWhite};
                    PaintFlower(cr, FenceLine(k, y), y - 22 - (y - 280) * 0.05, 6, petals[(i + k) % 3], 5, 1.5);
                }
            }
        }
        char name[64];
        std::snprintf(name, sizeof name, "Data/Graphics/Ranch/Pens%d.png", level);
        out.SavePng(c, name);
    }
}

void Trough(cairo_t* cr, double x, double y, bool broken, Rng& rng) {
    cairo_new_path(cr);
    cairo_move_to(cr, x - 40, y - 18);
    cairo_line_to(cr, x + 40, y - 18);
    cairo_line_to(cr, x + 32, y + 6);
    cairo_line_to(cr, x - 32, y + 6);
    cairo_close_path(cr);
    SetVerticalGradient(cr, y - 18, kWoodLight, y + 6, kBark);
    FillSourceOutline(cr, 2.5);
    if (broken) {
        cairo_new_path(cr);
        cairo_move_to(cr, x + 6, y - 18);
        cairo_line_to(cr, x + 12, y - 6);
        cairo_line_to(cr, x + 4, y + 6);
        StrokeOutline(cr, 2.5);
    } else {
        EllipsePath(cr, x, y - 17, 36, 4);
        SetVerticalGradient(cr, y - 21, kWaterLight, y - 13, kWater);
        cairo_fill(cr);
        (void)rng;
    }
}

void Plank(cairo_t* cr, double x, double y, double len, double angle) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_new_path(cr);
    cairo_move_to(cr, -len / 2, -5);
    cairo_line_to(cr, len / 2 - 8, -5);
    cairo_line_to(cr, len / 2, -1);
    cairo_line_to(cr, len / 2 - 5, 5);
    cairo_line_to(cr, -len / 2, 5);
    cairo_close_path(cr);
    SetVerticalGradient(cr, -5, kWoodLight, 5, kWood);
    FillSourceOutline(cr, 2.2);
    cairo_restore(cr);
}

void PaintRepairStates(Output& out) {
    // 275-278 under the animals: the paddock ground from neglected to lovingly kept.
    for (int state = 0; state < 4; ++state) {
        Canvas c(static_cast<int>(kOverlayW), static_cast<int>(kOverlayH));
        cairo_t* cr = c.cr();
        ToOverlay(cr);
        Rng rng(275 + state);
        cairo_save(cr);
        PaddockPath(cr);
        cairo_clip(cr);
        // Bare earth patches shrink as the ranch is repaired.
        int patches = 9 - state * 3;
        for (int i = 0; i < patches; ++i) {
            double y = rng.Range(kBackY + 30, kFrontY - 20);
            double x = rng.Range(FenceLine(0, y) + 30, FenceLine(3, y) - 30);
            double s = 0.5 + (y - 280) / 400.0;
            WobblyEllipsePath(cr, x, y, 60 * s, 18 * s, 0.15, rng);
            SetColor(cr, Mix(kEarth, kSand, 0.4), 0.8);
            cairo_fill(cr);
        }
        // Weeds in the neglected states, flowers in the kept ones.
        for (int i = 0; i < 30; ++i) {
            double y = rng.Range(kBackY + 14, kFrontY - 6);
            double x = rng.Range(FenceLine(0, y) + 10, FenceLine(3, y) - 10);
            double s = 0.6 + (y - 280) / 500.0;
            if (state < 2) {
                PaintGrassTuft(cr, x, y, 16 * s, Mix(kMoss, kSand, 0.5), rng, 1.0);
            } else if (rng.Chance(0.3 * state)) {
                const Rgb petals[4] = {kWhite, kRose, kHoneyLight, kLavender};
                PaintFlower(cr, x, y, 4.5 * s, petals[rng.Int(0, 3)], 5, 1.2);
            }
        }
        cairo_restore(cr);
        if (state == 0) {
            Plank(cr, 470, 600, 90, 0.3);
            Plank(cr, 650, 470, 70, -0.5);
            Plank(cr, 780, 620, 80, 2.8);
            PaintStone(cr, 560, 380, 18, 11, rng, 2.5);
            Trough(cr, 720, 370, true, rng);
        } else {
            Trough(cr, 720, 370, false, rng);
        }
        if (state >= 1) PaintStone(cr, 430, 640, 14, 9, rng, 2.5);
        if (state >= 2) {
            // Hay bale and a feed bowl.
            RoundedRectPath(cr, 820, 560, 70, 44, 10);
            SetVerticalGradient(cr, 560, kHoneyLight, 604, kAmber);
            FillSourceOutline(cr, 2.5);
            for (int i = 0; i < 3; ++i) {
                cairo_move_to(cr, 834 + i * 20, 562);
                cairo_line_to(cr, 834 + i * 20, 602);
            }
            SetColor(cr, kAmber, 0.8);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
            EllipsePath(cr, 500, 380, 22, 8);
            FillOutline(cr, kStoneLight, 2.5);
        }
        if (state >= 3) {
            // Stepping stones along the middle and a bird house post.
            for (int i = 0; i < 5; ++i) {
                double y = 330 + i * 70;
                PaintStone(cr, FenceLine(1, y) + 100 + rng.Range(-6, 6), y, 12 + i * 2, 6 + i, rng, 2, kStoneLight);
            }
            cairo_rectangle(cr, 596, 250, 8, 60);
            FillOutline(cr, kWood, 2.5);
            PaintHouse(cr, 600, 262, 30, 22, kHoneyLight, kBerryRed, rng, 2);
        }
        char name[64];
        std::snprintf(name, sizeof name, "Data/Graphics/Ranch/Repair%d.png", state);
        out.SavePng(c, name);
    }
}

void PaintSlots(Output& out) {
    struct Slot {
        const char* name;
        Rgb rim, cell;
    };
    const Slot slots[] = {
        {"SlotFood", kHoney, kCream},       // 417
        {"SlotStorage", kStone, kSkyHaze},  // 421
        {"SlotTool", kWood, kParchment},    // 422
    };
    for (const Slot& s : slots) {
        Canvas c(72, 72);
        PaintSlot(c.cr(), 72, s.rim, s.cell, 2.5);
        out.SavePng(c, "Data/Graphics/Ranch/" + std::string(s.name) + ".png");
    }
}

void PaintClock(Output& out) {
    // 10000 on the ranch: a clock face; the game writes "m:ss" over its centre in dark text.
    Canvas c(64, 64);
    cairo_t* cr = c.cr();
    cairo_new_path(cr);
    cairo_arc(cr, 32, 32, 29, 0, 2 * kPi);
    SetRadialGradient(cr, 26, 24, 36, kHoneyLight, kAmber);
    FillSourceOutline(cr, 2.5);
    cairo_new_path(cr);
    cairo_arc(cr, 32, 32, 23, 0, 2 * kPi);
    SetColor(cr, kPaper);
    FillSourceOutline(cr, 2);
    for (int i = 0; i < 12; ++i) {
        double a = 2 * kPi * i / 12;
        double r0 = i % 3 == 0 ? 17.5 : 19.5;
        cairo_move_to(cr, 32 + std::cos(a) * r0, 32 + std::sin(a) * r0);
        cairo_line_to(cr, 32 + std::cos(a) * 21, 32 + std::sin(a) * 21);
    }
    SetColor(cr, kEarth);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // Little heart on top: it is a birth clock.
    cairo_new_path(cr);
    cairo_arc(cr, 32, 4.5, 3.5, 0, 2 * kPi);
    FillOutline(cr, kRose, 1.5);
    out.SavePng(c, "Data/Graphics/Ranch/Clock.png");
}

}  // namespace

bool PaintRanch(Output& out) {
    PaintRanchBackground(out);
    PaintMainFence(out);
    PaintExtensions(out);
    PaintRepairStates(out);
    PaintSlots(out);
    PaintClock(out);
    return out.ok();
}
