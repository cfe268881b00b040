// The paths of the texture and font functions that end before any OpenGL
// call: a null texture name, a missing texture file, a font that fails to
// load.
#include <gtest/gtest.h>

#include <cstdlib>

#include "render/texture_font.h"
#include "render/textures.h"

namespace {

TEST(LoadTexture, NullNameGivesAllBitsSet) { EXPECT_EQ(render::loadTexture(nullptr), ~0u); }

TEST(LoadTexture, MissingFileShowsItsNameThenEndsTheProcessWithZero) {
  unsetenv("DISPLAY");
  EXPECT_EXIT(render::loadTexture("/nonexistent/Data/marmol.bmp"), testing::ExitedWithCode(0),
              "^Error!: /nonexistent/Data/marmol.bmp\n$");
}

TEST(LoadFont, MissingFileFailsAndLeavesNoFontCurrent) {
  render::GlfFont font;
  font.lastChar = 5;
  render::setCurrentFont(&font);
  EXPECT_EQ(render::loadFont(&font, "/nonexistent/arial.glf"), 0);
  EXPECT_EQ(render::currentFont(), nullptr);
  EXPECT_FALSE(font.chars);
  EXPECT_EQ(font.lastChar, 0);
}

TEST(LoadFont, FailureOfAnotherFontKeepsTheCurrentOne) {
  render::GlfFont shown;
  render::GlfFont other;
  render::setCurrentFont(&shown);
  EXPECT_EQ(render::loadFont(&other, nullptr), 0);
  EXPECT_EQ(render::currentFont(), &shown);
  render::fontEnd();
  EXPECT_EQ(render::currentFont(), nullptr);
}

}  // namespace
