#include <gtest/gtest.h>

#include <SDL.h>

#include <cmath>
#include <cstdlib>

#include "audio.h"
#include "media_fixtures.h"

namespace {

// The mixer tests run without a device, at a known rate, with no channel left from another test.
class Mixer : public ::testing::Test {
protected:
    void SetUp() override {
        CloseAudio();
        StopAllChannels();
        SetMixerRate(44100);
    }
    void TearDown() override { StopAllChannels(); }

    static std::vector<int16_t> Mix(int frames) {
        std::vector<int16_t> out(static_cast<size_t>(frames) * 2, 12345);
        MixAudio(out.data(), frames);
        return out;
    }
    // A mono sound holding one value throughout.
    static Sound Constant(float value, int frames, int rate = 44100, bool loop = false) {
        return SoundFromSamples(std::vector<float>(static_cast<size_t>(frames), value), 1, rate, loop);
    }
    // A mono ramp: frame i holds i / 1000.
    static Sound Ramp(int frames, bool loop = false) {
        std::vector<float> s(static_cast<size_t>(frames));
        for (int i = 0; i < frames; ++i) s[i] = i / 1000.0f;
        return SoundFromSamples(s, 1, 44100, loop);
    }
    static Channel Start(const Sound& sound) {
        Channel c = CueSound(sound);
        ResumeChannel(c);
        return c;
    }
    static int AudibleFrames(const std::vector<int16_t>& out) {
        int n = 0;
        for (size_t i = 0; i < out.size(); i += 2)
            if (out[i] != 0 || out[i + 1] != 0) ++n;
        return n;
    }
};

}  // namespace

TEST_F(Mixer, SilenceWithoutChannelsAndCuedChannelsStartPaused) {
    EXPECT_EQ(AudibleFrames(Mix(64)), 0);
    Sound s = Constant(0.5f, 100);
    Channel c = CueSound(s);
    ASSERT_TRUE(c);
    EXPECT_EQ(ChannelPlaying(c), 0);
    EXPECT_EQ(AudibleFrames(Mix(64)), 0);
    ResumeChannel(c);
    EXPECT_EQ(ChannelPlaying(c), 1);
    EXPECT_EQ(AudibleFrames(Mix(64)), 64);
    EXPECT_FALSE(CueSound(nullptr));
}

TEST_F(Mixer, VolumeAndPanScaleEachSide) {
    Sound s = Constant(0.5f, 1000);
    Channel c = Start(s);
    SetChannelVolume(c, 0.5f);
    std::vector<int16_t> out = Mix(10);
    EXPECT_NEAR(out[0], 8192, 1);
    EXPECT_NEAR(out[1], 8192, 1);

    SetChannelVolume(c, 1.0f);
    SetChannelPan(c, -1.0f);  // hard left
    out = Mix(10);
    EXPECT_NEAR(out[0], 16384, 1);
    EXPECT_EQ(out[1], 0);

    SetChannelPan(c, 0.5f);  // towards the right: the left side drops to half
    out = Mix(10);
    EXPECT_NEAR(out[0], 8192, 1);
    EXPECT_NEAR(out[1], 16384, 1);

    SetChannelVolume(c, 7.0f);  // clamped to 1
    EXPECT_FLOAT_EQ(ChannelVolume(c), 1.0f);
    SetChannelPan(c, -3.0f);
    EXPECT_FLOAT_EQ(ChannelPan(c), -1.0f);
}

TEST_F(Mixer, RateChangesTheLength) {
    Sound s = Constant(0.5f, 1000);
    Channel normal = Start(s);
    EXPECT_EQ(AudibleFrames(Mix(2000)), 1000);
    EXPECT_EQ(ChannelPlaying(normal), 0);  // finished

    Channel fast = CueSound(s);
    SetChannelRate(fast, 2.0f);
    ResumeChannel(fast);
    EXPECT_EQ(AudibleFrames(Mix(2000)), 500);

    // A sound at half the mixer's rate lasts twice as long.
    Channel slow_source = Start(Constant(0.5f, 1000, 22050));
    EXPECT_EQ(AudibleFrames(Mix(4000)), 2000);
}

