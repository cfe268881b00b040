// The BMP writer: header fields, row padding, bottom-up order and rounding,
// read back independently and once through ImageMagick.

#include "bmp_writer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "bmp_reader.h"

namespace {

// A picture whose every pixel is distinct: red grows to the right, green
// downwards, blue marks the row parity.
tools::Image gradientPicture(int width, int height) {
  tools::Image image = tools::makeImage(width, height, tools::Colour{0, 0, 0});
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      tools::pixelAt(image, x, y) = {static_cast<float>(x * 40) / 255.0f,
                                     static_cast<float>(y * 60) / 255.0f,
                                     (y % 2 == 0) ? 1.0f : 0.0f};
    }
  }
  return image;
}

std::string tempPath(const std::string& name) {
  return "/tmp/velmora_bmp_test_" + std::to_string(getpid()) + "_" + name;
}

TEST(BmpWriter, HeaderFieldsDescribeAnUncompressed24BitPicture) {
  const std::vector<std::uint8_t> bytes = tools::encodeBmp24(gradientPicture(5, 3), false);
  ReadBmp bmp;
  ASSERT_TRUE(parseBmp24(bytes, bmp));
  EXPECT_EQ(bmp.fileSize, bytes.size());
  EXPECT_EQ(bmp.dataOffset, 54u);
  EXPECT_EQ(bmp.infoSize, 40u);
  EXPECT_EQ(bmp.width, 5);
  EXPECT_EQ(bmp.height, 3);
  EXPECT_EQ(bmp.planes, 1);
  EXPECT_EQ(bmp.bitsPerPixel, 24);
  EXPECT_EQ(bmp.compression, 0u);
  EXPECT_EQ(bmp.imageSize, 16u * 3u);  // 15 data bytes padded to 16 per row
  // Colours used and important colours: no table follows the header.
  EXPECT_EQ(
      bytes[46] | bytes[47] | bytes[48] | bytes[49] | bytes[50] | bytes[51] | bytes[52] | bytes[53],
      0);
}

TEST(BmpWriter, RowsArePaddedToFourBytesWithZeros) {
  for (int width : {1, 2, 3, 4, 5, 7}) {
    const int stride = (width * 3 + 3) / 4 * 4;
    EXPECT_EQ(tools::bmpRowStride(width, 24), static_cast<std::size_t>(stride)) << width;
    const std::vector<std::uint8_t> bytes =
        tools::encodeBmp24(tools::makeImage(width, 2, tools::Colour{1, 1, 1}), false);
    ASSERT_EQ(bytes.size(), 54u + 2u * static_cast<std::size_t>(stride)) << width;
    for (int row = 0; row < 2; ++row) {
      for (int i = width * 3; i < stride; ++i) {
        EXPECT_EQ(bytes[54 + row * stride + i], 0) << "width " << width << " row " << row;
      }
      EXPECT_EQ(bytes[54 + row * stride + width * 3 - 1], 255);
    }
  }
}

TEST(BmpWriter, BottomRowIsStoredFirstInBlueGreenRedOrder) {
  const std::vector<std::uint8_t> bytes = tools::encodeBmp24(gradientPicture(3, 4), false);
  // First stored pixel: left pixel of the bottom row (y = 3), as blue, green, red.
  EXPECT_EQ(std::vector<int>(bytes.begin() + 54, bytes.begin() + 57),
            (std::vector<int>{0, 180, 0}));

  ReadBmp bmp;
  ASSERT_TRUE(parseBmp24(bytes, bmp));
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 3; ++x) {
      const std::size_t at = (static_cast<std::size_t>(y) * 3 + x) * 3;
      EXPECT_EQ(bmp.rgb[at], x * 40);
      EXPECT_EQ(bmp.rgb[at + 1], y * 60);
      EXPECT_EQ(bmp.rgb[at + 2], y % 2 == 0 ? 255 : 0);
    }
  }
}

