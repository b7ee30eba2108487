// Out in the valley: Zachary's ranch, the forest edge, the lake shore, the orchard and the
// Wildman's camp.
#include <cmath>

#include "creatures/creatures.h"
#include "world/locations.h"
#include "world/scenery.h"

namespace {

void Barn(cairo_t* cr, double x, double ground, double w, double h, Rng& rng) {
    double top = ground - h;
    cairo_move_to(cr, x - w / 2 - 20, top + 10);
    cairo_line_to(cr, x - w / 2 + w * 0.12, top - h * 0.45);
    cairo_line_to(cr, x, top - h * 0.62);
    cairo_line_to(cr, x + w / 2 - w * 0.12, top - h * 0.45);
    cairo_line_to(cr, x + w / 2 + 20, top + 10);
    cairo_close_path(cr);
    SetVerticalGradient(cr, top - h * 0.62, Hex(0x8a5a48), top, Hex(0x5a3b30));
    FillSourceOutline(cr, kOutlineWidth);
    cairo_rectangle(cr, x - w / 2, top, w, h);
    SetVerticalGradient(cr, top, Lighten(kBerryRed, 0.1), ground, Darken(kBerryRed, 0.2));
    FillSourceOutline(cr, kOutlineWidth);
    for (double bx = x - w / 2 + 24; bx < x + w / 2; bx += 24) {
        cairo_move_to(cr, bx, top);
        cairo_line_to(cr, bx, ground);
    }
    SetColor(cr, kOutline, 0.3);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // Big doors with the white cross.
    cairo_rectangle(cr, x - w * 0.25, ground - h * 0.62, w * 0.5, h * 0.62);
    SetVerticalGradient(cr, ground - h * 0.62, kBerryRed, ground, kBerryDark);
    FillSourceOutline(cr, kOutlineWidth);
    for (int side = -1; side <= 1; side += 2) {
        double dx0 = x + (side < 0 ? -w * 0.25 : 0), dx1 = dx0 + w * 0.25;
        cairo_move_to(cr, dx0, ground - h * 0.62);
        cairo_line_to(cr, dx1, ground);
        cairo_move_to(cr, dx1, ground - h * 0.62);
        cairo_line_to(cr, dx0, ground);
        cairo_rectangle(cr, dx0, ground - h * 0.62, w * 0.25, h * 0.62);
    }
    SetColor(cr, kPaper);
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
    cairo_rectangle(cr, x - w * 0.25, ground - h * 0.62, w * 0.5, h * 0.62);
    StrokeOutline(cr, kOutlineWidth);
    // Loft window with hay.
    RoundedRectPath(cr, x - 30, top - h * 0.3, 60, 50, 6);
    FillOutline(cr, Hex(0x3a2a20), kOutlineWidth);
    DrawBlob(cr, x, top - h * 0.3 + 38, 26, 12, kHoney, 2.0, rng, 0.1);
}

// ---- 3005 Zachary's Ranch (1024 x 768) ---------------------------------------------------------

void PaintZachary(Output& out) {
    Canvas c(1024, 768);
    cairo_t* cr = c.cr();
    Rng rng(3005);
    PaintSky(cr, 0, 0, 1024, 420, kSkyTop, kSkyHaze);
    PaintMountains(cr, 0, 1024, 280, 130, Mix(kStone, kSky, 0.5), rng, true, 2.0);
    PaintHills(cr, 0, 1024, 300, 25, 768, Mix(kMossLight, kSky, 0.3), rng, 0);
    for (double x = 500; x < 1050; x += rng.Range(50, 90)) {
        PaintRoundTree(cr, x, 330, rng.Range(70, 100), Mix(kMoss, kSky, 0.2), rng, 2.0);
    }
    PaintHills(cr, 0, 1024, 370, 10, 768, kMossLight, rng, kOutlineWidth);
    Barn(cr, 220, 470, 300, 190, rng);
    // Silo.
    RoundedRectPath(cr, 390, 250, 70, 220, 30);
    SetLinearGradient(cr, 390, 0, kStoneLight, 460, 0, kStoneDark);
    FillSourceOutline(cr, kOutlineWidth);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 425, 262, 36, kWorldPi, 2 * kWorldPi);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0x8a5a48), kOutlineWidth);
    // Paddock with grazing spiggles.
    PaintFence(cr, 480, 1030, 470, 56, rng);
    PaintSpiggle(cr, 0, 600, 430, 0.32, Hex(0xd9a070), false);
    PaintSpiggle(cr, 2, 760, 440, 0.3, Hex(0xf0ece0), true);
    PaintSpiggle(cr, 1, 900, 426, 0.3, Hex(0x9ac0d8), true);
    PaintFence(cr, 470, 1030, 520, 60, rng);
    // Yard.
    PaintPath(cr, {220, 470, 260, 560, 420, 660, 500, 800}, 130, 200, kSand);
    PaintMeadow(cr, 0, 500, 1024, 268, rng, 70);
    // Hay bales and a water trough.
    for (int i = 0; i < 3; ++i) {
        double hx = 80 + i * 70 - (i == 2 ? 35 : 0), hy = i == 2 ? 540 : 600;
        RoundedRectPath(cr, hx - 40, hy - 40, 80, 56, 12);
        SetVerticalGradient(cr, hy - 40, kHoneyLight, hy + 16, kAmber);
        FillSourceOutline(cr, kOutlineWidth);
        for (int k = 0; k < 3; ++k) {
            cairo_move_to(cr, hx - 30 + k * 24, hy - 36);
            cairo_line_to(cr, hx - 34 + k * 24, hy + 12);
        }
        SetColor(cr, kAmber, 0.6);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    RoundedRectPath(cr, 800, 600, 160, 50, 10);
    SetVerticalGradient(cr, 600, kWoodLight, 650, kBark);
    FillSourceOutline(cr, kOutlineWidth);
    EllipsePath(cr, 880, 604, 72, 8);
    FillOutline(cr, kWaterLight, 2.0);
    out.SaveJpeg(c, "Data/Graphics/World/ZacharysRanch.jpg");
}

