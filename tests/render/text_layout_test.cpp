// The pen arithmetic of a text line: where each quad lies, which texture
// rectangle it shows, and what happens to characters the font lacks.
#include "render/text_layout.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using render::GlfChar;
using render::GlfFont;
using render::TextQuad;

// A font for 'a' (1.5 wide) and 'b' (2.0 wide), 3 units tall.
GlfFont twoCharFont() {
  GlfFont font;
  font.firstChar = 'a';
  font.lastChar = 'b';
  font.chars.reset(new GlfChar[2]);
  font.chars[0] = GlfChar{1.5f, 3.0f, 0.0f, 0.1f, 0.5f, 0.9f};
  font.chars[1] = GlfChar{2.0f, 3.0f, 0.5f, 0.2f, 1.0f, 0.8f};
  return font;
}

int layout(const GlfFont& font, const char* line, float x, float y, TextQuad* quads, float* end) {
  return render::layoutTextLine(font, line, std::strlen(line), x, y, quads, 16, end);
}

TEST(TextLayout, PenAdvancesByEachQuadWidth) {
  TextQuad quads[16];
  float end = 0;
  ASSERT_EQ(layout(twoCharFont(), "ab", -4.0f, 1.0f, quads, &end), 2);
  EXPECT_FLOAT_EQ(quads[0].left, -4.0f);
  EXPECT_FLOAT_EQ(quads[0].right, -2.5f);
  EXPECT_FLOAT_EQ(quads[1].left, -2.5f);
  EXPECT_FLOAT_EQ(quads[1].right, -0.5f);
  EXPECT_FLOAT_EQ(end, -0.5f);
}

TEST(TextLayout, QuadHangsBelowTheTopAndShowsItsRectangle) {
  TextQuad quads[16];
  float end = 0;
  ASSERT_EQ(layout(twoCharFont(), "b", 10.0f, 7.0f, quads, &end), 1);
  EXPECT_FLOAT_EQ(quads[0].top, 7.0f);
  EXPECT_FLOAT_EQ(quads[0].bottom, 4.0f);
  EXPECT_FLOAT_EQ(quads[0].texLeft, 0.5f);
  EXPECT_FLOAT_EQ(quads[0].texTop, 0.2f);
  EXPECT_FLOAT_EQ(quads[0].texRight, 1.0f);
  EXPECT_FLOAT_EQ(quads[0].texBottom, 0.8f);
}

TEST(TextLayout, EmptyLineHasNoQuads) {
  TextQuad quads[16];
  float end = 0;
  EXPECT_EQ(layout(twoCharFont(), "", 3.0f, 0.0f, quads, &end), 0);
  EXPECT_FLOAT_EQ(end, 3.0f);
}

TEST(TextLayout, CharactersTheFontLacksAreSkippedWithoutAdvance) {
  TextQuad quads[16];
  float end = 0;
  // 'c' is past the last code, 'Z' before the first, 0xE9 reads as -23.
  ASSERT_EQ(layout(twoCharFont(),
                   "aZc\xE9"
                   "b",
                   0.0f, 0.0f, quads, &end),
            2);
  EXPECT_FLOAT_EQ(quads[1].left, 1.5f);
  EXPECT_FLOAT_EQ(end, 3.5f);
}

TEST(TextLayout, BytesAbove127AreNegativeCodes) {
  GlfFont font;
  font.firstChar = -23;
  font.lastChar = -23;
  font.chars.reset(new GlfChar[1]);
  font.chars[0] = GlfChar{4.0f, 1.0f, 0, 0, 1, 1};
  TextQuad quads[16];
  float end = 0;
  EXPECT_EQ(layout(font, "\xE9", 0.0f, 0.0f, quads, &end), 1);
  EXPECT_FLOAT_EQ(end, 4.0f);
}

TEST(TextLayout, FontWithoutRecordsLaysOutNothing) {
  GlfFont font;
  font.firstChar = 0;
  font.lastChar = 255;
  TextQuad quads[16];
  float end = 0;
  EXPECT_EQ(layout(font, "ab", 2.0f, 0.0f, quads, &end), 0);
  EXPECT_FLOAT_EQ(end, 2.0f);
}

TEST(TextLayout, StopsAtTheCapacity) {
  TextQuad quads[3];
  float end = 0;
  EXPECT_EQ(render::layoutTextLine(twoCharFont(), "abab", 4, 0.0f, 0.0f, quads, 3, &end), 3);
  EXPECT_FLOAT_EQ(end, 5.0f);
}

}  // namespace
