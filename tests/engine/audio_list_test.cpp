#include <gtest/gtest.h>

#include <cstdlib>

#include "audio_list.h"
#include "media_fixtures.h"
#include "settings.h"

namespace {

class AudioListTest : public ::testing::Test {
protected:
    void SetUp() override {
        CloseAudio();
        AudioList::Clear();
        StopAllChannels();
        audio_enabled = 1;
        sound_volume = Interpolation(0.8f);
        music_volume = Interpolation(0.8f);
        std::vector<int16_t> samples(4410, 3000);
        ASSERT_TRUE(WriteWavFile(dir_.File("click.wav"), samples, 1, 44100));
        ASSERT_TRUE(WriteWavFile(dir_.File("tune.wav"), samples, 2, 44100));
        ASSERT_TRUE(WriteWavFile(dir_.File("other.wav"), samples, 2, 44100));
        ASSERT_TRUE(WriteBytes(dir_.File("broken.ogg"), "OggS and then nothing useful"));
    }
    void TearDown() override {
        AudioList::Clear();
        StopAllChannels();
        audio_enabled = 1;
    }
    std::string File(const std::string& name) const { return dir_.File(name); }
    TempFolder dir_;
};

}  // namespace

TEST_F(AudioListTest, RegistersEffectsAndMusicEntries) {
    EXPECT_EQ(AudioList::AddSound(File("click.wav"), 103, 0, 0.5f), 1);
    EXPECT_EQ(AudioList::AddSound(File("click.wav"), 103, 0, 1), 0);
    EXPECT_EQ(AudioList::AddSound(File("missing.wav"), 104, 0, 1), 0);
    EXPECT_EQ(AudioList::AddSound(File("broken.ogg"), 105, 0, 1), 0);
    ASSERT_NE(AudioList::GetAudioContainer(103), nullptr);
    EXPECT_TRUE(AudioList::GetAudioContainer(103)->sound);

    EXPECT_EQ(AudioList::AddMusicNormal(File("missing.ogg"), 1, 1, 1), 0);
    EXPECT_EQ(AudioList::AddMusicNormal(File("tune.wav"), 103, 1, 1), 0);  // id taken
    ASSERT_EQ(AudioList::AddMusicNormal(File("tune.wav"), 1, 1, 1), 1);
    const AudioContainer* m = AudioList::GetAudioContainer(1);
    EXPECT_EQ(m->url, File("tune.wav"));
    EXPECT_EQ(m->paused, 1);
    EXPECT_FALSE(m->sound);
    AudioList::RemoveSound(1);
    EXPECT_EQ(AudioList::GetAudioContainer(1), nullptr);
}

TEST_F(AudioListTest, PlayUsesTheVolumesAndKeepsTheLatestChannel) {
    ASSERT_EQ(AudioList::AddSound(File("click.wav"), 101, 0, 0.5f), 1);
    AudioContainer* c = AudioList::GetAudioContainer(101);
    AudioList::Play(101, -0.5f, 0.5f, 1.25f);
    ASSERT_TRUE(c->channel);
    EXPECT_EQ(ChannelPlaying(c->channel), 1);
    EXPECT_FLOAT_EQ(ChannelVolume(c->channel), 0.8f * 0.5f * 0.5f);
    EXPECT_FLOAT_EQ(ChannelPan(c->channel), -0.5f);
    EXPECT_EQ(c->paused, 0);
    EXPECT_EQ(c->music, 0);
    const Channel first = c->channel;
    AudioList::Play(101);
    EXPECT_NE(c->channel, first);
    EXPECT_FLOAT_EQ(ChannelVolume(c->channel), 0.8f * 0.5f);

    AudioList::Pause(101);
    EXPECT_EQ(c->paused, 1);
    EXPECT_EQ(ChannelPlaying(c->channel), 0);
    AudioList::Update(101, 1.0f, 1.0f);  // a paused entry is left alone
    EXPECT_FLOAT_EQ(ChannelPan(c->channel), 0.0f);
    AudioList::Resume(101);
    EXPECT_EQ(c->paused, 0);
    EXPECT_EQ(ChannelPlaying(c->channel), 1);
    AudioList::Update(101, 0.25f, 1.0f);
    EXPECT_FLOAT_EQ(ChannelVolume(c->channel), 0.8f * 0.25f * 0.5f);
    EXPECT_FLOAT_EQ(ChannelPan(c->channel), 1.0f);

    const Channel playing = c->channel;
    AudioList::Stop(101);
    EXPECT_FALSE(c->channel);
    EXPECT_EQ(ChannelPlaying(playing), 0);
    AudioList::Play(999);  // unregistered: nothing happens
}

