#include "audio_list.h"

#include <vector>

#include "settings.h"
#include "system.h"

Interpolation music_fade(0.0f);
int music_id = 0;
std::string current_music_path;
int volume_changed = 0;

namespace {

std::vector<std::unique_ptr<AudioContainer>> audio_list;

constexpr float kMusicScale = 0.75f;  // music sits a little under the effects

float EffectiveVolume(const AudioContainer& c, float factor) {
    if (c.music) return static_cast<float>(music_volume.Get()) * factor * c.volume * kMusicScale;
    return static_cast<float>(sound_volume.Get()) * factor * c.volume;
}

}  // namespace

AudioContainer* AudioList::GetAudioContainer(int id) {
    for (auto& c : audio_list)
        if (c->id == id) return c.get();
    return nullptr;
}

int AudioList::AddSound(const std::string& path, int id, int loop, float volume) {
    if (GetAudioContainer(id)) return 0;
    Sound sound = LoadSound(path, loop ? 1 : 0);
    if (!sound) return 0;
    auto c = std::make_unique<AudioContainer>();
    c->id = id;
    c->volume = volume;
    c->sound = sound;
    audio_list.push_back(std::move(c));
    return 1;
}

int AudioList::AddMusicNormal(const std::string& path, int id, int loop, float volume) {
    if (GetAudioContainer(id) || !FileExists(path)) return 0;
    auto c = std::make_unique<AudioContainer>();
    c->id = id;
    c->url = path;
    c->loop = loop;
    c->volume = volume;
    c->paused = 1;
    audio_list.push_back(std::move(c));
    return 1;
}

void AudioList::RemoveSound(int id) {
    Stop(id);
    for (auto it = audio_list.begin(); it != audio_list.end(); ++it) {
        if ((*it)->id == id) {
            audio_list.erase(it);
            return;
        }
    }
}

void AudioList::Play(int id, float pan, float volume, float rate) {
    if (!audio_enabled) return;
    AudioContainer* c = GetAudioContainer(id);
    if (!c) return;
    c->music = 0;
    c->channel = CueSound(c->sound);
    if (c->channel) {
        SetChannelVolume(c->channel, EffectiveVolume(*c, volume));
        SetChannelPan(c->channel, pan);
        SetChannelRate(c->channel, rate);
        ResumeChannel(c->channel);
    }
    c->paused = 0;
}

void AudioList::Stop(int id) {
    AudioContainer* c = GetAudioContainer(id);
    if (!c) return;
    StopChannel(c->channel);
    c->channel = nullptr;
    c->paused = 0;
}

void AudioList::Pause(int id) {
    AudioContainer* c = GetAudioContainer(id);
    if (!c || !c->channel || c->paused) return;
    PauseChannel(c->channel);
    c->paused = 1;
}

void AudioList::Resume(int id) {
    AudioContainer* c = GetAudioContainer(id);
    if (!c || !c->channel || !c->paused) return;
    ResumeChannel(c->channel);
    c->paused = 0;
}

void AudioList::Update(int id, float factor, float pan) {
    AudioContainer* c = GetAudioContainer(id);
    if (!c || !c->channel || c->paused) return;
    SetChannelVolume(c->channel, EffectiveVolume(*c, factor));
    SetChannelPan(c->channel, pan);
}

int AudioList::PlayMusic(const std::string& path, int id, int loop, float start_fade) {
    if (path == current_music_path) return 1;
    StopMusic();
    current_music_path = path;
    if (!AddMusicNormal(path, id, loop, 1.0f)) return 0;
    StartMusic(id, start_fade);
    return 1;
}

void AudioList::StartMusic(int id, float start_fade) {
    if (!audio_enabled) return;
    StopMusic();
    AudioContainer* c = GetAudioContainer(id);
    if (!c) return;
    c->music = 1;
    c->channel = TAudioStream::Create(c->url, c->loop, 1);
    if (!c->channel) {
        // A file that exists but does not decode: drop the entry, or its id would stay taken and no
        // later piece of music could register under it.
        RemoveSound(id);
        return;
    }
    music_fade.SetAbsolute(start_fade);
    SetChannelVolume(c->channel, EffectiveVolume(*c, start_fade));
    SetChannelPan(c->channel, 0);
    SetChannelRate(c->channel, 1);
    ResumeChannel(c->channel);
    c->paused = 0;
    music_id = id;
}

void AudioList::FadeMusic(float target, int steps) {
    if (music_id == 0) return;
    music_fade.Set(target, steps);
    if (target == 0) current_music_path.clear();
}

void AudioList::StopMusic() {
    if (music_id == 0) return;
    const int id = music_id;
    music_id = 0;
    Stop(id);
    RemoveSound(id);
}

void AudioList::UpdateMusic(float dt) {
    if (music_id == 0) return;
    const float before = static_cast<float>(music_fade.Get());
    music_fade.Update(dt);
    const float fade = static_cast<float>(music_fade.Get());
    if (fade == 0) {
        StopMusic();
    } else if (fade != before || volume_changed) {
        Update(music_id, fade, 0);
        volume_changed = 0;
    }
}

void AudioList::PauseMusic() {
    if (music_id != 0) Pause(music_id);
}

void AudioList::ResumeMusic() {
    if (music_id != 0) Resume(music_id);
}

void AudioList::Clear() {
    for (auto& c : audio_list) StopChannel(c->channel);
    audio_list.clear();
    music_id = 0;
    current_music_path.clear();
    music_fade = Interpolation(0.0f);
    volume_changed = 0;
}

int SelectAudioDriver(int driver) {
    switch (driver) {
    case -1:
        CloseAudio();
        audio_enabled = 0;
        break;
    case 0: audio_enabled = SetAudioDriver("freeaudio"); break;
    case 1: audio_enabled = SetAudioDriver("directsound"); break;
    case 2: audio_enabled = SetAudioDriver("openal"); break;
    default: audio_enabled = SetAudioDriver(""); break;
    }
    return audio_enabled;
}
