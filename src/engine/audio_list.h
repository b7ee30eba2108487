// The sound registry: effects and the one piece of music, referred to by integer ids. Effects are
// loaded into memory by the resource loader; music is streamed from its file and plays with a fade
// of its own. The volume settings `sound_volume` and `music_volume` (settings.h) scale everything.
#pragma once

#include <memory>
#include <string>

#include "audio.h"
#include "primitives.h"

class AudioContainer {
public:
    int id = 0;
    std::string url;  // music file; empty for effects
    int loop = 0;     // music: loop the stream
    int music = 0;    // 1 while the entry plays as music
    float volume = 1.0f;
    Sound sound;      // a loaded effect (none for music)
    Channel channel;  // of the last Play, or the music stream; none when stopped
    int paused = 0;
};

extern Interpolation music_fade;        // the music's own fade, 0..1
extern int music_id;                    // id of the playing music, 0 = none
extern std::string current_music_path;  // "" after a fade-out to silence
extern int volume_changed;              // set when a volume setting moved; the music follows it

class AudioList {
public:
    static AudioContainer* GetAudioContainer(int id);
    // 1 on success; 0 when `id` is taken or the sound does not load.
    static int AddSound(const std::string& path, int id, int loop, float volume);
    // Registers a streamed music entry (nothing is loaded yet); 0 when `id` is taken or the file is
    // missing.
    static int AddMusicNormal(const std::string& path, int id, int loop, float volume);
    static void RemoveSound(int id);
    static void Play(int id, float pan = 0, float volume = 1, float rate = 1);
    static void Stop(int id);
    static void Pause(int id);
    static void Resume(int id);
    // Sets the volume (scaled by `factor`) and pan of a playing, unpaused entry.
    static void Update(int id, float factor, float pan);

    static int PlayMusic(const std::string& path, int id, int loop, float start_fade);
    static void StartMusic(int id, float start_fade);
    static void FadeMusic(float target, int steps);
    static void StopMusic();
    static void UpdateMusic(float dt);
    // The shell pauses the music while the window is in the background.
    static void PauseMusic();
    static void ResumeMusic();

    // Stops everything and empties the registry; the music state returns to none.
    static void Clear();
};

// The start-up choice of sound backend by number: -1 sound off; 0, 1 and 2 (the backends the
// options name) all open our one SDL device. Any other number leaves the choice to SDL. Sets
// `audio_enabled` to 1 only when a device opened (so no device means silence, never an error) and
// returns it.
int SelectAudioDriver(int driver);
