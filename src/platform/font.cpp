#include "font.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

#include "graphics.h"
#include "graphics_internal.h"

namespace {
constexpr int kFirstChar = 32;
constexpr int kCharCount = 256 - kFirstChar;
// The built-in font: whatever the system's font configuration gives for a plain sans-serif.
constexpr const char* kBuiltInFontPattern = "sans-serif:style=Regular";
constexpr int kBuiltInFontSize = 13;

FT_Library Library() {
    static FT_Library library = nullptr;
    static bool tried = false;
    if (!tried) {
        tried = true;
        if (FT_Init_FreeType(&library) != 0) library = nullptr;
    }
    return library;
}

Font current_font;

// An sfnt font (TrueType or OpenType) names its tables with their places in a directory at the
// start of the file: every one must end within the file. Other formats are left to FreeType.
bool TablesWhole(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    std::vector<unsigned char> head(12);
    bool whole = std::fread(head.data(), 1, head.size(), file) == head.size();
    const uint32_t version = whole ? (uint32_t{head[0]} << 24 | uint32_t{head[1]} << 16 | uint32_t{head[2]} << 8 | head[3]) : 0;
    if (whole && (version == 0x00010000u || version == 0x4F54544Fu || version == 0x74727565u)) {  // 1.0, OTTO, true
        std::fseek(file, 0, SEEK_END);
        const uint64_t size = static_cast<uint64_t>(std::ftell(file));
        const size_t tables = static_cast<size_t>(head[4]) << 8 | head[5];
        std::vector<unsigned char> directory(tables * 16);
        std::fseek(file, 12, SEEK_SET);
        whole = std::fread(directory.data(), 1, directory.size(), file) == directory.size();
        for (size_t t = 0; whole && t < tables; ++t) {
            const unsigned char* r = &directory[t * 16 + 8];
            const uint64_t offset = uint64_t{r[0]} << 24 | uint64_t{r[1]} << 16 | uint64_t{r[2]} << 8 | r[3];
            const uint64_t length = uint64_t{r[4]} << 24 | uint64_t{r[5]} << 16 | uint64_t{r[6]} << 8 | r[7];
            whole = offset + length <= size;
        }
    }
    std::fclose(file);
    return whole;
}
}  // namespace

struct Glyph {
    int advance = 0;                  // pixels to the next character
    int left = 0, top = 0;            // bitmap offset from the pen position and the baseline
    int width = 0, height = 0;        // bitmap size
    int atlas_x = 0, atlas_y = 0;     // bitmap position in the atlas
};

struct TFont {
    int size = 0;
    int ascender = 0;
    int line_height = 0;
    std::array<Glyph, kCharCount> glyphs;
    Image atlas;
};

std::string FindFontFile(const std::string& pattern) {
    // A configuration of our own, destroyed afterwards, so nothing of fontconfig stays allocated.
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (!config) return "";
    std::string path;
    FcPattern* wanted = FcNameParse(reinterpret_cast<const FcChar8*>(pattern.c_str()));
    if (wanted) {
        FcPatternAddBool(wanted, FC_SCALABLE, FcTrue);
        FcConfigSubstitute(config, wanted, FcMatchPattern);
        FcDefaultSubstitute(wanted);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(config, wanted, &result);
        FcChar8* file = nullptr;
        if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file) {
            path = reinterpret_cast<const char*>(file);
        }
        if (match) FcPatternDestroy(match);
        FcPatternDestroy(wanted);
    }
    FcConfigDestroy(config);
    return path;
}

