// The village: Grandma's cottage, the square, Malcolm's store, the festival green and the shrine.
#include <cmath>

#include "world/locations.h"
#include "world/scenery.h"

namespace {

void OutsideView(cairo_t* cr, double x, double y, double w, double h, Rng& rng) {
    PaintSky(cr, x, y, w, h, kSkyTop, kSkyHaze);
    PaintCloud(cr, x + w * 0.3, y + h * 0.25, w * 0.45, rng, 0.95);
    PaintHills(cr, x - 20, x + w + 20, y + h * 0.62, 12, y + h, kMossLight, rng, 2.0);
    PaintRoundTree(cr, x + w * 0.75, y + h * 0.8, h * 0.55, kMoss, rng, 2.0);
}

// ---- 3001 Grandma's cottage (1024 x 768) -------------------------------------------------------

void PaintCottage(Output& out) {
    Canvas c(1024, 768);
    cairo_t* cr = c.cr();
    Rng rng(3001);
    PaintPlankWall(cr, 0, 0, 1024, 530, Hex(0xd9ad7c), rng);
    PaintFloorBoards(cr, 0, 530, 1024, 768, kWood, 560);
    // Ceiling beams.
    cairo_rectangle(cr, -5, -5, 1034, 46);
    SetVerticalGradient(cr, 0, kBark, 40, kBarkDark);
    FillSourceOutline(cr, kOutlineWidth);
    for (double bx : {330.0, 700.0}) {
        cairo_rectangle(cr, bx - 14, 40, 28, 490);
        SetLinearGradient(cr, bx - 14, 0, kBark, bx + 14, 0, kBarkDark);
        FillSourceOutline(cr, kOutlineWidth);
    }
    // Skirting board.
    cairo_rectangle(cr, -5, 510, 1034, 22);
    SetVerticalGradient(cr, 510, kBark, 532, kBarkDark);
    FillSourceOutline(cr, kOutlineWidth);

    // Fireplace of round stones with a warm fire.
    cairo_rectangle(cr, 40, 40, 250, 500);
    SetVerticalGradient(cr, 40, kStoneDark, 540, kStone);
    FillSourceOutline(cr, kOutlineWidth);
    for (double sy = 60; sy < 530; sy += 34) {
        for (double sx = 48 + (int(sy / 34) % 2) * 20; sx < 280; sx += 44) {
            PaintStone(cr, sx + 16, sy + 14, 20, 14, rng, 2.0, Mix(kStone, kStoneLight, rng.Range(0, 0.6)));
        }
    }
    cairo_move_to(cr, 80, 540);
    cairo_line_to(cr, 80, 440);
    cairo_curve_to(cr, 80, 380, 250, 380, 250, 440);
    cairo_line_to(cr, 250, 540);
    cairo_close_path(cr);
    SetVerticalGradient(cr, 390, Hex(0x2e211a), 540, Hex(0x5a3424));
    FillSourceOutline(cr, kOutlineWidth);
    PaintLight(cr, 165, 500, 110, kHoney, 0.8);
    for (int i = 0; i < 3; ++i) {
        RoundedRectPath(cr, 100 + i * 40, 512 - (i % 2) * 8, 70, 18, 8);
        FillOutline(cr, kBark, 2.0);
    }
    for (int i = 0; i < 3; ++i) {
        double fx = 140 + i * 26, fh = 60 - std::abs(i - 1) * 18;
        cairo_move_to(cr, fx - 18, 510);
        cairo_curve_to(cr, fx - 22, 480, fx - 4, 470 - fh * 0.3, fx, 510 - fh);
        cairo_curve_to(cr, fx + 4, 470 - fh * 0.3, fx + 22, 480, fx + 18, 510);
        cairo_close_path(cr);
        SetVerticalGradient(cr, 510 - fh, kHoneyLight, 510, kAmber);
        FillSourceOutline(cr, 2.0);
    }
    // Mantel shelf with candles and a jar.
    RoundedRectPath(cr, 30, 360, 270, 22, 5);
    SetVerticalGradient(cr, 360, kWoodLight, 382, kBark);
    FillSourceOutline(cr, kOutlineWidth);
    for (double cx : {70.0, 250.0}) {
        RoundedRectPath(cr, cx - 8, 318, 16, 42, 4);
        FillOutline(cr, kCream, 2.0);
        PaintLight(cr, cx, 308, 30, kHoneyLight, 0.6);
        EllipsePath(cr, cx, 308, 5, 9);
        FillOutline(cr, kHoney, 1.5);
    }
    RoundedRectPath(cr, 140, 318, 46, 42, 10);
    SetVerticalGradient(cr, 318, kRose, 360, kBerryDark);
    FillSourceOutline(cr, 2.0);

    // Window with the meadow outside, and curtains.
    PaintWindow(cr, 400, 120, 200, 190, [&](cairo_t* v) { OutsideView(v, 400, 120, 200, 190, rng); });
    for (int side = -1; side <= 1; side += 2) {
        double x = side < 0 ? 372 : 628;
        std::vector<double> cur = {x - 22, 96, x + 22, 96, x + 20 + side * 8, 250, x + side * 14, 340,
                                   x - 16 + side * 6, 330, x - 24, 200};
        SmoothClosedPath(cr, cur);
        SetLinearGradient(cr, x - 24, 0, kRose, x + 24, 0, kBerryRed);
        FillSourceOutline(cr, kOutlineWidth);
    }
    cairo_rectangle(cr, 350, 90, 300, 10);
    FillOutline(cr, kBarkDark, 2.0);

    // Door frame on the right (the door itself is hotspot 3101 at (836, 362), 136 x 330).
    cairo_move_to(cr, 754, 532);
    cairo_line_to(cr, 754, 250);
    cairo_curve_to(cr, 754, 170, 918, 170, 918, 250);
    cairo_line_to(cr, 918, 532);
    cairo_close_path(cr);
    SetVerticalGradient(cr, 180, kBark, 532, kBarkDark);
    FillSourceOutline(cr, kOutlineWidth);
    cairo_move_to(cr, 768, 532);
    cairo_line_to(cr, 768, 256);
    cairo_curve_to(cr, 768, 190, 904, 190, 904, 256);
    cairo_line_to(cr, 904, 532);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0x3a2a20), 2.0);
    // Coat hooks and a hat beside the door.
    for (int i = 0; i < 3; ++i) {
        EllipsePath(cr, 950 + i * 22, 240, 5, 5);
        FillOutline(cr, kHoney, 1.5);
    }
    std::vector<double> shawl = {948, 244, 962, 244, 972, 330, 940, 326};
    SmoothClosedPath(cr, shawl);
    SetVerticalGradient(cr, 244, kLavender, 330, kPlum);
    FillSourceOutline(cr, 2.0);

    // Rug, table and armchair.
    EllipsePath(cr, 540, 680, 330, 66);
    SetRadialGradient(cr, 540, 680, 330, kRose, kBerryDark);
    FillSourceOutline(cr, kOutlineWidth);
    EllipsePath(cr, 540, 680, 250, 46);
    SetColor(cr, kHoneyLight, 0.6);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    EllipsePath(cr, 540, 680, 160, 28);
    SetColor(cr, kCream, 0.5);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    for (double lx : {430.0, 650.0}) {
        RoundedRectPath(cr, lx - 10, 490, 20, 130, 6);
        SetLinearGradient(cr, lx - 10, 0, kWood, lx + 10, 0, kBarkDark);
        FillSourceOutline(cr, kOutlineWidth);
    }
    EllipsePath(cr, 540, 486, 170, 34);
    SetVerticalGradient(cr, 452, kWoodLight, 520, kWood);
    FillSourceOutline(cr, kOutlineWidth);
    // Lace cloth on the table.
    std::vector<double> cloth = {420, 480, 470, 462, 610, 462, 660, 480, 640, 520, 540, 530, 440, 520};
    SmoothClosedPath(cr, cloth);
    FillOutline(cr, kPaper, 2.0);
    // A teapot and cup beside where the letter lies.
    DrawBlob(cr, 620, 462, 28, 22, kSkyTop, 2.5, rng, 0.02);
    RoundedRectPath(cr, 604, 434, 32, 8, 3);
    FillOutline(cr, kSkyTop, 2.0);
    cairo_move_to(cr, 646, 458);
    cairo_curve_to(cr, 664, 450, 668, 440, 672, 432);
    StrokeOutline(cr, 5);
    // Armchair.
    std::vector<double> back = {282, 600, 270, 470, 300, 430, 360, 426, 390, 470, 386, 600};
    SmoothClosedPath(cr, back);
    SetRadialGradient(cr, 320, 460, 120, kMossLight, kMossDark);
    FillSourceOutline(cr, kOutlineWidth);
    RoundedRectPath(cr, 262, 540, 146, 70, 20);
    SetVerticalGradient(cr, 540, kMoss, 610, kMossDark);
    FillSourceOutline(cr, kOutlineWidth);
    for (double ax : {262.0, 388.0}) {
        RoundedRectPath(cr, ax - 14, 510, 34, 90, 14);
        SetVerticalGradient(cr, 510, kMossLight, 600, kMossDark);
        FillSourceOutline(cr, kOutlineWidth);
    }
    // Knitting basket.
    RoundedRectPath(cr, 180, 640, 90, 50, 16);
    SetVerticalGradient(cr, 640, kWoodLight, 690, kWood);
    FillSourceOutline(cr, kOutlineWidth);
    DrawBlob(cr, 210, 634, 24, 20, kLavender, 2.5, rng);
    DrawBlob(cr, 246, 638, 20, 17, kHoney, 2.5, rng);
    // Wall shelf with jars left of the door.
    cairo_rectangle(cr, 612, 330, 120, 12);
    FillOutline(cr, kBark, 2.0);
    const Rgb jars[3] = {kBerryRed, kHoney, kMoss};
    for (int i = 0; i < 3; ++i) {
        RoundedRectPath(cr, 622 + i * 36, 290, 28, 40, 8);
        SetVerticalGradient(cr, 290, Lighten(jars[i], 0.3), 330, jars[i]);
        FillSourceOutline(cr, 2.0);
        cairo_rectangle(cr, 624 + i * 36, 284, 24, 8);
        FillOutline(cr, kPaper, 1.5);
    }
    // Warm light from the fire over the room.
    PaintLight(cr, 165, 480, 420, kHoney, 0.18);
    out.SaveJpeg(c, "Data/Graphics/World/Cottage.jpg");
}

