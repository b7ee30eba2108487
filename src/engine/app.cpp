#include "app.h"

#include <cstdlib>
#include <vector>

#include "system.h"
#include "xml.h"

int virtual_width = 1024, virtual_height = 768;
int screen_width = 1024, screen_height = 768;
int resolution_x = 0, resolution_y = 0;
int renderer = 0;
int audio_driver = 1;
int fullscreen = 0;
int desktop_mode = 0;
int virtual_mode = 0;
int splash_length = 150;
std::string app_dir = ".";
std::string product_name = "Mossmeadow";
std::string user_dir;
std::string options_path;
int running = 1;
int app_active = 1;
int graphics_reset = 0;
int mouse_x = 0, mouse_y = 0;
int mouse_click = 0;
int mouse_armed = 1;
Interpolation screen_fade(0);
int fade_level = 0;
std::unique_ptr<Event> current_event;
int completion = 0;

std::vector<std::string> command_line_args;

void SwitchEvent(std::unique_ptr<Event> e) {
    if (current_event) current_event->Free();
    current_event = std::move(e);
}

int HasArg(const std::string& option) {
    for (const std::string& arg : command_line_args) {
        if (arg == option) return 1;
    }
    return 0;
}

void ReadConfig(const std::string& path) {
    std::unique_ptr<xmlNode> root = xmlNode::Load(path);
    if (!root) return;
    for (int i = 0; i < root->ChildCount(); ++i) {
        const xmlNode* child = root->GetChild(i);
        if (child->Name == "windows") {
            if (child->HasAttribute("renderer")) renderer = XmlInt(child->Attribute("renderer")->Value);
            if (child->HasAttribute("fullscreen")) fullscreen = XmlInt(child->Attribute("fullscreen")->Value) != 0;
            if (child->HasAttribute("audio")) audio_driver = XmlInt(child->Attribute("audio")->Value);
        } else if (child->Name == "resolution") {
            if (child->HasAttribute("x") && child->HasAttribute("y")) {
                resolution_x = XmlInt(child->Attribute("x")->Value);
                resolution_y = XmlInt(child->Attribute("y")->Value);
            }
        } else if (child->Name == "splash") {
            if (child->HasAttribute("length")) splash_length = XmlInt(child->Attribute("length")->Value);
        }
    }
}

void Fatal(const std::string& text) {
    Notify(text, 1);
    std::_Exit(1);  // Notify ends the program; this only satisfies [[noreturn]] if a handler returned
}

std::string DataPath(const std::string& name) { return app_dir + "/Data/" + name; }
