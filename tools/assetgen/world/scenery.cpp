#include "world/scenery.h"

#include <algorithm>
#include <cmath>

void PaintPlankWall(cairo_t* cr, double x, double y, double w, double h, Rgb wood, Rng& rng,
                    double board) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    for (double bx = x; bx < x + w; bx += board) {
        Rgb c = Mix(wood, Darken(wood, 0.25), rng.Range(0, 0.35));
        cairo_rectangle(cr, bx, y, board, h);
        SetLinearGradient(cr, bx, 0, Lighten(c, 0.08), bx + board, 0, Darken(c, 0.08));
        cairo_fill(cr);
        cairo_move_to(cr, bx, y);
        cairo_line_to(cr, bx, y + h);
        SetColor(cr, kOutline, 0.55);
        cairo_set_line_width(cr, 2.0);
        cairo_stroke(cr);
        // Grain and a knot or two.
        for (int i = 0; i < 3; ++i) {
            double gx = bx + rng.Range(10, board - 10);
            double gy = y + rng.Range(0, h);
            cairo_move_to(cr, gx, gy);
            cairo_curve_to(cr, gx + 3, gy + 40, gx - 3, gy + 80, gx + 1, gy + rng.Range(100, 160));
            SetColor(cr, Darken(c, 0.3), 0.35);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
        }
        if (rng.Chance(0.5)) {
            EllipsePath(cr, bx + rng.Range(14, board - 14), y + rng.Range(20, h - 20), 5, 8);
            SetColor(cr, Darken(c, 0.35), 0.6);
            cairo_fill(cr);
        }
    }
    // Shadow under the ceiling.
    cairo_rectangle(cr, x, y, w, 90);
    SetVerticalGradient(cr, y, kOutline, y + 90, kOutline, 0.35, 0.0);
    cairo_fill(cr);
    cairo_restore(cr);
}

void PaintFloorBoards(cairo_t* cr, double x, double y0, double w, double y1, Rgb wood,
                      double vanish_x) {
    cairo_rectangle(cr, x, y0, w, y1 - y0);
    SetVerticalGradient(cr, y0, Darken(wood, 0.2), y1, Lighten(wood, 0.08));
    cairo_fill(cr);
    cairo_save(cr);
    cairo_rectangle(cr, x, y0, w, y1 - y0);
    cairo_clip(cr);
    for (double bx = x - w; bx <= x + 2 * w; bx += 72) {
        double top_x = vanish_x + (bx - vanish_x) * 0.35;
        cairo_move_to(cr, top_x, y0);
        cairo_line_to(cr, bx, y1);
    }
    SetColor(cr, kOutline, 0.45);
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
    // Cross joints, closer together in the distance.
    for (int i = 1; i < 8; ++i) {
        double t = std::pow(i / 8.0, 1.6);
        double y = y0 + (y1 - y0) * t;
        for (double bx = x - w; bx <= x + 2 * w; bx += 144) {
            double shift = (i % 2) * 72;
            double xa = vanish_x + (bx + shift - vanish_x) * (0.35 + 0.65 * t);
            double xb = vanish_x + (bx + shift + 72 - vanish_x) * (0.35 + 0.65 * t);
            cairo_move_to(cr, xa, y);
            cairo_line_to(cr, xb, y);
        }
    }
    SetColor(cr, kOutline, 0.25);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_move_to(cr, x, y0);
    cairo_line_to(cr, x + w, y0);
    StrokeOutline(cr, kOutlineWidth);
}