// ---- 3002 Mossmeadow Square (1536 x 768) -------------------------------------------------------

void TimberHouse(cairo_t* cr, double x0, double x1, double ground, double wall_h, Rgb wall, Rgb roof,
                 Rng& rng, bool door, bool chimney = true) {
    double w = x1 - x0, top = ground - wall_h;
    if (chimney) {
        cairo_rectangle(cr, x1 - w * 0.3, top - wall_h * 0.75, 30, wall_h * 0.5);
        SetVerticalGradient(cr, top - wall_h * 0.75, kStoneLight, top, kStoneDark);
        FillSourceOutline(cr, kOutlineWidth);
    }
    cairo_rectangle(cr, x0, top, w, wall_h);
    SetVerticalGradient(cr, top, Lighten(wall, 0.1), ground, Darken(wall, 0.1));
    FillSourceOutline(cr, kOutlineWidth);
    // Timber frame.
    cairo_rectangle(cr, x0, top + wall_h * 0.45, w, 10);
    FillOutline(cr, kBark, 2.0);
    for (int i = 1; i < 4; ++i) {
        cairo_rectangle(cr, x0 + w * i / 4 - 5, top, 10, wall_h);
    }
    FillOutline(cr, kBark, 2.0);
    // Roof.
    cairo_move_to(cr, x0 - 24, top + 6);
    cairo_curve_to(cr, x0 + w * 0.2, top - wall_h * 0.35, x0 + w * 0.35, top - wall_h * 0.65, x0 + w / 2,
                   top - wall_h * 0.72);
    cairo_curve_to(cr, x0 + w * 0.65, top - wall_h * 0.65, x0 + w * 0.8, top - wall_h * 0.35, x1 + 24, top + 6);
    cairo_close_path(cr);
    SetVerticalGradient(cr, top - wall_h * 0.72, Lighten(roof, 0.15), top, Darken(roof, 0.15));
    FillSourceOutline(cr, kOutlineWidth);
    for (int i = 1; i < 5; ++i) {
        double y = top - wall_h * 0.72 * (1 - i / 5.0);
        double half = (w / 2 + 24) * i / 5.0;
        cairo_move_to(cr, x0 + w / 2 - half, y + 4);
        cairo_line_to(cr, x0 + w / 2 + half, y + 4);
    }
    SetColor(cr, kOutline, 0.3);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // Windows with flower boxes.
    for (int i = 0; i < 2; ++i) {
        double wx = x0 + w * (i == 0 ? 0.12 : 0.62), wy = top + wall_h * 0.08;
        double ww = w * 0.26, wh = wall_h * 0.3;
        if (door && i == 1) wx = x0 + w * 0.66;
        RoundedRectPath(cr, wx, wy, ww, wh, 6);
        SetVerticalGradient(cr, wy, kHoneyLight, wy + wh, kAmber);
        FillSourceOutline(cr, kOutlineWidth);
        cairo_rectangle(cr, wx + ww / 2 - 3, wy, 6, wh);
        cairo_rectangle(cr, wx, wy + wh / 2 - 3, ww, 6);
        FillOutline(cr, kBark, 1.5);
        RoundedRectPath(cr, wx - 6, wy + wh + 2, ww + 12, 14, 4);
        FillOutline(cr, kWood, 2.0);
        for (int f = 0; f < 4; ++f) {
            PaintFlower(cr, wx + ww * (f + 0.5) / 4, wy + wh, 6, f % 2 ? kRose : kHoneyLight, 5, 1.2);
        }
    }
    if (door) {
        // Lower windows beside where a door hotspot stands.
        RoundedRectPath(cr, x0 + w * 0.08, top + wall_h * 0.56, w * 0.24, wall_h * 0.26, 6);
        SetVerticalGradient(cr, top + wall_h * 0.56, kHoneyLight, top + wall_h * 0.82, kAmber);
        FillSourceOutline(cr, kOutlineWidth);
    } else {
        RoundedRectPath(cr, x0 + w * 0.4, ground - wall_h * 0.4, w * 0.2, wall_h * 0.4, w * 0.1);
        SetVerticalGradient(cr, ground - wall_h * 0.4, kWood, ground, kBarkDark);
        FillSourceOutline(cr, kOutlineWidth);
    }
    (void)rng;
}

