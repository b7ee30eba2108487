#include "audio.h"

#include <SDL.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <vector>

namespace {

// ---------------------------------------------------------------------------------------------
// Readers: a file decoded a piece at a time into interleaved floats of one or two channels.

class PcmReader {
public:
    virtual ~PcmReader() = default;
    int channels = 0;  // of the output: 1 or 2
    int rate = 0;
    // Up to `frames` frames into `out` (frames x channels floats); 0 at the end or on an error.
    virtual int Read(float* out, int frames) = 0;
    virtual bool Rewind() = 0;
};

// An Ogg file ends with a complete page that carries the end-of-stream flag. A file cut short
// (a broken copy, a full disk) lacks it, and would otherwise play as a shorter sound without a word.
bool OggEndsWhole(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    constexpr long kLongestPage = 27 + 255 + 255 * 255;
    std::fseek(file, 0, SEEK_END);
    const long size = std::ftell(file);
    const long start = size > kLongestPage ? size - kLongestPage : 0;
    std::vector<unsigned char> tail(static_cast<size_t>(size - start));
    std::fseek(file, start, SEEK_SET);
    const bool read = std::fread(tail.data(), 1, tail.size(), file) == tail.size();
    std::fclose(file);
    if (!read) return false;
    for (size_t at = tail.size() >= 27 ? tail.size() - 27 : 0; at + 27 <= tail.size(); --at) {
        if (std::memcmp(&tail[at], "OggS", 4) == 0) {
            const size_t segments = tail[at + 26];
            if (at + 27 + segments <= tail.size()) {
                size_t end = at + 27 + segments;
                for (size_t k = 0; k < segments; ++k) end += tail[at + 27 + k];
                if (end == tail.size()) return (tail[at + 5] & 0x04) != 0;
            }
        }
        if (at == 0) break;
    }
    return false;
}

class OggReader : public PcmReader {
public:
    ~OggReader() override {
        if (open_) ov_clear(&file_);
    }
    bool Open(const std::string& path) {
        if (!OggEndsWhole(path)) return false;
        if (ov_fopen(path.c_str(), &file_) != 0) return false;
        open_ = true;
        vorbis_info* info = ov_info(&file_, -1);
        if (!info || info->channels < 1 || info->rate < 1) return false;
        source_channels_ = info->channels;
        channels = std::min(source_channels_, 2);
        rate = static_cast<int>(info->rate);
        return true;
    }
    int Read(float* out, int frames) override {
        int done = 0;
        int failures = 0;
        while (done < frames) {
            float** pcm = nullptr;
            int section = 0;
            long got = ov_read_float(&file_, &pcm, frames - done, &section);
            if (got == 0) break;  // end of stream
            if (got < 0) {
                // A hole in the data: skip it, but give up on a stream that keeps failing.
                if (++failures > 8) break;
                continue;
            }
            vorbis_info* info = ov_info(&file_, section);
            const int source = info ? info->channels : source_channels_;
            for (long i = 0; i < got; ++i) {
                float* dst = out + static_cast<size_t>(done + i) * channels;
                if (channels == 1 || source == 1) {
                    dst[0] = pcm[0][i];
                    if (channels == 2) dst[1] = pcm[0][i];
                } else {
                    dst[0] = pcm[0][i];
                    dst[1] = pcm[1][i];
                }
            }
            done += static_cast<int>(got);
        }
        return done;
    }
    bool Rewind() override { return ov_pcm_seek(&file_, 0) == 0; }

private:
    OggVorbis_File file_{};
    bool open_ = false;
    int source_channels_ = 0;
};

uint32_t ReadLE(const unsigned char* p, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

// RIFF WAVE: integer PCM of 8, 16, 24 or 32 bits, or 32-bit float; channels beyond two are dropped.
class WavReader : public PcmReader {
public:
    ~WavReader() override {
        if (file_) std::fclose(file_);
    }
    bool Open(const std::string& path) {
        file_ = std::fopen(path.c_str(), "rb");
        if (!file_) return false;
        unsigned char header[12];
        if (std::fread(header, 1, 12, file_) != 12 || std::memcmp(header, "RIFF", 4) != 0 ||
            std::memcmp(header + 8, "WAVE", 4) != 0)
            return false;
        bool have_format = false;
        for (;;) {
            unsigned char chunk[8];
            if (std::fread(chunk, 1, 8, file_) != 8) return false;
            const uint32_t size = ReadLE(chunk + 4, 4);
            if (std::memcmp(chunk, "fmt ", 4) == 0) {
                if (size < 16 || size > 1024) return false;
                unsigned char fmt[1024];
                if (std::fread(fmt, 1, size, file_) != size) return false;
                if (size % 2 && std::fgetc(file_) == EOF) return false;
                format_ = static_cast<int>(ReadLE(fmt, 2));
                source_channels_ = static_cast<int>(ReadLE(fmt + 2, 2));
                rate = static_cast<int>(ReadLE(fmt + 4, 4));
                bits_ = static_cast<int>(ReadLE(fmt + 14, 2));
                if (format_ == 0xFFFE && size >= 26) format_ = static_cast<int>(ReadLE(fmt + 24, 2));
                have_format = true;
            } else if (std::memcmp(chunk, "data", 4) == 0) {
                if (!have_format) return false;
                data_start_ = std::ftell(file_);
                data_bytes_ = size;
                break;
            } else {
                if (std::fseek(file_, static_cast<long>(size + (size % 2)), SEEK_CUR) != 0) return false;
            }
        }
        const bool integer = format_ == 1 && (bits_ == 8 || bits_ == 16 || bits_ == 24 || bits_ == 32);
        const bool floating = format_ == 3 && bits_ == 32;
        if (!(integer || floating) || source_channels_ < 1 || source_channels_ > 16 || rate < 1 ||
            rate > 384000)
            return false;
        frame_bytes_ = source_channels_ * bits_ / 8;
        channels = std::min(source_channels_, 2);
        // A data size beyond the end of the file (streams written without a final size) reads to the end.
        total_frames_ = data_bytes_ / static_cast<uint32_t>(frame_bytes_);
        return true;
    }
    int Read(float* out, int frames) override {
        const uint32_t left = total_frames_ - position_;
        if (static_cast<uint32_t>(frames) > left) frames = static_cast<int>(left);
        if (frames <= 0) return 0;
        buffer_.resize(static_cast<size_t>(frames) * frame_bytes_);
        const size_t got = std::fread(buffer_.data(), static_cast<size_t>(frame_bytes_), static_cast<size_t>(frames), file_);
        for (size_t i = 0; i < got; ++i) {
            const unsigned char* src = &buffer_[i * frame_bytes_];
            for (int c = 0; c < channels; ++c) out[i * channels + c] = Sample(src + c * bits_ / 8);
        }
        position_ += static_cast<uint32_t>(got);
        if (got < static_cast<size_t>(frames)) position_ = total_frames_;  // truncated file
        return static_cast<int>(got);
    }
    bool Rewind() override {
        position_ = 0;
        return std::fseek(file_, data_start_, SEEK_SET) == 0;
    }

private:
    float Sample(const unsigned char* p) const {
        if (format_ == 3) {
            uint32_t bits = ReadLE(p, 4);
            float v;
            std::memcpy(&v, &bits, 4);
            return std::isfinite(v) ? std::clamp(v, -1.0f, 1.0f) : 0.0f;
        }
        switch (bits_) {
        case 8: return (static_cast<int>(p[0]) - 128) / 128.0f;
        case 16: return static_cast<int16_t>(ReadLE(p, 2)) / 32768.0f;
        case 24: return static_cast<int32_t>(ReadLE(p, 3) << 8) / 2147483648.0f;
        default: return static_cast<int32_t>(ReadLE(p, 4)) / 2147483648.0f;
        }
    }
    FILE* file_ = nullptr;
    int format_ = 0;
    int bits_ = 0;
    int source_channels_ = 0;
    int frame_bytes_ = 0;
    long data_start_ = 0;
    uint32_t data_bytes_ = 0;
    uint32_t total_frames_ = 0;
    uint32_t position_ = 0;
    std::vector<unsigned char> buffer_;
};

std::unique_ptr<PcmReader> OpenReader(const std::string& path) {
    FILE* probe = std::fopen(path.c_str(), "rb");
    if (!probe) return nullptr;
    char magic[4] = {0, 0, 0, 0};
    const size_t got = std::fread(magic, 1, 4, probe);
    std::fclose(probe);
    if (got != 4) return nullptr;
    if (std::memcmp(magic, "OggS", 4) == 0) {
        auto reader = std::make_unique<OggReader>();
        if (reader->Open(path)) return reader;
    } else if (std::memcmp(magic, "RIFF", 4) == 0) {
        auto reader = std::make_unique<WavReader>();
        if (reader->Open(path)) return reader;
    }
    return nullptr;
}

// A sound longer than this (in frames, about 30 minutes at 48 kHz) is refused rather than loaded.
constexpr size_t kMaxSoundFrames = 48000u * 60 * 30;
constexpr int kStreamChunkFrames = 1024;

}  // namespace

// ---------------------------------------------------------------------------------------------
// Channels and the mixer.

struct TChannel {
    Sound sound;
    size_t index = 0;  // next frame of `sound` to fetch
    std::unique_ptr<PcmReader> stream;
    bool stream_loop = false;
    std::vector<float> chunk;
    int chunk_pos = 0;
    int chunk_frames = 0;
    int channels = 2;
    int source_rate = kDefaultMixerRate;

