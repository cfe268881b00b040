// Reading .glf font files: a good file in full, and every way a damaged one
// must fail with no records left in the font.
#include "render/glf_font.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

using render::GlfFont;
using render::GlfTexels;

struct FontFile {
  std::int32_t width = 4;
  std::int32_t height = 2;
  std::int32_t first = 65;
  std::int32_t last = 67;
};

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int k = 0; k < 4; ++k) out.push_back((v >> (8 * k)) & 0xFF);
}

void putFloat(std::vector<std::uint8_t>& out, float f) {
  std::uint32_t bits;
  std::memcpy(&bits, &f, 4);
  put32(out, bits);
}

// Records: character i has quad (1 + i, 2) and texture rectangle (i/8, 0.25,
// (i+1)/8, 0.75); texel k holds (k, 255 - k).
std::vector<std::uint8_t> fontBytes(const FontFile& f, std::int64_t records, std::int64_t texels) {
  std::vector<std::uint8_t> out;
  put32(out, 0xDEADBEEF);  // a texture name the loader must not keep
  put32(out, f.width);
  put32(out, f.height);
  put32(out, f.first);
  put32(out, f.last);
  put32(out, 0x12345678);
  for (std::int64_t i = 0; i < records; ++i) {
    for (float v : {1.0f + i, 2.0f, i / 8.0f, 0.25f, (i + 1) / 8.0f, 0.75f}) putFloat(out, v);
  }
  for (std::int64_t k = 0; k < texels; ++k) {
    out.push_back(k & 0xFF);
    out.push_back((255 - k) & 0xFF);
  }
  return out;
}

std::vector<std::uint8_t> goodFont() { return fontBytes(FontFile{}, 3, 8); }

bool readBytes(const std::vector<std::uint8_t>& bytes, GlfFont* font, GlfTexels* texels) {
  std::FILE* file = std::tmpfile();
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  const bool ok = render::readGlfFont(file, font, texels);
  std::fclose(file);
  return ok;
}