void PaintSquare(Output& out) {
    const double W = 1536, ground = 440;
    Canvas c(1536, 768);
    cairo_t* cr = c.cr();
    Rng rng(3002);
    PaintSky(cr, 0, 0, W, 480, kSkyTop, kSkyHaze);
    PaintMountains(cr, 900, W, 300, 190, Mix(kStone, kSky, 0.45), rng, true, 2.0);
    PaintHills(cr, 0, W, 320, 28, 768, Mix(kMossLight, kSky, 0.35), rng, 0);
    for (double x = 20; x < W; x += rng.Range(70, 120)) {
        PaintRoundTree(cr, x, 350 + rng.Range(-8, 8), rng.Range(90, 130), Mix(kMoss, kSky, 0.2), rng, 2.0);
    }
    PaintHills(cr, 0, W, 380, 14, 768, kMossLight, rng, kOutlineWidth);
    // Malcolm's store (door hotspot 3110 at (380, 360)).
    TimberHouse(cr, 230, 530, ground, 210, kCream, kBerryRed, rng, true);
    // Shop awning and sign with a sack.
    for (int i = 0; i < 8; ++i) {
        cairo_move_to(cr, 250 + i * 35, 300);
        cairo_line_to(cr, 285 + i * 35, 300);
        cairo_line_to(cr, 285 + i * 35, 330);
        cairo_curve_to(cr, 278 + i * 35, 342, 257 + i * 35, 342, 250 + i * 35, 330);
        cairo_close_path(cr);
        FillOutline(cr, i % 2 ? kPaper : kMoss, 2.0);
    }
    RoundedRectPath(cr, 320, 234, 120, 50, 10);
    SetVerticalGradient(cr, 234, kWoodLight, 284, kWood);
    FillSourceOutline(cr, kOutlineWidth);
    PaintSack(cr, 360, 276, 34, 34, kSand);
    PaintCoin(cr, 405, 262, 13, 2.0);
    // Door recess for the store door.
    RoundedRectPath(cr, 326, 282, 108, 160, 16);
    FillOutline(cr, Hex(0x3a2a20), kOutlineWidth);
    // Neighbours and the town hall with its bell tower.
    TimberHouse(cr, 575, 760, ground, 170, Hex(0xe8d3b0), kSkyTop, rng, false);
    TimberHouse(cr, 800, 1060, ground, 200, kStoneLight, kPlum, rng, false, false);
    // The town hall's bell tower rising from the roof.
    cairo_rectangle(cr, 885, 110, 80, 160);
    SetVerticalGradient(cr, 110, kStoneLight, 270, kStone);
    FillSourceOutline(cr, kOutlineWidth);
    cairo_move_to(cr, 870, 114);
    cairo_line_to(cr, 925, 26);
    cairo_line_to(cr, 980, 114);
    cairo_close_path(cr);
    SetVerticalGradient(cr, 26, Lighten(kPlum, 0.2), 114, kPlum);
    FillSourceOutline(cr, kOutlineWidth);
    RoundedRectPath(cr, 902, 136, 46, 56, 22);
    FillOutline(cr, Hex(0x3a2a20), 2.5);
    cairo_move_to(cr, 908, 184);
    cairo_curve_to(cr, 908, 150, 942, 150, 942, 184);
    cairo_close_path(cr);
    SetVerticalGradient(cr, 150, kHoneyLight, 184, kAmber);
    FillSourceOutline(cr, 2.0);
    EllipsePath(cr, 925, 232, 22, 22);
    FillOutline(cr, kPaper, 2.5);
    cairo_move_to(cr, 925, 232);
    cairo_line_to(cr, 925, 216);
    cairo_move_to(cr, 925, 232);
    cairo_line_to(cr, 936, 238);
    StrokeOutline(cr, 2.5);
    // Bunting across the square.
    PaintBunting(cr, 530, 250, 805, 262, 22, rng);
    PaintBunting(cr, 1060, 262, 1180, 300, 10, rng);
    // Grove and the shrine path on the right (the arch is hotspot 3111 at (1250, 330)).
    for (int i = 0; i < 5; ++i) {
        PaintBigTree(cr, 1120 + i * 70 + rng.Range(-10, 10), 420 + rng.Range(-10, 10), rng.Range(220, 280),
                     i % 2 ? kMossDark : kPine, rng);
    }
    PaintPath(cr, {1250, 430, 1250, 470, 1230, 520}, 50, 90, Mix(kSand, kStone, 0.3));
    // The plaza.
    PaintCobbles(cr, 0, ground, W, 768 - ground, kStone, rng);
    cairo_move_to(cr, 0, ground);
    cairo_line_to(cr, W, ground);
    StrokeOutline(cr, kOutlineWidth);
    // Dirt roads leaving the square: left (ranch, Zachary), right (forest, lake), down (orchard).
    PaintPath(cr, {-60, 640, 60, 630, 170, 600, 250, 560}, 170, 90, kSand);
    PaintPath(cr, {1596, 640, 1480, 630, 1370, 600, 1290, 560}, 170, 90, kSand);
    // Fountain in the middle.
    EllipsePath(cr, 770, 600, 150, 44);
    SetVerticalGradient(cr, 556, kStoneLight, 644, kStoneDark);
    FillSourceOutline(cr, kOutlineWidth);
    cairo_rectangle(cr, 620, 560, 300, 40);
    SetVerticalGradient(cr, 560, kStoneLight, 600, kStone);
    cairo_fill(cr);
    EllipsePath(cr, 770, 560, 150, 40);
    SetVerticalGradient(cr, 520, kWaterLight, 600, kWater);
    FillSourceOutline(cr, kOutlineWidth);
    cairo_move_to(cr, 620, 560);
    cairo_line_to(cr, 620, 600);
    cairo_move_to(cr, 920, 560);
    cairo_line_to(cr, 920, 600);
    StrokeOutline(cr, kOutlineWidth);
    RoundedRectPath(cr, 755, 470, 30, 86, 10);
    SetLinearGradient(cr, 755, 0, kStoneLight, 785, 0, kStoneDark);
    FillSourceOutline(cr, kOutlineWidth);
    EllipsePath(cr, 770, 470, 40, 14);
    FillOutline(cr, kStoneLight, kOutlineWidth);
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, 770, 462);
        cairo_curve_to(cr, 770 + side * 30, 420, 770 + side * 70, 430, 770 + side * 90, 550);
        SetColor(cr, kWaterLight, 0.85);
        cairo_set_line_width(cr, 6);
        cairo_stroke(cr);
    }
    for (int i = 0; i < 6; ++i) {
        EllipsePath(cr, 700 + i * 28, 560 + (i % 2) * 8, 14, 3);
        SetColor(cr, kWhite, 0.6);
        cairo_fill(cr);
    }
    // Benches, lamp posts and flower tubs.
    for (double lx : {180.0, 1110.0}) {
        cairo_rectangle(cr, lx - 5, 330, 10, 130);
        FillOutline(cr, kDusk, 2.0);
        PaintLantern(cr, lx, 320, 16, kHoney);
    }
    for (double tx : {560.0, 1080.0}) {
        RoundedRectPath(cr, tx - 34, 440, 68, 40, 8);
        SetVerticalGradient(cr, 440, kWoodLight, 480, kBark);
        FillSourceOutline(cr, kOutlineWidth);
        PaintBush(cr, tx, 444, 70, kMoss, rng, 2.0);
        for (int f = 0; f < 4; ++f) PaintFlower(cr, tx - 24 + f * 16, 418 + (f % 2) * 8, 6, kRose, 5, 1.2);
    }
    out.SaveJpeg(c, "Data/Graphics/World/Square.jpg");
}

