#include "options_window.h"

#include "app.h"
#include "audio_list.h"
#include "frame_control.h"
#include "image_control.h"
#include "settings.h"
#include "slide_control.h"
#include "text_control.h"

namespace {

constexpr int kSliderWidth = 120;
constexpr int kCheckImage = 609;

void AddControl(ControlList& list, const ControlPtr& c) {
    c->Activate(50);
    c->global_color = 0;
    list.push_back(c);
}

// A label of the left column, its text's left edge at x 336, centred on the row.
void AddLabel(ControlList& list, const std::string& text, int row_y) {
    auto label = TextControl::Create(336, row_y, text, 2);
    label->y = row_y - label->h / 2;
    AddControl(list, label);
}

void AddSlider(ControlList& list, int row_y, float volume, std::function<void(int)> callback) {
    AddControl(list, ImageControl::Create(616, row_y, 665, 1));
    AddControl(list, SlideControl::Create(616, row_y, kSliderWidth,
                                          static_cast<int>(volume * static_cast<float>(kSliderWidth)),
                                          std::move(callback)));
}

}  // namespace

void CreateOptionsWindow(ControlList& list, ButtonCallback exit_callback) {
    AddControl(list, FrameControl::Create(512, 384, 420, 336, 2, "", 0));
    AddControl(list, FrameControl::Create(512, 216, 320, 64, 6, "Options", 3));

    AddLabel(list, "Sound Volume:", 288);
    AddSlider(list, 288, static_cast<float>(sound_volume.Get()), SetSoundVolume);
    AddLabel(list, "Music Volume:", 336);
    AddSlider(list, 336, static_cast<float>(music_volume.Get()), SetMusicVolume);

    AddLabel(list, "Fullscreen:", 384);
    AddControl(list, ImageControl::Create(616, 384, 616, 1));
    auto check = Button::Create(616, 384, kCheckImage, "", 0, ToggleFullscreen);
    if (!fullscreen) check->image = 0;
    check->SetOver(1);
    AddControl(list, check);

    auto exit = Button::Create(512, 504, 419, "Exit", 2, std::move(exit_callback));
    exit->SetOver(1);
    AddControl(list, exit);
}

void SetSoundVolume(int position) {
    sound_volume.SetAbsolute(static_cast<float>(position) / static_cast<float>(kSliderWidth));
}

void SetMusicVolume(int position) {
    float v = static_cast<float>(position) / static_cast<float>(kSliderWidth);
    if (!(v > 0)) v = 0.01f;
    music_volume.SetAbsolute(v);
    // The playing music follows at once.
    if (music_id != 0) AudioList::Update(music_id, static_cast<float>(music_fade.Get()), 0);
}

void ToggleFullscreen(Button* button) {
    if (!button) return;
    button->Activate(0);  // the check stays clickable
    // The setting itself decides, not the box's picture: Alt+Enter or F11 may have switched it
    // while the window was open.
    fullscreen = fullscreen ? 0 : 1;
    button->image = fullscreen ? kCheckImage : 0;
    graphics_reset = 1;
}
