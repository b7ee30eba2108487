#include "options_file.h"

#include <cstdio>
#include <memory>

#include "app.h"
#include "settings.h"
#include "system.h"
#include "xml.h"

namespace {

// Reads a volume: below 0.01 counts as silence, above 1 is full volume (an edited file must not
// put a slider's knob off its track). The animator jumps there at once.
void ReadVolume(const xmlNode& node, const char* attribute, Interpolation* volume) {
    if (!node.HasAttribute(attribute)) return;
    float v = XmlFloat(node.Attribute(attribute)->Value);
    if (!(v >= 0.01f)) v = 0;
    if (v > 1) v = 1;
    volume->value = v;
    volume->destination = v;
    volume->delta = 0;
}

std::string FormatVolume(const Interpolation& volume) {
    char text[64];
    std::snprintf(text, sizeof text, "%#.17lg", volume.Get());
    return text;
}

}  // namespace

bool IsSafeProfileName(const std::string& name) {
    if (name.empty() || name == "..") return false;
    // A quote could not be written back: the options file and the save quote the name.
    return name.find_first_of(std::string("/\\\0\"", 4)) == std::string::npos;
}

int ReadOptions(const std::string& path) {
    std::unique_ptr<xmlNode> root = xmlNode::Load(path);
    if (!root) return 0;
    for (int i = 0; i < root->ChildCount(); ++i) {
        const xmlNode& child = *root->GetChild(i);
        if (child.Name == "profile") {
            // A name that could point outside the profiles folder is not taken.
            if (child.HasAttribute("name") && IsSafeProfileName(child.Attribute("name")->Value))
                profile_name = child.Attribute("name")->Value;
        } else if (child.Name == "audio") {
            ReadVolume(child, "sound_volume", &sound_volume);
            ReadVolume(child, "music_volume", &music_volume);
        } else if (child.Name == "graphics") {
            if (child.HasAttribute("renderer")) renderer = XmlInt(child.Attribute("renderer")->Value);
            if (child.HasAttribute("fullscreen"))
                fullscreen = XmlInt(child.Attribute("fullscreen")->Value) != 0 ? 1 : 0;
        } else {
            return 0;
        }
    }
    return 1;
}

std::string OptionsFileText() {
    std::string text = "<?xml version=\"1.0\"?>\r\n<options>\r\n";
    if (!profile_name.empty()) text += "  <profile name=\"" + profile_name + "\"/>\r\n";
    text += "  <audio sound_volume=\"" + FormatVolume(sound_volume) + "\" music_volume=\"" +
            FormatVolume(music_volume) + "\"/>\r\n";
    text += "  <graphics renderer=\"" + std::to_string(renderer) + "\" fullscreen=\"" +
            (fullscreen ? "1" : "0") + "\"/>\r\n";
    text += "</options>\r\n";
    return text;
}

int WriteOptions(const std::string& path) {
    if (!WriteFileAtomic(path, OptionsFileText())) Fatal("Error: Could not write file '" + path + "'!");
    return 1;
}