// ---- 3006 Forest Edge (1024 x 1024, scrolls down) ----------------------------------------------

void PaintForest(Output& out) {
    Canvas c(1024, 1024);
    cairo_t* cr = c.cr();
    Rng rng(3006);
    FillVerticalGradient(cr, 0, 0, 1024, 1024, Mix(kSkyHaze, kMossLight, 0.3), kMossDark);
    PaintSky(cr, 0, 0, 1024, 360, kSkyTop, kSkyHaze);
    // Far trees, then mid trees, then the big ones framing the trail.
    for (double x = -40; x < 1080; x += rng.Range(50, 80)) {
        PaintPineTree(cr, x, 470 + rng.Range(-20, 20), rng.Range(260, 360), Mix(kPine, kSky, 0.4), rng, 2.0);
    }
    PaintHills(cr, 0, 1024, 500, 14, 1024, Mix(kMoss, kMossDark, 0.3), rng, kOutlineWidth);
    for (double x = -20; x < 1080; x += rng.Range(90, 140)) {
        if (x > 420 && x < 640) continue;  // the trail into the deep wood (hotspot 3152 at (530, 560))
        PaintPineTree(cr, x, 620 + rng.Range(-20, 20), rng.Range(380, 460), kPine, rng);
    }
    // Dark opening of the trail.
    EllipsePath(cr, 530, 560, 110, 90);
    SetRadialGradient(cr, 530, 560, 110, Hex(0x2c4a34), Mix(kPine, kMossDark, 0.5));
    cairo_fill(cr);
    PaintHills(cr, 0, 1024, 660, 20, 1024, kMoss, rng, kOutlineWidth);
    PaintPath(cr, {530, 610, 520, 700, 470, 820, 380, 940, 300, 1060}, 60, 220, Mix(kSand, kEarth, 0.4));
    // Big trees in front.
    PaintBigTree(cr, 110, 760, 560, kMossDark, rng);
    PaintBigTree(cr, 950, 780, 600, Mix(kMossDark, kPine, 0.5), rng);
    // Ferns, stones, flowers.
    for (int i = 0; i < 9; ++i) {
        double x = rng.Range(0, 1024), y = rng.Range(760, 1010);
        if (std::fabs(x - 760) < 110 && std::fabs(y - 840) < 100) continue;  // berry bush 3150
        if (std::fabs(x - 300) < 120 && std::fabs(y - 880) < 70) continue;   // mushroom log 3151
        double trail_x = 530 - (y - 610) * 0.5;
        if (std::fabs(x - trail_x) < 110) continue;
        PaintBush(cr, x, y, rng.Range(60, 120), i % 2 ? kMoss : kMossDark, rng, 2.0);
    }
    for (int i = 0; i < 6; ++i) {
        double x = rng.Range(0, 1024), y = rng.Range(700, 1000);
        if (std::fabs(x - (530 - (y - 610) * 0.5)) < 100) continue;
        PaintStone(cr, x, y, rng.Range(16, 30), rng.Range(10, 18), rng, 2.0);
    }
    PaintMeadow(cr, 0, 680, 1024, 340, rng, 110);
    // Sun flecks.
    for (int i = 0; i < 5; ++i) {
        double x = rng.Range(100, 900);
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x + 50, 0);
        cairo_line_to(cr, x + 230, 800);
        cairo_line_to(cr, x + 150, 800);
        cairo_close_path(cr);
        SetVerticalGradient(cr, 0, kHoneyLight, 800, kHoneyLight, 0.16, 0.0);
        cairo_fill(cr);
    }
    out.SaveJpeg(c, "Data/Graphics/World/ForestEdge.jpg");
}

