// The font texture on a real OpenGL context (llvmpipe on a private Xvfb): the
// texels read back from the texture are exactly the file's, whatever the
// texture's width. Built with AddressSanitizer, so an upload that reads past
// the texel buffer also fails here.
#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "render/texture_font.h"
#include "support/processes.h"
#include "support/x_session.h"

// The GL driver keeps allocations of its own until exit; reads out of bounds
// are what this test is after, not leaks outside our code.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

namespace {

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int k = 0; k < 4; ++k) out.push_back((v >> (8 * k)) & 0xFF);
}

// A font of one character whose texel k is (k, 255 - k).
std::string writeFont(int width, int height) {
  std::vector<std::uint8_t> bytes;
  for (std::uint32_t v : {0u, std::uint32_t(width), std::uint32_t(height), 65u, 65u, 0u}) {
    put32(bytes, v);
  }
  for (float f : {1.0f, 1.0f, 0.0f, 0.0f, 1.0f, 1.0f}) {
    std::uint32_t bits;
    std::memcpy(&bits, &f, 4);
    put32(bytes, bits);
  }
  for (int k = 0; k < width * height; ++k) {
    bytes.push_back(k & 0xFF);
    bytes.push_back((255 - k) & 0xFF);
  }
  const std::string path = "/tmp/velmora_font_" + std::to_string(getpid()) + "_" +
                           std::to_string(width) + "x" + std::to_string(height) + ".glf";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
  return path;
}

class FontUpload : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!xtest::haveProgram("Xvfb")) return;
    if (!xtest::startXvfb(&display_)) return;
    setenv("DISPLAY", display_.name.c_str(), 1);
    int argc = 1;
    char name[] = "font_upload_test";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(64, 64);
    glutCreateWindow("font upload");
  }
  static void TearDownTestSuite() {
    if (display_.pid <= 0) return;
    glutExit();  // closes our connection before the server goes away
    xtest::stopXvfb(&display_);
  }
  void SetUp() override {
    if (display_.pid <= 0) GTEST_SKIP() << "no Xvfb to draw on";
  }
  static xtest::HeadlessDisplay display_;
};

xtest::HeadlessDisplay FontUpload::display_;

TEST_F(FontUpload, TexelsReadBackAsStoredForEveryWidth) {
  for (const auto& size : {std::pair<int, int>{3, 3}, {5, 2}, {1, 7}, {4, 4}, {7, 5}}) {
    const std::string path = writeFont(size.first, size.second);
    render::GlfFont font;
    ASSERT_EQ(render::loadFont(&font, path.c_str()), 1);
    std::vector<std::uint8_t> back(size.first * size.second * 2, 0xAA);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glBindTexture(GL_TEXTURE_2D, 0);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE, back.data());
    for (int k = 0; k < size.first * size.second; ++k) {
      ASSERT_EQ(back[2 * k], k & 0xFF) << size.first << "x" << size.second << " texel " << k;
      ASSERT_EQ(back[2 * k + 1], (255 - k) & 0xFF) << size.first << "x" << size.second;
    }
    unlink(path.c_str());
  }
}

TEST_F(FontUpload, LeavesTheDefaultUnpackAlignmentBehind) {
  const std::string path = writeFont(3, 3);
  render::GlfFont font;
  ASSERT_EQ(render::loadFont(&font, path.c_str()), 1);
  GLint alignment = 0;
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
  EXPECT_EQ(alignment, 4);  // the default, for whoever uploads next
  unlink(path.c_str());
}

}  // namespace
