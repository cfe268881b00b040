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

// Vertical extent of every cell, in texels: from the ascender down to the
// descender, the glyph's baseline `ascender` texels below the cell's top.
struct CellMetrics {
  int ascender;
  int height;
};

// The face at its rendering size; the face and library are released on every
// path out of the build.
class FreeTypeFace {
 public:
  FreeTypeFace() = default;
  FreeTypeFace(const FreeTypeFace&) = delete;
  FreeTypeFace& operator=(const FreeTypeFace&) = delete;
  ~FreeTypeFace() {
    if (face_ != nullptr) FT_Done_Face(face_);
    if (library_ != nullptr) FT_Done_FreeType(library_);
  }

  bool open(const std::string& fontPath, int pixelsPerEm, std::string& error) {
    if (FT_Init_FreeType(&library_) != 0) {
      error = "FreeType could not start";
      return false;
    }
    if (FT_New_Face(library_, fontPath.c_str(), 0, &face_) != 0) {
      error = "cannot open font " + fontPath;
      return false;
    }
    if (FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixelsPerEm)) != 0) {
      error = "font has no size " + std::to_string(pixelsPerEm);
      return false;
    }
    return true;
  }

  FT_Face face() const { return face_; }

 private:
  FT_Library library_ = nullptr;
  FT_Face face_ = nullptr;
};

int nextPowerOfTwo(int v) {
  int p = 1;
  while (p < v) p *= 2;
  return p;
}

CellMetrics cellMetrics(FT_Face face) {
  const int ascender = static_cast<int>(std::ceil(face->size->metrics.ascender / 64.0));
  const int descender = static_cast<int>(std::ceil(-face->size->metrics.descender / 64.0));
  return CellMetrics{ascender, ascender + descender};
}

// First pass: one cell per character, as wide as its advance, packed in rows
// with `gap` empty texels between cells and a one-texel border around all.
bool placeCells(FT_Face face, const FontSettings& settings, const CellMetrics& metrics,
                std::vector<Cell>& cells, int& usedHeight, std::string& error) {
  const int count = settings.lastChar - settings.firstChar + 1;
  cells.assign(static_cast<std::size_t>(count), Cell{});
  int x = settings.gap / 2 + 1;
  int y = settings.gap / 2 + 1;
  for (int i = 0; i < count; ++i) {
    if (FT_Load_Char(face, static_cast<FT_ULong>(settings.firstChar + i), FT_LOAD_TARGET_LIGHT) !=
        0) {
      error = "cannot load character " + std::to_string(settings.firstChar + i);
      return false;
    }
    const int advance =
        std::max(1, static_cast<int>(std::lround(face->glyph->linearHoriAdvance / 65536.0)));
    if (x + advance + 1 > settings.textureWidth) {
      x = settings.gap / 2 + 1;
      y += metrics.height + settings.gap;
    }
    cells[static_cast<std::size_t>(i)] = Cell{x, y, advance};
    x += advance + settings.gap;
  }
  usedHeight = y + metrics.height + 1;
  return true;
}

// The font's header fields and an empty texture: white everywhere, so that
// filtering at a glyph's edge never darkens it, and no alpha yet.
void startFont(const FontSettings& settings, int textureHeight, FontFile& font) {
  font.textureWidth = settings.textureWidth;
  font.textureHeight = textureHeight;
  font.firstChar = settings.firstChar;
  font.lastChar = settings.lastChar;
  font.glyphs.assign(static_cast<std::size_t>(settings.lastChar - settings.firstChar + 1),
                     render::GlfChar{});
  font.texels.assign(static_cast<std::size_t>(settings.textureWidth) *
                         static_cast<std::size_t>(textureHeight) * render::kGlfTexelSize,
                     0);
  for (std::size_t i = 0; i < font.texels.size(); i += render::kGlfTexelSize) font.texels[i] = 255;
}

void setAlpha(FontFile& font, int x, int y, std::uint8_t alpha) {
  const std::size_t at =
      (static_cast<std::size_t>(y) * static_cast<std::size_t>(font.textureWidth) +
       static_cast<std::size_t>(x)) *
      render::kGlfTexelSize;
  font.texels[at + 1] = alpha;
}