// ---- 3007 Lake Shore (1536 x 768) --------------------------------------------------------------

void PaintLake(Output& out) {
    const double W = 1536;
    Canvas c(1536, 768);
    cairo_t* cr = c.cr();
    Rng rng(3007);
    PaintSky(cr, 0, 0, W, 340, kSkyTop, kSkyHaze);
    PaintMountains(cr, 200, W, 300, 200, Mix(kStone, kSky, 0.45), rng, true, 2.0);
    PaintHills(cr, 0, W, 320, 20, 360, Mix(kMoss, kSky, 0.35), rng, 2.0);
    for (double x = 0; x < W; x += rng.Range(40, 70)) {
        PaintPineTree(cr, x, 330 + rng.Range(-4, 4), rng.Range(50, 80), Mix(kPine, kSky, 0.35), rng, 1.5);
    }
    // The lake.
    PaintWater(cr, 0, 330, W, 300, rng, kWaterLight, kWaterDeep);
    // Reflections of the far trees.
    cairo_rectangle(cr, 0, 330, W, 30);
    SetVerticalGradient(cr, 330, Mix(kPine, kWater, 0.5), 360, kWaterLight, 0.6, 0.0);
    cairo_fill(cr);
    // Near shore: sand and grass.
    std::vector<double> shore = {-40, 600, 200, 590, 420, 610, 700, 600, 1000, 612, 1300, 596, 1580, 606};
    cairo_new_path(cr);
    SmoothOpenPath(cr, shore);
    cairo_line_to(cr, W + 40, 800);
    cairo_line_to(cr, -40, 800);
    cairo_close_path(cr);
    SetVerticalGradient(cr, 590, kSand, 768, Mix(kSand, kMossLight, 0.5));
    cairo_fill(cr);
    SmoothOpenPath(cr, shore);
    StrokeOutline(cr, kOutlineWidth);
    PaintMeadow(cr, 0, 690, W, 78, rng, 80);
    // Wooden pier out to the fishing spot (hotspot 3160 at (350, 455)).
    for (int i = 0; i < 6; ++i) {
        double py = 470 + i * 26;
        cairo_rectangle(cr, 290 + i * 2, py, 120 - i * 4 + i * 8, 24);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 300, 460);
    cairo_line_to(cr, 400, 460);
    cairo_line_to(cr, 430, 640);
    cairo_line_to(cr, 270, 640);
    cairo_close_path(cr);
    SetVerticalGradient(cr, 460, kWoodLight, 640, kWood);
    FillSourceOutline(cr, kOutlineWidth);
    for (int i = 1; i < 8; ++i) {
        double t = i / 8.0;
        cairo_move_to(cr, 300 - 30 * t, 460 + 180 * t);
        cairo_line_to(cr, 400 + 30 * t, 460 + 180 * t);
    }
    StrokeOutline(cr, 2.0);
    for (double px : {296.0, 404.0}) {
        cairo_rectangle(cr, px - 6, 450, 12, 60);
        FillOutline(cr, kBark, 2.0);
    }
    // Old Wen's boat pulled up on the shore.
    cairo_move_to(cr, 640, 620);
    cairo_curve_to(cr, 680, 690, 860, 690, 900, 610);
    cairo_line_to(cr, 640, 620);
    cairo_close_path(cr);
    SetVerticalGradient(cr, 610, kSkyTop, 690, kDusk);
    FillSourceOutline(cr, kOutlineWidth);
    cairo_move_to(cr, 650, 624);
    cairo_line_to(cr, 892, 614);
    SetColor(cr, kPaper);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    cairo_move_to(cr, 700, 640);
    cairo_line_to(cr, 880, 560);
    StrokeOutline(cr, 6);
    // Nets on posts.
    for (double px : {540.0, 600.0}) {
        cairo_rectangle(cr, px - 5, 540, 10, 90);
        FillOutline(cr, kBark, 2.0);
    }
    cairo_move_to(cr, 540, 550);
    cairo_curve_to(cr, 560, 600, 580, 600, 600, 550);
    SetColor(cr, kStoneDark, 0.8);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // Honest Harry's cart (Harry stands beside it, hotspot 3123 at (1330, 590)).
    double cx = 1140, cy = 700;
    cairo_rectangle(cr, cx - 110, cy - 150, 220, 120);
    SetVerticalGradient(cr, cy - 150, kHoneyLight, cy - 30, kAmber);
    FillSourceOutline(cr, kOutlineWidth);
    for (int i = 0; i < 6; ++i) {
        cairo_move_to(cr, cx - 120 + i * 40, cy - 150);
        cairo_line_to(cr, cx - 80 + i * 40, cy - 150);
        cairo_line_to(cr, cx - 80 + i * 40, cy - 130);
        cairo_curve_to(cr, cx - 88 + i * 40, cy - 118, cx - 112 + i * 40, cy - 118, cx - 120 + i * 40, cy - 130);
        cairo_close_path(cr);
        FillOutline(cr, i % 2 ? kPaper : kBerryRed, 2.0);
    }
    for (int i = 0; i < 5; ++i) {
        Rgb gc[3] = {kSkyTop, kRose, kMoss};
        RoundedRectPath(cr, cx - 90 + i * 36, cy - 100, 28, 40, 6);
        FillOutline(cr, gc[i % 3], 2.0);
    }
    for (double wx : {cx - 70, cx + 70}) {
        EllipsePath(cr, wx, cy - 20, 34, 34);
        FillOutline(cr, kWood, kOutlineWidth);
        EllipsePath(cr, wx, cy - 20, 8, 8);
        FillOutline(cr, kBarkDark, 2.0);
        for (int s = 0; s < 4; ++s) {
            double a = s * kWorldPi / 4;
            cairo_move_to(cr, wx + std::cos(a) * 8, cy - 20 + std::sin(a) * 8);
            cairo_line_to(cr, wx + std::cos(a) * 30, cy - 20 + std::sin(a) * 30);
            cairo_move_to(cr, wx - std::cos(a) * 8, cy - 20 - std::sin(a) * 8);
            cairo_line_to(cr, wx - std::cos(a) * 30, cy - 20 - std::sin(a) * 30);
        }
        StrokeOutline(cr, 2.0);
    }
    cairo_move_to(cr, cx - 110, cy - 60);
    cairo_line_to(cr, cx - 190, cy - 10);
    StrokeOutline(cr, 6);
    // Reeds at the waterline.
    for (double rx : {90.0, 470.0, 1260.0, 1480.0}) PaintReeds(cr, rx, 612, 80, rng);
    out.SaveJpeg(c, "Data/Graphics/World/LakeShore.jpg");
}

