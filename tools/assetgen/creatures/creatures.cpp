// Paints the spiggle breeds. A breed is a list of parts in back-to-front order; each part is a
// closed shape that is either static (head, torso, ears, horns: painted into the face and top
// layers) or moving (legs, tail: painted into the body and line-art frames). Moving parts always lie
// behind the static ones, so every layer can be built by walking the parts in order and erasing
// what a nearer part covers. The torso's middle stays calm for the pregnancy clock drawn on the
// animal's centre, and the head sits to the right (the animal faces right; the game mirrors it).
#include "creatures/creatures.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "paint/kit.h"

const char* const kBreedNames[13] = {"Bovine",    "Catfish",     "Bunny",      "Bat-eared Ox",
                                     "Sea Feline", "Big Bun",    "Wild Bull",  "Water Lynx",
                                     "Bunny Beast", "Rabbox",    "Seabull",    "Jumper Cat",
                                     "Wild Beast"};

namespace {

constexpr int kCell = 320;
constexpr int kColumns = 4;
constexpr double kLine = 5.0;  // outline weight in cell pixels (animals are shown at 0.4-0.7)
constexpr double kPi = 3.14159265358979323846;

const Rgb kEyeDark = Hex(0x2a1c15);
const Rgb kSpot = Hex(0x4a3024);
const Rgb kHorn = Hex(0xf3e6c4);
const Rgb kHornShade = Hex(0xc9ad7f);
const Rgb kNosePink = Hex(0xe79a94);

using PathFn = std::function<void(cairo_t*)>;

struct Part {
    PathFn path;
    PathFn details;          // painted clipped to the part, in the part's outline layer
    bool animated = false;   // legs, tail: body and line-art frames
    bool tinted = true;      // light grey fill the game tints; false = own colour, in the top layer
    bool outline = true;
    double grey = 0.92;      // lightness of a tinted fill
    Rgb color = kHorn;       // fill of an untinted part (top lighter, bottom colour2)
    Rgb color2 = kHornShade;
    double gx = 160, gy = 160, gr = 100;  // gradient centre and reach
    double line_scale = 1.0;
};

enum class Ears { kCow, kCat, kBunny, kBat, kLynx, kBigBun, kSpiky, kWild, kCatBunny };
enum class Horns { kNone, kNubs, kBull, kOx, kSmallBull };
enum class Tail { kCow, kCat, kFish, kPuff, kSpikyPuff, kTuft, kFinTail };
enum class Nose { kMuzzle, kCat, kBunny, kBeast };
enum class Feet { kHooves, kPaws, kBunnyFeet };

struct Breed {
    double size;
    double torso_rx, torso_ry;
    double head_r;
    Ears ears;
    Horns horns;
    Tail tail;
    Nose nose;
    Feet feet;
    bool spots, stripes, fangs, whiskers, barbels, dorsal, big_dorsal, side_fin, mane, spikes;
    bool fierce, amber_eyes, cheeks, long_hind;
    uint64_t seed;
};

// clang-format off
const Breed kBreeds[13] = {
    // size  trx  try  hr   ears            horns             tail              nose            feet
    {0.82, 100, 70, 56, Ears::kCow,     Horns::kNubs,     Tail::kCow,       Nose::kMuzzle,  Feet::kHooves,
     true, false, false, false, false, false, false, false, false, false, false, false, true, false, 11},
    {0.82, 100, 66, 54, Ears::kCat,     Horns::kNone,     Tail::kFish,      Nose::kCat,     Feet::kPaws,
     false, false, false, false, true, true, false, false, false, false, false, false, true, false, 12},
    {0.80, 90, 72, 56, Ears::kBunny,    Horns::kNone,     Tail::kPuff,      Nose::kBunny,   Feet::kBunnyFeet,
     false, false, false, true, false, false, false, false, false, false, false, false, true, false, 13},
    {0.93, 106, 74, 58, Ears::kBat,     Horns::kOx,       Tail::kCow,       Nose::kMuzzle,  Feet::kHooves,
     true, false, false, false, false, false, false, false, false, false, false, false, false, false, 14},
    {0.92, 102, 68, 56, Ears::kCat,     Horns::kNone,     Tail::kFish,      Nose::kCat,     Feet::kPaws,
     false, false, false, true, false, true, true, true, false, false, false, false, true, false, 15},
    {0.96, 100, 84, 62, Ears::kBigBun,  Horns::kNone,     Tail::kPuff,      Nose::kBunny,   Feet::kBunnyFeet,
     false, false, false, true, false, false, false, false, false, false, false, false, true, false, 16},
    {1.00, 108, 76, 60, Ears::kCow,     Horns::kBull,     Tail::kTuft,      Nose::kMuzzle,  Feet::kHooves,
     false, true, true, false, false, false, false, false, false, true, true, false, false, false, 17},
    {0.97, 104, 68, 56, Ears::kLynx,    Horns::kNone,     Tail::kFinTail,   Nose::kBeast,   Feet::kPaws,
     false, true, true, true, false, true, false, true, false, false, true, true, false, false, 18},
    {1.00, 100, 80, 62, Ears::kSpiky,   Horns::kNone,     Tail::kSpikyPuff, Nose::kBeast,   Feet::kBunnyFeet,
     false, true, true, true, false, false, false, false, false, true, true, true, false, true, 19},
    {0.94, 102, 74, 58, Ears::kBunny,   Horns::kNubs,     Tail::kPuff,      Nose::kMuzzle,  Feet::kHooves,
     true, false, false, false, false, false, false, false, false, false, false, false, true, false, 20},
    {0.97, 106, 72, 58, Ears::kCow,     Horns::kSmallBull, Tail::kFish,     Nose::kMuzzle,  Feet::kHooves,
     true, false, false, false, true, true, false, true, false, false, false, false, false, false, 21},
    {0.92, 96, 68, 56, Ears::kCatBunny, Horns::kNone,     Tail::kCat,       Nose::kCat,     Feet::kBunnyFeet,
     false, false, false, true, false, false, false, false, false, false, false, false, true, true, 22},
    {1.00, 106, 74, 58, Ears::kWild,    Horns::kNone,     Tail::kTuft,      Nose::kBeast,   Feet::kPaws,
     false, true, true, false, false, false, false, false, true, true, true, true, false, false, 23},
};
// clang-format on

// ---- geometry helpers --------------------------------------------------------------------------


// Rotated ellipse path.
void RotEllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry, double angle) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_close_path(cr);
    cairo_restore(cr);
}

// Mirrors a list of x, y pairs about the vertical line x = axis.
std::vector<double> MirrorX(std::vector<double> pts, double axis) {
    for (size_t i = 0; i < pts.size(); i += 2) pts[i] = 2 * axis - pts[i];
    return pts;
}