// The same through a pipe, which cannot seek: only the reads can tell that
// the data ran out.
bool readFromPipe(const std::vector<std::uint8_t>& bytes, GlfFont* font, GlfTexels* texels) {
  int fds[2];
  if (pipe(fds) != 0) return false;
  if (!bytes.empty() &&
      write(fds[1], bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
    return false;
  }
  close(fds[1]);
  std::FILE* file = fdopen(fds[0], "rb");
  const bool ok = render::readGlfFont(file, font, texels);
  std::fclose(file);
  return ok;
}

void expectEmpty(const GlfFont& font, const GlfTexels& texels) {
  EXPECT_FALSE(font.chars);
  EXPECT_FALSE(texels.bytes);
  EXPECT_EQ(texels.size, 0u);
}

TEST(GlfFontFile, GoodFileReadsEveryField) {
  GlfFont font;
  GlfTexels texels;
  ASSERT_TRUE(readBytes(goodFont(), &font, &texels));
  EXPECT_EQ(font.textureName, 0u);
  EXPECT_EQ(font.textureWidth, 4);
  EXPECT_EQ(font.textureHeight, 2);
  EXPECT_EQ(font.firstChar, 65);
  EXPECT_EQ(font.lastChar, 67);
  ASSERT_TRUE(font.chars);
  EXPECT_FLOAT_EQ(font.chars[2].quadWidth, 3.0f);
  EXPECT_FLOAT_EQ(font.chars[2].quadHeight, 2.0f);
  EXPECT_FLOAT_EQ(font.chars[2].texLeft, 0.25f);
  EXPECT_FLOAT_EQ(font.chars[2].texTop, 0.25f);
  EXPECT_FLOAT_EQ(font.chars[2].texRight, 0.375f);
  EXPECT_FLOAT_EQ(font.chars[2].texBottom, 0.75f);
  ASSERT_EQ(texels.size, 16u);
  EXPECT_EQ(texels.bytes[14], 7);
  EXPECT_EQ(texels.bytes[15], 248);
}

TEST(GlfFontFile, TruncatedAtEveryLengthFailsCleanly) {
  const std::vector<std::uint8_t> full = goodFont();
  for (std::size_t length = 0; length < full.size(); ++length) {
    GlfFont font;
    GlfTexels texels;
    EXPECT_FALSE(readBytes({full.begin(), full.begin() + length}, &font, &texels)) << length;
    expectEmpty(font, texels);
  }
}

TEST(GlfFontFile, TruncatedStreamFailsCleanly) {
  const std::vector<std::uint8_t> full = goodFont();
  GlfFont font;
  GlfTexels texels;
  ASSERT_TRUE(readFromPipe(full, &font, &texels));
  for (std::size_t length : {std::size_t{0}, std::size_t{23}, std::size_t{24}, std::size_t{60},
                             std::size_t{24 + 72}, full.size() - 1}) {
    EXPECT_FALSE(readFromPipe({full.begin(), full.begin() + length}, &font, &texels)) << length;
    expectEmpty(font, texels);
  }
}

TEST(GlfFontFile, ImpossibleTextureSizesFail) {
  for (auto [w, h] : {std::pair{0, 2},
                      {4, 0},
                      {-4, 2},
                      {4, -2},
                      {INT_MAX, 2},
                      {2, INT_MAX},
                      {render::kGlfMaxSide + 1, 1},
                      {INT_MIN, INT_MIN}}) {
    GlfFont font;
    GlfTexels texels;
    EXPECT_FALSE(readBytes(fontBytes(FontFile{w, h, 65, 67}, 3, 8), &font, &texels))
        << w << "x" << h;
    expectEmpty(font, texels);
  }
}

TEST(GlfFontFile, LastBelowFirstOrACountThatOverflowsFails) {
  for (auto [first, last] :
       {std::pair{67, 65}, {INT_MIN, INT_MAX}, {0, INT_MAX}, {-1, INT_MAX}, {0, 65536}}) {
    GlfFont font;
    GlfTexels texels;
    EXPECT_FALSE(readBytes(fontBytes(FontFile{4, 2, first, last}, 3, 8), &font, &texels));
    expectEmpty(font, texels);
  }
}

// The same font with one field of its second record replaced.
std::vector<std::uint8_t> withSecondRecordField(int field, float value) {
  std::vector<std::uint8_t> bytes = goodFont();
  std::memcpy(&bytes[24 + 24 + 4 * field], &value, 4);
  return bytes;
}

void expectRefused(const std::vector<std::uint8_t>& bytes) {
  GlfFont font;
  GlfTexels texels;
  EXPECT_FALSE(readBytes(bytes, &font, &texels));
  expectEmpty(font, texels);
}

constexpr int kQuadWidth = 0;
constexpr int kQuadHeight = 1;

TEST(GlfFontFile, NonNumberInARecordFails) {
  expectRefused(withSecondRecordField(kQuadHeight, std::nanf("")));
}

TEST(GlfFontFile, NegativeQuadWidthFails) {
  expectRefused(withSecondRecordField(kQuadWidth, -1.0f));
}

TEST(GlfFontFile, NegativeQuadHeightFails) {
  expectRefused(withSecondRecordField(kQuadHeight, -0.5f));
}

TEST(GlfFontFile, HugeQuadWidthFails) {
  expectRefused(withSecondRecordField(kQuadWidth, 3.4e38f));
  expectRefused(withSecondRecordField(kQuadWidth, render::kGlfMaxQuadSize * 1.01f));
}

TEST(GlfFontFile, HugeQuadHeightFails) {
  expectRefused(withSecondRecordField(kQuadHeight, 3.4e38f));
}

TEST(GlfFontFile, TextureCoordinateThatIsNotFiniteFails) {
  for (int field = 2; field < 6; ++field) {
    SCOPED_TRACE(field);
    expectRefused(withSecondRecordField(field, std::nanf("")));
    expectRefused(withSecondRecordField(field, INFINITY));
    expectRefused(withSecondRecordField(field, -INFINITY));
  }
}

TEST(GlfFontFile, QuadSizesFromNoneUpToTheBoundAreKept) {
  for (float size : {0.0f, render::kGlfMaxQuadSize}) {
    GlfFont font;
    GlfTexels texels;
    EXPECT_TRUE(readBytes(withSecondRecordField(kQuadWidth, size), &font, &texels)) << size;
    EXPECT_TRUE(readBytes(withSecondRecordField(kQuadHeight, size), &font, &texels)) << size;
  }
}

TEST(GlfFontFile, NamedFileReadsAndAMissingOneForgetsTheEarlierFont) {
  char path[] = "/tmp/velmora_glf_XXXXXX";
  const int fd = mkstemp(path);
  ASSERT_GE(fd, 0);
  const std::vector<std::uint8_t> bytes = goodFont();
  ASSERT_EQ(write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  close(fd);
  GlfFont font;
  GlfTexels texels;
  EXPECT_TRUE(render::readGlfFile(path, &font, &texels));
  std::remove(path);
  EXPECT_EQ(font.lastChar, 67);
  EXPECT_FALSE(render::readGlfFile(path, &font, &texels));
  expectEmpty(font, texels);
  EXPECT_EQ(font.lastChar, 0);
}

TEST(GlfCharLookup, OnlyCodesFromFirstToLast) {
  GlfFont font;
  GlfTexels texels;
  ASSERT_TRUE(readBytes(goodFont(), &font, &texels));
  EXPECT_EQ(render::glfCharFor(font, 64), nullptr);
  EXPECT_EQ(render::glfCharFor(font, 65), &font.chars[0]);
  EXPECT_EQ(render::glfCharFor(font, 67), &font.chars[2]);
  EXPECT_EQ(render::glfCharFor(font, 68), nullptr);
  EXPECT_EQ(render::glfCharFor(font, INT_MIN), nullptr);
  EXPECT_EQ(render::glfCharFor(GlfFont{}, 0), nullptr);  // no records, even for code 0
}

}  // namespace
