// The sound effects the game plays by id (audio ids 100-118), with the file each one is written to
// and registered from: Data/Sounds/<file>.ogg. The synthesiser writes these files; data/common.xml
// registers them under the ids below. Only 118 (the apple-game charge hum) loops.
#pragma once

struct SoundName {
    int id;
    const char* file;  // without folder and extension
    bool loop;
};

inline constexpr SoundName kSoundNames[] = {
    {100, "Hover", false},         // pointer enters a button; pick up on the ranch
    {101, "Voice1", false},        // speaker voice tick
    {102, "Voice2", false},        // speaker voice tick, second syllable
    {103, "Click", false},         // button click
    {104, "HotspotClick", false},  // click on a dialogue hotspot
    {105, "HotspotHover", false},  // pointer enters a hotspot or ranch cell; berry leaf
    {106, "GotItem", false},       // got item, big fish, berry found, animal sold
    {107, "Info", false},          // quest added/updated, grooming, small catch
    {108, "Fanfare", false},       // location unlocked, quest complete, time up
    {109, "NewLocation", false},   // camera move / "New location" banner
    {110, "Feed", false},          // feeding, food potion
    {111, "Hurt", false},          // hit, junk caught, apple-tree strike
    {112, "Warning", false},       // animals in bad health
    {113, "Narrator1", false},     // narrator voice tick
    {114, "Narrator2", false},     // narrator voice tick (variant)
    {115, "Breed", false},         // mating starts
    {116, "Buy", false},           // item bought
    {117, "Refuse", false},        // grooming has no effect
    {118, "Charge", true},         // apple-game charging hum (loops; stopped on release)
};

inline constexpr int kSoundCount = static_cast<int>(sizeof(kSoundNames) / sizeof(kSoundNames[0]));
