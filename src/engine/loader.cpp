#include "loader.h"

#include "app.h"
#include "audio_list.h"
#include "font_list.h"
#include "image_list.h"
#include "system.h"
#include "xml.h"

std::deque<FileEntry> loader_queue;
int loader_state = 0;
long long loaded_bytes = 0;
long long total_bytes = 0;
std::function<int()> on_load_start;
std::function<void(float)> on_load_progress;
std::function<int()> on_load_finish;

namespace {

void Queue(FileEntry entry) {
    if (!FileExists(entry.path)) Fatal("Error: Failed to load file '" + entry.path + "'!");
    const long long size = FileSize(entry.path);
    if (size > 0) total_bytes += size;
    loader_queue.push_back(std::move(entry));
}

}  // namespace

int FileLoader::Load(const std::string& manifest, const std::string& base) {
    const std::string invalid = "Error: File '" + manifest + "' not valid!";
    std::unique_ptr<xmlNode> root = xmlNode::Load(manifest);
    if (!root) Fatal(invalid);
    for (int i = 0; i < root->ChildCount(); ++i) {
        const xmlNode* child = root->GetChild(i);
        if (!child->HasAttribute("id") || !child->HasAttribute("path")) Fatal(invalid);
        const int id = child->AttributeInt("id");
        const std::string relative = child->AttributeString("path");
        const std::string path = base.empty() ? relative : base + "/" + relative;
        if (child->Name == "font") {
            if (!child->HasAttribute("size")) Fatal(invalid);
            Loader::AddFont(id, path, child->AttributeInt("size"));
        } else if (child->Name == "audio") {
            // The mere presence of "loop" makes a sound loop, whatever its value.
            Loader::AddAudio(id, path, child->AttributeFloat("volume", 1.0f), child->HasAttribute("loop"));
        } else if (child->Name == "image") {
            Loader::AddImage(id, path, child->AttributeInt("split"), child->AttributeInt("size_x"),
                             child->AttributeInt("size_y"), child->AttributeInt("number"));
        } else {
            Fatal(invalid);
        }
    }
    return 0;
}

void Loader::AddFont(int id, const std::string& path, int size) {
    FileEntry e;
    e.file_type = kFileFont;
    e.path = path;
    e.id = id;
    e.size_x = size;
    Queue(std::move(e));
}

void Loader::AddAudio(int id, const std::string& path, float volume, int loop) {
    FileEntry e;
    e.file_type = kFileAudio;
    e.path = path;
    e.id = id;
    e.flags = loop ? 1 : 0;
    e.volume = volume;
    Queue(std::move(e));
}

void Loader::AddImage(int id, const std::string& path, int split, int size_x, int size_y, int number) {
    FileEntry e;
    e.file_type = kFileImage;
    e.path = path;
    e.id = id;
    if (split > 0) e.split = split;
    if (size_x > 0 && size_y > 0 && number > 0) {
        e.size_x = size_x;
        e.size_y = size_y;
        e.number = number;
    }
    Queue(std::move(e));
}

int Loader::Load(const FileEntry& e) {
    switch (e.file_type) {
    case kFileFont: return FontList::AddFont(e.path, e.id, e.size_x, 4);  // style 4: smoothed
    case kFileAudio: return AudioList::AddSound(e.path, e.id, e.flags & 1, e.volume);
    case kFileImage:
        if (e.number > 0) {
            if (e.split > 0) return ImageList::AddSplitAnimImage(e.path, e.id, e.size_x, e.size_y, e.number, e.split);
            return ImageList::AddAnimImage(e.path, e.id, e.size_x, e.size_y, e.number);
        }
        if (e.split > 0) return ImageList::AddSplitImage(e.path, e.id, e.split);
        return ImageList::AddImage(e.path, e.id);
    default: return 0;
    }
}

int Loader::Done() { return loader_queue.empty() && !on_load_finish ? 1 : 0; }

void Loader::Update(float dt) {
    (void)dt;
    // Each callback is called through a copy: it may install other callbacks while it runs.
    if (on_load_start) {
        const std::function<int()> start = on_load_start;
        if (start() == 1) return;
        on_load_start = nullptr;
    }
    if (loader_state == 1) {
        if (loader_queue.empty()) {
            loader_state = 0;
        } else {
            const FileEntry entry = loader_queue.front();
            loader_queue.pop_front();
            const int ok = Load(entry);
            const long long size = FileSize(entry.path);
            if (size > 0) loaded_bytes += size;
            if (!ok) Fatal("Error: Failed to load '" + entry.path + "'!");
        }
    } else if (!loader_queue.empty()) {
        loaded_bytes = 0;
        loader_state = 1;
    }
    if (loader_queue.empty() && on_load_finish) {
        const std::function<int()> finish = on_load_finish;
        if (finish() == 1) return;
        on_load_finish = nullptr;
    }
    if (on_load_progress) {
        const std::function<void(float)> progress = on_load_progress;
        progress(total_bytes < 1 ? 1.0f : static_cast<float>(static_cast<double>(loaded_bytes) / total_bytes));
    }
}

void Loader::Clear() {
    loader_queue.clear();
    loader_state = 0;
    loaded_bytes = 0;
    total_bytes = 0;
    on_load_start = nullptr;
    on_load_progress = nullptr;
    on_load_finish = nullptr;
}
