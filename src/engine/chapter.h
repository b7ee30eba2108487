// Chapter intros: the story's chapters (Data/chapters.xml) and the scene that shows one before the
// location it introduces.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app.h"
#include "graphics.h"
#include "primitives.h"

struct ChapterFlag {
    std::string name;
    int value = 0;
};

struct ChapterData {
    std::string title;
    std::string text;
    std::string bg;
    std::vector<ChapterFlag> flags;  // every one must match for the chapter to be due
};

class ChapterList {
public:
    // Loads Data/chapters.xml; a missing or malformed file is fatal.
    static void Initialize();
    static void Load(const std::string& path);
    // The first chapter not yet seen whose conditions all hold, or null.
    static const ChapterData* GetChapter();
    // `share` times the fraction of chapters seen.
    static float GetPercentage(float share);
    static const std::vector<ChapterData>& Chapters();
    static void Clear();
};

class Chapter : public Event {
public:
    Image bg;
    std::string title;
    std::string text;
    int font = 2;
    Interpolation alpha{0};
    float scale = 0.1f;
    int start_x = 0;
    float xpos = 0;
    Interpolation text_alpha{0};
    int text_go = 0;
    float text_counter = 0;
    int fading = 0;
    std::function<void()> Callback;

    // Makes a chapter intro the current scene; `callback` runs when the intro is over.
    static void Create(const std::string& bg, const std::string& title, const std::string& text,
                       std::function<void()> callback);
    static void Start();
    static void StartText();
    static void StartFading();
    static void StartCallback();

    int Initialize() override;
    int Update(float dt) override;
    int Draw() override;
    int Free() override;
};

// The live chapter scene, or null.
extern Chapter* current_chapter;
