// Multi-line text on top of the current font: blocks of lines, their size, and word wrapping.
#pragma once

#include <string>

#include "primitives.h"

void DrawTextBlock(const std::string& text, float x, float y);
Tuple DrawTextBlockEnd(const std::string& text, float x, float y);
int TextBlockWidth(const std::string& text);
int TextBlockHeight(const std::string& text);
std::string WrapText(const std::string& text, int width);
std::string WrapTextIndent(const std::string& text, int width, std::string indent);