void PaintWindow(cairo_t* cr, double x, double y, double w, double h,
                 const std::function<void(cairo_t*)>& view, Rgb frame) {
    cairo_save(cr);
    RoundedRectPath(cr, x, y, w, h, 8);
    cairo_clip(cr);
    view(cr);
    // Glass shine.
    cairo_move_to(cr, x + w * 0.15, y + h);
    cairo_line_to(cr, x + w * 0.55, y);
    cairo_line_to(cr, x + w * 0.7, y);
    cairo_line_to(cr, x + w * 0.3, y + h);
    cairo_close_path(cr);
    SetColor(cr, kWhite, 0.16);
    cairo_fill(cr);
    cairo_restore(cr);
    // Frame and cross bars.
    RoundedRectPath(cr, x, y, w, h, 8);
    SetColor(cr, frame);
    cairo_set_line_width(cr, 18);
    cairo_stroke_preserve(cr);
    StrokeOutline(cr, kOutlineWidth);
    RoundedRectPath(cr, x - 9, y - 9, w + 18, h + 18, 12);
    StrokeOutline(cr, kOutlineWidth);
    cairo_rectangle(cr, x + w / 2 - 5, y, 10, h);
    cairo_rectangle(cr, x, y + h / 2 - 5, w, 10);
    FillOutline(cr, frame, 2.0);
    // Sill.
    RoundedRectPath(cr, x - 24, y + h + 6, w + 48, 18, 5);
    SetVerticalGradient(cr, y + h + 6, Lighten(frame, 0.2), y + h + 24, Darken(frame, 0.2));
    FillSourceOutline(cr, kOutlineWidth);
}

void PaintBigTree(cairo_t* cr, double x, double ground_y, double height, Rgb leaf, Rng& rng,
                  int fruit, double line_width) {
    const double crown_r = height * 0.34;
    const double crown_y = ground_y - height + crown_r;
    const double tw = height * 0.07;
    // Trunk with roots and a fork.
    std::vector<double> trunk = {x - tw * 2.2, ground_y + 2, x - tw * 1.0, ground_y - height * 0.1,
                                 x - tw * 0.8, crown_y + crown_r * 0.3, x - tw * 1.6, crown_y,
                                 x + tw * 1.6, crown_y, x + tw * 0.8, crown_y + crown_r * 0.3,
                                 x + tw * 1.0, ground_y - height * 0.1, x + tw * 2.4, ground_y + 2};
    SmoothClosedPath(cr, trunk);
    SetLinearGradient(cr, x - tw * 2, 0, Lighten(kBark, 0.15), x + tw * 2, 0, Darken(kBark, 0.25));
    FillSourceOutline(cr, line_width);
    for (int i = 0; i < 4; ++i) {
        double bx = x + rng.Range(-tw * 0.6, tw * 0.6);
        double by = ground_y - rng.Range(0.1, 0.5) * height * 0.5;
        cairo_move_to(cr, bx, by);
        cairo_curve_to(cr, bx + 2, by - 12, bx - 2, by - 24, bx + 1, by - rng.Range(28, 48));
        SetColor(cr, kBarkDark, 0.5);
        cairo_set_line_width(cr, 1.8);
        cairo_stroke(cr);
    }
    // Crown: back blobs darker, front blobs lighter.
    struct Lobe {
        double x, y, r;
    };
    std::vector<Lobe> back, front;
    for (int i = 0; i < 9; ++i) {
        double a = 2 * kWorldPi * i / 9 + rng.Range(-0.2, 0.2);
        back.push_back({x + std::cos(a) * crown_r * 0.72, crown_y + std::sin(a) * crown_r * 0.55,
                        crown_r * rng.Range(0.42, 0.55)});
    }
    for (int i = 0; i < 6; ++i) {
        double a = 2 * kWorldPi * i / 6 + rng.Range(-0.3, 0.3);
        front.push_back({x + std::cos(a) * crown_r * 0.4, crown_y - crown_r * 0.1 + std::sin(a) * crown_r * 0.32,
                         crown_r * rng.Range(0.38, 0.5)});
    }
    for (const Lobe& l : back) DrawBlob(cr, l.x, l.y, l.r, l.r * 0.9, Darken(leaf, 0.14), line_width, rng, 0.05);
    for (const Lobe& l : front) DrawBlob(cr, l.x, l.y, l.r, l.r * 0.9, leaf, line_width, rng, 0.05);
    DrawBlob(cr, x - crown_r * 0.05, crown_y - crown_r * 0.15, crown_r * 0.5, crown_r * 0.4,
             Lighten(leaf, 0.06), 0, rng, 0.04);
    for (int i = 0; i < 14; ++i) {
        double fx = x + rng.Range(-crown_r, crown_r);
        double fy = crown_y + rng.Range(-crown_r * 0.7, crown_r * 0.5);
        cairo_new_path(cr);
        cairo_arc(cr, fx, fy, crown_r * 0.09, kWorldPi * 1.1, kWorldPi * 1.9);
        SetColor(cr, Lighten(leaf, 0.4), 0.7);
        cairo_set_line_width(cr, 2.0);
        cairo_stroke(cr);
    }
    for (int i = 0; i < fruit; ++i) {
        double a = rng.Range(0, 2 * kWorldPi);
        double d = std::sqrt(rng.Uniform()) * 0.85;
        double fx = x + std::cos(a) * crown_r * d, fy = crown_y + std::sin(a) * crown_r * d * 0.7;
        DrawBlob(cr, fx, fy, crown_r * 0.075, crown_r * 0.07, kBerryRed, 2.0, rng, 0.02);
        DrawShine(cr, fx - crown_r * 0.02, fy - crown_r * 0.025, crown_r * 0.025, crown_r * 0.02, 0.7);
    }
}

