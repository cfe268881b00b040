// PPM reading and the pixel measures of the test kit, on pictures made here
// byte by byte.
#include "support/rgb_image.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string ppm(const std::string& header, const std::vector<int>& samples, bool wide = false) {
  std::string data = header;
  for (int s : samples) {
    if (wide) data.push_back(static_cast<char>(s >> 8));
    data.push_back(static_cast<char>(s & 0xff));
  }
  return data;
}

// A width x height picture of one colour.
xtest::RgbImage filled(int width, int height, xtest::Rgb colour) {
  xtest::RgbImage image;
  image.width = width;
  image.height = height;
  for (int i = 0; i < width * height; ++i) {
    image.bytes.push_back(static_cast<std::uint8_t>(colour.r));
    image.bytes.push_back(static_cast<std::uint8_t>(colour.g));
    image.bytes.push_back(static_cast<std::uint8_t>(colour.b));
  }
  return image;
}

void setPixel(xtest::RgbImage* image, int x, int y, xtest::Rgb c) {
  const std::size_t i = (static_cast<std::size_t>(y) * image->width + x) * 3;
  image->bytes[i] = static_cast<std::uint8_t>(c.r);
  image->bytes[i + 1] = static_cast<std::uint8_t>(c.g);
  image->bytes[i + 2] = static_cast<std::uint8_t>(c.b);
}

void expectPixel(const xtest::RgbImage& image, int x, int y, int r, int g, int b) {
  const xtest::Rgb c = xtest::pixelAt(image, x, y);
  EXPECT_EQ(c.r, r) << "at " << x << "," << y;
  EXPECT_EQ(c.g, g) << "at " << x << "," << y;
  EXPECT_EQ(c.b, b) << "at " << x << "," << y;
}

TEST(PpmParsing, ReadsRowsInOrderPastCommentsAndScalesSmallMaxvals) {
  xtest::RgbImage image;
  std::string why;
  ASSERT_TRUE(xtest::parsePpm(
      ppm("P6\n# written by hand\n2 # width\n2\n255\n", {1, 2, 3, 4, 5, 6, 7, 8, 9, 250, 251, 252}),
      &image, &why))
      << why;
  EXPECT_EQ(image.width, 2);
  EXPECT_EQ(image.height, 2);
  expectPixel(image, 0, 0, 1, 2, 3);
  expectPixel(image, 1, 0, 4, 5, 6);
  expectPixel(image, 0, 1, 7, 8, 9);
  expectPixel(image, 1, 1, 250, 251, 252);

  // Samples of 0..15 stretched to 0..255; the data byte 10 ('\n') right
  // after the header is a sample, not more whitespace.
  ASSERT_TRUE(xtest::parsePpm(ppm("P6 1 1 15\n", {10, 15, 0}), &image, &why)) << why;
  expectPixel(image, 0, 0, 170, 255, 0);
}

TEST(PpmParsing, WideSamplesAreBigEndianAndScaledToEightBits) {
  xtest::RgbImage image;
  std::string why;
  const std::vector<int> samples = {0xffff, 0x8080, 0x0000, 0x00ff, 0x7fff, 0x0101};
  ASSERT_TRUE(xtest::parsePpm(ppm("P6\n2 1\n65535\n", samples, true), &image, &why)) << why;
  expectPixel(image, 0, 0, 255, 128, 0);
  expectPixel(image, 1, 0, 1, 127, 1);
}

TEST(PpmParsing, RejectsWhatIsNotAWholeP6) {
  const std::vector<int> onePixel = {1, 2, 3};
  const std::vector<std::pair<std::string, std::string>> bad = {
      {"", "empty"},
      {ppm("P3\n1 1\n255\n", onePixel), "ASCII PPM"},
      {ppm("P5\n1 1\n255\n", {1}), "grey PGM"},
      {"P6\n1 1\n", "no maxval"},
      {"P6\n1 1\n255", "nothing after maxval"},
      {ppm("P6\n0 1\n255\n", onePixel), "zero width"},
      {ppm("P6\n1 0\n255\n", onePixel), "zero height"},
      {ppm("P6\n-1 1\n255\n", onePixel), "negative width"},
      {ppm("P6\n1 1\n0\n", onePixel), "maxval 0"},
      {ppm("P6\n1 1\n65536\n", {1, 2, 3, 4, 5, 6}), "maxval past 16 bits"},
      {ppm("P6\n99999999999 1\n255\n", onePixel), "absurd width"},
      {ppm("P6\n2 1\n255\n", {1, 2, 3, 4, 5}), "one byte short"},
      {ppm("P6\n1 1\n65535\n", {1, 2, 3}), "wide samples given narrow"},
      {ppm("P6\n1 1\n255x", onePixel), "no whitespace before the samples"},
  };
  for (const auto& [data, what] : bad) {
    xtest::RgbImage image;
    std::string why;
    EXPECT_FALSE(xtest::parsePpm(data, &image, &why)) << what;
    EXPECT_FALSE(why.empty()) << what;
  }
}

