// TrueType fonts rendered by FreeType into an anti-aliased glyph atlas. Text is bytes: each byte is
// one character of ISO-8859-1. Drawing uses the current colour, alpha, blend and scale.
#pragma once

#include <memory>
#include <string>

struct TFont;
using Font = std::shared_ptr<TFont>;

// Loads a TrueType font at a pixel size; null when the file does not load. `style` is kept for the
// callers' sake (bold/italic come from the font file itself).
Font LoadImageFont(const std::string& path, int size, int style = 0);
// The font file the system's font configuration picks for a fontconfig pattern ("sans-serif",
// "DejaVu Sans:bold"); "" when none. The built-in font is found this way.
std::string FindFontFile(const std::string& pattern);
// Makes a font current; null selects the built-in font.
void SetImageFont(const Font& font);
Font GetImageFont();

// Text anchored at its top-left corner. A line feed starts a new line.
void DrawText(const std::string& text, float x, float y);
int TextWidth(const std::string& text);
int TextHeight(const std::string& text);
// Metrics of a particular font, independent of the current one.
int FontTextWidth(const Font& font, const std::string& text);
int FontHeight(const Font& font);