// ---- 3008 The Orchard (1024 x 768) -------------------------------------------------------------

void PaintOrchard(Output& out) {
    Canvas c(1024, 768);
    cairo_t* cr = c.cr();
    Rng rng(3008);
    PaintSky(cr, 0, 0, 1024, 380, kSkyTop, kSkyHaze);
    PaintHills(cr, 0, 1024, 300, 30, 768, Mix(kMossLight, kSky, 0.4), rng, 0);
    PaintHills(cr, 0, 1024, 350, 14, 768, kMossLight, rng, kOutlineWidth);
    // Rows of apple trees receding; the big tree is hotspot 3170 at (560, 400).
    for (int row = 0; row < 3; ++row) {
        double ground = 360 + row * 60;
        double h = 110 + row * 60;
        for (double x = 40 + row * 30; x < 1024; x += 140 + row * 60) {
            if (row == 2 && std::fabs(x - 560) < 200) continue;
            PaintBigTree(cr, x + rng.Range(-10, 10), ground, h, Mix(kMoss, kSky, 0.25 - row * 0.1), rng, 4 + row * 3,
                         1.5 + row * 0.5);
        }
    }
    PaintMeadow(cr, 0, 480, 1024, 288, rng, 90);
    // Ladder and baskets of apples.
    cairo_save(cr);
    cairo_translate(cr, 180, 700);
    cairo_rotate(cr, -0.25);
    for (double lx : {-24.0, 24.0}) {
        cairo_rectangle(cr, lx - 5, -240, 10, 240);
        FillOutline(cr, kWoodLight, 2.0);
    }
    for (int i = 0; i < 6; ++i) {
        cairo_rectangle(cr, -24, -220 + i * 38, 48, 8);
        FillOutline(cr, kWood, 2.0);
    }
    cairo_restore(cr);
    for (int b = 0; b < 2; ++b) {
        double bx = 840 + b * 90, by = 700 - b * 20;
        for (int i = 0; i < 7; ++i) {
            DrawBlob(cr, bx - 30 + (i % 4) * 20, by - 52 - (i / 4) * 14, 12, 11, kBerryRed, 2.0, rng, 0.02);
        }
        cairo_move_to(cr, bx - 50, by - 50);
        cairo_line_to(cr, bx + 50, by - 50);
        cairo_line_to(cr, bx + 40, by);
        cairo_line_to(cr, bx - 40, by);
        cairo_close_path(cr);
        SetVerticalGradient(cr, by - 50, kWoodLight, by, kWood);
        FillSourceOutline(cr, kOutlineWidth);
        for (int k = 1; k < 3; ++k) {
            cairo_move_to(cr, bx - 48 + k * 2, by - 50 + k * 16);
            cairo_line_to(cr, bx + 48 - k * 2, by - 50 + k * 16);
        }
        StrokeOutline(cr, 2.0);
    }
    // Fallen apples.
    for (int i = 0; i < 8; ++i) {
        double ax = rng.Range(60, 980), ay = rng.Range(620, 750);
        DrawBlob(cr, ax, ay, 10, 9, kBerryRed, 2.0, rng, 0.02);
    }
    out.SaveJpeg(c, "Data/Graphics/World/Orchard.jpg");
}