TEST_F(AudioListTest, PlayWithSoundOffDoesNotTouchTheEntry) {
    ASSERT_EQ(AudioList::AddSound(File("click.wav"), 106, 0, 1), 1);
    AudioContainer* c = AudioList::GetAudioContainer(106);
    c->paused = 1;
    c->music = 1;
    audio_enabled = 0;
    AudioList::Play(106);
    EXPECT_FALSE(c->channel);
    EXPECT_EQ(c->paused, 1);
    EXPECT_EQ(c->music, 1);
    EXPECT_EQ(MixerChannelCount(), 0);
    EXPECT_EQ(AudioList::PlayMusic(File("tune.wav"), 1, 1, 1), 1);
    EXPECT_EQ(music_id, 0);  // nothing streams without sound
}

TEST_F(AudioListTest, PlayMusicStreamsUnderItsIdAndKeepsThePlayingPiece) {
    ASSERT_EQ(AudioList::PlayMusic(File("tune.wav"), 1, 1, 1), 1);
    EXPECT_EQ(music_id, 1);
    EXPECT_EQ(current_music_path, File("tune.wav"));
    AudioContainer* c = AudioList::GetAudioContainer(1);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->music, 1);
    EXPECT_EQ(c->paused, 0);
    ASSERT_TRUE(c->channel);
    EXPECT_EQ(ChannelPlaying(c->channel), 1);
    EXPECT_FLOAT_EQ(ChannelVolume(c->channel), 0.8f * 0.75f);
    EXPECT_FLOAT_EQ(ChannelPan(c->channel), 0.0f);

    // The same path again, even under another id: nothing changes.
    const Channel stream = c->channel;
    EXPECT_EQ(AudioList::PlayMusic(File("tune.wav"), 7, 1, 0), 1);
    EXPECT_EQ(music_id, 1);
    EXPECT_EQ(AudioList::GetAudioContainer(7), nullptr);
    EXPECT_EQ(c->channel, stream);

    // Another piece stops the first at once.
    EXPECT_EQ(AudioList::PlayMusic(File("other.wav"), 1, 1, 1), 1);
    EXPECT_EQ(ChannelPlaying(stream), 0);
    EXPECT_EQ(current_music_path, File("other.wav"));
    EXPECT_EQ(MixerChannelCount(), 1);

    // The shell pauses and resumes it around focus loss.
    AudioList::PauseMusic();
    EXPECT_EQ(AudioList::GetAudioContainer(1)->paused, 1);
    EXPECT_EQ(ChannelPlaying(AudioList::GetAudioContainer(1)->channel), 0);
    AudioList::ResumeMusic();
    EXPECT_EQ(ChannelPlaying(AudioList::GetAudioContainer(1)->channel), 1);
}

TEST_F(AudioListTest, FadingToSilenceStopsAndUnregistersTheMusic) {
    ASSERT_EQ(AudioList::PlayMusic(File("tune.wav"), 1, 1, 1), 1);
    const Channel stream = AudioList::GetAudioContainer(1)->channel;
    AudioList::FadeMusic(0, 100);
    EXPECT_EQ(current_music_path, "");
    AudioList::UpdateMusic(50);
    EXPECT_EQ(music_id, 1);
    EXPECT_NEAR(ChannelVolume(stream), 0.8f * 0.5f * 0.75f, 1e-5f);
    AudioList::UpdateMusic(50);
    EXPECT_EQ(music_id, 0);
    EXPECT_EQ(AudioList::GetAudioContainer(1), nullptr);
    EXPECT_EQ(ChannelPlaying(stream), 0);
    // The same piece can be started again.
    EXPECT_EQ(AudioList::PlayMusic(File("tune.wav"), 1, 1, 1), 1);
    EXPECT_EQ(music_id, 1);
}