TEST_F(Mixer, RateTwoReadsEveryOtherFrame) {
    Channel c = CueSound(Ramp(100));
    SetChannelRate(c, 2.0f);
    ResumeChannel(c);
    std::vector<int16_t> out = Mix(10);
    for (int i = 1; i < 10; ++i) EXPECT_NEAR(out[i * 2], std::lround(2 * i / 1000.0 * 32768), 1) << i;
}

TEST_F(Mixer, PauseHoldsThePosition) {
    Channel c = Start(Ramp(500));
    Mix(10);
    PauseChannel(c);
    EXPECT_EQ(ChannelPlaying(c), 0);
    EXPECT_EQ(AudibleFrames(Mix(50)), 0);
    ResumeChannel(c);
    std::vector<int16_t> out = Mix(1);
    EXPECT_NEAR(out[0], std::lround(10 / 1000.0 * 32768), 1);  // frame 10 comes next
}

TEST_F(Mixer, LoopingSoundsWrapAndOthersEnd) {
    Channel c = Start(Ramp(100, true));
    std::vector<int16_t> out = Mix(250);
    EXPECT_EQ(out[100 * 2], out[0]);
    EXPECT_EQ(out[201 * 2], out[1 * 2]);
    EXPECT_EQ(out[150 * 2], out[50 * 2]);
    EXPECT_EQ(ChannelPlaying(c), 1);
    StopChannel(c);
    EXPECT_EQ(ChannelPlaying(c), 0);
    EXPECT_EQ(MixerChannelCount(), 0);
    EXPECT_EQ(AudibleFrames(Mix(50)), 0);
}

TEST_F(Mixer, ChannelsAreSummedAndClipped) {
    Sound quarter = Constant(0.25f, 100);
    Channel a = Start(quarter);
    Channel b = Start(quarter);
    std::vector<int16_t> out = Mix(4);
    EXPECT_NEAR(out[0], 16384, 1);
    StopAllChannels();

    Channel loud1 = Start(Constant(0.8f, 100));
    Channel loud2 = Start(Constant(0.8f, 100));
    out = Mix(4);
    EXPECT_EQ(out[0], 32767);
    StopAllChannels();

    Channel low1 = Start(Constant(-0.8f, 100));
    Channel low2 = Start(Constant(-0.8f, 100));
    out = Mix(4);
    EXPECT_EQ(out[1], -32768);
}

TEST_F(Mixer, ChannelsNobodyCanReachAreDropped) {
    Sound looping = Constant(0.1f, 10, 44100, true);
    { Channel paused = CueSound(looping); }  // cued, never resumed, dropped by its owner
    { Channel orphan_loop = Start(looping); }  // a loop nobody can stop any more
    Channel kept = Start(looping);
    Mix(8);
    EXPECT_EQ(MixerChannelCount(), 1);
    EXPECT_EQ(ChannelPlaying(kept), 1);
}

TEST(SoundFiles, WavLoadsSampleExact) {
    TempFolder dir;
    std::vector<int16_t> samples = {0, 16384, -16384, 32767, 1000, -1000};
    ASSERT_TRUE(WriteWavFile(dir.File("s.wav"), samples, 2, 22050));
    Sound s = LoadSound(dir.File("s.wav"), 1);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->channels, 2);
    EXPECT_EQ(s->rate, 22050);
    EXPECT_EQ(s->Frames(), 3);
    EXPECT_TRUE(s->loop);
    EXPECT_FLOAT_EQ(s->samples[1], 0.5f);
    EXPECT_FLOAT_EQ(s->samples[2], -0.5f);
    EXPECT_FALSE(LoadSound(dir.File("s.wav"), 0)->loop);
}

