// File names of every sound effect and tune the audio generator writes (paths relative to the game
// folder, as manifests and locations name them).
//
// For whoever writes data/common.xml: register each entry of kSoundFiles as
//   <audio id="ID" path="PATH"/>
// and add loop="1" ONLY where `loop` is true (id 118; the mere presence of the attribute makes a sound
// loop). `volume` is the suggested manifest volume (omit the attribute when it is 1.0). Music files
// are never listed in manifests: locations name them in their `music` attribute
// (e.g. music="Data/Music/Village.ogg"); AwardsCeremony and Intro are opened by the title and chapter
// scenes themselves. All files are Ogg Vorbis at 44100 Hz: effects mono, music stereo. Every music
// file except Intro.ogg loops seamlessly (its end runs straight into its start).
#pragma once

struct SoundFileName {
    int id;
    const char* path;
    bool loop;
    float volume;
};

inline constexpr SoundFileName kSoundFiles[] = {
    {100, "Data/Sounds/Hover.ogg", false, 1.0f},      // pointer enters a button, pick-up, snap
    {101, "Data/Sounds/VoiceA.ogg", false, 1.0f},     // speaker voice syllable
    {102, "Data/Sounds/VoiceB.ogg", false, 1.0f},     // speaker voice second syllable
    {103, "Data/Sounds/Click.ogg", false, 1.0f},      // button click
    {104, "Data/Sounds/Talk.ogg", false, 1.0f},       // click on a dialogue hotspot
    {105, "Data/Sounds/Rustle.ogg", false, 1.0f},     // pointer enters a hotspot or ranch cell
    {106, "Data/Sounds/GotItem.ogg", false, 1.0f},    // item got / given, big catch, sale
    {107, "Data/Sounds/Notice.ogg", false, 1.0f},     // quest added / updated, small find
    {108, "Data/Sounds/Fanfare.ogg", false, 1.0f},    // location unlocked, quest complete, time up
    {109, "Data/Sounds/Whoosh.ogg", false, 1.0f},     // scripted camera move, new location
    {110, "Data/Sounds/Feed.ogg", false, 1.0f},       // feeding
    {111, "Data/Sounds/Hurt.ogg", false, 1.0f},       // hurt / hit
    {112, "Data/Sounds/Warning.ogg", false, 1.0f},    // animals in bad health
    {113, "Data/Sounds/NarratorA.ogg", false, 1.0f},  // narrator voice syllable
    {114, "Data/Sounds/NarratorB.ogg", false, 1.0f},  // narrator voice syllable (variant)
    {115, "Data/Sounds/Breed.ogg", false, 1.0f},      // mating starts
    {116, "Data/Sounds/Purchase.ogg", false, 1.0f},   // item bought
    {117, "Data/Sounds/Refuse.ogg", false, 1.0f},     // grooming has no effect
    {118, "Data/Sounds/Charge.ogg", true, 0.8f},      // apple-game charging hum (looping)
};

struct MusicFileName {
    const char* path;
    bool loop;
};

inline constexpr MusicFileName kMusicFiles[] = {
    {"Data/Music/AwardsCeremony.ogg", true},  // title scene
    {"Data/Music/Intro.ogg", false},          // chapter intro (plays once)
    {"Data/Music/Village.ogg", true},         // cottage, square, store, orchard
    {"Data/Music/Forest.ogg", true},          // forest edge, wildman's camp, shrine
    {"Data/Music/Ranch.ogg", true},           // the ranch, Zachary's ranch
    {"Data/Music/Lake.ogg", true},            // lake shore
    {"Data/Music/Mountain.ogg", true},        // mountain path, ravine lookout
    {"Data/Music/Hall.ogg", true},            // Hrafnirr's hall
    {"Data/Music/Battle.ogg", true},          // Adamant's ravine
    {"Data/Music/Festival.ogg", true},        // festival green and night (credits)
};