// ---- 3004 Malcolm's store (1024 x 768) ----------------------------------------------------------

void Jar(cairo_t* cr, double x, double y, double w, double h, Rgb color) {
    RoundedRectPath(cr, x - w / 2, y - h, w, h, w * 0.25);
    SetLinearGradient(cr, x - w / 2, 0, Lighten(color, 0.35), x + w / 2, 0, Darken(color, 0.1));
    FillSourceOutline(cr, 2.0);
    RoundedRectPath(cr, x - w * 0.4, y - h - 6, w * 0.8, 8, 2);
    FillOutline(cr, kWood, 1.5);
    RoundedRectPath(cr, x - w * 0.3, y - h * 0.6, w * 0.6, h * 0.3, 2);
    FillOutline(cr, kPaper, 1.2);
}

void PaintStore(Output& out) {
    Canvas c(1024, 768);
    cairo_t* cr = c.cr();
    Rng rng(3004);
    PaintPlankWall(cr, 0, 0, 1024, 560, Hex(0xc99a68), rng, 56);
    PaintFloorBoards(cr, 0, 560, 1024, 768, Hex(0xa8774a), 560);
    // Shelves full of goods across the back wall.
    const Rgb goods[6] = {kBerryRed, kHoney, kMoss, kSkyTop, kPlum, kAmber};
    for (int row = 0; row < 3; ++row) {
        double sy = 150 + row * 110;
        cairo_rectangle(cr, 230, sy, 720, 14);
        SetVerticalGradient(cr, sy, kWoodLight, sy + 14, kBark);
        FillSourceOutline(cr, kOutlineWidth);
        double x = 250;
        while (x < 930) {
            int kind = rng.Int(0, 3);
            if (kind == 0) {
                double w = rng.Range(26, 36), h = rng.Range(40, 60);
                Jar(cr, x + w / 2, sy, w, h, goods[rng.Int(0, 5)]);
                x += w + 8;
            } else if (kind == 1) {
                PaintSack(cr, x + 26, sy, 50, rng.Range(50, 70), Mix(kSand, kParchment, rng.Uniform()));
                x += 58;
            } else if (kind == 2) {
                double w = rng.Range(40, 60), h = rng.Range(30, 50);
                PaintCrate(cr, x, sy - h, w, h);
                x += w + 6;
            } else {
                for (int b = 0; b < 3; ++b) {
                    RoundedRectPath(cr, x + b * 16, sy - 56, 13, 56, 6);
                    SetLinearGradient(cr, x + b * 16, 0, Lighten(goods[(b + row) % 6], 0.3), x + b * 16 + 13, 0,
                                      goods[(b + row) % 6]);
                    FillSourceOutline(cr, 1.8);
                }
                x += 54;
            }
        }
    }
    for (double bx : {230.0, 940.0}) {
        cairo_rectangle(cr, bx - 6, 100, 16, 340);
        FillOutline(cr, kBark, 2.0);
    }
    // Hanging herbs and a lamp.
    for (int i = 0; i < 6; ++i) {
        double hx = 300 + i * 110;
        cairo_move_to(cr, hx, 0);
        cairo_line_to(cr, hx, 40);
        StrokeOutline(cr, 2.0);
        DrawBlob(cr, hx, 60, 16, 24, i % 2 ? kMoss : kMossDark, 2.0, rng, 0.2);
    }
    PaintLantern(cr, 560, 70, 22, kHoney);
    // The door on the left wall is hotspot 3101 at (104, 395); its dark frame:
    RoundedRectPath(cr, 28, 214, 152, 350, 60);
    SetVerticalGradient(cr, 214, kBark, 564, kBarkDark);
    FillSourceOutline(cr, kOutlineWidth);
    RoundedRectPath(cr, 38, 226, 132, 336, 56);
    FillOutline(cr, Hex(0x3a2a20), 2.0);
    // Counter (Malcolm, hotspot 3130, stands behind it; his cut is at y 432).
    cairo_rectangle(cr, 250, 430, 560, 190);
    SetVerticalGradient(cr, 430, kWood, 620, kBarkDark);
    FillSourceOutline(cr, kOutlineWidth);
    for (int i = 0; i < 5; ++i) {
        RoundedRectPath(cr, 270 + i * 108, 460, 90, 140, 10);
        SetColor(cr, kOutline, 0.15);
        cairo_fill_preserve(cr);
        StrokeOutline(cr, 2.0);
    }
    RoundedRectPath(cr, 236, 416, 588, 24, 6);
    SetVerticalGradient(cr, 416, kWoodLight, 440, kWood);
    FillSourceOutline(cr, kOutlineWidth);
    // Scales and a bell on the counter.
    cairo_rectangle(cr, 700, 360, 8, 58);
    FillOutline(cr, kHoney, 2.0);
    cairo_move_to(cr, 660, 366);
    cairo_line_to(cr, 748, 366);
    StrokeOutline(cr, 4.0);
    for (double px : {664.0, 744.0}) {
        cairo_move_to(cr, px - 20, 396);
        cairo_curve_to(cr, px - 18, 412, px + 18, 412, px + 20, 396);
        cairo_close_path(cr);
        FillOutline(cr, kHoney, 2.0);
        cairo_move_to(cr, px, 366);
        cairo_line_to(cr, px - 18, 396);
        cairo_move_to(cr, px, 366);
        cairo_line_to(cr, px + 18, 396);
        StrokeOutline(cr, 1.5);
    }
    cairo_move_to(cr, 300, 418);
    cairo_curve_to(cr, 300, 386, 334, 386, 334, 418);
    cairo_close_path(cr);
    FillOutline(cr, kHoney, 2.0);
    // Barrels and sacks by the right wall.
    for (int i = 0; i < 2; ++i) {
        double bx = 900 + i * 70, by = 560 + i * 30;
        RoundedRectPath(cr, bx - 40, by - 90, 80, 100, 24);
        SetLinearGradient(cr, bx - 40, 0, kWoodLight, bx + 40, 0, kBark);
        FillSourceOutline(cr, kOutlineWidth);
        for (double r : {0.2, 0.8}) {
            cairo_move_to(cr, bx - 40, by - 90 + 100 * r);
            cairo_line_to(cr, bx + 40, by - 90 + 100 * r);
        }
        StrokeOutline(cr, 3.0);
    }
    PaintSack(cr, 230, 700, 90, 90, kSand);
    PaintSack(cr, 300, 716, 70, 70, kParchment);
    out.SaveJpeg(c, "Data/Graphics/World/Store.jpg");
}

