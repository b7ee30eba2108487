// The options window: its layout, the sliders' volumes and the full-screen check.
#include "options_window.h"

#include "audio_list.h"
#include "gui_fixture.h"
#include "settings.h"
#include "slide_control.h"

namespace {

class OptionsWindowTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        saved_sound_ = sound_volume;
        saved_music_ = music_volume;
        saved_fullscreen_ = fullscreen;
        saved_reset_ = graphics_reset;
        AddPicture(609, 24, 24);
    }
    void TearDown() override {
        sound_volume = saved_sound_;
        music_volume = saved_music_;
        fullscreen = saved_fullscreen_;
        graphics_reset = saved_reset_;
        GuiTest::TearDown();
    }
    template <class T>
    std::vector<T*> All(const ControlList& list) {
        std::vector<T*> found;
        for (const ControlPtr& c : list) {
            if (T* t = dynamic_cast<T*>(c.get())) found.push_back(t);
        }
        return found;
    }

    Interpolation saved_sound_, saved_music_;
    int saved_fullscreen_ = 0, saved_reset_ = 0;
};

TEST_F(OptionsWindowTest, SlidersStartAtTheVolumes) {
    sound_volume = Interpolation(0.5f);
    music_volume = Interpolation(0.8f);
    ControlList list;
    CreateOptionsWindow(list, nullptr);
    auto sliders = All<SlideControl>(list);
    ASSERT_EQ(sliders.size(), 2u);
    EXPECT_EQ(sliders[0]->position, 60);
    EXPECT_EQ(sliders[0]->y, 288);
    EXPECT_EQ(sliders[1]->position, 96);
    EXPECT_EQ(sliders[1]->y, 336);
    for (const ControlPtr& c : list) {
        EXPECT_EQ(c->global_color, 0);
        EXPECT_EQ(c->active, 1);
    }
}

TEST_F(OptionsWindowTest, DraggingASliderSetsTheVolumeAtOnce) {
    ControlList list;
    CreateOptionsWindow(list, nullptr);
    MoveMouse(556 + 30, 288);
    mouse_click = 1;
    UpdateControlList(list, 1);
    EXPECT_FLOAT_EQ(static_cast<float>(sound_volume.Get()), 0.25f);
    MoveMouse(556, 336);
    UpdateControlList(list, 1);
    EXPECT_FLOAT_EQ(static_cast<float>(music_volume.Get()), 0.01f);  // music never quite silent
    // The track's last pixel is full volume: a slider can always go back up to 1.
    MoveMouse(556 + 119, 288);
    UpdateControlList(list, 1);
    EXPECT_EQ(sound_volume.Get(), 1.0);
}

TEST_F(OptionsWindowTest, VolumeCallbacks) {
    SetSoundVolume(0);
    EXPECT_EQ(sound_volume.Get(), 0);
    SetSoundVolume(90);
    EXPECT_FLOAT_EQ(static_cast<float>(sound_volume.Get()), 0.75f);
    SetMusicVolume(-4);
    EXPECT_FLOAT_EQ(static_cast<float>(music_volume.Get()), 0.01f);
    SetMusicVolume(120);
    EXPECT_EQ(music_volume.Get(), 1);
    EXPECT_EQ(music_volume.Stopped(), 1);  // set at once, not faded
}

TEST_F(OptionsWindowTest, CheckShowsTheFullScreenSettingAndTogglesIt) {
    fullscreen = 0;
    graphics_reset = 0;
    ControlList list;
    CreateOptionsWindow(list, nullptr);
    Button* check = nullptr;
    for (Button* b : All<Button>(list)) {
        if (b->x == 616 && b->y == 384) check = b;
    }
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->image, 0);
    EXPECT_EQ(check->w, 24);  // still clickable while unchecked
    MoveMouse(616, 384);
    Button1(0);
    UpdateControlList(list, 1);
    Button1(1);
    UpdateControlList(list, 1);
    EXPECT_EQ(fullscreen, 1);
    EXPECT_EQ(check->image, 609);
    EXPECT_EQ(graphics_reset, 1);
    EXPECT_EQ(check->active, 1);  // stays clickable
    graphics_reset = 0;
    ToggleFullscreen(check);
    EXPECT_EQ(fullscreen, 0);
    EXPECT_EQ(check->image, 0);
    EXPECT_EQ(graphics_reset, 1);
    // F11 switched to full screen while the window stayed open: the next click goes back to a
    // window, whatever the box still shows.
    fullscreen = 1;
    ToggleFullscreen(check);
    EXPECT_EQ(fullscreen, 0);
    EXPECT_EQ(check->image, 0);
}

TEST_F(OptionsWindowTest, ExitCallsTheOwnersCallback) {
    AddPicture(419, 80, 32);
    int exits = 0;
    ControlList list;
    CreateOptionsWindow(list, [&exits](Button*) { ++exits; });
    MoveMouse(512, 504);
    Button1(0);
    UpdateControlList(list, 1);
    Button1(1);
    UpdateControlList(list, 1);
    EXPECT_EQ(exits, 1);
}

}  // namespace