void StrokeLine(cairo_t* cr, Rgb c, double width, double alpha = 1.0) {
    SetColor(cr, c, alpha);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

// ---- the model --------------------------------------------------------------------------------

struct Model {
    std::vector<Part> parts;
    PathFn overlay;  // untinted strokes drawn last in the top layer (whiskers)
    PathFn shadow;   // ground shadow of the frame (line-art layer)
};

struct Geometry {
    double cx = 148, cy = 182;  // torso centre
    double rx = 100, ry = 70;
    double hx = 234, hy = 124, R = 56;  // head
    double ground = 276;
};

void AddEye(cairo_t* cr, const Breed& b, double ex, double ey, double R, bool left) {
    double rx = 0.13 * R, ry = 0.17 * R;
    if (b.amber_eyes) {
        EllipsePath(cr, ex, ey, rx * 1.15, ry * 1.1);
        SetColor(cr, kHoney);
        cairo_fill_preserve(cr);
        StrokeLine(cr, kEyeDark, 2.5);
        EllipsePath(cr, ex + 0.02 * R, ey + 0.01 * R, rx * 0.5, ry * 0.85);
        SetColor(cr, kEyeDark);
        cairo_fill(cr);
    } else {
        EllipsePath(cr, ex, ey, rx, ry);
        SetColor(cr, kEyeDark);
        cairo_fill(cr);
    }
    EllipsePath(cr, ex - 0.04 * R, ey - 0.06 * R, 0.05 * R, 0.055 * R);
    SetColor(cr, kWhite);
    cairo_fill(cr);
    if (b.fierce) {
        // Brows slanting down towards the middle.
        double inner = left ? 1 : -1;
        cairo_move_to(cr, ex - inner * 0.18 * R, ey - 0.30 * R);
        cairo_line_to(cr, ex + inner * 0.16 * R, ey - 0.17 * R);
        StrokeLine(cr, kEyeDark, 0.085 * R);
    }
}

void AddSpots(cairo_t* cr, Rng& rng, double cx, double cy, double rx, double ry, int count) {
    for (int i = 0; i < count; ++i) {
        double a = rng.Range(0, 2 * kPi);
        double d = rng.Range(0.2, 0.85);
        double x = cx + std::cos(a) * rx * d, y = cy + std::sin(a) * ry * d * 0.8;
        WobblyEllipsePath(cr, x, y, rng.Range(0.16, 0.26) * rx, rng.Range(0.2, 0.32) * ry, 0.18, rng);
        SetColor(cr, kSpot, 0.5);
        cairo_fill(cr);
    }
}

void AddStripes(cairo_t* cr, const Geometry& g) {
    for (int i = 0; i < 5; ++i) {
        double x = g.cx - 0.62 * g.rx + i * 0.27 * g.rx;
        std::vector<double> pts = {x + 6, g.cy - g.ry - 6, x - 4, g.cy - 0.45 * g.ry,
                                   x + 4, g.cy + 0.05 * g.ry};
        RibbonPath(cr, pts, 20, 2);
        SetColor(cr, kSpot, 0.55);
        cairo_fill(cr);
    }
}

Model BuildModel(const Breed& b, int frame) {
    Model m;
    Geometry g;
    g.rx = b.torso_rx;
    g.ry = b.torso_ry;
    g.R = b.head_r;
    g.cy = g.ground - 24 - g.ry;
    g.hy = g.cy - g.ry * 0.55 - 6;
    g.hx = g.cx + g.rx * 0.78;
    const double tuck = frame == 1 ? 0.5 : frame == 2 ? 1.0 : 0.0;
    const double R = g.R, hx = g.hx, hy = g.hy;

    // Ground shadow: sinks as the feet leave the ground.
    m.shadow = [g, tuck](cairo_t* cr) {
        EllipsePath(cr, g.cx + 8, g.ground + 2 + tuck * 10, g.rx * (1.08 - 0.12 * tuck), 12 - 3 * tuck);
        SetColor(cr, kOutline, 0.22 - 0.06 * tuck);
        cairo_fill(cr);
    };

    // ---- tail (moving, behind everything) ----
    {
        Part p;
        p.animated = true;
        double ax = g.cx - g.rx * 0.9, ay = g.cy - g.ry * 0.25;
        double lift = tuck * 14;
        p.gx = ax - 20;
        p.gy = ay;
        p.gr = 50;
        switch (b.tail) {
            case Tail::kCow:
            case Tail::kTuft: {
                std::vector<double> c = {ax + 10, ay, ax - 16, ay + 10 - lift, ax - 30, ay + 40 - lift * 2,
                                         ax - 34, ay + 66 - lift * 2.5};
                double tx = ax - 34, ty = ay + 66 - lift * 2.5;
                bool spiky = b.tail == Tail::kTuft;
                p.path = [c, tx, ty, spiky](cairo_t* cr) {
                    RibbonPath(cr, c, 12, 8);
                    if (spiky) {
                        std::vector<double> tuft;
                        for (int i = 0; i < 14; ++i) {
                            double a = 2 * kPi * i / 14;
                            double r = i % 2 ? 10 : 22;
                            tuft.push_back(tx + std::cos(a) * r * 0.8);
                            tuft.push_back(ty + 8 + std::sin(a) * r);
                        }
                        cairo_new_sub_path(cr);
                        SmoothClosedPath(cr, tuft);
                    } else {
                        cairo_new_sub_path(cr);
                        RotEllipsePath(cr, tx, ty + 8, 12, 18, 0.2);
                    }
                };
                p.details = [tx, ty](cairo_t* cr) {
                    EllipsePath(cr, tx, ty + 12, 26, 20);
                    SetColor(cr, kSpot, 0.45);
                    cairo_fill(cr);
                };
                break;
            }
            case Tail::kCat: {
                std::vector<double> c = {ax + 12, ay + 6, ax - 20, ay - 4 - lift * 0.5, ax - 40, ay - 40 - lift,
                                         ax - 28, ay - 78 - lift, ax - 8, ay - 88 - lift * 0.6};
                p.path = [c](cairo_t* cr) { RibbonPath(cr, c, 18, 10); };
                break;
            }
            case Tail::kFish:
            case Tail::kFinTail: {
                double fx = ax - 34, fy = ay - 6 - lift;
                std::vector<double> stalk = {ax + 12, ay + 4, ax - 14, ay - 2 - lift * 0.5, fx, fy};
                std::vector<double> fan = {fx + 4,  fy,      fx - 22, fy - 34, fx - 40, fy - 40,
                                           fx - 30, fy - 8,  fx - 42, fy + 30, fx - 22, fy + 28};
                double w = b.tail == Tail::kFinTail ? 14 : 18;
                p.path = [stalk, fan, w](cairo_t* cr) {
                    RibbonPath(cr, stalk, w + 6, w);
                    cairo_new_sub_path(cr);
                    SmoothClosedPath(cr, fan);
                };
                p.details = [fx, fy](cairo_t* cr) {
                    for (int i = 0; i < 5; ++i) {
                        double a = kPi * (0.78 + 0.11 * i);
                        cairo_move_to(cr, fx - 4, fy);
                        cairo_line_to(cr, fx - 4 + std::cos(a) * 40, fy - std::sin(a - kPi) * 40 * -1);
                    }
                    StrokeLine(cr, kOutline, 2.0, 0.45);
                };
                break;
            }
            case Tail::kPuff:
            case Tail::kSpikyPuff: {
                bool spiky = b.tail == Tail::kSpikyPuff;
                double px = ax - 4, py = ay - 4 - lift * 0.6;
                p.grey = 1.0;
                p.path = [px, py, spiky](cairo_t* cr) {
                    std::vector<double> ring;
                    int n = spiky ? 14 : 9;
                    for (int i = 0; i < n; ++i) {
                        double a = 2 * kPi * i / n;
                        double r = spiky ? (i % 2 ? 17 : 30) : (i % 2 ? 24 : 27);
                        ring.push_back(px + std::cos(a) * r);
                        ring.push_back(py + std::sin(a) * r);
                    }
                    SmoothClosedPath(cr, ring);
                };
                p.gx = px - 8;
                p.gy = py - 8;
                p.gr = 36;
                break;
            }
        }
        m.parts.push_back(p);
    }

    // ---- legs (moving): far pair darker, near pair lighter ----
    const double leg_top = g.cy + g.ry * 0.2;
    const double xs[4] = {g.cx - g.rx * 0.52, g.cx + g.rx * 0.45, g.cx - g.rx * 0.25, g.cx + g.rx * 0.70};
    for (int i = 0; i < 4; ++i) {
        Part p;
        p.animated = true;
        bool far = i < 2;
        bool hind = (i % 2) == 0;
        p.grey = far ? 0.74 : 0.9;
        double bottom = g.ground - (far ? 6 : 0) - tuck * (hind ? 18 : 12);
        double x = xs[i] + (far ? 10 : 0);
        double w = 34;
        bool long_foot = b.feet == Feet::kBunnyFeet && hind;
        if (b.long_hind && hind) w = 44;
        std::vector<double> pts;
        if (long_foot) {
            double toe = b.long_hind ? 34 : 26;
            pts = {x - w / 2, leg_top, x - w / 2, bottom - 16, x - w / 2 + 2, bottom,
                   x + w / 2 + toe, bottom, x + w / 2 + toe, bottom - 15, x + w / 2, bottom - 20,
                   x + w / 2, leg_top};
        } else {
            pts = {x - w / 2, leg_top, x - w / 2, bottom - 12, x - w / 2 + 5, bottom,
                   x + w / 2 - 5, bottom, x + w / 2, bottom - 12, x + w / 2, leg_top};
        }
        p.path = [pts](cairo_t* cr) { SmoothClosedPath(cr, pts); };
        p.gx = x - 8;
        p.gy = leg_top + 10;
        p.gr = 70;
        Feet feet = b.feet;
        p.details = [feet, x, w, bottom, long_foot](cairo_t* cr) {
            if (feet == Feet::kHooves) {
                cairo_rectangle(cr, x - w, bottom - 13, 2 * w, 20);
                SetColor(cr, kSpot, 0.75);
                cairo_fill(cr);
                cairo_move_to(cr, x, bottom - 12);
                cairo_line_to(cr, x, bottom);
                StrokeLine(cr, kOutline, 2.5);
            } else {
                double tx = long_foot ? x + w / 2 + 12 : x;
                for (int t = -1; t <= 1; t += 2) {
                    cairo_move_to(cr, tx + t * 6, bottom - 9);
                    cairo_line_to(cr, tx + t * 6, bottom - 1);
                }
                StrokeLine(cr, kOutline, 2.5);
            }
        };
        m.parts.push_back(p);
    }

    // ---- back parts behind the torso (static) ----
    if (b.spikes) {
        Part p;
        p.grey = 0.66;
        p.path = [g](cairo_t* cr) {
            std::vector<double> pts;
            int n = 5;
            for (int i = 0; i <= 2 * n; ++i) {
                double t = double(i) / (2 * n);
                double a = kPi * (1.05 + 0.55 * t);
                double r = (i % 2) ? 1.0 : 1.0 + 30.0 / g.ry;
                pts.push_back(g.cx + std::cos(a) * g.rx * (i % 2 ? 0.95 : 1.0 + 14.0 / g.rx));
                pts.push_back(g.cy + std::sin(a) * g.ry * r);
            }
            pts.push_back(g.cx + g.rx * 0.2);
            pts.push_back(g.cy);
            pts.push_back(g.cx - g.rx * 0.8);
            pts.push_back(g.cy);
            cairo_move_to(cr, pts[0], pts[1]);
            for (size_t i = 2; i < pts.size(); i += 2) cairo_line_to(cr, pts[i], pts[i + 1]);
            cairo_close_path(cr);
        };
        p.gx = g.cx;
        p.gy = g.cy - g.ry;
        p.gr = 80;
        m.parts.push_back(p);
    }
    if (b.dorsal || b.big_dorsal) {
        Part p;
        p.grey = 0.84;
        double h = b.big_dorsal ? 62 : 40;
        double x0 = g.cx - g.rx * 0.55, x1 = g.cx + g.rx * 0.3;
        double top = g.cy - g.ry * 0.92;
        std::vector<double> pts = {x0, top + 20, x0 + 8, top - h * 0.5, x0 + 24, top - h,
                                   x0 + (x1 - x0) * 0.5, top - h * 0.7, x1 - 10, top - h * 0.45,
                                   x1, top + 10, (x0 + x1) / 2, top + 30};
        if (b.big_dorsal) {
            pts = {x0, top + 20, x0 - 4, top - h * 0.4, x0 + 14, top - h, x0 + 40, top - h * 0.72,
                   x0 + 62, top - h * 0.95, x0 + 84, top - h * 0.6, x1, top - h * 0.5, x1 + 8, top + 10,
                   (x0 + x1) / 2, top + 30};
        }
        p.path = [pts](cairo_t* cr) { SmoothClosedPath(cr, pts); };
        p.details = [x0, x1, top, h](cairo_t* cr) {
            for (int i = 0; i < 6; ++i) {
                double bx = x0 + (x1 - x0) * (0.1 + 0.16 * i);
                cairo_move_to(cr, bx, top + 12);
                cairo_line_to(cr, bx - 10 + i * 4, top - h - 10);
            }
            StrokeLine(cr, kOutline, 2.2, 0.5);
        };
        p.gx = (x0 + x1) / 2;
        p.gy = top - h;
        p.gr = 80;
        m.parts.push_back(p);
    }

    // ---- torso ----
    {
        Part p;
        Rng rng(b.seed * 31 + 7);
        std::vector<double> pts;
        for (int i = 0; i < 16; ++i) {
            double a = 2 * kPi * i / 16;
            double r = 1.0 + rng.Range(-0.02, 0.02);
            // A little flatter underneath, fuller at the chest.
            double sy = std::sin(a) > 0 ? 0.94 : 1.0;
            pts.push_back(g.cx + std::cos(a) * g.rx * r);
            pts.push_back(g.cy + std::sin(a) * g.ry * r * sy);
        }
        p.path = [pts](cairo_t* cr) { SmoothClosedPath(cr, pts); };
        p.gx = g.cx - g.rx * 0.3;
        p.gy = g.cy - g.ry * 0.45;
        p.gr = g.rx * 1.35;
        Breed bb = b;
        p.details = [bb, g](cairo_t* cr) {
            Rng rng(bb.seed);
            if (bb.spots) AddSpots(cr, rng, g.cx - 10, g.cy - 6, g.rx * 0.95, g.ry * 0.95, 5);
            if (bb.stripes) AddStripes(cr, g);
            // Soft fur marks along the belly.
            cairo_move_to(cr, g.cx - g.rx * 0.4, g.cy + g.ry * 0.62);
            cairo_curve_to(cr, g.cx - g.rx * 0.2, g.cy + g.ry * 0.72, g.cx + g.rx * 0.1,
                           g.cy + g.ry * 0.72, g.cx + g.rx * 0.3, g.cy + g.ry * 0.6);
            StrokeLine(cr, kOutline, 2.0, 0.25);
        };
        m.parts.push_back(p);
    }
    // Light belly patch (tinted, no outline).
    {
        Part p;
        p.outline = false;
        p.grey = 1.0;
        p.path = [g](cairo_t* cr) {
            EllipsePath(cr, g.cx + g.rx * 0.05, g.cy + g.ry * 0.32, g.rx * 0.62, g.ry * 0.5);
        };
        p.gx = g.cx;
        p.gy = g.cy + g.ry * 0.2;
        p.gr = g.rx * 0.7;
        m.parts.push_back(p);
    }
    if (b.side_fin) {
        Part p;
        p.grey = 0.82;
        double fx = g.cx + g.rx * 0.15, fy = g.cy + g.ry * 0.05;
        std::vector<double> pts = {fx + 10, fy - 8, fx - 30, fy - 20, fx - 58, fy - 10,
                                   fx - 44, fy + 4,  fx - 56, fy + 20, fx - 20, fy + 16, fx + 10, fy + 10};
        p.path = [pts](cairo_t* cr) { SmoothClosedPath(cr, pts); };
        p.details = [fx, fy](cairo_t* cr) {
            for (int i = -1; i <= 1; ++i) {
                cairo_move_to(cr, fx + 4, fy);
                cairo_line_to(cr, fx - 50, fy + i * 14);
            }
            StrokeLine(cr, kOutline, 2.0, 0.45);
        };
        p.gx = fx - 20;
        p.gy = fy - 10;
        p.gr = 40;
        m.parts.push_back(p);
    }

    // ---- mane (behind the head) ----
    if (b.mane) {
        Part p;
        p.grey = 0.68;
        Rng rng(b.seed + 5);
        std::vector<double> pts;
        for (int i = 0; i < 22; ++i) {
            double a = 2 * kPi * i / 22;
            double r = (i % 2 ? 1.12 : 1.5) * R * (1 + rng.Range(-0.05, 0.05));
            pts.push_back(hx - 4 + std::cos(a) * r);
            pts.push_back(hy + 4 + std::sin(a) * r * 0.95);
        }
        p.path = [pts](cairo_t* cr) { SmoothClosedPath(cr, pts); };
        p.gx = hx - R * 0.5;
        p.gy = hy - R * 0.6;
        p.gr = R * 1.8;
        p.details = [hx, hy, R](cairo_t* cr) {
            for (int i = 0; i < 11; ++i) {
                double a = 2 * kPi * (i + 0.5) / 11;
                cairo_move_to(cr, hx + std::cos(a) * R * 1.05, hy + std::sin(a) * R);
                cairo_line_to(cr, hx + std::cos(a) * R * 1.3, hy + std::sin(a) * R * 1.25);
            }
            StrokeLine(cr, kOutline, 2.2, 0.4);
        };
        m.parts.push_back(p);
    }

    // ---- ears (static, behind the head) ----
    auto add_ear_pair = [&](const std::vector<double>& right_ear, const std::vector<double>& right_inner,
                            double grey) {
        for (int side = 0; side < 2; ++side) {
            Part p;
            p.grey = side == 0 ? grey - 0.06 : grey;
            std::vector<double> ear = side == 0 ? MirrorX(right_ear, hx) : right_ear;
            std::vector<double> inner = side == 0 ? MirrorX(right_inner, hx) : right_inner;
            p.path = [ear](cairo_t* cr) { SmoothClosedPath(cr, ear); };
            p.details = [inner](cairo_t* cr) {
                if (inner.empty()) return;
                SmoothClosedPath(cr, inner);
                SetColor(cr, kNosePink, 0.55);
                cairo_fill(cr);
            };
            double sx = 0, sy = 0;
            for (size_t i = 0; i < ear.size(); i += 2) {
                sx += ear[i];
                sy += ear[i + 1];
            }
            p.gx = sx / (ear.size() / 2) - 8;
            p.gy = sy / (ear.size() / 2) - 8;
            p.gr = R;
            m.parts.push_back(p);
        }
    };
    switch (b.ears) {
        case Ears::kCow: {
            double ex = hx + R * 0.98, ey = hy - R * 0.3;
            std::vector<double> ear = {ex - 18, ey - 14, ex + 10, ey - 16, ex + 36, ey - 4,
                                       ex + 38, ey + 10, ex + 10, ey + 14, ex - 18, ey + 12};
            std::vector<double> inner = {ex - 8, ey - 7, ex + 12, ey - 8, ex + 28, ey - 1,
                                         ex + 12, ey + 6, ex - 8, ey + 6};
            add_ear_pair(ear, inner, 0.9);
            break;
        }
        case Ears::kCat:
        case Ears::kLynx:
        case Ears::kWild: {
            double tall = b.ears == Ears::kLynx ? 1.65 : b.ears == Ears::kWild ? 1.35 : 1.5;
            double out = b.ears == Ears::kWild ? 0.95 : 0.78;
            std::vector<double> ear = {hx + R * 0.2,  hy - R * 0.7, hx + R * (out - 0.02), hy - R * tall,
                                       hx + R * 0.92, hy - R * 0.45};
            std::vector<double> inner = {hx + R * 0.34, hy - R * 0.68, hx + R * (out - 0.04), hy - R * (tall - 0.3),
                                         hx + R * 0.78, hy - R * 0.52};
            add_ear_pair(ear, inner, 0.9);
            break;
        }
        case Ears::kBunny:
        case Ears::kCatBunny:
        case Ears::kSpiky:
        case Ears::kBigBun: {
            double len = b.ears == Ears::kBigBun ? 2.05 : b.ears == Ears::kCatBunny ? 1.65 : 1.85;
            double wid = b.ears == Ears::kBigBun ? 0.34 : 0.28;
            double tip_y = hy - R * len, base_y = hy - R * 0.7;
            double x = hx + R * 0.36;
            std::vector<double> ear, inner;
            if (b.ears == Ears::kSpiky) {
                ear = {x - R * 0.2, base_y, x - R * wid, hy - R * 1.3, x - R * 0.06, tip_y,
                       x + R * 0.12, hy - R * 1.62, x + R * 0.3, hy - R * 1.55, x + R * 0.22, base_y};
                inner = {x - R * 0.08, base_y - 6, x - R * 0.16, hy - R * 1.3, x - R * 0.04, tip_y + 18,
                         x + R * 0.1, hy - R * 1.1};
            } else if (b.ears == Ears::kCatBunny) {
                ear = {x - R * 0.26, base_y, x - R * 0.26, hy - R * 1.25, x + R * 0.06, tip_y,
                       x + R * 0.28, hy - R * 1.2, x + R * 0.3, base_y};
                inner = {x - R * 0.12, base_y - 6, x - R * 0.13, hy - R * 1.2, x + R * 0.05, tip_y + 16,
                         x + R * 0.16, hy - R * 1.15, x + R * 0.16, base_y - 6};
            } else {
                ear = {x - R * wid, base_y, x - R * wid * 1.1, hy - R * (len - 0.55), x, tip_y,
                       x + R * wid * 1.1, hy - R * (len - 0.55), x + R * wid, base_y};
                inner = {x - R * wid * 0.45, base_y - 4, x - R * wid * 0.55, hy - R * (len - 0.55),
                         x, tip_y + 14, x + R * wid * 0.55, hy - R * (len - 0.55), x + R * wid * 0.45,
                         base_y - 4};
            }
            if (b.ears == Ears::kBigBun) {
                // The right ear flops over outwards.
                std::vector<double> left = MirrorX(ear, hx), left_in = MirrorX(inner, hx);
                std::vector<double> flop = {x - R * 0.28, base_y + 6, x - R * 0.05, hy - R * 1.25,
                                            x + R * 0.5, hy - R * 1.5, x + R * 1.15, hy - R * 1.2,
                                            x + R * 1.25, hy - R * 0.9, x + R * 0.55, hy - R * 1.1,
                                            x + R * 0.3, base_y};
                std::vector<double> flop_in = {x + R * 0.05, hy - R * 1.05, x + R * 0.45, hy - R * 1.38,
                                               x + R * 1.05, hy - R * 1.18, x + R * 0.5, hy - R * 1.2};
                add_ear_pair(flop, flop_in, 0.9);
                // Replace the mirrored copy of the floppy ear with a straight left ear.
                m.parts[m.parts.size() - 2].path = [left](cairo_t* cr) { SmoothClosedPath(cr, left); };
                m.parts[m.parts.size() - 2].details = [left_in](cairo_t* cr) {
                    SmoothClosedPath(cr, left_in);
                    SetColor(cr, kNosePink, 0.55);
                    cairo_fill(cr);
                };
            } else {
                // Ears lean outwards a little.
                for (size_t i = 0; i < ear.size(); i += 2) ear[i] += (hy - ear[i + 1]) * 0.12;
                for (size_t i = 0; i < inner.size(); i += 2) inner[i] += (hy - inner[i + 1]) * 0.12;
                add_ear_pair(ear, inner, 0.9);
            }
            break;
        }
        case Ears::kBat: {
            std::vector<double> ear = {hx + R * 0.35, hy - R * 0.8, hx + R * 1.1, hy - R * 1.3,
                                       hx + R * 1.85, hy - R * 1.45, hx + R * 1.6, hy - R * 0.95,
                                       hx + R * 1.62, hy - R * 0.55, hx + R * 1.3, hy - R * 0.3,
                                       hx + R * 0.9, hy - R * 0.05};
            std::vector<double> inner = {hx + R * 0.6, hy - R * 0.72, hx + R * 1.15, hy - R * 1.1,
                                         hx + R * 1.6, hy - R * 1.25, hx + R * 1.4, hy - R * 0.8,
                                         hx + R * 1.3, hy - R * 0.45, hx + R * 0.95, hy - R * 0.3};
            add_ear_pair(ear, inner, 0.88);
            m.parts[m.parts.size() - 1].details = [inner, hx, hy, R](cairo_t* cr) {
                SmoothClosedPath(cr, inner);
                SetColor(cr, kNosePink, 0.5);
                cairo_fill(cr);
                for (int i = 0; i < 3; ++i) {
                    cairo_move_to(cr, hx + R * 0.75, hy - R * 0.5);
                    cairo_line_to(cr, hx + R * (1.85 - 0.1 * i), hy - R * (1.4 - 0.45 * i));
                }
                StrokeLine(cr, kOutline, 2.0, 0.4);
            };
            auto mirrored = MirrorX(inner, hx);
            m.parts[m.parts.size() - 2].details = [mirrored, hx, hy, R](cairo_t* cr) {
                SmoothClosedPath(cr, mirrored);
                SetColor(cr, kNosePink, 0.5);
                cairo_fill(cr);
                for (int i = 0; i < 3; ++i) {
                    cairo_move_to(cr, hx - R * 0.75, hy - R * 0.5);
                    cairo_line_to(cr, hx - R * (1.85 - 0.1 * i), hy - R * (1.4 - 0.45 * i));
                }
                StrokeLine(cr, kOutline, 2.0, 0.4);
            };
            break;
        }
    }

    // ---- horns (static, own ivory colour, behind the head) ----
    auto add_horn_pair = [&](const std::vector<double>& line, double w0) {
        for (int side = 0; side < 2; ++side) {
            Part p;
            p.tinted = false;
            std::vector<double> c = side == 0 ? MirrorX(line, hx) : line;
            p.path = [c, w0](cairo_t* cr) { RibbonPath(cr, c, w0, 3); };
            p.gx = c[0];
            p.gy = c[1];
            p.gr = 60;
            p.details = [c](cairo_t* cr) {
                // Growth rings near the base.
                for (int i = 1; i <= 2; ++i) {
                    double t = 0.18 * i;
                    double x = c[0] + (c[2] - c[0]) * t * 2, y = c[1] + (c[3] - c[1]) * t * 2;
                    EllipsePath(cr, x, y, 12, 12);
                    StrokeLine(cr, kHornShade, 2.0, 0.7);
                }
            };
            m.parts.push_back(p);
        }
    };
    switch (b.horns) {
        case Horns::kNone:
            break;
        case Horns::kNubs:
            add_horn_pair({hx + R * 0.42, hy - R * 0.7, hx + R * 0.55, hy - R * 1.05, hx + R * 0.68, hy - R * 1.3},
                          R * 0.36);
            break;
        case Horns::kSmallBull:
            add_horn_pair({hx + R * 0.6, hy - R * 0.6, hx + R * 1.05, hy - R * 0.85, hx + R * 1.3, hy - R * 1.25,
                           hx + R * 1.2, hy - R * 1.55},
                          R * 0.36);
            break;
        case Horns::kBull:
            add_horn_pair({hx + R * 0.6, hy - R * 0.55, hx + R * 1.2, hy - R * 0.75, hx + R * 1.6, hy - R * 1.1,
                           hx + R * 1.62, hy - R * 1.55, hx + R * 1.4, hy - R * 1.85},
                          R * 0.46);
            break;
        case Horns::kOx:
            add_horn_pair({hx + R * 0.32, hy - R * 0.75, hx + R * 0.45, hy - R * 1.2, hx + R * 0.7, hy - R * 1.55,
                           hx + R * 0.98, hy - R * 1.72},
                          R * 0.34);
            break;
    }

    // ---- head ----
    {
        Part p;
        Rng rng(b.seed * 17 + 3);
        std::vector<double> pts;
        for (int i = 0; i < 14; ++i) {
            double a = 2 * kPi * i / 14;
            double r = R * (1 + rng.Range(-0.02, 0.02));
            double sx = 1.06;
            if (b.cheeks && std::sin(a) > 0.2) sx = 1.12;  // chubby cheeks
            pts.push_back(hx + std::cos(a) * r * sx);
            pts.push_back(hy + std::sin(a) * r * 0.96);
        }
        p.path = [pts](cairo_t* cr) { SmoothClosedPath(cr, pts); };
        p.gx = hx - R * 0.35;
        p.gy = hy - R * 0.45;
        p.gr = R * 1.5;
        Breed bb = b;
        p.details = [bb, hx, hy, R](cairo_t* cr) {
            Rng rng(bb.seed + 99);
            if (bb.spots) {
                WobblyEllipsePath(cr, hx - R * 0.55, hy - R * 0.55, R * 0.35, R * 0.3, 0.15, rng);
                SetColor(cr, kSpot, 0.5);
                cairo_fill(cr);
            }
            if (bb.stripes) {
                for (int i = -1; i <= 1; ++i) {
                    std::vector<double> s = {hx + R * 0.12 + i * R * 0.28, hy - R * 1.0,
                                             hx + R * 0.12 + i * R * 0.22, hy - R * 0.6};
                    RibbonPath(cr, s, R * 0.16, 2);
                    SetColor(cr, kSpot, 0.5);
                    cairo_fill(cr);
                }
                for (int side = -1; side <= 1; side += 2) {
                    for (int i = 0; i < 2; ++i) {
                        double y = hy + R * (0.05 + 0.22 * i);
                        std::vector<double> s = {hx + R * 0.12 + side * R * 1.05, y,
                                                 hx + R * 0.12 + side * R * 0.72, y - R * 0.05};
                        RibbonPath(cr, s, R * 0.13, 2);
                        SetColor(cr, kSpot, 0.5);
                        cairo_fill(cr);
                    }
                }
            }
            double fx = hx + R * 0.12;  // face centre: turned a little to the right
            if (bb.cheeks || !bb.fierce) {
                for (int side = -1; side <= 1; side += 2) {
                    EllipsePath(cr, fx + side * R * 0.58, hy + R * 0.28, R * 0.17, R * 0.1);
                    SetColor(cr, kRose, 0.45);
                    cairo_fill(cr);
                }
            }
            AddEye(cr, bb, fx - R * 0.36, hy - R * 0.06, R, true);
            AddEye(cr, bb, fx + R * 0.36, hy - R * 0.06, R, false);
            double ny = hy + R * 0.3;
            switch (bb.nose) {
                case Nose::kMuzzle:
                    break;  // the muzzle part paints the nose
                case Nose::kCat:
                case Nose::kBeast: {
                    cairo_move_to(cr, fx - R * 0.12, ny - R * 0.05);
                    cairo_line_to(cr, fx + R * 0.12, ny - R * 0.05);
                    cairo_line_to(cr, fx, ny + R * 0.08);
                    cairo_close_path(cr);
                    SetColor(cr, bb.nose == Nose::kBeast ? Hex(0x5a3b30) : kNosePink);
                    cairo_fill_preserve(cr);
                    StrokeLine(cr, kOutline, 2.5);
                    cairo_move_to(cr, fx, ny + R * 0.08);
                    cairo_line_to(cr, fx, ny + R * 0.16);
                    cairo_move_to(cr, fx - R * 0.2, ny + R * 0.16);
                    cairo_curve_to(cr, fx - R * 0.12, ny + R * 0.26, fx - R * 0.02, ny + R * 0.22, fx,
                                   ny + R * 0.16);
                    cairo_curve_to(cr, fx + R * 0.02, ny + R * 0.22, fx + R * 0.12, ny + R * 0.26,
                                   fx + R * 0.2, ny + R * 0.16);
                    StrokeLine(cr, kOutline, 3.0);
                    break;
                }
                case Nose::kBunny: {
                    EllipsePath(cr, fx, ny, R * 0.1, R * 0.07);
                    SetColor(cr, kNosePink);
                    cairo_fill_preserve(cr);
                    StrokeLine(cr, kOutline, 2.5);
                    cairo_move_to(cr, fx, ny + R * 0.07);
                    cairo_line_to(cr, fx, ny + R * 0.17);
                    cairo_move_to(cr, fx - R * 0.16, ny + R * 0.2);
                    cairo_curve_to(cr, fx - R * 0.08, ny + R * 0.26, fx, ny + R * 0.2, fx, ny + R * 0.17);
                    cairo_curve_to(cr, fx, ny + R * 0.2, fx + R * 0.08, ny + R * 0.26, fx + R * 0.16,
                                   ny + R * 0.2);
                    StrokeLine(cr, kOutline, 3.0);
                    // Buck teeth.
                    RoundedRectPath(cr, fx - R * 0.09, ny + R * 0.2, R * 0.18, R * 0.15, 3);
                    SetColor(cr, kWhite);
                    cairo_fill_preserve(cr);
                    StrokeLine(cr, kOutline, 2.2);
                    cairo_move_to(cr, fx, ny + R * 0.2);
                    cairo_line_to(cr, fx, ny + R * 0.35);
                    StrokeLine(cr, kOutline, 1.6);
                    break;
                }
            }
            if (bb.fangs && bb.nose != Nose::kMuzzle) {
                for (int side = -1; side <= 1; side += 2) {
                    double x = fx + side * R * 0.14;
                    double y = ny + R * 0.2;
                    cairo_move_to(cr, x - R * 0.06, y);
                    cairo_line_to(cr, x + R * 0.06, y);
                    cairo_line_to(cr, x + side * R * 0.01, y + R * 0.2);
                    cairo_close_path(cr);
                    SetColor(cr, kWhite);
                    cairo_fill_preserve(cr);
                    StrokeLine(cr, kOutline, 2.2);
                }
            }
        };
        m.parts.push_back(p);
    }

    // ---- muzzle (bovine kinds) ----
    if (b.nose == Nose::kMuzzle) {
        Part p;
        p.grey = 1.0;
        p.line_scale = 0.7;
        double mx = hx + R * 0.14, my = hy + R * 0.46;
        double mrx = R * 0.6, mry = R * 0.36;
        p.path = [mx, my, mrx, mry](cairo_t* cr) { EllipsePath(cr, mx, my, mrx, mry); };
        p.gx = mx - 10;
        p.gy = my - 10;
        p.gr = mrx;
        Breed bb = b;
        p.details = [bb, mx, my, mrx, mry](cairo_t* cr) {
            for (int side = -1; side <= 1; side += 2) {
                RotEllipsePath(cr, mx + side * mrx * 0.38, my - mry * 0.12, mrx * 0.12, mry * 0.2, side * 0.4);
                SetColor(cr, kEyeDark, 0.85);
                cairo_fill(cr);
            }
            cairo_move_to(cr, mx - mrx * 0.3, my + mry * 0.45);
            cairo_curve_to(cr, mx - mrx * 0.1, my + mry * 0.62, mx + mrx * 0.1, my + mry * 0.62,
                           mx + mrx * 0.3, my + mry * 0.45);
            StrokeLine(cr, kOutline, 2.8);
            if (bb.fangs) {
                for (int side = -1; side <= 1; side += 2) {
                    double x = mx + side * mrx * 0.3;
                    double y = my + mry * 0.48;
                    cairo_move_to(cr, x - 5, y - 2);
                    cairo_line_to(cr, x + 5, y - 2);
                    cairo_line_to(cr, x + side * 2, y + 16);
                    cairo_close_path(cr);
                    SetColor(cr, kWhite);
                    cairo_fill_preserve(cr);
                    StrokeLine(cr, kOutline, 2.0);
                }
            }
        };
        m.parts.push_back(p);
    }

    // ---- whiskers, barbels, nose ring (untinted strokes on top of everything) ----
    Breed bb = b;
    m.overlay = [bb, hx, hy, R](cairo_t* cr) {
        double fx = hx + R * 0.12, ny = hy + R * 0.3;
        if (bb.whiskers) {
            for (int side = -1; side <= 1; side += 2) {
                for (int i = -1; i <= 1; ++i) {
                    cairo_move_to(cr, fx + side * R * 0.35, ny + R * 0.1 + i * R * 0.08);
                    cairo_curve_to(cr, fx + side * R * 0.7, ny + i * R * 0.12, fx + side * R * 1.0,
                                   ny + i * R * 0.2, fx + side * R * 1.3, ny + R * 0.05 + i * R * 0.3);
                }
                StrokeLine(cr, kOutline, 2.4);
            }
        }
        if (bb.barbels) {
            for (int side = -1; side <= 1; side += 2) {
                double x0 = fx + side * R * 0.2, y0 = ny + R * 0.12;
                cairo_move_to(cr, x0, y0);
                cairo_curve_to(cr, x0 + side * R * 0.6, y0 + R * 0.05, x0 + side * R * 0.95, y0 + R * 0.4,
                               x0 + side * R * 0.85, y0 + R * 0.75);
                cairo_curve_to(cr, x0 + side * R * 0.8, y0 + R * 0.85, x0 + side * R * 0.65, y0 + R * 0.82,
                               x0 + side * R * 0.7, y0 + R * 0.7);
                StrokeLine(cr, kOutline, 6.5);
                cairo_move_to(cr, x0, y0);
                cairo_curve_to(cr, x0 + side * R * 0.6, y0 + R * 0.05, x0 + side * R * 0.95, y0 + R * 0.4,
                               x0 + side * R * 0.85, y0 + R * 0.75);
                StrokeLine(cr, kStone, 3.0);
            }
        }
        if (bb.ears == Ears::kLynx) {
            // Lynx tufts on the ear tips.
            for (int side = -1; side <= 1; side += 2) {
                double tx = hx + side * R * 0.76, ty = hy - R * 1.65;
                for (int i = -1; i <= 1; ++i) {
                    cairo_move_to(cr, tx, ty + 6);
                    cairo_curve_to(cr, tx + i * 4, ty - 8, tx + side * 4 + i * 6, ty - 18,
                                   tx + side * 10 + i * 7, ty - 26 + std::abs(i) * 5);
                }
                StrokeLine(cr, kEyeDark, 3.5);
            }
        }
        if (bb.horns == Horns::kBull) {
            // A brass nose ring.
            double mx = hx + R * 0.14, my = hy + R * 0.62;
            cairo_new_sub_path(cr);
            cairo_arc(cr, mx, my, R * 0.16, 0.1 * kPi, 0.9 * kPi);
            StrokeLine(cr, kOutline, 8.0);
            cairo_new_sub_path(cr);
            cairo_arc(cr, mx, my, R * 0.16, 0.1 * kPi, 0.9 * kPi);
            StrokeLine(cr, kHoney, 4.0);
        }
    };
    return m;
}

// ---- layer rendering --------------------------------------------------------------------------

void FillTinted(cairo_t* cr, const Part& p) {
    double hi = std::min(1.0, p.grey + 0.07), lo = p.grey - 0.16;
    SetRadialGradient(cr, p.gx, p.gy, p.gr, Rgb{hi, hi, hi}, Rgb{lo, lo, lo});
    cairo_fill(cr);
}

void FillOwn(cairo_t* cr, const Part& p) {
    SetRadialGradient(cr, p.gx, p.gy, p.gr, p.color, p.color2);
    cairo_fill(cr);
}

void Erase(cairo_t* cr, const Part& p) {
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    p.path(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

void Stroke(cairo_t* cr, const Part& p, double line) {
    if (!p.outline) return;
    p.path(cr);
    SetColor(cr, kOutline);
    cairo_set_line_width(cr, line * p.line_scale);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void Details(cairo_t* cr, const Part& p) {
    if (!p.details) return;
    cairo_save(cr);
    p.path(cr);
    cairo_clip(cr);
    p.details(cr);
    cairo_restore(cr);
}

enum class Layer { kTop, kFace, kLine, kBody };

// Where and how large a breed is drawn in its cell.
struct Placement {
    double scale = 1, cx = 160, cy = 160;  // scale and the model point put at the cell's centre
};

// Paints one layer of one breed with its model point (p.cx, p.cy) at (ox, oy).
void PaintLayer(cairo_t* cr, double ox, double oy, const Breed& breed, const Placement& place,
                Layer layer, int frame) {
    Model m = BuildModel(breed, frame);
    cairo_save(cr);
    cairo_translate(cr, ox, oy);
    cairo_scale(cr, place.scale, place.scale);
    cairo_translate(cr, -place.cx, -place.cy);
    const double line = kLine / place.scale;
    switch (layer) {
        case Layer::kBody:
            for (const Part& p : m.parts) {
                if (p.animated) {
                    p.path(cr);
                    FillTinted(cr, p);
                } else {
                    Erase(cr, p);  // no double light where the game adds the layers again
                }
            }
            break;
        case Layer::kFace:
            for (const Part& p : m.parts) {
                if (p.animated) continue;
                if (p.tinted) {
                    p.path(cr);
                    FillTinted(cr, p);
                } else {
                    Erase(cr, p);
                }
            }
            break;
        case Layer::kLine:
            m.shadow(cr);
            for (const Part& p : m.parts) {
                Erase(cr, p);
                if (p.animated) {
                    Details(cr, p);
                    Stroke(cr, p, line);
                }
            }
            break;
        case Layer::kTop:
            for (const Part& p : m.parts) {
                if (p.animated) continue;
                Erase(cr, p);
                if (!p.tinted) {
                    p.path(cr);
                    FillOwn(cr, p);
                }
                Details(cr, p);
                Stroke(cr, p, line);
            }
            if (m.overlay) m.overlay(cr);
            break;
    }
    cairo_restore(cr);
}

// Measures everything a breed paints in any frame and centres it in the cell, shrinking it when it
// would not fit (the game measures hit boxes about the picture's centre).
Placement Fit(const Breed& breed) {
    const int scratch = 640;
    Canvas canvas(scratch, scratch);
    Placement unit;
    unit.scale = 1;
    for (int f = 0; f < 3; ++f) {
        PaintLayer(canvas.cr(), 320, 320, breed, unit, Layer::kLine, f);
        PaintLayer(canvas.cr(), 320, 320, breed, unit, Layer::kBody, f);
    }
    PaintLayer(canvas.cr(), 320, 320, breed, unit, Layer::kTop, 0);
    PaintLayer(canvas.cr(), 320, 320, breed, unit, Layer::kFace, 0);
    int x0 = scratch, y0 = scratch, x1 = -1, y1 = -1;
    for (int y = 0; y < scratch; ++y) {
        for (int x = 0; x < scratch; ++x) {
            if (canvas.AlphaAt(x, y) == 0) continue;
            x0 = std::min(x0, x);
            x1 = std::max(x1, x);
            y0 = std::min(y0, y);
            y1 = std::max(y1, y);
        }
    }
    Placement place;
    if (x1 < 0) return place;
    const double room = kCell - 16;
    place.scale = std::min({breed.size, room / (x1 - x0 + 1), room / (y1 - y0 + 1)});
    // Model coordinates of the box centre (the scratch drew model point (160, 160) at (320, 320)).
    place.cx = (x0 + x1 + 1) / 2.0 - 160;
    place.cy = (y0 + y1 + 1) / 2.0 - 160;
    return place;
}

}  // namespace

bool PaintCreatures(const std::string& data_dir) {
    Output out(data_dir);
    const int rows13 = (13 + kColumns - 1) / kColumns;
    Canvas top(kColumns * kCell, rows13 * kCell);
    Canvas face(kColumns * kCell, rows13 * kCell);
    Canvas line(kColumns * kCell, 13 * kCell);
    Canvas body(kColumns * kCell, 13 * kCell);
    for (int k = 0; k < 13; ++k) {
        const Breed& b = kBreeds[k];
        const Placement place = Fit(b);
        const double h = kCell / 2.0;
        PaintLayer(top.cr(), (k % kColumns) * kCell + h, (k / kColumns) * kCell + h, b, place,
                   Layer::kTop, 0);
        PaintLayer(face.cr(), (k % kColumns) * kCell + h, (k / kColumns) * kCell + h, b, place,
                   Layer::kFace, 0);
        for (int f = 0; f < 4; ++f) {
            int cell = 4 * k + f;
            double x = (cell % kColumns) * kCell + h, y = (cell / kColumns) * kCell + h;
            PaintLayer(line.cr(), x, y, b, place, Layer::kLine, f == 3 ? 0 : f);
            PaintLayer(body.cr(), x, y, b, place, Layer::kBody, f == 3 ? 0 : f);
        }
    }
    bool ok = out.SavePng(top, "Data/Graphics/Spiggles/Top.png");
    ok = out.SavePng(face, "Data/Graphics/Spiggles/Face.png") && ok;
    ok = out.SavePng(line, "Data/Graphics/Spiggles/Lines.png") && ok;
    ok = out.SavePng(body, "Data/Graphics/Spiggles/Bodies.png") && ok;
    if (!ok) std::fprintf(stderr, "assetgen: could not write the spiggle sheets\n");
    return ok;
}

void PaintSpiggle(cairo_t* cr, int breed, double x, double y, double scale, Rgb tint, bool facing_left) {
    if (breed < 0 || breed >= 13) return;
    const Breed& b = kBreeds[breed];
    // Measuring a breed takes a while; scenes paint the same few breeds again and again.
    static Placement placements[13];
    static bool measured[13] = {};
    if (!measured[breed]) {
        placements[breed] = Fit(b);
        measured[breed] = true;
    }
    const Placement place = placements[breed];
    Canvas fill(kCell, kCell), lines(kCell, kCell);
    PaintLayer(fill.cr(), kCell / 2.0, kCell / 2.0, b, place, Layer::kBody, 0);
    PaintLayer(fill.cr(), kCell / 2.0, kCell / 2.0, b, place, Layer::kFace, 0);
    PaintLayer(lines.cr(), kCell / 2.0, kCell / 2.0, b, place, Layer::kLine, 0);
    PaintLayer(lines.cr(), kCell / 2.0, kCell / 2.0, b, place, Layer::kTop, 0);
    // Tint the fill the way the game colours it: multiply, plus a third of it again.
    cairo_surface_flush(fill.surface());
    unsigned char* data = cairo_image_surface_get_data(fill.surface());
    const int stride = cairo_image_surface_get_stride(fill.surface());
    const double mul[3] = {tint.b * 1.33, tint.g * 1.33, tint.r * 1.33};  // BGRA in memory
    for (int py = 0; py < kCell; ++py) {
        for (int px = 0; px < kCell; ++px) {
            unsigned char* p = data + py * stride + px * 4;
            for (int ch = 0; ch < 3; ++ch) {
                p[ch] = static_cast<unsigned char>(std::min<double>(p[3], p[ch] * mul[ch]));
            }
        }
    }
    cairo_surface_mark_dirty(fill.surface());
    cairo_surface_flush(lines.surface());
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, facing_left ? -scale : scale, scale);
    cairo_set_source_surface(cr, fill.surface(), -kCell / 2.0, -kCell / 2.0);
    cairo_paint(cr);
    cairo_set_source_surface(cr, lines.surface(), -kCell / 2.0, -kCell / 2.0);
    cairo_paint(cr);
    cairo_restore(cr);
}