// ---- 3014 Festival Green (1024 x 768) ----------------------------------------------------------

void PaintFestival(Output& out) {
    Canvas c(1024, 768);
    cairo_t* cr = c.cr();
    Rng rng(3014);
    PaintSky(cr, 0, 0, 1024, 420, Hex(0x6a6a9e), Hex(0xf2c38a));
    PaintMountains(cr, 0, 1024, 300, 150, Mix(kPlum, kDusk, 0.4), rng, true, 2.0);
    PaintHills(cr, 0, 1024, 330, 20, 768, Mix(kMossDark, kPlum, 0.3), rng, 2.0);
    PaintHills(cr, 0, 1024, 400, 10, 768, kMoss, rng, kOutlineWidth);
    // Stage with curtains (the Mayor stands on it at (770, 430)).
    cairo_rectangle(cr, 600, 420, 340, 60);
    SetVerticalGradient(cr, 420, kWoodLight, 480, kBark);
    FillSourceOutline(cr, kOutlineWidth);
    for (double px : {610.0, 930.0}) {
        cairo_rectangle(cr, px - 8, 200, 16, 222);
        FillOutline(cr, kBark, 2.0);
    }
    cairo_move_to(cr, 590, 206);
    cairo_curve_to(cr, 700, 250, 840, 250, 950, 206);
    cairo_line_to(cr, 950, 190);
    cairo_line_to(cr, 590, 190);
    cairo_close_path(cr);
    SetVerticalGradient(cr, 190, kBerryRed, 250, kBerryDark);
    FillSourceOutline(cr, kOutlineWidth);
    // Tents.
    const Rgb tents[3] = {kHoney, kSkyTop, kRose};
    for (int i = 0; i < 3; ++i) {
        double tx = 90 + i * 170, ty = 420;
        cairo_move_to(cr, tx - 70, ty + 60);
        cairo_line_to(cr, tx - 70, ty);
        cairo_line_to(cr, tx, ty - 80);
        cairo_line_to(cr, tx + 70, ty);
        cairo_line_to(cr, tx + 70, ty + 60);
        cairo_close_path(cr);
        SetVerticalGradient(cr, ty - 80, Lighten(tents[i], 0.2), ty + 60, tents[i]);
        FillSourceOutline(cr, kOutlineWidth);
        for (int s = -2; s <= 2; s += 2) {
            cairo_move_to(cr, tx, ty - 80);
            cairo_line_to(cr, tx + s * 35, ty + 60);
        }
        SetColor(cr, kWhite, 0.5);
        cairo_set_line_width(cr, 8);
        cairo_stroke(cr);
        cairo_move_to(cr, tx - 20, ty + 60);
        cairo_line_to(cr, tx, ty + 10);
        cairo_line_to(cr, tx + 20, ty + 60);
        cairo_close_path(cr);
        FillOutline(cr, Hex(0x4a3428), 2.0);
        PaintFlower(cr, tx, ty - 84, 8, kBerryRed, 5, 1.5);
    }
    // Long table with jam jars and pies.
    cairo_rectangle(cr, 120, 560, 420, 24);
    SetVerticalGradient(cr, 560, kWoodLight, 584, kWood);
    FillSourceOutline(cr, kOutlineWidth);
    cairo_rectangle(cr, 120, 584, 420, 40);
    FillOutline(cr, kPaper, 2.0);
    for (int i = 0; i < 6; ++i) {
        Jar(cr, 150 + i * 30, 560, 24, 34, i % 2 ? kBerryRed : kPlum);
    }
    for (int i = 0; i < 3; ++i) {
        EllipsePath(cr, 370 + i * 60, 552, 26, 10);
        SetVerticalGradient(cr, 542, kHoneyLight, 562, kAmber);
        FillSourceOutline(cr, 2.0);
    }
    // Lantern strings and bunting.
    for (int k = 0; k < 2; ++k) {
        double y0 = 120 + k * 60;
        PaintBunting(cr, -10, y0, 1034, y0 + 20, 30, rng);
    }
    for (int i = 0; i < 9; ++i) {
        const Rgb lc[3] = {kHoney, kRose, kBerryRed};
        PaintLantern(cr, 60 + i * 112, 250 + (i % 2) * 14, 14, lc[i % 3]);
    }
    PaintMeadow(cr, 0, 640, 1024, 120, rng, 60);
    PaintLight(cr, 770, 330, 300, kHoneyLight, 0.18);
    out.SaveJpeg(c, "Data/Graphics/World/Festival.jpg");
}

