// The font registry: TrueType fonts referred to by small integer ids; SetFont makes one current for
// DrawText, TextWidth and TextHeight.
#pragma once

#include <string>

#include "font.h"

class FontContainer {
public:
    int id = 0;
    Font font;
};

class FontList {
public:
    // 1 on success; 0 when `id` is taken or the font does not load (`size` in pixels).
    static int AddFont(const std::string& path, int id, int size, int style);
    // Makes font `id` current; an unregistered id leaves the current font as it is.
    static void SetFont(int id);
    // The first container with that id, or null.
    static FontContainer* GetFontContainer(int id);
    static void RemoveFont(int id);
    static void Clear();
};
