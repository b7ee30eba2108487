#include "chapter.h"

#include <algorithm>

#include "audio_list.h"
#include "dialogue.h"
#include "font.h"
#include "font_list.h"
#include "profile.h"
#include "text_block.h"
#include "update_list.h"
#include "xml.h"

Chapter* current_chapter = nullptr;

namespace {
std::vector<ChapterData> chapter_list;
const char* const kChaptersInvalid = "Error: 'Data/chapters.xml' invalid!";
}  // namespace

void ChapterList::Initialize() { Load(DataPath("chapters.xml")); }

void ChapterList::Load(const std::string& path) {
    chapter_list.clear();
    std::unique_ptr<xmlNode> root = xmlNode::Load(path);
    if (!root) Fatal(kChaptersInvalid);
    for (int i = 0; i < root->ChildCount(); ++i) {
        const xmlNode* node = root->GetChild(i);
        if (node->Name != "chapter" || !node->HasAttribute("title") || !node->HasAttribute("bg") ||
            !node->HasAttribute("text")) {
            chapter_list.clear();
            Fatal(kChaptersInvalid);
        }
        ChapterData chapter;
        chapter.title = node->Attribute("title")->Value;
        chapter.bg = node->Attribute("bg")->Value;
        chapter.text = node->Attribute("text")->Value;
        for (int k = 0; k < node->ChildCount(); ++k) {
            const xmlNode* flag = node->GetChild(k);
            if (flag->Name != "flag" || !flag->HasAttribute("name") || !flag->HasAttribute("value")) {
                chapter_list.clear();
                Fatal(kChaptersInvalid);
            }
            chapter.flags.push_back({flag->Attribute("name")->Value, XmlInt(flag->Attribute("value")->Value)});
        }
        chapter_list.push_back(std::move(chapter));
    }
}

const ChapterData* ChapterList::GetChapter() {
    for (const ChapterData& chapter : chapter_list) {
        if (Profile::GetFlag(chapter.title)) continue;
        const bool due = std::all_of(chapter.flags.begin(), chapter.flags.end(), [](const ChapterFlag& f) {
            return Profile::GetFlagValue(f.name) == f.value;
        });
        if (due) return &chapter;
    }
    return nullptr;
}

float ChapterList::GetPercentage(float share) {
    if (chapter_list.empty()) return 0;
    float total = 0;
    const float count = static_cast<float>(chapter_list.size());
    for (const ChapterData& chapter : chapter_list) {
        if (Profile::GetFlag(chapter.title)) total += share / count;
    }
    return total;
}

const std::vector<ChapterData>& ChapterList::Chapters() { return chapter_list; }
void ChapterList::Clear() { chapter_list.clear(); }

void Chapter::Create(const std::string& bg, const std::string& title, const std::string& text,
                     std::function<void()> callback) {
    auto chapter = std::make_unique<Chapter>();
    chapter->bg = LoadImage(app_dir + "/" + bg);
    chapter->title = title;
    chapter->font = 2;
    FontList::SetFont(2);
    chapter->text = WrapTextIndent(ReplaceTokens(text), 420, " ");
    chapter->Callback = std::move(callback);
    current_chapter = chapter.get();
    SwitchEvent(std::move(chapter));
}

void Chapter::Start() {
    if (!current_chapter) return;
    current_chapter->alpha.Set(1, 400);
    current_chapter->start_x = 1;
}

void Chapter::StartText() {
    if (!current_chapter) return;
    current_chapter->text_alpha.Set(1, 200);
    current_chapter->text_go = 1;
}

void Chapter::StartFading() {
    UpdateList::AddUpdate(300, Chapter::StartCallback, 0);
    screen_fade.Set(0, 200);
    AudioList::FadeMusic(0, 100);
}

void Chapter::StartCallback() {
    if (current_chapter && current_chapter->Callback) {
        // The callback normally switches scenes, which frees this one: keep the function alive.
        std::function<void()> callback = current_chapter->Callback;
        callback();
    }
}

int Chapter::Initialize() {
    Event::Initialize();
    screen_fade.SetAbsolute(0);
    screen_fade.Set(1, 200);
    mouse_armed = 0;  // a click still held from the previous scene does not count
    UpdateList::AddUpdate(180, Chapter::Start, 0);
    UpdateList::AddUpdate(300, Chapter::StartText, 0);
    AudioList::PlayMusic(app_dir + "/Data/Music/Intro.ogg", 1, 0, 1);
    return 0;
}

int Chapter::Update(float dt) {
    alpha.Update(dt);
    text_alpha.Update(dt);
    if (mouse_click && !fading) {
        mouse_armed = 0;
        fading = 1;
        UpdateList::AddUpdate(300, Chapter::StartCallback, 0);
        screen_fade.Set(0, 200);
        Profile::SetFlag(title, 1);
        AudioList::FadeMusic(0, 100);
    }
    if (text_go) {
        text_counter += dt;
        if (!fading && static_cast<size_t>(static_cast<int>(text_counter / 4)) >= text.size()) {
            fading = 1;
            UpdateList::AddUpdate(300, Chapter::StartFading, 0);
            Profile::SetFlag(title, 1);
        }
    }
    if (scale < 1) {
        scale += dt * std::min((1 - scale) * 0.005f, 0.002f);
        if (scale > 1) scale = 1;
    }
    if (start_x && xpos < 200) xpos += dt * std::min((200 - xpos) * 0.005f, 1.0f);
    return 0;
}

int Chapter::Draw() {
    Cls();
    SetColor(fade_level, fade_level, fade_level);
    SetBlend(SOLIDBLEND);
    SetScale(scale, scale);
    SetAlpha(1);
    DrawImage(bg, 512, 384);
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    SetAlpha(static_cast<float>(alpha.Get()));
    FontList::SetFont(6);
    SetColor(0, 0, 0);
    DrawText(title, xpos + 4, 208);
    SetColor(fade_level, fade_level, fade_level);
    DrawText(title, xpos, 200);
    SetAlpha(static_cast<float>(text_alpha.Get()));
    FontList::SetFont(font);
    const int shown = static_cast<int>(text_counter / 4);
    const std::string typed = text.substr(0, std::min(text.size(), static_cast<size_t>(shown < 0 ? 0 : shown)));
    SetColor(0, 0, 0);
    DrawTextBlock(typed, 381, 362);
    SetColor(fade_level, static_cast<int>(fade_level * 0.95f), static_cast<int>(fade_level * 0.9f));
    DrawTextBlock(typed, 380, 360);
    SetAlpha(1);
    SetColor(255, 255, 255);
    return 0;
}

int Chapter::Free() {
    // Timers still pending for this intro find no live chapter and do nothing.
    if (current_chapter == this) current_chapter = nullptr;
    return 0;
}