TEST_F(AudioListTest, FadeInReachesFullVolume) {
    ASSERT_EQ(AudioList::PlayMusic(File("tune.wav"), 1, 1, 0), 1);
    const Channel stream = AudioList::GetAudioContainer(1)->channel;
    EXPECT_FLOAT_EQ(ChannelVolume(stream), 0.0f);
    AudioList::FadeMusic(1, 50);
    for (int i = 0; i < 25; ++i) AudioList::UpdateMusic(1);
    EXPECT_NEAR(ChannelVolume(stream), 0.5f * 0.8f * 0.75f, 1e-4f);
    for (int i = 0; i < 25; ++i) AudioList::UpdateMusic(1);
    // Fifty steps of 0.02 in float arithmetic land within rounding of the target.
    EXPECT_NEAR(music_fade.Get(), 1.0, 1e-5);
    EXPECT_NEAR(ChannelVolume(stream), 0.8f * 0.75f, 1e-5f);

    // A new volume setting reaches the playing music on the next update.
    music_volume.SetAbsolute(0.4f);
    volume_changed = 1;
    AudioList::UpdateMusic(1);
    EXPECT_FLOAT_EQ(ChannelVolume(stream), 0.4f * 0.75f);
    EXPECT_EQ(volume_changed, 0);
}

TEST_F(AudioListTest, MusicThatCannotPlayLeavesItsIdFree) {
    EXPECT_EQ(AudioList::PlayMusic(File("missing.ogg"), 1, 1, 1), 0);
    EXPECT_EQ(music_id, 0);
    EXPECT_EQ(AudioList::GetAudioContainer(1), nullptr);
    // A file that exists but does not decode does not keep id 1 taken for every later piece.
    AudioList::PlayMusic(File("broken.ogg"), 1, 1, 1);
    EXPECT_EQ(music_id, 0);
    EXPECT_EQ(AudioList::GetAudioContainer(1), nullptr);
    EXPECT_EQ(AudioList::PlayMusic(File("tune.wav"), 1, 1, 1), 1);
    EXPECT_EQ(music_id, 1);
}

TEST_F(AudioListTest, DriverNumbersSelectTheOneDeviceOrSilence) {
    EXPECT_EQ(SelectAudioDriver(-1), 0);
    EXPECT_EQ(audio_enabled, 0);
    EXPECT_FALSE(AudioDeviceOpen());
    // SDL's dummy audio driver always opens a device.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_EQ(SelectAudioDriver(0), 1);
    EXPECT_EQ(audio_enabled, 1);
    EXPECT_TRUE(AudioDeviceOpen());
    CloseAudio();
    EXPECT_EQ(SelectAudioDriver(2), 1);
    CloseAudio();
}

TEST_F(AudioListTest, NoDeviceMeansSilenceNotAnError) {
    const char* old = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = old ? old : "";
    setenv("SDL_AUDIODRIVER", "no-such-backend", 1);
    EXPECT_EQ(SelectAudioDriver(1), 0);
    EXPECT_EQ(audio_enabled, 0);
    EXPECT_FALSE(AudioDeviceOpen());
    // The game goes on: effects and music simply do not play.
    ASSERT_EQ(AudioList::AddSound(File("click.wav"), 103, 0, 1), 1);
    AudioList::Play(103);
    EXPECT_FALSE(AudioList::GetAudioContainer(103)->channel);
    if (old)
        setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    else
        unsetenv("SDL_AUDIODRIVER");
}
