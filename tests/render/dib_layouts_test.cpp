// Every pixel layout the decoder reads, from files the tests write themselves:
// each must come back as the described picture, pixel for pixel.
#include <gtest/gtest.h>

#include "bmp_builder.h"
#include "render/dib_image.h"

namespace {

using bmptest::BmpFormat;
using bmptest::Picture;
using bmptest::Rgb;
using render::DibStatus;

const Rgb kRed{255, 0, 0};
const Rgb kGreen{0, 255, 0};
const Rgb kBlue{0, 0, 255};
const Rgb kWhite{255, 255, 255};
const Rgb kBlack{0, 0, 0};
const Rgb kOrange{250, 130, 10};
const Rgb kTeal{16, 128, 120};

// 5 x 3, every pixel different along a row, rows told apart too.
Picture colourPicture() {
  return bmptest::pictureFromRows({"RGBWK", "OTRGB", "KWOTR"}, {{'R', kRed},
                                                                {'G', kGreen},
                                                                {'B', kBlue},
                                                                {'W', kWhite},
                                                                {'K', kBlack},
                                                                {'O', kOrange},
                                                                {'T', kTeal}});
}

std::vector<std::uint8_t> decode(const std::vector<std::uint8_t>& file, int* width, int* height) {
  render::RgbImage image;
  const DibStatus status = render::decodeDib(file.data(), file.size(), &image);
  EXPECT_EQ(status, DibStatus::Ok) << render::dibStatusText(status);
  if (status != DibStatus::Ok) return {};
  *width = image.width;
  *height = image.height;
  return {image.pixels.get(), image.pixels.get() + image.width * image.height * 3};
}

void expectRoundTrip(const BmpFormat& format, const Picture& picture) {
  int width = 0;
  int height = 0;
  const auto pixels = decode(bmptest::encodeBmp(format, picture), &width, &height);
  EXPECT_EQ(width, picture.width);
  EXPECT_EQ(height, picture.height);
  EXPECT_EQ(pixels, bmptest::expectedRgb(picture));
}

BmpFormat palettedFormat(std::uint16_t bits, std::uint32_t headerSize, std::vector<Rgb> palette) {
  BmpFormat format;
  format.headerSize = headerSize;
  format.bitCount = bits;
  format.palette = std::move(palette);
  // A short header's table is as long as the depth says; pad it out.
  const std::size_t full = std::size_t{1} << bits;
  if (headerSize == 12)
    format.palette.resize(full, Rgb{1, 2, 3});
  else
    format.clrUsed = static_cast<std::uint32_t>(format.palette.size());
  return format;
}

const std::vector<Rgb> kSevenColours = {kRed, kGreen, kBlue, kWhite, kBlack, kOrange, kTeal};

TEST(DibDirectLayouts, TwentyFourAndThirtyTwoBitsEitherHeaderEitherRowOrder) {
  for (std::uint32_t headerSize : {40u, 12u}) {
    for (std::uint16_t bits : {24, 32}) {
      for (bool topDown : {false, true}) {
        if (headerSize == 12 && topDown) continue;  // a short header has no sign
        BmpFormat format;
        format.headerSize = headerSize;
        format.bitCount = bits;
        format.topDown = topDown;
        format.masks[0] = 0x00FF0000u, format.masks[1] = 0x0000FF00u, format.masks[2] = 0x000000FFu;
        SCOPED_TRACE(testing::Message() << headerSize << "/" << bits << "/" << topDown);
        expectRoundTrip(format, colourPicture());
      }
    }
  }
}

TEST(DibDirectLayouts, SixteenBitsFiveFiveFive) {
  // 5-bit channels widen by repeating their top bits: 31 -> 255, 16 -> 132.
  BmpFormat format;
  format.bitCount = 16;
  const std::vector<std::uint8_t> row = {
      0x00, 0x7C,  // x=0: red 31
      0xE0, 0x03,  // x=1: green 31
      0x10, 0x42,  // x=2: 16, 16, 16
      0x00, 0x00,  // padding to 4 bytes
  };
  int width = 0;
  int height = 0;
  const auto pixels = decode(bmptest::buildBmp(format, row, 3, 1), &width, &height);
  EXPECT_EQ(pixels, (std::vector<std::uint8_t>{255, 0, 0, 0, 255, 0, 132, 132, 132}));
}

TEST(DibDirectLayouts, BitfieldsFiveSixFive) {
  BmpFormat format;
  format.bitCount = 16;
  format.compression = render::kDibBitfields;
  format.writeMasks = true;
  format.masks[0] = 0xF800u;
  format.masks[1] = 0x07E0u;
  format.masks[2] = 0x001Fu;
  const std::vector<std::uint8_t> row = {
      0x00, 0xF8,  // red 31
      0xE0, 0x07,  // green 63
      0x1F, 0x00,  // blue 31
      0x20, 0x00,  // green 1 of 63: 1 -> 4
  };
  int width = 0;
  int height = 0;
  const auto pixels = decode(bmptest::buildBmp(format, row, 4, 1), &width, &height);
  EXPECT_EQ(pixels, (std::vector<std::uint8_t>{255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 4, 0}));
}

TEST(DibDirectLayouts, BitfieldsThirtyTwoInAnyByteOrder) {
  BmpFormat format;
  format.bitCount = 32;
  format.compression = render::kDibBitfields;
  format.writeMasks = true;
  format.masks[0] = 0x000000FFu;  // red in the lowest byte
  format.masks[1] = 0xFF000000u;  // green in the highest
  format.masks[2] = 0x0000FF00u;
  expectRoundTrip(format, colourPicture());
}

TEST(DibDirectLayouts, BitfieldsWiderThanEightBitsKeepTheirTopBits) {
  BmpFormat format;
  format.bitCount = 32;
  format.compression = render::kDibBitfields;
  format.writeMasks = true;
  format.masks[0] = 0x3FF00000u;
  format.masks[1] = 0x000FFC00u;
  format.masks[2] = 0x000003FFu;
  const std::uint32_t pixel = (1023u << 20) | (512u << 10) | 3u;
  const std::vector<std::uint8_t> row = {pixel & 0xFF, (pixel >> 8) & 0xFF, (pixel >> 16) & 0xFF,
                                         pixel >> 24};
  int width = 0;
  int height = 0;
  EXPECT_EQ(decode(bmptest::buildBmp(format, row, 1, 1), &width, &height),
            (std::vector<std::uint8_t>{255, 128, 0}));
}

TEST(DibPaletteLayouts, OneFourAndEightBitsWithThreeOrFourByteEntries) {
  const Picture twoColours =
      bmptest::pictureFromRows({"KWKWKWKWKW", "WWKKWWKKWW"}, {{'K', kTeal}, {'W', kOrange}});
  for (std::uint32_t headerSize : {40u, 12u}) {
    SCOPED_TRACE(headerSize);
    expectRoundTrip(palettedFormat(1, headerSize, {kTeal, kOrange}), twoColours);
    expectRoundTrip(palettedFormat(4, headerSize, kSevenColours), colourPicture());
    expectRoundTrip(palettedFormat(8, headerSize, kSevenColours), colourPicture());
  }
  BmpFormat topDown = palettedFormat(8, 40, kSevenColours);
  topDown.topDown = true;
  expectRoundTrip(topDown, colourPicture());
  BmpFormat headerOnly = palettedFormat(4, 40, kSevenColours);
  headerOnly.fileHeader = false;
  expectRoundTrip(headerOnly, colourPicture());
}

// Run-length files are written by hand so that each encoding feature shows.
BmpFormat rleFormat(std::uint32_t compression) {
  BmpFormat format = palettedFormat(compression == render::kDibRle8 ? 8 : 4, 40,
                                    {kBlack, kRed, kGreen, kBlue, kWhite});
  format.compression = compression;
  return format;
}

TEST(DibRunLengthLayouts, EightBitRunsAbsoluteDeltaAndEndOfLine) {
  const std::vector<std::uint8_t> data = {
      3, 1,           // bottom row: red red red
      0, 3, 2, 3, 4,  // absolute: green blue white
      0,              // absolute runs pad to 2 bytes
      0, 0,           // end of line
      0, 2, 2, 1,     // middle row: skip 2 right and 1 up (stays background)
      2, 3,           // top row from x=2: blue blue
      0, 1,           // end of bitmap (the rest stays background)
  };
  int width = 0;
  int height = 0;
  const auto pixels =
      decode(bmptest::buildBmp(rleFormat(render::kDibRle8), data, 6, 3), &width, &height);
  const Picture expected = bmptest::pictureFromRows(
      {"KKBBKK", "KKKKKK", "RRRGBW"},
      {{'K', kBlack}, {'R', kRed}, {'G', kGreen}, {'B', kBlue}, {'W', kWhite}});
  EXPECT_EQ(pixels, bmptest::expectedRgb(expected));
}

TEST(DibRunLengthLayouts, FourBitAlternatingRunsAndOddAbsolute) {
  const std::vector<std::uint8_t> data = {
      5,    0x12,           // red green red green red
      0,    0,              // end of line
      0,    3,              // absolute, 3 nibbles in 2 bytes (already even):
      0x34, 0x20,           // blue white green
      0,    5,              // absolute, 5 nibbles in 3 bytes padded to 4:
      0x11, 0x22, 0x40, 0,  // red red green green white
      0,    0,              // end of line
      0,    1,              // end of bitmap
  };
  int width = 0;
  int height = 0;
  const auto pixels =
      decode(bmptest::buildBmp(rleFormat(render::kDibRle4), data, 8, 2), &width, &height);
  const Picture expected = bmptest::pictureFromRows(
      {"BWGRRGGW", "RGRGRKKK"},
      {{'K', kBlack}, {'R', kRed}, {'G', kGreen}, {'B', kBlue}, {'W', kWhite}});
  EXPECT_EQ(pixels, bmptest::expectedRgb(expected));
}

TEST(DibRunLengthLayouts, RunsPastTheRowEndAreClipped) {
  const std::vector<std::uint8_t> data = {9, 1, 0, 0, 2, 2, 0, 1};
  int width = 0;
  int height = 0;
  const auto pixels =
      decode(bmptest::buildBmp(rleFormat(render::kDibRle8), data, 4, 2), &width, &height);
  const Picture expected =
      bmptest::pictureFromRows({"GGKK", "RRRR"}, {{'K', kBlack}, {'R', kRed}, {'G', kGreen}});
  EXPECT_EQ(pixels, bmptest::expectedRgb(expected));
}

}  // namespace
