#include "scroll_control.h"

#include <algorithm>

#include "app.h"
#include "graphics.h"
#include "input.h"

std::shared_ptr<ScrollControl> ScrollControl::Create(int x, int y, int w, int h) {
    auto c = std::make_shared<ScrollControl>();
    c->x = x;
    c->y = y;
    c->w = w;
    c->h = h;
    c->mz = MouseZ();
    return c;
}

void ScrollControl::AddControl(const ControlPtr& control, int ox, int oy, int corner, int relative) {
    controls.push_back(control);
    const int right = ox + (relative ? control->x : 0) + (corner ? control->w : control->w / 2);
    const int bottom = oy + (relative ? control->y : 0) + (corner ? control->h : control->h / 2);
    cw = std::max(cw, right);
    const int had_overflow = Overflows();
    ch = std::max(ch, bottom);
    if (!had_overflow && Overflows() && !up) {
        up = Button::Create(x + w / 2 + 11, y - h / 2 + 6, 606, "", 0, nullptr);
        down = Button::Create(x + w / 2 + 13, y + h / 2 - 6, 606, "", 0, nullptr);
        up->rotate = 270;
        down->rotate = 90;
        for (Button* b : {up.get(), down.get()}) {
            b->SetOver(1);
            b->global_color = 0;
            b->Activate(50);
        }
    }
}

float ScrollControl::MaxOffset() const { return ch > h ? static_cast<float>(ch - h) : 0.0f; }

void ScrollControl::ClampOffset() { cy = std::clamp(cy, 0.0f, MaxOffset()); }

template <class F>
void ScrollControl::AtScreenPosition(Control& child, F f) {
    const int old_x = child.x, old_y = child.y;
    child.x = (x - w / 2) + old_x;
    child.y = static_cast<int>(static_cast<float>(y - h / 2 + old_y) - cy);
    f();
    child.x = old_x;
    child.y = old_y;
}

void ScrollControl::Update(float dt) {
    Control::Update(dt);
    const float a = static_cast<float>(alpha.Get());
    const ControlList children = controls;  // a child's callback may change the list
    for (const ControlPtr& child : children) {
        AtScreenPosition(*child, [&] { child->Update(dt); });
        child->alpha.SetAbsolute(a);
    }
    const float max_offset = MaxOffset();
    // The wheel belongs to the view under the pointer (its track and arrows included); a turn made
    // elsewhere is still taken note of, so it is not applied later.
    const int z = MouseZ();
    const bool pointer_on_view = mouse_x >= x - w / 2 && mouse_x < x + w / 2 + 24 && mouse_y >= y - h / 2 &&
                                 mouse_y < y - h / 2 + h;
    if (Overflows() && pointer_on_view) {
        if (z > mz) cy = std::max(0.0f, cy - dt * 16);
        if (z < mz) cy = std::min(max_offset, cy + dt * 16);
    }
    mz = z;
    const int track = h - 48;  // the thumb's range
    if (Overflows() && mouse_click && mouse_x >= x + w / 2 + 4 && mouse_x < x + w / 2 + 20 &&
        mouse_y >= y - h / 2 + 16 && mouse_y < y - h / 2 + h - 16) {
        const int top = y - h / 2 + 16;
        const float thumb = static_cast<float>(top) + (track > 0 ? cy / max_offset * static_cast<float>(track) : 0);
        if (static_cast<float>(mouse_y) >= thumb && static_cast<float>(mouse_y) < thumb + 16) {
            grab = 1;
        } else if (track > 0) {
            cy = static_cast<float>(mouse_y - top - 8) / static_cast<float>(track) * max_offset;
            ClampOffset();
        }
    }
    if (grab) {
        if (mouse_click) {
            if (track > 0) {
                cy = static_cast<float>(mouse_y + h / 2 - y - 24) / static_cast<float>(track) * max_offset;
            }
            ClampOffset();
            return;
        }
        grab = 0;
    }
    // Holding an arrow scrolls continuously and never counts as a click.
    const int saved_click = mouse_click, saved_armed = mouse_armed;
    const std::shared_ptr<Button> arrows[2] = {up, down};
    for (int i = 0; i < 2; ++i) {
        const std::shared_ptr<Button>& b = arrows[i];
        if (!b) continue;
        b->alpha.SetAbsolute(a);
        if (b->MouseOver(0, 0, 1.0f) && mouse_click) {
            if (i == 0) {
                cy = std::max(0.0f, cy - dt * 4);
            } else {
                cy = std::min(max_offset, cy + dt * 4);
            }
        } else {
            b->active = 1;
        }
        b->Update(dt);
    }
    mouse_click = saved_click;
    mouse_armed = saved_armed;
    ClampOffset();
}

void ScrollControl::Draw() {
    const SavedColor saved;
    const float a = static_cast<float>(alpha.Get());
    SetScale(1, 1);
    SetBlend(ALPHABLEND);
    SetAlpha(0.25f * a);
    SetColor(0, 0, 0);
    DrawRect(static_cast<float>(x - w / 2 - 2), static_cast<float>(y - h / 2 - 2), static_cast<float>(w + 4),
             static_cast<float>(h + 4));
    SetColor(255, 255, 255);
    DrawRect(static_cast<float>(x - w / 2), static_cast<float>(y - h / 2), static_cast<float>(w),
             static_cast<float>(h));
    if (Overflows()) {
        SetColor(0, 0, 0);
        DrawRect(static_cast<float>(x + w / 2 + 4), static_cast<float>(y - h / 2 + 16), 16, static_cast<float>(h - 32));
        SetAlpha(a);
        DrawRect(static_cast<float>(x + w / 2 + 4),
                 static_cast<float>(y - h / 2 + 16) + static_cast<float>(h - 48) * cy / MaxOffset(), 16, 16);
    }
    SetColor(saved.r, saved.g, saved.b);
    if (up) up->Draw();
    if (down) down->Draw();
    SetViewport(x - w / 2, y - h / 2, w, h);
    const ControlList children = controls;
    for (const ControlPtr& child : children) {
        AtScreenPosition(*child, [&] { child->Draw(); });
    }
    SetViewport(0, 0, kVirtualWidth, kVirtualHeight);
}