void PaintMountains(cairo_t* cr, double x0, double x1, double base_y, double height, Rgb color,
                    Rng& rng, bool snow, double line_width) {
    double x = x0 - 60;
    while (x < x1 + 60) {
        double w = rng.Range(220, 380);
        double h = height * rng.Range(0.6, 1.0);
        double px = x + w / 2, py = base_y - h;
        std::vector<double> pts = {x, base_y + 4, px - w * 0.18, py + h * 0.3, px, py, px + w * 0.22, py + h * 0.35,
                                   x + w, base_y + 4};
        cairo_new_path(cr);
        cairo_move_to(cr, pts[0], pts[1]);
        cairo_curve_to(cr, x + w * 0.2, base_y - h * 0.4, px - w * 0.1, py + h * 0.05, px, py);
        cairo_curve_to(cr, px + w * 0.12, py + h * 0.08, x + w * 0.8, base_y - h * 0.4, x + w, base_y + 4);
        cairo_close_path(cr);
        SetLinearGradient(cr, px - w * 0.3, py, Lighten(color, 0.12), px + w * 0.3, base_y, Darken(color, 0.18));
        FillSourceOutline(cr, line_width);
        // Shadowed side.
        cairo_move_to(cr, px, py);
        cairo_curve_to(cr, px + w * 0.12, py + h * 0.08, x + w * 0.8, base_y - h * 0.4, x + w, base_y + 4);
        cairo_line_to(cr, px + w * 0.05, base_y + 4);
        cairo_curve_to(cr, px + w * 0.1, py + h * 0.6, px + w * 0.02, py + h * 0.3, px, py);
        SetColor(cr, kOutline, 0.12);
        cairo_fill(cr);
        if (snow) {
            cairo_move_to(cr, px, py);
            double sh = h * 0.22;
            cairo_curve_to(cr, px + w * 0.06, py + sh * 0.3, px + w * 0.1, py + sh * 0.7, px + w * 0.13, py + sh);
            cairo_line_to(cr, px + w * 0.06, py + sh * 0.8);
            cairo_line_to(cr, px, py + sh * 1.1);
            cairo_line_to(cr, px - w * 0.05, py + sh * 0.75);
            cairo_line_to(cr, px - w * 0.12, py + sh);
            cairo_curve_to(cr, px - w * 0.08, py + sh * 0.6, px - w * 0.04, py + sh * 0.3, px, py);
            cairo_close_path(cr);
            FillOutline(cr, kWhite, line_width * 0.7);
        }
        x += w * rng.Range(0.55, 0.8);
    }
}

void PaintCobbles(cairo_t* cr, double x, double y, double w, double h, Rgb stone, Rng& rng) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    FillVerticalGradient(cr, x, y, w, h, Darken(stone, 0.12), Lighten(stone, 0.05));
    double row_y = y;
    int row = 0;
    while (row_y < y + h) {
        double t = (row_y - y) / h;
        double sh = 10 + 26 * t;
        double sw = sh * 1.6;
        for (double sx = x - sw + (row % 2) * sw * 0.5; sx < x + w + sw; sx += sw + 3) {
            Rgb c = Mix(stone, rng.Chance(0.5) ? kStoneLight : kSand, rng.Range(0.0, 0.4));
            RoundedRectPath(cr, sx + rng.Range(-2, 2), row_y + rng.Range(-1, 1), sw, sh, sh * 0.4);
            SetVerticalGradient(cr, row_y, Lighten(c, 0.12), row_y + sh, Darken(c, 0.1));
            cairo_fill_preserve(cr);
            SetColor(cr, kOutline, 0.45);
            cairo_set_line_width(cr, 1.2 + t);
            cairo_stroke(cr);
        }
        row_y += sh + 3;
        ++row;
    }
    cairo_restore(cr);
}

