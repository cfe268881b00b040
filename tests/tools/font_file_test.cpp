// The texture-font file the build generates: read back through the game's
// own reader, its glyph cells and ink, and the overlay lines laid out with
// its records.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "bmp_reader.h"
#include "font_atlas.h"
#include "glf_file.h"
#include "render/glf_font.h"
#include "text_preview.h"

namespace {

// The built file, its header, and the font the game reads from it.
struct BuiltFont {
  std::vector<std::uint8_t> bytes;
  render::GlfHeader header;
  render::GlfFont font;
  render::GlfTexels texels;
  std::vector<render::GlfChar> records;
};

const BuiltFont& built() {
  static const BuiltFont font = [] {
    BuiltFont f;
    f.bytes = readFileBytes(VELMORA_TEST_FONT_FILE);
    if (f.bytes.size() >= render::kGlfHeaderSize)
      f.header = render::decodeGlfHeader(f.bytes.data());
    if (render::readGlfFile(VELMORA_TEST_FONT_FILE, &f.font, &f.texels)) {
      f.records.assign(f.font.chars.get(),
                       f.font.chars.get() + (f.font.lastChar - f.font.firstChar + 1));
    }
    return f;
  }();
  return font;
}

int width() { return built().font.textureWidth; }
int height() { return built().font.textureHeight; }

std::uint8_t texel(int x, int y, int channel) {
  return built()
      .texels.bytes[(static_cast<std::size_t>(y) * width() + x) * render::kGlfTexelSize + channel];
}

struct CellBox {
  int x0, y0, x1, y1;  // texel rectangle, x1 and y1 exclusive
};

CellBox cellOf(const render::GlfChar& r) {
  return {static_cast<int>(std::lround(r.texLeft * width())),
          static_cast<int>(std::lround(r.texTop * height())),
          static_cast<int>(std::lround(r.texRight * width())),
          static_cast<int>(std::lround(r.texBottom * height()))};
}

const render::GlfChar& recordOf(char c) {
  return built().records.at(static_cast<std::size_t>(c - 32));
}

// Lowest row holding ink, counted from the cell's top.
int lowestInkRow(char c) {
  const CellBox b = cellOf(recordOf(c));
  int lowest = -1;
  for (int y = b.y0; y < b.y1; ++y)
    for (int x = b.x0; x < b.x1; ++x)
      if (texel(x, y, 1) > 64) lowest = y - b.y0;
  return lowest;
}

bool isPowerOfTwo(int v) { return v > 0 && (v & (v - 1)) == 0; }

TEST(FontFile, HeaderCoversPrintableAsciiInAPowerOfTwoTexture) {
  const BuiltFont& f = built();
  ASSERT_TRUE(f.font.chars) << "the game cannot read " << VELMORA_TEST_FONT_FILE;
  EXPECT_EQ(f.header.textureName, 0);
  EXPECT_TRUE(isPowerOfTwo(width()) && width() <= 2048) << width();
  EXPECT_TRUE(isPowerOfTwo(height()) && height() <= 2048) << height();
  EXPECT_EQ(f.font.firstChar, 32);
  EXPECT_EQ(f.font.lastChar, 126);
  EXPECT_EQ(f.header.reserved, 0);
  EXPECT_EQ(f.records.size(), 95u);
  EXPECT_EQ(f.bytes.size(), 24u + 95u * 24u + static_cast<std::size_t>(width()) * height() * 2u);
  // The texels are uploaded under OpenGL's default unpack alignment of 4,
  // so a row of two-byte texels must fill whole 4-byte words.
  EXPECT_EQ(width() * 2 % 4, 0);
}

TEST(FontFile, CellsLieInsideTheTextureApartAndWithAClearBorder) {
  std::vector<CellBox> boxes;
  for (const render::GlfChar& r : built().records) {
    for (float v : {r.texLeft, r.texTop, r.texRight, r.texBottom})
      EXPECT_TRUE(v >= 0.0f && v <= 1.0f) << v;
    EXPECT_LT(r.texLeft, r.texRight);
    EXPECT_LT(r.texTop, r.texBottom);  // the first texel row is the top
    const CellBox b = cellOf(r);
    ASSERT_TRUE(b.x0 >= 1 && b.y0 >= 1 && b.x1 < width() && b.y1 < height());
    // An empty one-texel ring, so linear filtering at a cell's edge never
    // pulls in a neighbour's ink.
    for (int x = b.x0 - 1; x <= b.x1; ++x) EXPECT_EQ(texel(x, b.y0 - 1, 1) | texel(x, b.y1, 1), 0);
    for (int y = b.y0; y < b.y1; ++y) EXPECT_EQ(texel(b.x0 - 1, y, 1) | texel(b.x1, y, 1), 0);
    for (const CellBox& o : boxes)
      EXPECT_TRUE(b.x1 <= o.x0 || o.x1 <= b.x0 || b.y1 <= o.y0 || o.y1 <= b.y0);
    boxes.push_back(b);
  }
}

TEST(FontFile, QuadsKeepTheGlyphsUndistortedAndAdvanceAboutOnePointTwo) {
  float sum = 0.0f;
  for (const render::GlfChar& r : built().records) {
    const CellBox b = cellOf(r);
    EXPECT_NEAR(r.quadWidth / static_cast<float>(b.x1 - b.x0),
                r.quadHeight / static_cast<float>(b.y1 - b.y0), 1e-4f);
    EXPECT_FLOAT_EQ(r.quadHeight, built().records[0].quadHeight);
    sum += r.quadWidth;
  }
  EXPECT_NEAR(sum / 95.0f, 1.2f, 0.2f);
  // Lines are 3 units apart; a line's quads are a little less than that.
  EXPECT_TRUE(built().records[0].quadHeight > 2.0f && built().records[0].quadHeight < 2.8f);
}

TEST(FontFile, EveryPrintableGlyphHasWhiteInkAndSpaceHasNone) {
  for (char c = 32; c <= 126; ++c) {
    const CellBox b = cellOf(recordOf(c));
    int ink = 0;
    for (int y = b.y0; y < b.y1; ++y)
      for (int x = b.x0; x < b.x1; ++x) ink += texel(x, y, 1) > 0;
    EXPECT_EQ(ink > 0, c != ' ') << "'" << c << "'";
  }
  EXPECT_GT(recordOf(' ').quadWidth, 0.3f);  // space still advances the pen
  for (int y = 0; y < height(); ++y)
    for (int x = 0; x < width(); ++x) ASSERT_EQ(texel(x, y, 0), 255);
}

TEST(FontFile, GlyphsStandOnOneBaselineAndDescendersGoBelowIt) {
  const int baseline = lowestInkRow('H');
  for (char c : std::string("EIMNxzmn0123456789")) EXPECT_NEAR(lowestInkRow(c), baseline, 1) << c;
  for (char c : std::string("gjpqy")) EXPECT_GT(lowestInkRow(c), baseline + 3) << c;
}

TEST(FontFile, MatchesAFreshBuildFromTheSameFont) {
  tools::FontFile font;
  std::string error;
  ASSERT_TRUE(
      tools::buildFontAtlas(VELMORA_TEST_FONT_SOURCE, tools::gameFontSettings(), font, error))
      << error;
  EXPECT_TRUE(tools::encodeGlf(font) == built().bytes);
  EXPECT_FALSE(
      tools::buildFontAtlas("/nonexistent/font.ttf", tools::gameFontSettings(), font, error));
  EXPECT_NE(error.find("/nonexistent/font.ttf"), std::string::npos);
}

// The overlay lines and their start points, with the longest values the
// number and the speed can take. `centred` lines sit mid-screen by design.
struct OverlayLine {
  const char* text;
  float x;
  bool centred;
};

const OverlayLine overlayLines[] = {
    {"FINAL !!!", -4.0f, true},
    {"EL GANADOR ES EL BANDO DE LAS PIRAMIDES !!!", -25.2f, true},
    {"EL GANADOR ES EL BANDO DE LAS ESFERAS !!!", -23.6f, true},
    {"Turno de las PIRAMIDES", -13.0f, true},
    {"Turno de las ESFERAS", -12.3f, true},
    {"Pulse INTRO para Continuar                      Vel.: 16.0", -14.8f, false},
    {"Introduce el numero de NODOS", -32.8f, false},
    {"( Numero >=120 y <=510 div. 3 y 5 )", -32.8f, false},
    {"Numero:   510", -26.8f, false},
    {"( + para subir, - para bajar, INTRO para comenzar )", -32.8f, false},
};

TEST(FontOverlay, EveryLineEndsInsideTheVisibleArea) {
  const render::GlfFont& font = built().font;
  ASSERT_TRUE(font.chars);
  for (const OverlayLine& line : overlayLines) {
    const float end = line.x + tools::lineWidth(font, line.text);
    EXPECT_LE(end, 38.7f) << line.text;  // the plane shows x from -38.7 to 38.7
    if (line.centred) {
      EXPECT_NEAR(line.x + end, 0.0f, 5.0f) << line.text;
    }
  }
  const float prompt = tools::lineWidth(font, overlayLines[9].text);
  EXPECT_TRUE(prompt > 45.0f && prompt < 65.0f) << prompt;  // about 50 characters
}

TEST(FontOverlay, DrawnLineHasInkFromItsStartToWhereThePenEnds) {
  const render::GlfFont& font = built().font;
  ASSERT_TRUE(font.chars);
  tools::Image screen = tools::makeImage(1024, 768, tools::Colour{0, 0, 0});
  const std::string text = overlayLines[9].text;
  tools::drawTextLine(screen, tools::OverlayView{-38.7f, 38.7f, -29.0f, 29.0f}, font,
                      built().texels, text, -32.8f, 11.6f, tools::Colour{1, 1, 1});
  int first = 1024, last = -1, top = 768, bottom = -1;
  for (int y = 0; y < 768; ++y) {
    for (int x = 0; x < 1024; ++x) {
      if (tools::pixelAt(screen, x, y).r < 0.5f) continue;
      first = std::min(first, x);
      last = std::max(last, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  ASSERT_GE(last, 0);
  const float unitsPerPixel = 77.4f / 1024.0f;  // 58 / 768 vertically, the same
  EXPECT_NEAR(-38.7f + first * unitsPerPixel, -32.8f, 0.8f);
  EXPECT_NEAR(-38.7f + (last + 1) * unitsPerPixel, -32.8f + tools::lineWidth(font, text), 0.8f);
  // The ink hangs below the line's top edge, within one line height.
  EXPECT_LE(29.0f - top * unitsPerPixel, 11.6f);
  EXPECT_GE(29.0f - (bottom + 1) * unitsPerPixel, 11.6f - font.chars[0].quadHeight);
}

}  // namespace
