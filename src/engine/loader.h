// The resource loader. Reading a manifest only queues its pictures, fonts and sounds; the frame loop
// then calls Loader::Update once per frame, which loads one file and lets the loading screen draw
// its progress, so the window stays responsive. Every loading error is fatal.
#pragma once

#include <deque>
#include <functional>
#include <string>

// One queued resource.
struct FileEntry {
    int file_type = 0;  // 1 font, 2 image, 3 audio
    std::string path;   // full path of the file
    int id = 0;
    int flags = 0;      // bit 0: loop (audio)
    int size_x = 0;     // font: pixel size; image: frame width of a sprite sheet
    int size_y = 0;     // image: frame height
    int number = 0;     // image: frame count
    int split = 0;      // image: tile edge for cutting; 0 = not cut
    float volume = 1.0f;
};

enum FileType { kFileFont = 1, kFileImage = 2, kFileAudio = 3 };

extern std::deque<FileEntry> loader_queue;  // in manifest order
extern int loader_state;                    // 0 idle, 1 loading
extern long long loaded_bytes;              // of the current batch
extern long long total_bytes;               // of everything ever queued
// The loading screen. start and finish return 1 while still busy; an empty function does nothing.
// The start and finish callbacks are cleared once they report completion.
extern std::function<int()> on_load_start;
extern std::function<void(float)> on_load_progress;
extern std::function<int()> on_load_finish;

class FileLoader {
public:
    // Queues the entries of a manifest; each path is `base` + "/" + its "path" attribute (the
    // attribute alone when `base` is empty). A missing, unreadable or malformed manifest is fatal:
    // "Error: File '<manifest>' not valid!". Returns 0.
    static int Load(const std::string& manifest, const std::string& base);
};

class Loader {
public:
    // Each checks that the file exists (else fatal "Error: Failed to load file '<path>'!"), counts
    // its size into total_bytes and queues it.
    static void AddFont(int id, const std::string& path, int size);
    static void AddAudio(int id, const std::string& path, float volume, int loop);
    // `split` is kept only when > 0; the frame values only when all three are > 0.
    static void AddImage(int id, const std::string& path, int split, int size_x, int size_y, int number);
    // Registers one entry with its registry; 1 on success.
    static int Load(const FileEntry& entry);
    // 1 when the queue is empty and the finish callback has completed.
    static int Done();
    // One loading step: at most one file per call.
    static void Update(float dt);
    // Empties the queue, resets the counters and drops the callbacks.
    static void Clear();
};