void PaintMeadow(cairo_t* cr, double x, double y, double w, double h, Rng& rng, int count, Rgb grass) {
    const Rgb petals[4] = {kWhite, kRose, kHoneyLight, kLavender};
    for (int i = 0; i < count; ++i) {
        double px = x + rng.Range(0, w), py = y + rng.Range(0, h);
        double t = (py - y) / std::max(1.0, h);
        if (rng.Chance(0.65)) {
            PaintGrassTuft(cr, px, py, 8 + 16 * t, grass, rng, 1.0 + t);
        } else {
            PaintFlower(cr, px, py, 3 + 4 * t, petals[rng.Int(0, 3)], 5, 1.0 + 0.5 * t);
        }
    }
}

void PaintBunting(cairo_t* cr, double x0, double y0, double x1, double y1, double sag, Rng& rng) {
    const Rgb colors[5] = {kBerryRed, kHoney, kSkyTop, kMossLight, kRose};
    cairo_move_to(cr, x0, y0);
    double mx = (x0 + x1) / 2, my = (y0 + y1) / 2 + sag * 2;
    cairo_curve_to(cr, (x0 + mx) / 2, my, (mx + x1) / 2, my, x1, y1);
    StrokeOutline(cr, 2.0);
    int n = static_cast<int>(std::hypot(x1 - x0, y1 - y0) / 44);
    for (int i = 1; i < n; ++i) {
        double t = double(i) / n;
        // Point on the cubic.
        double ax = x0, bx = (x0 + mx) / 2, cx = (mx + x1) / 2, dx = x1;
        double ay = y0, by = my, cy = my, dy = y1;
        double u = 1 - t;
        double px = u * u * u * ax + 3 * u * u * t * bx + 3 * u * t * t * cx + t * t * t * dx;
        double py = u * u * u * ay + 3 * u * u * t * by + 3 * u * t * t * cy + t * t * t * dy;
        cairo_move_to(cr, px - 13, py);
        cairo_line_to(cr, px + 13, py);
        cairo_line_to(cr, px + rng.Range(-2, 2), py + 30);
        cairo_close_path(cr);
        FillOutline(cr, colors[(i + rng.Int(0, 1)) % 5], 2.0);
    }
}

void PaintRock(cairo_t* cr, const std::vector<double>& xy, Rgb color, Rng& rng, double line_width) {
    double minx = 1e9, maxx = -1e9, miny = 1e9, maxy = -1e9;
    for (size_t i = 0; i < xy.size(); i += 2) {
        minx = std::min(minx, xy[i]);
        maxx = std::max(maxx, xy[i]);
        miny = std::min(miny, xy[i + 1]);
        maxy = std::max(maxy, xy[i + 1]);
    }
    SmoothClosedPath(cr, xy);
    SetLinearGradient(cr, minx, miny, Lighten(color, 0.15), maxx, maxy, Darken(color, 0.22));
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    int cracks = static_cast<int>((maxx - minx) * (maxy - miny) / 9000) + 2;
    for (int i = 0; i < cracks; ++i) {
        double cx = rng.Range(minx, maxx), cy = rng.Range(miny, maxy);
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + rng.Range(-20, 20), cy + rng.Range(10, 30));
        cairo_line_to(cr, cx + rng.Range(-30, 30), cy + rng.Range(30, 50));
    }
    SetColor(cr, kOutline, 0.35);
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
    // Moss on the top edge.
    for (int i = 0; i < cracks; ++i) {
        double mx = rng.Range(minx, maxx);
        EllipsePath(cr, mx, miny + rng.Range(0, (maxy - miny) * 0.25), rng.Range(10, 26), rng.Range(5, 10));
        SetColor(cr, kMoss, 0.55);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    StrokeOutline(cr, line_width);
}

