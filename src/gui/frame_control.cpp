#include "frame_control.h"

#include "font.h"
#include "font_list.h"
#include "graphics.h"
#include "image_list.h"

namespace {
constexpr int kFrameSize = 512;

int RoundUpTo4(int v) { return (v % 4 == 0) ? v : v + (4 - ((v % 4) + 4) % 4); }
}  // namespace

std::array<FramePiece, 4> FramePieces(int left, int top, int width, int height) {
    width = RoundUpTo4(width);
    height = RoundUpTo4(height);
    const int hw = width / 2;
    const int hh = height / 2;
    const int qx = width / 4;
    const int qy = height / 4;
    return {{
        {0, 0, hw, hh, left + qx, top + qy},
        {kFrameSize - hw, 0, hw, hh, left + width - qx, top + qy},
        {0, kFrameSize - hh, hw, hh, left + qx, top + height - qy},
        {kFrameSize - hw, kFrameSize - hh, hw, hh, left + width - qx, top + height - qy},
    }};
}

void DrawFrame(int frame, int left, int top, int width, int height) {
    for (const FramePiece& p : FramePieces(left, top, width, height)) {
        ImageList::DrawSimpleRect(frame, p.sx, p.sy, p.sw, p.sh, static_cast<float>(p.x), static_cast<float>(p.y));
    }
}

std::shared_ptr<FrameControl> FrameControl::Create(int x, int y, int w, int h, int frame, const std::string& title,
                                                   int font) {
    auto c = std::make_shared<FrameControl>();
    c->x = x;
    c->y = y;
    c->w = w;
    c->h = h;
    c->frame = frame;
    c->title = title;
    c->font = font;
    if (!title.empty()) {
        FontList::SetFont(font);
        c->tw = TextWidth(title);
        c->th = TextHeight(title);
    }
    return c;
}

void FrameControl::Draw() {
    const SavedColor saved;
    if (!global_color) SetColor(255, 255, 255);
    SetScale(1, 1);
    SetAlpha(static_cast<float>(alpha.Get()));
    DrawFrame(frame, x - w / 2, y - h / 2, w, h);
    if (!title.empty()) {
        SetTintedColor(tr, tg, tb, global_color, saved);
        FontList::SetFont(font);
        DrawText(title, static_cast<float>(x - tw / 2), static_cast<float>(y - th + th / 3 + 2));
    }
}