// ---- 3016 Spirit Shrine (1024 x 768) -----------------------------------------------------------

void PaintShrine(Output& out) {
    Canvas c(1024, 768);
    cairo_t* cr = c.cr();
    Rng rng(3016);
    FillVerticalGradient(cr, 0, 0, 1024, 768, Mix(kPine, kSkyHaze, 0.35), kMossDark);
    for (int i = 0; i < 9; ++i) {
        PaintPineTree(cr, i * 128 + rng.Range(-20, 20), 380, rng.Range(300, 380), Mix(kPine, kSky, 0.25), rng, 2.0);
    }
    PaintHills(cr, 0, 1024, 400, 12, 768, Mix(kMoss, kMossDark, 0.4), rng, kOutlineWidth);
    // Light beams.
    for (int i = 0; i < 4; ++i) {
        double x = 300 + i * 140;
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x + 60, 0);
        cairo_line_to(cr, x + 220, 620);
        cairo_line_to(cr, x + 120, 620);
        cairo_close_path(cr);
        SetVerticalGradient(cr, 0, kHoneyLight, 620, kHoneyLight, 0.22, 0.0);
        cairo_fill(cr);
    }
    // Stone circle floor.
    EllipsePath(cr, 512, 560, 430, 130);
    SetRadialGradient(cr, 512, 540, 430, kStoneLight, kStone);
    FillSourceOutline(cr, kOutlineWidth);
    EllipsePath(cr, 512, 560, 300, 88);
    SetColor(cr, kStoneDark, 0.5);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    // Thirteen empty plinths in an arc (the found statues belong on them).
    for (int i = 0; i < 13; ++i) {
        double a = kWorldPi * (1.05 + 0.9 * i / 12.0);
        double px = 512 + std::cos(a) * 380, py = 560 + std::sin(a) * 115 + 10;
        double s = 0.75 + 0.25 * (py - 440) / 130;
        RoundedRectPath(cr, px - 24 * s, py - 40 * s, 48 * s, 44 * s, 6);
        SetVerticalGradient(cr, py - 40 * s, kStoneLight, py, kStoneDark);
        FillSourceOutline(cr, 2.5);
        EllipsePath(cr, px, py - 40 * s, 28 * s, 8 * s);
        FillOutline(cr, kStoneLight, 2.0);
        // Carved spiral.
        cairo_new_sub_path(cr);
        cairo_arc(cr, px, py - 20 * s, 8 * s, 0, 1.6 * kWorldPi);
        SetColor(cr, kMossDark, 0.6);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    // Ferns and moss around.
    for (int i = 0; i < 10; ++i) {
        double x = rng.Range(0, 1024), y = rng.Range(660, 760);
        PaintBush(cr, x, y, rng.Range(60, 110), i % 2 ? kMoss : kMossDark, rng, 2.0);
    }
    PaintMeadow(cr, 0, 640, 1024, 120, rng, 40, kMossLight);
    // Fireflies.
    for (int i = 0; i < 18; ++i) {
        PaintSparkle(cr, rng.Range(50, 980), rng.Range(120, 520), rng.Range(4, 8), kHoneyLight, 0.8);
    }
    out.SaveJpeg(c, "Data/Graphics/World/Shrine.jpg");
}

}  // namespace

bool PaintVillage(Output& out) {
    PaintCottage(out);
    PaintSquare(out);
    PaintStore(out);
    PaintFestival(out);
    PaintShrine(out);
    return out.ok();
}