void PaintLight(cairo_t* cr, double x, double y, double r, Rgb color, double alpha) {
    DrawGlow(cr, x, y, r, color, alpha);
}

void PaintLantern(cairo_t* cr, double x, double y, double r, Rgb color) {
    PaintLight(cr, x, y, r * 3.2, kHoneyLight, 0.35);
    cairo_move_to(cr, x, y - r * 1.4);
    cairo_line_to(cr, x, y - r);
    StrokeOutline(cr, 2.0);
    EllipsePath(cr, x, y, r * 0.85, r);
    SetRadialGradient(cr, x, y, r, Lighten(color, 0.6), color);
    FillSourceOutline(cr, 2.0);
    for (int i = -1; i <= 1; ++i) {
        cairo_move_to(cr, x + i * r * 0.4, y - r * 0.92);
        cairo_curve_to(cr, x + i * r * 0.75, y - r * 0.3, x + i * r * 0.75, y + r * 0.3, x + i * r * 0.4,
                       y + r * 0.92);
    }
    SetColor(cr, kOutline, 0.4);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_rectangle(cr, x - r * 0.35, y - r * 1.1, r * 0.7, r * 0.2);
    cairo_rectangle(cr, x - r * 0.35, y + r * 0.92, r * 0.7, r * 0.2);
    FillOutline(cr, kBarkDark, 1.5);
}

void PaintCrate(cairo_t* cr, double x, double y, double w, double h) {
    cairo_rectangle(cr, x, y, w, h);
    SetVerticalGradient(cr, y, kWoodLight, y + h, kWood);
    FillSourceOutline(cr, kOutlineWidth);
    for (int i = 1; i < 3; ++i) {
        cairo_move_to(cr, x, y + h * i / 3);
        cairo_line_to(cr, x + w, y + h * i / 3);
    }
    cairo_move_to(cr, x + 4, y + 4);
    cairo_line_to(cr, x + w - 4, y + h - 4);
    StrokeOutline(cr, 2.0);
}

void PaintSack(cairo_t* cr, double x, double ground_y, double w, double h, Rgb color) {
    std::vector<double> pts = {x - w * 0.5, ground_y, x - w * 0.55, ground_y - h * 0.5, x - w * 0.3,
                               ground_y - h * 0.9, x - w * 0.12, ground_y - h, x + w * 0.14, ground_y - h * 1.02,
                               x + w * 0.32, ground_y - h * 0.88, x + w * 0.55, ground_y - h * 0.5,
                               x + w * 0.5, ground_y};
    SmoothClosedPath(cr, pts);
    SetRadialGradient(cr, x - w * 0.2, ground_y - h * 0.7, w, Lighten(color, 0.2), Darken(color, 0.2));
    FillSourceOutline(cr, kOutlineWidth);
    cairo_move_to(cr, x - w * 0.2, ground_y - h * 0.86);
    cairo_curve_to(cr, x - w * 0.05, ground_y - h * 0.8, x + w * 0.1, ground_y - h * 0.8, x + w * 0.25,
                   ground_y - h * 0.86);
    StrokeOutline(cr, 2.0);
}

void PaintReeds(cairo_t* cr, double x, double ground_y, double h, Rng& rng) {
    for (int i = 0; i < 5; ++i) {
        double bx = x + rng.Range(-14, 14);
        double top = ground_y - h * rng.Range(0.6, 1.0);
        double lean = rng.Range(-12, 12);
        cairo_move_to(cr, bx, ground_y);
        cairo_curve_to(cr, bx, ground_y - h * 0.4, bx + lean * 0.5, top + 20, bx + lean, top);
        SetColor(cr, kMossDark);
        cairo_set_line_width(cr, 3.0);
        cairo_stroke(cr);
        if (i % 2 == 0) {
            RoundedRectPath(cr, bx + lean - 5, top, 10, 26, 5);
            FillOutline(cr, kBark, 1.6);
        }
    }
}
