// Mini-game pictures: apple tree (55), berry bush (56), forest (57), lens (58), fish and junk
// (507, 508, 550-552), apple (509), acorn (513), mushroom (515), fishing gauge and marker (565,
// 610), berry (612), the berry location's four leaves and the apple location's charge bar and glow
// (registered per location as 10000-10003 / 10000-10001).
#include <cmath>
#include <cstdio>
#include <string>

#include "games/food_shapes.h"
#include "painters.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

std::string Gfx(const std::string& name) { return "Data/Graphics/Games/" + name + ".png"; }

void PaintAppleTree(Output& out) {
    // 480 x 720, crown centred on the picture centre (240, 360): apples fly out from there.
    Canvas c(480, 720);
    cairo_t* cr = c.cr();
    Rng rng(55);
    const double lw = kOutlineWidth;
    // Trunk down to the bottom edge with two roots.
    cairo_new_path(cr);
    cairo_move_to(cr, 190, 716);
    cairo_curve_to(cr, 215, 680, 222, 560, 218, 420);
    cairo_line_to(cr, 262, 420);
    cairo_curve_to(cr, 258, 560, 265, 680, 290, 716);
    cairo_close_path(cr);
    SetLinearGradient(cr, 200, 0, Lighten(kBark, 0.2), 290, 0, Darken(kBark, 0.25));
    FillSourceOutline(cr, lw);
    for (int i = 0; i < 6; ++i) {
        double y = 470 + i * 40;
        cairo_new_path(cr);
        cairo_move_to(cr, 226 + rng.Range(0, 10), y);
        cairo_curve_to(cr, 232, y + 8, 240, y + 10, 246 + rng.Range(0, 8), y + 22);
        SetColor(cr, Darken(kBark, 0.4), 0.6);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    // Crown.
    const double lobes[][3] = {{120, 300, 95}, {240, 230, 110}, {360, 300, 95}, {150, 420, 90},
                               {330, 420, 90}, {240, 360, 120}};
    for (int i = 0; i < 6; ++i) {
        DrawBlob(cr, lobes[i][0], lobes[i][1], lobes[i][2], lobes[i][2] * 0.92,
                 i < 5 ? kMossDark : kMoss, lw, rng, 0.06);
    }
    DrawBlob(cr, 200, 300, 90, 80, kMoss, 0, rng, 0.06);
    DrawBlob(cr, 290, 330, 80, 70, kMoss, 0, rng, 0.06);
    for (int i = 0; i < 40; ++i) {
        double a = rng.Range(0, 2 * kPi), d = rng.Range(0, 170);
        double x = 240 + std::cos(a) * d, y = 340 + std::sin(a) * d * 0.8;
        cairo_new_path(cr);
        cairo_arc(cr, x, y, rng.Range(8, 14), kPi * 1.1, kPi * 1.9);
        SetColor(cr, kMossLight, 0.6);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
    for (int i = 0; i < 12; ++i) {
        double a = rng.Range(0, 2 * kPi), d = rng.Range(40, 180);
        DrawApple(cr, 240 + std::cos(a) * d, 340 + std::sin(a) * d * 0.75, 13, 2.2);
    }
    out.SavePng(c, Gfx("AppleTree"));
}

void PaintBerryBush(Output& out) {
    // 320 x 512 centred at (512, 384): the 21 leaves hide berries at x 468-556, y 140-456 on
    // screen, i.e. x 116-204, y 12-328 in the picture, so the foliage fills the upper part.
    Canvas c(320, 512);
    cairo_t* cr = c.cr();
    Rng rng(56);
    const double lw = kOutlineWidth;
    // Stems from the ground.
    for (int i = -2; i <= 2; ++i) {
        cairo_new_path(cr);
        cairo_move_to(cr, 160 + i * 12, 506);
        cairo_curve_to(cr, 160 + i * 20, 420, 160 + i * 40, 380, 160 + i * 50, 300);
        SetColor(cr, kOutline);
        cairo_set_line_width(cr, 10);
        cairo_stroke_preserve(cr);
        SetColor(cr, kBark);
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
    }
    const double lobes[][3] = {{160, 90, 80},  {90, 160, 70},  {230, 160, 70}, {100, 260, 72}, {220, 260, 72},
                               {110, 360, 66}, {210, 360, 66}, {160, 410, 62}, {160, 220, 100}};
    for (int i = 0; i < 9; ++i) {
        DrawBlob(cr, lobes[i][0], lobes[i][1], lobes[i][2], lobes[i][2] * 0.95, i < 8 ? kPine : kMossDark,
                 lw, rng, 0.07);
    }
    for (int i = 0; i < 50; ++i) {
        // Leaves lie on the foliage: pick a lobe, then a point well inside it.
        const double* lobe = lobes[rng.Int(0, 8)];
        double a = rng.Range(0, 2 * kPi), d = rng.Range(0, lobe[2] * 0.7);
        double x = lobe[0] + std::cos(a) * d, y = lobe[1] + std::sin(a) * d;
        DrawLeaf(cr, x, y, rng.Range(14, 22), 9, rng.Range(0, 2 * kPi), Mix(kMoss, kPine, 0.3), 1.5);
    }
    // A few berries already showing at the rim.
    for (int i = 0; i < 8; ++i) {
        double a = rng.Range(0, 2 * kPi);
        DrawBerry(cr, 160 + std::cos(a) * 118, 240 + std::sin(a) * 170, 6, kPlum, 1.5);
    }
    PaintGrassTuft(cr, 110, 508, 26, kMoss, rng, 2);
    PaintGrassTuft(cr, 210, 508, 22, kMoss, rng, 2);
    out.SavePng(c, Gfx("BerryBush"));
}

void PaintForest(Output& out) {
    // 1024 x 512 with three crowns where acorns hide and a ground strip for the mushrooms. The
    // magnifier shows 96-px squares at full size, so crowns and ground carry fine leaf texture.
    Canvas c(1024, 512);
    cairo_t* cr = c.cr();
    Rng rng(57);
    const double lw = kOutlineWidth;
    PaintSky(cr, 0, 0, 1024, 512, Mix(kSkyTop, kMossLight, 0.2), kSkyHaze);
    PaintHills(cr, 0, 1024, 330, 20, 512, Mix(kMoss, kSky, 0.35), rng, 0);
    for (double x = 0; x < 1060; x += rng.Range(40, 70)) {
        PaintPineTree(cr, x, 400, rng.Range(120, 180), Mix(kPine, kSky, 0.3), rng, 2);
    }
    // Ground.
    PaintHills(cr, 0, 1024, 420, 8, 512, kMoss, rng, lw);
    // Three trees: trunks then crowns (full-size crown boxes: 128-320, 424-600, 688-916 wide,
    // down to y 384).
    const double crowns[3][4] = {{224, 290, 112, 140}, {512, 304, 96, 124}, {802, 300, 124, 132}};
    for (const auto& cw : crowns) {
        double x = cw[0];
        cairo_new_path(cr);
        cairo_move_to(cr, x - 26, 440);
        cairo_curve_to(cr, x - 16, 400, x - 14, 340, x - 12, 300);
        cairo_line_to(cr, x + 12, 300);
        cairo_curve_to(cr, x + 14, 340, x + 16, 400, x + 26, 440);
        cairo_close_path(cr);
        SetLinearGradient(cr, x - 26, 0, Lighten(kBark, 0.15), x + 26, 0, Darken(kBark, 0.2));
        FillSourceOutline(cr, lw);
    }
    const Rgb leaf_colors[3] = {kMossDark, Mix(kMoss, kHoney, 0.25), kMossDark};
    for (int t = 0; t < 3; ++t) {
        double x = crowns[t][0], y = crowns[t][1], rx = crowns[t][2], ry = crowns[t][3];
        Rgb leaf = leaf_colors[t];
        for (int i = 0; i < 6; ++i) {
            double a = kPi + kPi * (i + 0.5) / 6;
            DrawBlob(cr, x + std::cos(a) * rx * 0.6, y + std::sin(a) * ry * 0.5 + ry * 0.25, rx * 0.5, ry * 0.45,
                     Darken(leaf, 0.05), lw, rng, 0.07);
        }
        DrawBlob(cr, x, y - ry * 0.35, rx * 0.6, ry * 0.5, leaf, lw, rng, 0.06);
        DrawBlob(cr, x, y + ry * 0.1, rx * 0.85, ry * 0.62, Lighten(leaf, 0.05), 0, rng, 0.05);
        // Dense leaf texture for the magnifier.
        for (int i = 0; i < 160; ++i) {
            double a = rng.Range(0, 2 * kPi), d = std::sqrt(rng.Uniform());
            double lx = x + std::cos(a) * rx * 0.85 * d, ly = y + std::sin(a) * ry * 0.75 * d;
            DrawLeaf(cr, lx, ly, rng.Range(9, 15), 6, rng.Range(0, 2 * kPi),
                     rng.Chance(0.5) ? Lighten(leaf, 0.15) : Darken(leaf, 0.1), 0.9);
        }
    }
    // Ground texture: grass, pebbles, fallen leaves (mushrooms appear on y 432-464).
    for (int i = 0; i < 140; ++i) {
        double x = rng.Range(0, 1024), y = rng.Range(424, 508);
        int kind = rng.Int(0, 2);
        if (kind == 0) {
            PaintGrassTuft(cr, x, y, rng.Range(8, 16), Mix(kMoss, kMossLight, 0.5), rng, 1.2);
        } else if (kind == 1) {
            DrawLeaf(cr, x, y, rng.Range(10, 16), 7, rng.Range(0, 2 * kPi), rng.Chance(0.5) ? kAmber : kWood, 1.0);
        } else {
            PaintStone(cr, x, y, rng.Range(3, 6), rng.Range(2, 4), rng, 1.0);
        }
    }
    out.SavePng(c, Gfx("Forest"));
}

void PaintLens(Output& out) {
    // 58: the magnifier frame, centred on the pointer; the inner hole shows the 144-px view.
    Canvas c(256, 256);
    cairo_t* cr = c.cr();
    // Handle towards the lower right.
    cairo_save(cr);
    cairo_translate(cr, 128, 128);
    cairo_rotate(cr, kPi / 4);
    RoundedRectPath(cr, 84, -13, 40, 26, 10);
    SetVerticalGradient(cr, -13, kWoodLight, 13, kBark);
    FillSourceOutline(cr, kOutlineWidth);
    RoundedRectPath(cr, 78, -9, 10, 18, 3);
    FillOutline(cr, kHoney, 2.5);
    cairo_restore(cr);
    // Ring: outer radius 88, inner 72.
    cairo_new_path(cr);
    cairo_arc(cr, 128, 128, 88, 0, 2 * kPi);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, 128, 128, 72, 2 * kPi, 0);
    SetRadialGradient(cr, 100, 100, 120, kHoneyLight, kAmber);
    FillSourceOutline(cr, kOutlineWidth);
    // Glass glint (light, mostly transparent).
    cairo_new_path(cr);
    cairo_arc(cr, 128, 128, 62, kPi * 1.1, kPi * 1.45);
    SetColor(cr, kWhite, 0.55);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    out.SavePng(c, Gfx("Lens"));
}

void PaintCatches(Output& out) {
    {  // 507 small fish (variant 1)
        Canvas c(48, 48);
        DrawFish(c.cr(), 24, 25, 40, kWater, kWaterLight, 1.6);
        out.SavePng(c, Gfx("FishSmall1"));
    }
    {  // 508 big fish
        Canvas c(48, 48);
        DrawFish(c.cr(), 24, 25, 46, kAmber, kHoney, 1.6);
        out.SavePng(c, Gfx("FishBig"));
    }
    {  // 550 small fish (variant 2)
        Canvas c(48, 48);
        DrawFish(c.cr(), 24, 25, 36, kLavender, kRose, 1.6);
        out.SavePng(c, Gfx("FishSmall2"));
    }
    {  // 551 junk: an old boot
        Canvas c(48, 48);
        cairo_t* cr = c.cr();
        cairo_new_path(cr);
        cairo_move_to(cr, 14, 6);
        cairo_line_to(cr, 30, 6);
        cairo_line_to(cr, 30, 26);
        cairo_curve_to(cr, 40, 28, 45, 32, 45, 38);
        cairo_line_to(cr, 45, 42);
        cairo_line_to(cr, 8, 42);
        cairo_line_to(cr, 10, 26);
        cairo_close_path(cr);
        SetVerticalGradient(cr, 6, kEarth, 42, kBarkDark);
        FillSourceOutline(cr, 1.8);
        cairo_rectangle(cr, 8, 39, 37, 4);
        FillOutline(cr, kStoneDark, 1.5);
        for (int i = 0; i < 3; ++i) {
            cairo_move_to(cr, 16, 12 + i * 5);
            cairo_line_to(cr, 28, 12 + i * 5);
        }
        SetColor(cr, kSand);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        DrawLeaf(cr, 30, 8, 14, 6, -0.7, kMoss, 1.2);  // a bit of weed
        out.SavePng(c, Gfx("JunkBoot"));
    }
    {  // 552 junk: a dented tin can
        Canvas c(48, 48);
        cairo_t* cr = c.cr();
        cairo_save(cr);
        cairo_translate(cr, 24, 24);
        cairo_rotate(cr, -0.3);
        RoundedRectPath(cr, -12, -16, 24, 32, 4);
        SetLinearGradient(cr, -12, 0, kStoneLight, 12, 0, kStoneDark);
        FillSourceOutline(cr, 1.8);
        EllipsePath(cr, 0, -16, 12, 3.5);
        FillOutline(cr, kStone, 1.5);
        cairo_rectangle(cr, -12, -6, 24, 12);
        FillOutline(cr, kRose, 1.5);
        cairo_move_to(cr, 5, -16);
        cairo_line_to(cr, 2, -4);
        StrokeOutline(cr, 1.2);
        cairo_restore(cr);
        out.SavePng(c, Gfx("JunkCan"));
    }
    {  // 509 flying apple
        Canvas c(48, 48);
        DrawApple(c.cr(), 24, 27, 16, 1.8);
        out.SavePng(c, Gfx("Apple"));
    }
    {  // 513 acorn (48 canvas, small and hidden in the crowns)
        Canvas c(48, 48);
        DrawAcorn(c.cr(), 24, 25, 30, 1.6);
        out.SavePng(c, Gfx("Acorn"));
    }
    {  // 515 mushroom
        Canvas c(48, 48);
        DrawMushroom(c.cr(), 24, 24, 32, 1.6);
        out.SavePng(c, Gfx("Mushroom"));
    }
    {  // 612 berry under a leaf
        Canvas c(32, 32);
        cairo_t* cr = c.cr();
        DrawBerry(cr, 12, 18, 7.5, kPlum, 1.5);
        DrawBerry(cr, 21, 15, 7, kBerryRed, 1.5);
        DrawLeaf(cr, 14, 9, 12, 6, -0.8, kMoss, 1.2);
        out.SavePng(c, Gfx("Berry"));
    }
}

void PaintGauge(Output& out) {
    {  // 565: 320 x 48, red ends, honey, green centre (the best).
        Canvas c(320, 48);
        cairo_t* cr = c.cr();
        RoundedRectPath(cr, 4, 10, 312, 28, 14);
        cairo_pattern_t* p = cairo_pattern_create_linear(4, 0, 316, 0);
        const double stops[] = {0.0, 0.22, 0.42, 0.5, 0.58, 0.78, 1.0};
        const Rgb cols[] = {kBerryRed, kHoney, kMossLight, kMoss, kMossLight, kHoney, kBerryRed};
        for (int i = 0; i < 7; ++i) cairo_pattern_add_color_stop_rgb(p, stops[i], cols[i].r, cols[i].g, cols[i].b);
        cairo_set_source(cr, p);
        cairo_pattern_destroy(p);
        FillSourceOutline(cr, 2.5);
        RoundedRectPath(cr, 16, 14, 288, 6, 3);
        SetColor(cr, kWhite, 0.5);
        cairo_fill(cr);
        for (int i = 1; i < 8; ++i) {
            double x = 4 + 312.0 * i / 8;
            cairo_move_to(cr, x, 30);
            cairo_line_to(cr, x, 38);
        }
        SetColor(cr, kOutline, 0.6);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        out.SavePng(c, Gfx("Gauge"));
    }
    {  // 610: marker, a honey pin pointing down onto the gauge.
        Canvas c(28, 64);
        cairo_t* cr = c.cr();
        cairo_new_path(cr);
        cairo_move_to(cr, 14, 60);
        cairo_line_to(cr, 5, 22);
        cairo_curve_to(cr, 2, 10, 8, 3, 14, 3);
        cairo_curve_to(cr, 20, 3, 26, 10, 23, 22);
        cairo_close_path(cr);
        SetLinearGradient(cr, 4, 0, kHoneyLight, 24, 0, kAmber);
        FillSourceOutline(cr, 2);
        cairo_new_path(cr);
        cairo_arc(cr, 14, 14, 4, 0, 2 * kPi);
        FillOutline(cr, kPaper, 1.5);
        out.SavePng(c, Gfx("GaugeMarker"));
    }
}

void PaintLeaves(Output& out) {
    // Berry location 10000-10003: four leaf variants covering 48 px, swung about their centre.
    const Rgb colors[4] = {kMoss, kMossDark, Mix(kMoss, kHoney, 0.3), kPine};
    for (int k = 0; k < 4; ++k) {
        Canvas c(56, 56);
        cairo_t* cr = c.cr();
        double a = -kPi / 2 + (k - 1.5) * 0.3;
        double len = 48 - k * 2;
        DrawLeaf(cr, 28 - std::cos(a) * len / 2, 28 - std::sin(a) * len / 2, len, 30 - k * 2, a, colors[k], 1.8);
        if (k % 2 == 1) {
            cairo_new_path(cr);
            cairo_arc(cr, 28 + 6, 28 - 4, 3, 0, 2 * kPi);
            SetColor(cr, Darken(colors[k], 0.3), 0.5);  // a nibbled hole shade
            cairo_fill(cr);
        }
        char name[32];
        std::snprintf(name, sizeof name, "Leaf%d", k + 1);
        out.SavePng(c, Gfx(name));
    }
}

void PaintCharge(Output& out) {
    {  // Apple location 10000: 640 x 32 charge bar.
        Canvas c(640, 32);
        cairo_t* cr = c.cr();
        RoundedRectPath(cr, 2, 3, 636, 26, 13);
        SetLinearGradient(cr, 0, 0, kBerryRed, 640, 0, kHoney);
        FillSourceOutline(cr, 2.5);
        RoundedRectPath(cr, 14, 7, 612, 6, 3);
        SetColor(cr, kWhite, 0.5);
        cairo_fill(cr);
        out.SavePng(c, Gfx("ChargeBar"));
    }
    {  // 10001: glow at the bar's start.
        Canvas c(64, 64);
        cairo_t* cr = c.cr();
        DrawGlow(cr, 32, 32, 31, kHoneyLight, 1.0);
        PaintSparkle(cr, 32, 32, 18, kWhite, 0.9);
        out.SavePng(c, Gfx("ChargeGlow"));
    }
}

}  // namespace

bool PaintGames(Output& out) {
    PaintAppleTree(out);
    PaintBerryBush(out);
    PaintForest(out);
    PaintLens(out);
    PaintCatches(out);
    PaintGauge(out);
    PaintLeaves(out);
    PaintCharge(out);
    return out.ok();
}