Font LoadImageFont(const std::string& path, int size, int style) {
    (void)style;
    FT_Library library = Library();
    if (!library || size <= 0) return nullptr;
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0) return nullptr;
    // FreeType reads a font lazily and quietly drops the tables that lie past the end of a file
    // cut short: such a font opens and draws blank letters. Every table it lists must be there.
    if (!TablesWhole(path)) {
        FT_Done_Face(face);
        return nullptr;
    }
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(size)) != 0) {
        FT_Done_Face(face);
        return nullptr;
    }
    auto font = std::make_shared<TFont>();
    font->size = size;
    font->ascender = static_cast<int>(face->size->metrics.ascender >> 6);
    font->line_height = static_cast<int>((face->size->metrics.ascender - face->size->metrics.descender) >> 6);

    // Render every character once to learn the cell size, then pack them into a 16-column atlas.
    struct Bitmap {
        std::vector<uint8_t> coverage;
        int width = 0, height = 0;
    };
    std::vector<Bitmap> bitmaps(kCharCount);
    int cell_w = 1, cell_h = 1;
    for (int i = 0; i < kCharCount; ++i) {
        Glyph& glyph = font->glyphs[static_cast<size_t>(i)];
        const FT_UInt index = FT_Get_Char_Index(face, static_cast<FT_ULong>(kFirstChar + i));
        if (FT_Load_Glyph(face, index, FT_LOAD_RENDER) != 0) {
            // A font that cannot draw plain text is refused, not shown with letters missing.
            if (kFirstChar + i < 127) {
                FT_Done_Face(face);
                return nullptr;
            }
            continue;
        }
        const FT_GlyphSlot slot = face->glyph;
        glyph.advance = static_cast<int>(slot->advance.x >> 6);
        glyph.left = slot->bitmap_left;
        glyph.top = slot->bitmap_top;
        glyph.width = static_cast<int>(slot->bitmap.width);
        glyph.height = static_cast<int>(slot->bitmap.rows);
        Bitmap& bitmap = bitmaps[static_cast<size_t>(i)];
        bitmap.width = glyph.width;
        bitmap.height = glyph.height;
        bitmap.coverage.resize(static_cast<size_t>(glyph.width) * glyph.height);
        for (int y = 0; y < glyph.height; ++y) {
            for (int x = 0; x < glyph.width; ++x) {
                bitmap.coverage[static_cast<size_t>(y) * glyph.width + x] =
                    slot->bitmap.buffer[y * slot->bitmap.pitch + x];
            }
        }
        cell_w = std::max(cell_w, glyph.width + 2);
        cell_h = std::max(cell_h, glyph.height + 2);
    }
    FT_Done_Face(face);

    const int columns = 16, rows = (kCharCount + columns - 1) / columns;
    font->atlas = CreateImage(columns * cell_w, rows * cell_h, 1);
    Pixmap& atlas = LockImage(font->atlas, 0);
    for (int i = 0; i < kCharCount; ++i) {
        Glyph& glyph = font->glyphs[static_cast<size_t>(i)];
        glyph.atlas_x = (i % columns) * cell_w + 1;
        glyph.atlas_y = (i / columns) * cell_h + 1;
        const Bitmap& bitmap = bitmaps[static_cast<size_t>(i)];
        for (int y = 0; y < bitmap.height; ++y) {
            for (int x = 0; x < bitmap.width; ++x) {
                const uint32_t a = bitmap.coverage[static_cast<size_t>(y) * bitmap.width + x];
                atlas.WritePixel(glyph.atlas_x + x, glyph.atlas_y + y, (a << 24) | 0xFFFFFFu);
            }
        }
    }
    UnlockImage(font->atlas, 0);
    return font;
}

namespace {
const Font& BuiltInFont() {
    static Font font = LoadImageFont(FindFontFile(kBuiltInFontPattern), kBuiltInFontSize);
    return font;
}

const Font& ActiveFont() { return current_font ? current_font : BuiltInFont(); }
}  // namespace

void SetImageFont(const Font& font) { current_font = font; }
Font GetImageFont() { return current_font; }

int FontTextWidth(const Font& font, const std::string& text) {
    if (!font) return 0;
    int width = 0, widest = 0;
    for (unsigned char c : text) {
        if (c == '\n') {
            widest = std::max(widest, width);
            width = 0;
        } else if (c >= kFirstChar) {
            width += font->glyphs[c - kFirstChar].advance;
        }
    }
    return std::max(widest, width);
}

int FontHeight(const Font& font) { return font ? font->line_height : 0; }

int TextWidth(const std::string& text) { return FontTextWidth(ActiveFont(), text); }

int TextHeight(const std::string& text) {
    (void)text;
    return FontHeight(ActiveFont());
}

void DrawText(const std::string& text, float x, float y) {
    const Font& font = ActiveFont();
    if (!font) return;
    if (!GraphicsOpen()) return;
    float sx, sy, ox, oy;
    GetScale(&sx, &sy);
    GetOrigin(&ox, &oy);
    float pen_x = 0, pen_y = 0;
    for (unsigned char c : text) {
        if (c == '\n') {
            pen_x = 0;
            pen_y += static_cast<float>(font->line_height);
            continue;
        }
        if (c < kFirstChar) continue;
        const Glyph& g = font->glyphs[c - kFirstChar];
        if (g.width > 0 && g.height > 0) {
            const float gx0 = x + ox + (pen_x + static_cast<float>(g.left)) * sx;
            const float gy0 = y + oy + (pen_y + static_cast<float>(font->ascender - g.top)) * sy;
            const float gx1 = gx0 + static_cast<float>(g.width) * sx;
            const float gy1 = gy0 + static_cast<float>(g.height) * sy;
            DrawFrameRect(font->atlas, 0, g.atlas_x, g.atlas_y, g.width, g.height, (gx0 + gx1) / 2, (gy0 + gy1) / 2,
                          gx1 - gx0, gy1 - gy0, 0, false, false);
        }
        pen_x += static_cast<float>(g.advance);
    }
}
