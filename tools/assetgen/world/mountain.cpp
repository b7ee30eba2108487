// The mountain: the path up, the ravine lookout, Adamant's ravine and Hrafnirr's hall.
#include <cmath>

#include "world/locations.h"
#include "world/scenery.h"

namespace {

// ---- 3009 Mountain Path (1024 x 1280, scrolls down) --------------------------------------------

void PaintMountainPath(Output& out) {
    Canvas c(1024, 1280);
    cairo_t* cr = c.cr();
    Rng rng(3009);
    PaintSky(cr, 0, 0, 1024, 700, Hex(0x7fb6dc), kSkyHaze);
    PaintMountains(cr, 0, 1024, 420, 330, Mix(kStone, kSky, 0.35), rng, true, 2.0);
    // The mountain's flank: a big rock mass filling the middle.
    PaintRock(cr, {-60, 1300, -60, 420, 160, 300, 380, 250, 600, 310, 820, 260, 1084, 380, 1084, 1300}, kStone, rng);
    // Ledge of the lookout trail (top left; hotspot 3181 at (190, 330)).
    PaintRock(cr, {-40, 420, 80, 360, 300, 370, 360, 420, 300, 470, -40, 480}, kStoneLight, rng);
    // The great gate is carved into the rock face (hotspot 3180 at (620, 560), 260 x 320).
    std::vector<double> face = {430, 760, 440, 420, 520, 360, 720, 360, 800, 420, 810, 760};
    PaintRock(cr, face, Mix(kStoneDark, kStone, 0.4), rng);
    cairo_move_to(cr, 470, 740);
    cairo_line_to(cr, 470, 470);
    cairo_curve_to(cr, 470, 370, 770, 370, 770, 470);
    cairo_line_to(cr, 770, 740);
    cairo_close_path(cr);
    SetVerticalGradient(cr, 390, Hex(0x3a3632), 740, Hex(0x2a2622));
    FillSourceOutline(cr, kOutlineWidth);
    // Carved runes around the arch.
    for (int i = 0; i < 9; ++i) {
        double a = kWorldPi * (1.0 + i / 8.0);
        double rx = 620 + std::cos(a) * 180, ry = 470 + std::sin(a) * 120;
        cairo_move_to(cr, rx - 6, ry - 8);
        cairo_line_to(cr, rx + 6, ry + 8);
        cairo_move_to(cr, rx + 6, ry - 8);
        cairo_line_to(cr, rx, ry);
        SetColor(cr, kHoney, 0.8);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    for (double bx : {440.0, 800.0}) {
        cairo_rectangle(cr, bx - 8, 600, 16, 60);
        FillOutline(cr, kBarkDark, 2.0);
        PaintLight(cr, bx, 590, 60, kHoney, 0.55);
        cairo_move_to(cr, bx - 14, 600);
        cairo_curve_to(cr, bx - 16, 570, bx, 560, bx, 548);
        cairo_curve_to(cr, bx, 560, bx + 16, 570, bx + 14, 600);
        cairo_close_path(cr);
        FillOutline(cr, kHoney, 2.0);
    }
    // Grassy slopes at the foot and the winding path from the valley up to the gate.
    PaintHills(cr, 0, 1024, 960, 40, 1280, kMoss, rng, kOutlineWidth);
    PaintPath(cr, {260, 1320, 330, 1160, 560, 1040, 640, 900, 620, 745}, 230, 120, Mix(kSand, kStone, 0.4));
    // Pines and boulders beside the way.
    for (int i = 0; i < 12; ++i) {
        double x = rng.Chance(0.5) ? rng.Range(-20, 200) : rng.Range(820, 1044);
        double y = rng.Range(880, 1270);
        PaintPineTree(cr, x, y, rng.Range(140, 220), kPine, rng, 2.5);
    }
    for (int i = 0; i < 8; ++i) {
        double x = rng.Chance(0.5) ? rng.Range(0, 330) : rng.Range(780, 1024);
        PaintStone(cr, x, rng.Range(780, 1270), rng.Range(20, 45), rng.Range(14, 26), rng, 2.5);
    }
    PaintMeadow(cr, 0, 1100, 1024, 180, rng, 40, kMossDark);
    out.SaveJpeg(c, "Data/Graphics/World/MountainPath.jpg");
}

// ---- 3010 Ravine Lookout (1024 x 768) ----------------------------------------------------------

void PaintLookout(Output& out) {
    Canvas c(1024, 768);
    cairo_t* cr = c.cr();
    Rng rng(3010);
    PaintSky(cr, 0, 0, 1024, 500, Hex(0x9aa8c8), Hex(0xf0d6b0));
    PaintMountains(cr, 0, 1024, 330, 220, Mix(kPlum, kStone, 0.5), rng, true, 2.0);
    // The ravine: two cliff walls falling into shadowy depth and mist.
    cairo_rectangle(cr, 300, 336, 460, 330);
    SetVerticalGradient(cr, 336, Hex(0xd8cfc0), 640, Hex(0x5a5a7a), 0.0, 1.0);
    cairo_fill(cr);
    PaintRock(cr, {-40, 800, -40, 360, 200, 330, 360, 380, 420, 520, 380, 800}, Mix(kStone, kPlum, 0.2), rng);
    PaintRock(cr, {1064, 800, 1064, 340, 860, 320, 700, 400, 640, 560, 700, 800}, Mix(kStone, kPlum, 0.2), rng);
    cairo_rectangle(cr, 0, 420, 1024, 200);
    SetVerticalGradient(cr, 420, kWhite, 620, kWhite, 0.0, 0.55);
    cairo_fill(cr);
    // An old rope bridge spans the gap.
    auto bridge_y = [](double t) { return 418 - t * 12 + std::sin(t * kWorldPi) * 34; };
    for (int i = 0; i <= 14; ++i) {
        double t = i / 14.0;
        double x = 392 + t * 290, y = bridge_y(t);
        cairo_move_to(cr, x - 6, y);
        cairo_line_to(cr, x + 6, y + 4);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x, y - 22);
    }
    SetColor(cr, kBark);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (int k = 0; k < 2; ++k) {
        for (int i = 0; i <= 28; ++i) {
            double t = i / 28.0;
            double x = 392 + t * 290, y = bridge_y(t) - k * 22;
            if (i == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
        }
        StrokeOutline(cr, 2.5);
    }
    // Our ledge in the foreground.
    PaintRock(cr, {-40, 800, -40, 560, 200, 540, 480, 560, 700, 600, 1064, 620, 1064, 800}, kStone, rng);
    PaintMeadow(cr, 0, 600, 1024, 160, rng, 30, kMossDark);
    // Railing along the edge.
    for (double px = 160; px < 700; px += 90) {
        cairo_rectangle(cr, px - 6, 500, 12, 70);
        FillOutline(cr, kWood, 2.5);
    }
    cairo_move_to(cr, 150, 512);
    cairo_line_to(cr, 700, 520);
    cairo_move_to(cr, 150, 540);
    cairo_line_to(cr, 700, 548);
    SetColor(cr, kWood);
    cairo_set_line_width(cr, 8);
    cairo_stroke_preserve(cr);
    StrokeOutline(cr, 2.0);
    // Birds circling.
    for (int i = 0; i < 4; ++i) {
        double bx = rng.Range(300, 800), by = rng.Range(120, 260);
        cairo_move_to(cr, bx - 12, by);
        cairo_curve_to(cr, bx - 6, by - 8, bx - 2, by - 6, bx, by);
        cairo_curve_to(cr, bx + 2, by - 6, bx + 6, by - 8, bx + 12, by);
        StrokeOutline(cr, 2.5);
    }
    out.SaveJpeg(c, "Data/Graphics/World/Lookout.jpg");
}

// ---- 3011 Adamant's Ravine (1024 x 768, the battle) ---------------------------------------------

void PaintRavine(Output& out) {
    Canvas c(1024, 768);
    cairo_t* cr = c.cr();
    Rng rng(3011);
    PaintSky(cr, 0, 0, 1024, 420, Hex(0x4a4a6e), Hex(0xc98a6a));
    // Storm clouds.
    for (int i = 0; i < 5; ++i) {
        PaintCloud(cr, 100 + i * 210 + rng.Range(-30, 30), 60 + rng.Range(0, 60), rng.Range(200, 280), rng, 0.35);
    }
    // Cliffs on both sides and the cave of Adamant at the back.
    PaintRock(cr, {-40, 600, -40, 60, 120, 40, 260, 160, 330, 420, 300, 600}, Mix(kStoneDark, kPlum, 0.3), rng);
    PaintRock(cr, {1064, 600, 1064, 80, 900, 50, 760, 170, 700, 420, 740, 600}, Mix(kStoneDark, kPlum, 0.3), rng);
    PaintRock(cr, {260, 470, 320, 250, 512, 190, 700, 250, 760, 470}, Mix(kStone, kPlum, 0.35), rng);
    cairo_move_to(cr, 430, 470);
    cairo_curve_to(cr, 430, 320, 600, 320, 600, 470);
    cairo_close_path(cr);
    SetVerticalGradient(cr, 330, Hex(0x2a2226), 470, Hex(0x3a2e2e));
    FillSourceOutline(cr, kOutlineWidth);
    for (int side = -1; side <= 1; side += 2) {
        EllipsePath(cr, 515 + side * 24, 400, 9, 6);
        SetColor(cr, kHoney, 0.9);
        cairo_fill(cr);
    }
    // The arena floor where the two spiggles face each other (feet around y 560-600).
    std::vector<double> floor = {-40, 470, 200, 450, 512, 470, 820, 450, 1064, 470, 1064, 800, -40, 800};
    SmoothClosedPath(cr, floor);
    SetVerticalGradient(cr, 450, Mix(kEarth, kPlum, 0.2), 768, Mix(kSand, kEarth, 0.5));
    FillSourceOutline(cr, kOutlineWidth);
    for (int i = 0; i < 14; ++i) {
        double x = rng.Range(0, 1024), y = rng.Range(500, 760);
        if (std::fabs(y - 580) < 50 && x > 150 && x < 880) continue;
        PaintStone(cr, x, y, rng.Range(10, 26), rng.Range(6, 14), rng, 2.0, Mix(kStone, kPlum, 0.2));
    }
    // Claw marks on the cliffs.
    for (int side = 0; side < 2; ++side) {
        double x0 = side ? 830 : 150, y0 = 300;
        for (int k = 0; k < 3; ++k) {
            cairo_move_to(cr, x0 + k * 18, y0);
            cairo_curve_to(cr, x0 + k * 18 + 10, y0 + 40, x0 + k * 18 + 14, y0 + 80, x0 + k * 18 + 8, y0 + 120);
        }
        SetColor(cr, Hex(0x2a2226), 0.7);
        cairo_set_line_width(cr, 6);
        cairo_stroke(cr);
    }
    out.SaveJpeg(c, "Data/Graphics/World/Ravine.jpg");
}

// ---- 3012 Hrafnirr's Hall (1024 x 768) ---------------------------------------------------------

void PaintHall(Output& out) {
    Canvas c(1024, 768);
    cairo_t* cr = c.cr();
    Rng rng(3012);
    FillVerticalGradient(cr, 0, 0, 1024, 560, Hex(0x3a3440), Hex(0x5a4e4a));
    // Back wall of big hewn blocks.
    for (double by = 0; by < 560; by += 70) {
        for (double bx = -((int(by / 70) % 2) * 60); bx < 1024; bx += 120) {
            RoundedRectPath(cr, bx + 3, by + 3, 114, 64, 8);
            SetVerticalGradient(cr, by, Hex(0x6e6460), by + 70, Hex(0x4e4644));
            cairo_fill_preserve(cr);
            SetColor(cr, kOutline, 0.6);
            cairo_set_line_width(cr, 2.0);
            cairo_stroke(cr);
        }
    }
    // Floor of flagstones with a red carpet to the throne.
    PaintCobbles(cr, 0, 560, 1024, 208, Hex(0x6e6460), rng);
    cairo_move_to(cr, 440, 470);
    cairo_line_to(cr, 584, 470);
    cairo_line_to(cr, 700, 768);
    cairo_line_to(cr, 324, 768);
    cairo_close_path(cr);
    SetVerticalGradient(cr, 470, kBerryDark, 768, kBerryRed);
    FillSourceOutline(cr, kOutlineWidth);
    cairo_move_to(cr, 452, 470);
    cairo_line_to(cr, 344, 768);
    cairo_move_to(cr, 572, 470);
    cairo_line_to(cr, 680, 768);
    SetColor(cr, kHoney, 0.8);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    // Golden throne at the back (Hrafnirr stands before it, hotspot 3125 at (512, 470)).
    cairo_move_to(cr, 420, 480);
    cairo_line_to(cr, 420, 250);
    cairo_curve_to(cr, 420, 170, 604, 170, 604, 250);
    cairo_line_to(cr, 604, 480);
    cairo_close_path(cr);
    SetLinearGradient(cr, 420, 0, kHoneyLight, 604, 0, kAmber);
    FillSourceOutline(cr, kOutlineWidth);
    RoundedRectPath(cr, 446, 230, 132, 230, 30);
    SetVerticalGradient(cr, 230, kBerryRed, 460, kBerryDark);
    FillSourceOutline(cr, kOutlineWidth);
    EllipsePath(cr, 512, 205, 20, 20);
    FillOutline(cr, kBerryRed, 2.5);
    // Pillars and braziers.
    // The way out is an arch in the right wall (hotspot 3191 at (920, 430)); pillars elsewhere.
    for (double px : {110.0, 330.0, 694.0}) {
        double w = px == 110.0 ? 90 : 64;
        cairo_rectangle(cr, px - w / 2, 0, w, 600);
        SetLinearGradient(cr, px - w / 2, 0, Hex(0x8a807a), px + w / 2, 0, Hex(0x4e4644));
        FillSourceOutline(cr, kOutlineWidth);
        for (int k = 0; k < 3; ++k) {
            cairo_rectangle(cr, px - w / 2 - 6, 120 + k * 200, w + 12, 18);
            FillOutline(cr, kAmber, 2.0);
        }
        cairo_rectangle(cr, px - w / 2 - 12, 590, w + 24, 30);
        FillOutline(cr, Hex(0x6e6460), kOutlineWidth);
    }
    for (double bx : {240.0, 784.0}) {
        PaintLight(cr, bx, 400, 160, kHoney, 0.5);
        cairo_move_to(cr, bx - 40, 430);
        cairo_line_to(cr, bx + 40, 430);
        cairo_line_to(cr, bx + 20, 470);
        cairo_line_to(cr, bx - 20, 470);
        cairo_close_path(cr);
        FillOutline(cr, kStoneDark, kOutlineWidth);
        cairo_rectangle(cr, bx - 6, 470, 12, 100);
        FillOutline(cr, kStoneDark, 2.5);
        for (int i = 0; i < 3; ++i) {
            double fx = bx - 20 + i * 20, fh = 60 - std::abs(i - 1) * 20;
            cairo_move_to(cr, fx - 16, 432);
            cairo_curve_to(cr, fx - 20, 410, fx - 4, 400 - fh * 0.3, fx, 432 - fh);
            cairo_curve_to(cr, fx + 4, 400 - fh * 0.3, fx + 20, 410, fx + 16, 432);
            cairo_close_path(cr);
            SetVerticalGradient(cr, 432 - fh, kHoneyLight, 432, kAmber);
            FillSourceOutline(cr, 2.0);
        }
    }
    // Banners.
    for (double bx : {240.0, 784.0}) {
        cairo_move_to(cr, bx - 50, 40);
        cairo_line_to(cr, bx + 50, 40);
        cairo_line_to(cr, bx + 50, 280);
        cairo_line_to(cr, bx, 250);
        cairo_line_to(cr, bx - 50, 280);
        cairo_close_path(cr);
        SetVerticalGradient(cr, 40, kPlum, 280, Darken(kPlum, 0.3));
        FillSourceOutline(cr, kOutlineWidth);
        // A golden hammer emblem.
        cairo_rectangle(cr, bx - 4, 110, 8, 90);
        FillOutline(cr, kHoney, 2.0);
        RoundedRectPath(cr, bx - 26, 100, 52, 30, 6);
        FillOutline(cr, kHoney, 2.0);
    }
    // Heaps of gold and a chest.
    for (int i = 0; i < 30; ++i) {
        double gx = rng.Range(0, 1) < 0.5 ? rng.Range(20, 150) : rng.Range(860, 1010);
        PaintCoin(cr, gx, 716 - rng.Range(0, 40), rng.Range(9, 13), 1.5);
    }
    out.SaveJpeg(c, "Data/Graphics/World/Hall.jpg");
}

}  // namespace

bool PaintMountain(Output& out) {
    PaintMountainPath(out);
    PaintLookout(out);
    PaintRavine(out);
    PaintHall(out);
    return out.ok();
}