// ---- 3013 Wildman's Camp (1024 x 768) ----------------------------------------------------------

void PaintCamp(Output& out) {
    Canvas c(1024, 768);
    cairo_t* cr = c.cr();
    Rng rng(3013);
    FillVerticalGradient(cr, 0, 0, 1024, 768, Hex(0x2f4a3c), Hex(0x3c5a34));
    for (double x = -30; x < 1080; x += rng.Range(60, 90)) {
        PaintPineTree(cr, x, 420 + rng.Range(-20, 20), rng.Range(320, 420), Mix(kPine, Hex(0x2f4a3c), 0.4), rng, 2.0);
    }
    PaintHills(cr, 0, 1024, 440, 14, 768, Mix(kMoss, kMossDark, 0.5), rng, kOutlineWidth);
    // Hut of branches and hides.
    std::vector<double> hut = {130, 520, 170, 380, 250, 280, 330, 380, 370, 520};
    SmoothClosedPath(cr, hut);
    SetVerticalGradient(cr, 280, kEarth, 520, kBarkDark);
    FillSourceOutline(cr, kOutlineWidth);
    for (int i = 0; i < 9; ++i) {
        double bx = 150 + i * 25;
        cairo_move_to(cr, bx, 520);
        cairo_line_to(cr, 250 + (bx - 250) * 0.1, 250);
    }
    SetColor(cr, kBarkDark, 0.7);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_move_to(cr, 210, 520);
    cairo_curve_to(cr, 210, 430, 290, 430, 290, 520);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0x2a1d16), kOutlineWidth);
    std::vector<double> hide = {290, 330, 350, 380, 340, 470, 300, 440};
    SmoothClosedPath(cr, hide);
    SetVerticalGradient(cr, 330, kSand, 470, kEarth);
    FillSourceOutline(cr, 2.5);
    // Carved spiggle totem.
    RoundedRectPath(cr, 820, 250, 60, 280, 20);
    SetLinearGradient(cr, 820, 0, kWoodLight, 880, 0, kBark);
    FillSourceOutline(cr, kOutlineWidth);
    for (int i = 0; i < 3; ++i) {
        double ty = 290 + i * 85;
        EllipsePath(cr, 838, ty, 7, 9);
        EllipsePath(cr, 862, ty, 7, 9);
        SetColor(cr, kBarkDark);
        cairo_fill(cr);
        cairo_move_to(cr, 836, ty + 22);
        cairo_curve_to(cr, 845, ty + 30, 855, ty + 30, 864, ty + 22);
        StrokeOutline(cr, 2.5);
    }
    for (double side = -1; side <= 1; side += 2) {
        std::vector<double> ear = {850 + side * 20, 256, 850 + side * 44, 200, 850 + side * 8, 250};
        SmoothClosedPath(cr, ear);
        FillOutline(cr, kWood, kOutlineWidth);
    }
    // Drying rack with roots and fish.
    for (double px : {520.0, 680.0}) {
        cairo_move_to(cr, px - 20, 520);
        cairo_line_to(cr, px + 10, 400);
        cairo_move_to(cr, px + 20, 520);
        cairo_line_to(cr, px - 10, 400);
        StrokeOutline(cr, 5);
    }
    cairo_move_to(cr, 505, 408);
    cairo_line_to(cr, 695, 408);
    StrokeOutline(cr, 5);
    for (int i = 0; i < 5; ++i) {
        double hx = 530 + i * 34;
        cairo_move_to(cr, hx, 408);
        cairo_line_to(cr, hx, 424);
        StrokeOutline(cr, 2);
        DrawBlob(cr, hx, 446, 9, 22, i % 2 ? kStoneLight : kEarth, 2.0, rng, 0.1);
    }
    PaintMeadow(cr, 0, 520, 1024, 248, rng, 60, kMoss);
    // Campfire ring.
    for (int i = 0; i < 9; ++i) {
        double a = 2 * kWorldPi * i / 9;
        PaintStone(cr, 430 + std::cos(a) * 70, 640 + std::sin(a) * 22, 18, 12, rng, 2.0);
    }
    for (int i = 0; i < 3; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 430, 636);
        cairo_rotate(cr, -0.5 + i * 0.5);
        RoundedRectPath(cr, -50, -7, 100, 14, 6);
        FillOutline(cr, kBark, 2.0);
        cairo_restore(cr);
    }
    for (int i = 0; i < 3; ++i) {
        double fx = 410 + i * 20, fh = 70 - std::abs(i - 1) * 22;
        cairo_move_to(cr, fx - 20, 632);
        cairo_curve_to(cr, fx - 24, 600, fx - 4, 590 - fh * 0.3, fx, 632 - fh);
        cairo_curve_to(cr, fx + 4, 590 - fh * 0.3, fx + 24, 600, fx + 20, 632);
        cairo_close_path(cr);
        SetVerticalGradient(cr, 632 - fh, kHoneyLight, 632, kAmber);
        FillSourceOutline(cr, 2.0);
    }
    PaintLight(cr, 430, 600, 380, kHoney, 0.25);
    for (int i = 0; i < 14; ++i) {
        PaintSparkle(cr, rng.Range(30, 1000), rng.Range(100, 480), rng.Range(3, 7), kHoneyLight, 0.8);
    }
    out.SaveJpeg(c, "Data/Graphics/World/WildmansCamp.jpg");
}

}  // namespace

bool PaintWilds(Output& out) {
    PaintZachary(out);
    PaintForest(out);
    PaintLake(out);
    PaintOrchard(out);
    PaintCamp(out);
    return out.ok();
}
