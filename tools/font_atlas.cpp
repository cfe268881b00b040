// FreeType rendering and cell packing for the texture font. Texture rows are
// stored top row first, so a cell's top edge has the smaller t.

#include "font_atlas.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace tools {

namespace {

struct Cell {
    int x;
    int y;
    int width;
};

// The face and library are released on every path out of the build.
struct FreeTypeSession {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

void closeSession(FreeTypeSession& s) {
    if (s.face != nullptr) FT_Done_Face(s.face);
    if (s.library != nullptr) FT_Done_FreeType(s.library);
    s = FreeTypeSession{};
}

int nextPowerOfTwo(int v) {
    int p = 1;
    while (p < v) p *= 2;
    return p;
}

void setAlpha(FontFile& font, int x, int y, std::uint8_t alpha) {
    const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(font.textureWidth) +
                            static_cast<std::size_t>(x)) * 2u;
    font.texels[at + 1] = alpha;
}

// Copies the rendered glyph into its cell. Ink that would overhang the cell
// (a negative left bearing, a wide italic-like tail) is slid back inside
// rather than cut off, as long as the ink is narrower than the cell.
void blitGlyph(FontFile& font, const FT_Bitmap& bitmap, int bitmapLeft, int bitmapTop, const Cell& cell,
               int cellHeight, int ascender) {
    int left = bitmapLeft;
    const int inkWidth = static_cast<int>(bitmap.width);
    if (left + inkWidth > cell.width) left = cell.width - inkWidth;
    if (left < 0) left = 0;
    const int top = ascender - bitmapTop;
    for (int row = 0; row < static_cast<int>(bitmap.rows); ++row) {
        const int y = top + row;
        if (y < 0 || y >= cellHeight) continue;
        const unsigned char* src = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
        for (int col = 0; col < inkWidth; ++col) {
            const int x = left + col;
            if (x < 0 || x >= cell.width) continue;
            setAlpha(font, cell.x + x, cell.y + y, src[col]);
        }
    }
}

}  // namespace

FontSettings gameFontSettings() { return FontSettings{32, 2.0f, 2, 512, 32, 126}; }

bool buildFontAtlas(const std::string& fontPath, const FontSettings& settings, FontFile& font, std::string& error) {
    if (settings.lastChar < settings.firstChar || settings.pixelsPerEm <= 0 || settings.textureWidth <= 0) {
        error = "bad font settings";
        return false;
    }
    FreeTypeSession ft;
    if (FT_Init_FreeType(&ft.library) != 0) {
        error = "FreeType could not start";
        return false;
    }
    if (FT_New_Face(ft.library, fontPath.c_str(), 0, &ft.face) != 0) {
        error = "cannot open font " + fontPath;
        closeSession(ft);
        return false;
    }
    if (FT_Set_Pixel_Sizes(ft.face, 0, static_cast<FT_UInt>(settings.pixelsPerEm)) != 0) {
        error = "font has no size " + std::to_string(settings.pixelsPerEm);
        closeSession(ft);
        return false;
    }
    const int ascender = static_cast<int>(std::ceil(ft.face->size->metrics.ascender / 64.0));
    const int descender = static_cast<int>(std::ceil(-ft.face->size->metrics.descender / 64.0));
    const int cellHeight = ascender + descender;

    // First pass: advances and positions of the cells.
    const int count = settings.lastChar - settings.firstChar + 1;
    std::vector<Cell> cells(static_cast<std::size_t>(count));
    int x = settings.gap / 2 + 1;
    int y = settings.gap / 2 + 1;
    for (int i = 0; i < count; ++i) {
        if (FT_Load_Char(ft.face, static_cast<FT_ULong>(settings.firstChar + i), FT_LOAD_TARGET_LIGHT) != 0) {
            error = "cannot load character " + std::to_string(settings.firstChar + i);
            closeSession(ft);
            return false;
        }
        const int advance = std::max(1, static_cast<int>(std::lround(ft.face->glyph->linearHoriAdvance / 65536.0)));
        if (x + advance + 1 > settings.textureWidth) {
            x = settings.gap / 2 + 1;
            y += cellHeight + settings.gap;
        }
        cells[static_cast<std::size_t>(i)] = Cell{x, y, advance};
        x += advance + settings.gap;
    }
    const int usedHeight = y + cellHeight + 1;
    const int textureHeight = nextPowerOfTwo(usedHeight);
    if (textureHeight > 4096) {
        error = "glyph cells do not fit a texture";
        closeSession(ft);
        return false;
    }

    font.textureWidth = settings.textureWidth;
    font.textureHeight = textureHeight;
    font.firstChar = settings.firstChar;
    font.lastChar = settings.lastChar;
    font.glyphs.assign(static_cast<std::size_t>(count), render::GlfChar{});
    // White everywhere, so filtering at a glyph's edge never darkens it.
    font.texels.assign(static_cast<std::size_t>(settings.textureWidth) * static_cast<std::size_t>(textureHeight) * 2u,
                       0);
    for (std::size_t i = 0; i < font.texels.size(); i += 2) font.texels[i] = 255;

    const float unitsPerTexel = settings.unitsPerEm / static_cast<float>(settings.pixelsPerEm);
    const float w = static_cast<float>(settings.textureWidth);
    const float h = static_cast<float>(textureHeight);
    for (int i = 0; i < count; ++i) {
        const Cell& cell = cells[static_cast<std::size_t>(i)];
        if (FT_Load_Char(ft.face, static_cast<FT_ULong>(settings.firstChar + i), FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) != 0) {
            error = "cannot render character " + std::to_string(settings.firstChar + i);
            closeSession(ft);
            return false;
        }
        const FT_GlyphSlot slot = ft.face->glyph;
        if (slot->bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
            blitGlyph(font, slot->bitmap, slot->bitmap_left, slot->bitmap_top, cell, cellHeight, ascender);
        } else if (slot->bitmap.width > 0) {
            error = "unexpected glyph bitmap format";
            closeSession(ft);
            return false;
        }
        render::GlfChar& g = font.glyphs[static_cast<std::size_t>(i)];
        g.quadWidth = static_cast<float>(cell.width) * unitsPerTexel;
        g.quadHeight = static_cast<float>(cellHeight) * unitsPerTexel;
        g.texLeft = static_cast<float>(cell.x) / w;
        g.texRight = static_cast<float>(cell.x + cell.width) / w;
        g.texTop = static_cast<float>(cell.y) / h;
        g.texBottom = static_cast<float>(cell.y + cellHeight) / h;
    }
    closeSession(ft);
    return true;
}

}  // namespace tools