TEST(SoundFiles, OggLoadsAndBadFilesFail) {
    TempFolder dir;
    ASSERT_TRUE(WriteOggFile(dir.File("tone.ogg"), SineWave(22050, 1, 22050, 440, 0.5f), 1, 22050));
    Sound s = LoadSound(dir.File("tone.ogg"));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->channels, 1);
    EXPECT_EQ(s->rate, 22050);
    EXPECT_EQ(s->Frames(), 22050);
    float peak = 0;
    for (float v : s->samples) peak = std::max(peak, std::fabs(v));
    EXPECT_NEAR(peak, 0.5f, 0.1f);

    ASSERT_TRUE(WriteBytes(dir.File("bad.ogg"), "OggS but nothing after it"));
    ASSERT_TRUE(WriteBytes(dir.File("bad.wav"), "RIFF\x10\0\0\0WAVEjunk"));
    EXPECT_FALSE(LoadSound(dir.File("bad.ogg")));
    EXPECT_FALSE(LoadSound(dir.File("bad.wav")));
    EXPECT_FALSE(LoadSound(dir.File("missing.ogg")));
    EXPECT_FALSE(TAudioStream::Create(dir.File("bad.ogg"), 1, 0));
    EXPECT_FALSE(TAudioStream::Create(dir.File("missing.wav"), 1, 0));
}

TEST_F(Mixer, StreamsPlayTheFileAndLoopWhenAsked) {
    TempFolder dir;
    std::vector<int16_t> samples(3000);
    for (int i = 0; i < 3000; ++i) samples[i] = static_cast<int16_t>(i * 10);
    ASSERT_TRUE(WriteWavFile(dir.File("m.wav"), samples, 1, 44100));

    Channel once = TAudioStream::Create(dir.File("m.wav"), 0, 0);
    ASSERT_TRUE(once);
    EXPECT_EQ(ChannelPlaying(once), 1);
    std::vector<int16_t> out = Mix(4000);
    EXPECT_EQ(out[2500 * 2], 25000);
    EXPECT_EQ(out[2999 * 2], 29990);
    EXPECT_EQ(out[3000 * 2], 0);  // the stream ended
    EXPECT_EQ(ChannelPlaying(once), 0);

    Channel looped = TAudioStream::Create(dir.File("m.wav"), 1, 1);
    EXPECT_EQ(ChannelPlaying(looped), 0);  // created paused
    ResumeChannel(looped);
    out = Mix(7000);
    EXPECT_EQ(out[3000 * 2], 0);  // back at the first frame
    EXPECT_EQ(out[6500 * 2], 5000);
    EXPECT_EQ(ChannelPlaying(looped), 1);
}

TEST_F(Mixer, OggStreamsDecodeWhilePlaying) {
    TempFolder dir;
    ASSERT_TRUE(WriteOggFile(dir.File("m.ogg"), SineWave(44100, 2, 44100, 220, 0.5f), 2, 44100));
    Channel c = TAudioStream::Create(dir.File("m.ogg"), 0, 0);
    ASSERT_TRUE(c);
    std::vector<int16_t> out = Mix(50000);
    int audible = 0;
    for (int i = 0; i < 44100; ++i) audible += out[i * 2] != 0 ? 1 : 0;
    EXPECT_GT(audible, 43900);  // a sine is silent only near its zero crossings
    std::vector<int16_t> tail(out.begin() + 44100 * 2, out.end());
    EXPECT_EQ(AudibleFrames(tail), 0);  // exactly the encoded length
    EXPECT_EQ(ChannelPlaying(c), 0);
}

TEST(AudioDevice, OpensOnTheDummyDriverAndMixesInTheCallback) {
    // SDL's dummy audio driver always opens, and calls back in real time.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    StopAllChannels();
    ASSERT_EQ(SetAudioDriver("openal"), 1);
    EXPECT_TRUE(AudioDeviceOpen());
    EXPECT_EQ(MixerRate(), 44100);
    EXPECT_EQ(SetAudioDriver("directsound"), 1);  // already open: kept
    Channel c = CueSound(SoundFromSamples(std::vector<float>(2205, 0.1f), 1, 44100, false));
    ResumeChannel(c);
    for (int waited = 0; waited < 3000 && ChannelPlaying(c); waited += 10) SDL_Delay(10);
    EXPECT_EQ(ChannelPlaying(c), 0);  // the device's callback played it to the end
    CloseAudio();
    EXPECT_FALSE(AudioDeviceOpen());
}
