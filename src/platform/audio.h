// Sound: one SDL audio device and our own mixer. Effects are decoded into memory (TSound) and played
// on channels; music is a channel fed by a stream (TAudioStream) that decodes Ogg Vorbis or WAV while
// it plays. Every channel has a volume, a pan, a rate (pitch) and can be paused, resumed and stopped.
//
// Without a device everything still works and nothing is heard: channels are kept and can be mixed
// by hand with MixAudio, which is what the audio callback calls.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// A decoded sound: interleaved float samples in -1..1, one or two channels, at its own rate.
struct TSound {
    std::vector<float> samples;
    int channels = 2;
    int rate = 44100;
    bool loop = false;
    int Frames() const { return channels > 0 ? static_cast<int>(samples.size()) / channels : 0; }
};
using Sound = std::shared_ptr<TSound>;

struct TChannel;
using Channel = std::shared_ptr<TChannel>;

// Loads an Ogg Vorbis or WAV file (chosen by the file's signature); null when it does not decode.
// flags: 1 = loop.
Sound LoadSound(const std::string& path, int flags = 0);
Sound SoundFromSamples(std::vector<float> samples, int channels, int rate, bool loop);

// A new channel playing `sound`, paused: set it up, then ResumeChannel. Null for a null sound.
Channel CueSound(const Sound& sound);
void SetChannelVolume(const Channel& channel, float volume);  // 0..1
void SetChannelPan(const Channel& channel, float pan);        // -1 left .. 1 right
void SetChannelRate(const Channel& channel, float rate);      // 1 = normal pitch, 2 = an octave up
void PauseChannel(const Channel& channel);
void ResumeChannel(const Channel& channel);
void StopChannel(const Channel& channel);
// The channel's current settings (0 for a null channel).
float ChannelVolume(const Channel& channel);
float ChannelPan(const Channel& channel);
// 1 while the channel has sound left, is not paused and was not stopped.
int ChannelPlaying(const Channel& channel);

// Music streamed from a file while it plays.
class TAudioStream {
public:
    // A channel decoding `path` (Ogg Vorbis or WAV) as it plays; null when the file does not open.
    static Channel Create(const std::string& path, int loop, int paused);
};

// Opens the one SDL audio device. `name` is the backend the player chose ("freeaudio",
// "directsound", "openal"); they all mean our one SDL backend. 1 when a device is open.
int SetAudioDriver(const std::string& name);
void CloseAudio();
bool AudioDeviceOpen();

// The mixer's output format: interleaved stereo 16-bit at MixerRate() frames per second.
constexpr int kDefaultMixerRate = 44100;
int MixerRate();
// Without an open device the rate may be set by hand (tests, benchmarks).
void SetMixerRate(int rate);
// Mixes every playing channel into `out` (frames x 2 samples, overwritten), clipping the sum.
void MixAudio(int16_t* out, int frames);
// Number of channels the mixer holds (playing or paused).
int MixerChannelCount();
// Stops and forgets every channel.
void StopAllChannels();