TEST(PixelMeasures, CountOnlyTheRectanglesPartInsideTheImage) {
  xtest::RgbImage image = filled(4, 3, {0, 0, 0});
  setPixel(&image, 0, 0, {255, 255, 255});
  setPixel(&image, 3, 2, {240, 250, 235});
  setPixel(&image, 1, 1, {255, 255, 200});  // too yellow to pass for white

  EXPECT_EQ(xtest::countPixels(image, {0, 0, 4, 3}, xtest::nearWhite), 2);
  EXPECT_EQ(xtest::countPixels(image, {1, 0, 3, 3}, xtest::nearWhite), 1);
  EXPECT_EQ(xtest::countPixels(image, {-5, -5, 6, 6}, xtest::nearWhite), 1);
  EXPECT_EQ(xtest::countPixels(image, {3, 2, 100, 100}, xtest::nearWhite), 1);
  EXPECT_EQ(xtest::countPixels(image, {4, 0, 2, 2}, xtest::nearWhite), 0);
  EXPECT_EQ(xtest::countPixels(image, {0, 0, -2, 3}, xtest::nearWhite), 0);
  EXPECT_EQ(xtest::countPixels(image, {0, 0, 4, 3},
                               [](xtest::Rgb c) { return c.r == 0 && c.g == 0 && c.b == 0; }),
            9);
}

TEST(PixelMeasures, MeanColourOfTheClippedRectangle) {
  xtest::RgbImage image = filled(3, 2, {10, 20, 30});
  setPixel(&image, 2, 1, {250, 0, 130});
  const xtest::MeanColour all = xtest::meanColour(image, {0, 0, 3, 2});
  EXPECT_DOUBLE_EQ(all.r, (5 * 10 + 250) / 6.0);
  EXPECT_DOUBLE_EQ(all.g, (5 * 20 + 0) / 6.0);
  EXPECT_DOUBLE_EQ(all.b, (5 * 30 + 130) / 6.0);

  const xtest::MeanColour corner = xtest::meanColour(image, {2, 1, 10, 10});
  EXPECT_DOUBLE_EQ(corner.r, 250);
  EXPECT_DOUBLE_EQ(corner.g, 0);
  EXPECT_DOUBLE_EQ(corner.b, 130);

  const xtest::MeanColour outside = xtest::meanColour(image, {3, 0, 2, 2});
  EXPECT_DOUBLE_EQ(outside.r + outside.g + outside.b, 0);
}

TEST(PixelMeasures, DifferingFractionHonoursTheToleranceOnEveryChannel) {
  const xtest::RgbImage a = filled(4, 5, {100, 100, 100});
  xtest::RgbImage b = a;
  EXPECT_DOUBLE_EQ(xtest::differingFraction(a, b, 0), 0.0);

  setPixel(&b, 3, 4, {100, 100, 110});
  setPixel(&b, 0, 0, {95, 100, 100});
  EXPECT_DOUBLE_EQ(xtest::differingFraction(a, b, 0), 2 / 20.0);
  EXPECT_DOUBLE_EQ(xtest::differingFraction(a, b, 5), 1 / 20.0);
  EXPECT_DOUBLE_EQ(xtest::differingFraction(a, b, 10), 0.0);
  EXPECT_DOUBLE_EQ(xtest::differingFraction(b, a, 5), 1 / 20.0);

  EXPECT_DOUBLE_EQ(xtest::differingFraction(a, filled(5, 4, {100, 100, 100}), 255), 1.0);
}

}  // namespace