TEST(BmpWriter, OutOfRangeValuesAreClampedAndLevelsRounded) {
  tools::Image image = tools::makeImage(2, 1, tools::Colour{0, 0, 0});
  tools::pixelAt(image, 0, 0) = {1.7f, -0.4f, 0.5f};
  tools::pixelAt(image, 1, 0) = {0.2f / 255.0f, 0.6f / 255.0f, 254.4f / 255.0f};
  const std::vector<std::uint8_t> bytes = tools::encodeBmp24(image, false);
  EXPECT_EQ(bytes[56], 255);  // red
  EXPECT_EQ(bytes[55], 0);    // green
  EXPECT_EQ(bytes[54], 128);  // blue: 127.5 rounds up
  EXPECT_EQ(bytes[59], 0);
  EXPECT_EQ(bytes[58], 1);
  EXPECT_EQ(bytes[57], 254);
}

TEST(BmpWriter, DitherStaysWithinOneLevelAndKeepsTheMean) {
  const float value = 100.3f / 255.0f;
  const std::vector<std::uint8_t> bytes =
      tools::encodeBmp24(tools::makeImage(16, 16, tools::Colour{value, value, value}), true);
  double sum = 0.0;
  for (std::size_t i = 54; i < bytes.size(); ++i) {
    EXPECT_TRUE(bytes[i] == 100 || bytes[i] == 101) << static_cast<int>(bytes[i]);
    sum += bytes[i];
  }
  EXPECT_NEAR(sum / static_cast<double>(bytes.size() - 54), 100.3, 0.05);
}

TEST(BmpWriter, WriteFailsWhenTheFileCannotBeCreated) {
  EXPECT_FALSE(tools::writeBmp24("/nonexistent-dir/x.bmp", gradientPicture(2, 2), false));
  const std::string path = tempPath("ok.bmp");
  ASSERT_TRUE(tools::writeBmp24(path, gradientPicture(5, 3), false));
  EXPECT_EQ(readFileBytes(path), tools::encodeBmp24(gradientPicture(5, 3), false));
  std::remove(path.c_str());
}

TEST(BmpWriterImageMagick, ReadsTheSamePixelsWeMeant) {
  std::string ignored;
  if (!runCommand("command -v convert >/dev/null 2>&1", ignored))
    GTEST_SKIP() << "ImageMagick is not installed";
  const std::string path = tempPath("im.bmp");
  const tools::Image image = gradientPicture(5, 3);
  ASSERT_TRUE(tools::writeBmp24(path, image, false));

  std::string identify;
  ASSERT_TRUE(runCommand("identify -format '%m %w %h %z' " + path, identify));
  EXPECT_EQ(identify, "BMP3 5 3 8");  // BMP3: the 40-byte information header

  std::string text;
  ASSERT_TRUE(runCommand("convert " + path + " -depth 8 txt:-", text));
  std::remove(path.c_str());
  // Lines look like "x,y: (r,g,b)  #RRGGBB  srgb(...)".
  std::istringstream lines(text);
  std::string line;
  int seen = 0;
  while (std::getline(lines, line)) {
    if (line.empty() || line[0] == '#') continue;
    int x = -1, y = -1;
    unsigned r = 0, g = 0, b = 0;
    const std::size_t hash = line.find('#');
    ASSERT_NE(hash, std::string::npos) << line;
    ASSERT_EQ(std::sscanf(line.c_str(), "%d,%d:", &x, &y), 2) << line;
    ASSERT_EQ(std::sscanf(line.c_str() + hash, "#%2x%2x%2x", &r, &g, &b), 3) << line;
    EXPECT_EQ(r, static_cast<unsigned>(x * 40)) << line;
    EXPECT_EQ(g, static_cast<unsigned>(y * 60)) << line;
    EXPECT_EQ(b, y % 2 == 0 ? 255u : 0u) << line;
    ++seen;
  }
  EXPECT_EQ(seen, 15);
}

}  // namespace