// Copies the rendered glyph into its cell. Ink that would overhang the cell
// (a negative left bearing, a wide italic-like tail) is slid back inside
// rather than cut off, as long as the ink is narrower than the cell.
void blitGlyph(FontFile& font, const FT_Bitmap& bitmap, int bitmapLeft, int bitmapTop,
               const Cell& cell, const CellMetrics& metrics) {
  int left = bitmapLeft;
  const int inkWidth = static_cast<int>(bitmap.width);
  if (left + inkWidth > cell.width) left = cell.width - inkWidth;
  if (left < 0) left = 0;
  const int top = metrics.ascender - bitmapTop;
  for (int row = 0; row < static_cast<int>(bitmap.rows); ++row) {
    const int y = top + row;
    if (y < 0 || y >= metrics.height) continue;
    const unsigned char* src = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
    for (int col = 0; col < inkWidth; ++col) {
      const int x = left + col;
      if (x < 0 || x >= cell.width) continue;
      setAlpha(font, cell.x + x, cell.y + y, src[col]);
    }
  }
}

// A character's record: its cell's size in drawing units and its rectangle
// in texture coordinates, the top row at t = 0.
render::GlfChar cellRecord(const Cell& cell, const CellMetrics& metrics,
                           const FontSettings& settings, const FontFile& font) {
  const float unitsPerTexel = settings.unitsPerEm / static_cast<float>(settings.pixelsPerEm);
  const float w = static_cast<float>(font.textureWidth);
  const float h = static_cast<float>(font.textureHeight);
  render::GlfChar g;
  g.quadWidth = static_cast<float>(cell.width) * unitsPerTexel;
  g.quadHeight = static_cast<float>(metrics.height) * unitsPerTexel;
  g.texLeft = static_cast<float>(cell.x) / w;
  g.texRight = static_cast<float>(cell.x + cell.width) / w;
  g.texTop = static_cast<float>(cell.y) / h;
  g.texBottom = static_cast<float>(cell.y + metrics.height) / h;
  return g;
}

// Second pass: renders each character into its cell and records it.
bool renderGlyphs(FT_Face face, const FontSettings& settings, const std::vector<Cell>& cells,
                  const CellMetrics& metrics, FontFile& font, std::string& error) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const int code = settings.firstChar + static_cast<int>(i);
    if (FT_Load_Char(face, static_cast<FT_ULong>(code), FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) !=
        0) {
      error = "cannot render character " + std::to_string(code);
      return false;
    }
    const FT_GlyphSlot slot = face->glyph;
    if (slot->bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
      blitGlyph(font, slot->bitmap, slot->bitmap_left, slot->bitmap_top, cells[i], metrics);
    } else if (slot->bitmap.width > 0) {
      error = "unexpected glyph bitmap format";
      return false;
    }
    font.glyphs[i] = cellRecord(cells[i], metrics, settings, font);
  }
  return true;
}

}  // namespace

FontSettings gameFontSettings() { return FontSettings{32, 2.0f, 2, 512, 32, 126}; }

bool buildFontAtlas(const std::string& fontPath, const FontSettings& settings, FontFile& font,
                    std::string& error) {
  if (settings.lastChar < settings.firstChar || settings.pixelsPerEm <= 0 ||
      settings.textureWidth <= 0) {
    error = "bad font settings";
    return false;
  }
  FreeTypeFace ft;
  if (!ft.open(fontPath, settings.pixelsPerEm, error)) return false;
  const CellMetrics metrics = cellMetrics(ft.face());
  std::vector<Cell> cells;
  int usedHeight = 0;
  if (!placeCells(ft.face(), settings, metrics, cells, usedHeight, error)) return false;
  const int textureHeight = nextPowerOfTwo(usedHeight);
  if (textureHeight > 4096) {
    error = "glyph cells do not fit a texture";
    return false;
  }
  startFont(settings, textureHeight, font);
  return renderGlyphs(ft.face(), settings, cells, metrics, font, error);
}

}  // namespace tools
