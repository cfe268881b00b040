// The game's own data files, as the build generates them, read by the game's
// own loaders: the seven pictures decode, and the font covers every printable
// ASCII character the overlay uses.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "render/dib_image.h"
#include "render/dib_loader.h"
#include "render/glf_font.h"
#include "render/picture_files.h"

namespace {

bool powerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

TEST(GameData, EveryPictureDecodes) {
  for (const char* name : render::kPictureFileNames) {
    const std::string path = std::string(VELMORA_GAME_DATA_DIR) + "/" + name;
    unsetenv("DISPLAY");  // a failure would speak on stderr, not wait for a click
    const auto image = render::loadDibImage(path.c_str());
    ASSERT_TRUE(image.has_value()) << path;
    EXPECT_TRUE(powerOfTwo(image->width) && powerOfTwo(image->height))
        << path << " is " << image->width << " x " << image->height;
  }
}

TEST(GameData, FontCoversPrintableAscii) {
  render::GlfFont font;
  render::GlfTexels texels;
  ASSERT_TRUE(render::readGlfFile(VELMORA_GAME_FONT_FILE, &font, &texels));
  for (int code = 32; code <= 126; ++code) {
    const render::GlfChar* c = render::glfCharFor(font, code);
    ASSERT_NE(c, nullptr) << "code " << code;
    EXPECT_GT(c->quadWidth, 0.0f) << "code " << code;
    EXPECT_GT(c->quadHeight, 0.0f) << "code " << code;
    for (float t : {c->texLeft, c->texTop, c->texRight, c->texBottom}) {
      EXPECT_TRUE(t >= 0.0f && t <= 1.0f) << "code " << code;
    }
  }
}

}  // namespace