    float volume = 1.0f;
    float pan = 0.0f;
    float rate = 1.0f;
    bool paused = true;
    bool stopped = false;
    bool finished = false;

    // Linear resampler: the output lies between `current` and `next`, `frac` of the way.
    bool primed = false;
    bool have_next = false;
    float current[2] = {0, 0};
    float next[2] = {0, 0};
    double frac = 0;

    bool Fetch(float* frame);
    void Mix(float* accum, int frames, int mixer_rate);
};

bool TChannel::Fetch(float* frame) {
    const float* src = nullptr;
    if (sound) {
        const size_t frames = static_cast<size_t>(sound->Frames());
        if (index >= frames) {
            if (!sound->loop || frames == 0) return false;
            index = 0;
        }
        src = &sound->samples[index * channels];
        ++index;
    } else if (stream) {
        if (chunk_pos >= chunk_frames) {
            chunk.resize(static_cast<size_t>(kStreamChunkFrames) * channels);
            chunk_frames = stream->Read(chunk.data(), kStreamChunkFrames);
            if (chunk_frames == 0 && stream_loop && stream->Rewind())
                chunk_frames = stream->Read(chunk.data(), kStreamChunkFrames);
            chunk_pos = 0;
            if (chunk_frames == 0) return false;
        }
        src = &chunk[static_cast<size_t>(chunk_pos) * channels];
        ++chunk_pos;
    } else {
        return false;
    }
    frame[0] = src[0];
    frame[1] = channels == 2 ? src[1] : src[0];
    return true;
}

void TChannel::Mix(float* accum, int frames, int mixer_rate) {
    if (!primed) {
        primed = true;
        if (!Fetch(current)) {
            finished = true;
            return;
        }
        have_next = Fetch(next);
        if (!have_next) next[0] = next[1] = 0;
    }
    const float left_gain = volume * std::min(1.0f, 1.0f - pan);
    const float right_gain = volume * std::min(1.0f, 1.0f + pan);
    const double step = static_cast<double>(rate) * source_rate / mixer_rate;
    for (int i = 0; i < frames; ++i) {
        const float f = static_cast<float>(frac);
        accum[i * 2] += (current[0] + (next[0] - current[0]) * f) * left_gain;
        accum[i * 2 + 1] += (current[1] + (next[1] - current[1]) * f) * right_gain;
        frac += step;
        while (frac >= 1.0) {
            frac -= 1.0;
            if (!have_next) {
                finished = true;
                return;
            }
            current[0] = next[0];
            current[1] = next[1];
            have_next = Fetch(next);
            if (!have_next) next[0] = next[1] = 0;
        }
    }
}

namespace {

struct Mixer {
    std::mutex mutex;
    std::vector<Channel> channels;
    std::vector<float> accum;
    int rate = kDefaultMixerRate;
    SDL_AudioDeviceID device = 0;
    bool subsystem_started = false;
};

// Never destroyed: the audio thread may still run while static objects are torn down at exit.
Mixer& TheMixer() {
    static Mixer* mixer = new Mixer;
    return *mixer;
}

void AudioCallback(void*, Uint8* stream, int len) {
    MixAudio(reinterpret_cast<int16_t*>(stream), len / 4);
}

// A channel only the mixer still holds cannot be resumed or stopped by anyone: a paused or looping
// one would stay forever, so it goes. Without a device nothing is mixed, so every orphan goes.
void DropOrphans(Mixer& m, bool all_orphans) {
    m.channels.erase(std::remove_if(m.channels.begin(), m.channels.end(),
                                    [all_orphans](const Channel& c) {
                                        if (c->stopped || c->finished) return true;
                                        if (c.use_count() != 1) return false;
                                        const bool loops = c->sound ? c->sound->loop : c->stream_loop;
                                        return all_orphans || c->paused || loops;
                                    }),
                     m.channels.end());
}

Channel AddChannel(Channel channel) {
    Mixer& m = TheMixer();
    std::lock_guard<std::mutex> lock(m.mutex);
    DropOrphans(m, m.device == 0);
    m.channels.push_back(channel);
    return channel;
}

}  // namespace

Sound SoundFromSamples(std::vector<float> samples, int channels, int rate, bool loop) {
    if (channels < 1 || channels > 2 || rate < 1) return nullptr;
    auto sound = std::make_shared<TSound>();
    samples.resize(samples.size() - samples.size() % static_cast<size_t>(channels));
    sound->samples = std::move(samples);
    sound->channels = channels;
    sound->rate = rate;
    sound->loop = loop;
    return sound;
}

Sound LoadSound(const std::string& path, int flags) {
    std::unique_ptr<PcmReader> reader = OpenReader(path);
    if (!reader) return nullptr;
    std::vector<float> samples;
    std::vector<float> block(static_cast<size_t>(4096) * reader->channels);
    for (;;) {
        const int got = reader->Read(block.data(), 4096);
        if (got <= 0) break;
        samples.insert(samples.end(), block.begin(), block.begin() + static_cast<long>(got) * reader->channels);
        if (samples.size() / reader->channels > kMaxSoundFrames) return nullptr;
    }
    if (samples.empty()) return nullptr;
    return SoundFromSamples(std::move(samples), reader->channels, reader->rate, (flags & 1) != 0);
}

Channel CueSound(const Sound& sound) {
    if (!sound) return nullptr;
    auto channel = std::make_shared<TChannel>();
    channel->sound = sound;
    channel->channels = sound->channels;
    channel->source_rate = sound->rate;
    return AddChannel(channel);
}

Channel TAudioStream::Create(const std::string& path, int loop, int paused) {
    std::unique_ptr<PcmReader> reader = OpenReader(path);
    if (!reader) return nullptr;
    auto channel = std::make_shared<TChannel>();
    channel->channels = reader->channels;
    channel->source_rate = reader->rate;
    channel->stream = std::move(reader);
    channel->stream_loop = loop != 0;
    channel->paused = paused != 0;
    return AddChannel(channel);
}

void SetChannelVolume(const Channel& channel, float volume) {
    if (!channel) return;
    std::lock_guard<std::mutex> lock(TheMixer().mutex);
    channel->volume = std::isfinite(volume) ? std::clamp(volume, 0.0f, 1.0f) : 0.0f;
}

void SetChannelPan(const Channel& channel, float pan) {
    if (!channel) return;
    std::lock_guard<std::mutex> lock(TheMixer().mutex);
    channel->pan = std::isfinite(pan) ? std::clamp(pan, -1.0f, 1.0f) : 0.0f;
}

void SetChannelRate(const Channel& channel, float rate) {
    if (!channel) return;
    std::lock_guard<std::mutex> lock(TheMixer().mutex);
    // Kept within what the resampler can do in one step per frame without skipping whole buffers.
    channel->rate = std::isfinite(rate) ? std::clamp(rate, 0.01f, 16.0f) : 1.0f;
}

void PauseChannel(const Channel& channel) {
    if (!channel) return;
    std::lock_guard<std::mutex> lock(TheMixer().mutex);
    channel->paused = true;
}

void ResumeChannel(const Channel& channel) {
    if (!channel) return;
    std::lock_guard<std::mutex> lock(TheMixer().mutex);
    channel->paused = false;
}

void StopChannel(const Channel& channel) {
    if (!channel) return;
    Mixer& m = TheMixer();
    std::lock_guard<std::mutex> lock(m.mutex);
    channel->stopped = true;
    m.channels.erase(std::remove(m.channels.begin(), m.channels.end(), channel), m.channels.end());
}

float ChannelVolume(const Channel& channel) {
    if (!channel) return 0;
    std::lock_guard<std::mutex> lock(TheMixer().mutex);
    return channel->volume;
}

float ChannelPan(const Channel& channel) {
    if (!channel) return 0;
    std::lock_guard<std::mutex> lock(TheMixer().mutex);
    return channel->pan;
}

int ChannelPlaying(const Channel& channel) {
    if (!channel) return 0;
    std::lock_guard<std::mutex> lock(TheMixer().mutex);
    return !channel->stopped && !channel->finished && !channel->paused ? 1 : 0;
}

void MixAudio(int16_t* out, int frames) {
    if (frames <= 0) return;
    Mixer& m = TheMixer();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.accum.assign(static_cast<size_t>(frames) * 2, 0.0f);
    for (const Channel& c : m.channels) {
        if (!c->paused && !c->stopped && !c->finished) c->Mix(m.accum.data(), frames, m.rate);
    }
    DropOrphans(m, false);
    for (size_t i = 0; i < m.accum.size(); ++i) {
        const float v = std::round(m.accum[i] * 32768.0f);  // the inverse of the decoders' scale
        out[i] = static_cast<int16_t>(std::clamp(v, -32768.0f, 32767.0f));
    }
}

int MixerChannelCount() {
    Mixer& m = TheMixer();
    std::lock_guard<std::mutex> lock(m.mutex);
    return static_cast<int>(m.channels.size());
}

void StopAllChannels() {
    Mixer& m = TheMixer();
    std::lock_guard<std::mutex> lock(m.mutex);
    for (const Channel& c : m.channels) c->stopped = true;
    m.channels.clear();
}

int MixerRate() {
    Mixer& m = TheMixer();
    std::lock_guard<std::mutex> lock(m.mutex);
    return m.rate;
}

void SetMixerRate(int rate) {
    Mixer& m = TheMixer();
    std::lock_guard<std::mutex> lock(m.mutex);
    if (m.device == 0 && rate > 0) m.rate = rate;
}

bool AudioDeviceOpen() {
    Mixer& m = TheMixer();
    std::lock_guard<std::mutex> lock(m.mutex);
    return m.device != 0;
}

int SetAudioDriver(const std::string& name) {
    (void)name;  // every backend name selects the one SDL device
    Mixer& m = TheMixer();
    if (AudioDeviceOpen()) return 1;
    if (!m.subsystem_started) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
        m.subsystem_started = true;
    }
    SDL_AudioSpec want;
    SDL_AudioSpec have;
    SDL_zero(want);
    SDL_zero(have);
    want.freq = kDefaultMixerRate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = AudioCallback;
    // No changes allowed: SDL converts to whatever the hardware wants, so the callback always gets
    // interleaved 16-bit stereo at our rate.
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device == 0) {
        // With no driver set SDL may start a backend whose device then fails to open: stay silent.
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m.subsystem_started = false;
        return 0;
    }
    {
        std::lock_guard<std::mutex> lock(m.mutex);
        m.device = device;
        m.rate = want.freq;
    }
    SDL_PauseAudioDevice(device, 0);
    return 1;
}

void CloseAudio() {
    Mixer& m = TheMixer();
    SDL_AudioDeviceID device;
    {
        std::lock_guard<std::mutex> lock(m.mutex);
        device = m.device;
        m.device = 0;
    }
    // Closing waits for a running callback to return; it must not hold our lock meanwhile.
    if (device != 0) SDL_CloseAudioDevice(device);
    if (m.subsystem_started) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m.subsystem_started = false;
    }
}
