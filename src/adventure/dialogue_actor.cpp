#include "dialogue_actor.h"

#include "app.h"
#include "dialogue_script.h"
#include "font.h"
#include "font_list.h"
#include "graphics.h"
#include "image_list.h"
#include "profile.h"
#include "text_tokens.h"

const int mouth_pattern[16] = {-1, 1, -1, 0, -1, 1, -1, 0, -1, 1, 0, 1, -1, 1, -1, 0};

namespace {

// Where speakers wait off stage, left and right.
int OffLeft() { return -128; }
int OffRight() { return virtual_width + 128; }

}  // namespace

std::unique_ptr<DialogueActor> DialogueActor::Create(int id, int image, int dir, const std::string& title,
                                                     float pitch) {
    auto actor = std::make_unique<DialogueActor>();
    actor->id = id;
    actor->image = image;
    actor->dir = dir;
    actor->pitch = pitch;
    actor->title = ReplaceTokens(title);
    actor->title_font = 2;
    if (const std::optional<Area> size = ImageList::GetSize(image)) {
        actor->w = size->w;
        actor->h = size->h;
    } else {
        actor->w = 200;
        actor->h = 320;
    }
    switch (dir) {
        case kModeLeft:
            actor->x.SetAbsolute(static_cast<float>(OffLeft()));
            actor->y = virtual_height - 256;
            break;
        case kModeRight:
            actor->x.SetAbsolute(static_cast<float>(OffRight()));
            actor->y = virtual_height - 256;
            break;
        case kModeMessage:
        case kModeInfo:
        case kModeItem:
            actor->x.SetAbsolute(static_cast<float>(virtual_width / 2));
            actor->y = virtual_height / 2;
            break;
        default:
            break;
    }
    return actor;
}

void DialogueActor::SetTextPos() {
    if (!text) return;
    // The bubble leans towards the middle of the stage by a quarter of its width.
    if (dir == kModeLeft) {
        text->x = static_cast<int>(x.Get() + text->w / 2 - text->w / 4);
    } else if (dir == kModeRight) {
        text->x = static_cast<int>(x.Get() - text->w / 2 + text->w / 4);
    }
}

void DialogueActor::SetText(const std::string& s) {
    text = DialogueText::Create(0, 0, s, dir);
    if (dir == kModeLeft || dir == kModeRight) {
        text->pitch = pitch;
        text->y = y - h / 2 - text->h / 2 - 64;
    } else {
        text->pitch = -1;  // the narrator's voice
        text->x = static_cast<int>(x.Get());
        text->y = y - text->h / 2;
        if (!title.empty()) {
            FontList::SetFont(title_font);
            text->y += TextHeight(title) / 2;
        }
    }
    SetTextPos();
}

void DialogueActor::Remove(int frames) {
    const int steps = frames > 0 ? frames : 50;
    if (dir == kModeLeft) {
        x.Set(static_cast<float>(OffLeft()), steps);
    } else if (dir == kModeRight) {
        x.Set(static_cast<float>(OffRight()), steps);
    }
    del = 1;
}

void DialogueActor::Move(int to, int frames) {
    x.Set(static_cast<float>(to), frames <= 0 ? 50 : frames);
    moving = 1;
}

int DialogueActor::Update(float delta) {
    if (blinking != 0) {
        blinking -= delta;
        if (blinking <= 0) {
            blinking = 0;
            blink_count = static_cast<float>(Rand(0, 200) + 300);
        }
    } else {
        blink_count -= delta;
        if (blink_count <= 0) blinking = 24;
    }
    for (size_t i = 0; i < images.size();) {
        images[i]->alpha.Update(delta);
        if (images[i]->alpha.Get() == 0) {
            images.erase(images.begin() + static_cast<long>(i));
        } else {
            ++i;
        }
    }
    x.Update(delta);
    if (moving && x.Stopped()) {
        moving = 0;
        blocking = 0;  // a blocking move releases the script when it arrives
    }
    if (text) {
        if (text->complete) {
            talking = 0;
        } else {
            talking += delta;
        }
        SetTextPos();
        if (text->Update(delta) == 1) {
            text.reset();
            blocking = 0;
            talking = 0;
        }
    }
    if (!del) return 0;
    if (dir == kModeLeft || dir == kModeRight) {
        const int at = static_cast<int>(x.Get());
        return at == OffLeft() || at == OffRight() ? 1 : 0;
    }
    // Boxes vanish at once. An actor entered without a mode has no place to slide to: it leaves at
    // once too, or the dialogue (which waits for an empty stage) could never end.
    return 1;
}

int DialogueActor::PortraitImage() const { return image <= 0 ? character_image : image; }

int DialogueActor::MouthFrame(int portrait) const {
    if (talking <= 0) return 0;
    const int base = 4 * (portrait - 1000) + 1100;
    const int m = mouth_pattern[static_cast<int>(talking / 12) % 16];
    if (m == 0) return base;
    if (m == 1) return base + 1;
    return 0;
}

int DialogueActor::EyesFrame(int portrait) const {
    if (blinking <= 0) return 0;
    const int base = 4 * (portrait - 1000) + 1100;
    if (blinking > 16) return base + 2;
    if (blinking > 8) return base + 3;
    return base + 2;
}

void DialogueActor::DrawActor() {
    int r, g, b;
    GetColor(&r, &g, &b);
    if (!front) SetColor(r / 2, g / 2, b / 2);
    int a = PortraitImage();
    const float px = static_cast<float>(static_cast<int>(x.Get()));
    const float py = static_cast<float>(y);
    ImageList::DrawSimple(a, px, py);
    if (image == 0) {
        // The player's expression: each portrait is followed by its four expressions.
        static const int kExpressionOffset[5] = {0, 3, 2, 4, 1};
        if (player_expression >= 1 && player_expression <= 4) {
            a += kExpressionOffset[player_expression];
            ImageList::DrawSimple(a, px, py);
        }
    }
    if (const int mouth = MouthFrame(a)) ImageList::DrawSimple(mouth, px, py);
    if (const int eyes = EyesFrame(a)) ImageList::DrawSimple(eyes, px, py);
    SetColor(r, g, b);
}

void DialogueActor::Draw() {
    SetAlpha(1);
    if (dir == kModeLeft || dir == kModeRight) DrawActor();
    for (const auto& picture : images) {
        SetAlpha(static_cast<float>(picture->alpha.Get()));
        if (picture->x >= 10000 && picture->y >= 10000) {
            ImageList::DrawSimple(picture->image, static_cast<float>(picture->x - 10000),
                                  static_cast<float>(picture->y - 10000));
        } else {
            ImageList::DrawSimple(picture->image, static_cast<float>(static_cast<int>(x.Get() + picture->x)),
                                  static_cast<float>(y + picture->y));
        }
    }
    if (text) text->Draw();
}
