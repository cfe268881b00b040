// The cases of the BMP format where a decoder most easily goes wrong: row
// padding, colour-table lengths, stored pixel offsets and refused headers.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "bmp_builder.h"
#include "render/dib_image.h"
#include "render/dib_loader.h"

namespace {

using bmptest::BmpFormat;
using bmptest::Rgb;
using render::DibHeader;
using render::DibStatus;

render::RgbImage decodeOk(const std::vector<std::uint8_t>& file) {
  render::RgbImage image;
  const DibStatus status = render::decodeDib(file.data(), file.size(), &image);
  EXPECT_EQ(status, DibStatus::Ok) << render::dibStatusText(status);
  return image;
}

std::vector<std::uint8_t> pixelsOf(const render::RgbImage& image) {
  if (!image.pixels) return {};
  return {image.pixels.get(), image.pixels.get() + image.width * image.height * 3};
}

TEST(DibEdgeCases, WidthThreeDropsTheRowPadding) {
  BmpFormat format;
  // Bottom row then top row, 9 data bytes and 3 padding bytes each (b, g, r).
  const std::vector<std::uint8_t> rows = {
      1,  2,  3,  4,  5,  6,  7,  8,  9,  0xEE, 0xEE, 0xEE,
      11, 12, 13, 14, 15, 16, 17, 18, 19, 0xEE, 0xEE, 0xEE,
  };
  const render::RgbImage image = decodeOk(bmptest::buildBmp(format, rows, 3, 2));
  EXPECT_EQ(pixelsOf(image), (std::vector<std::uint8_t>{3, 2, 1, 6, 5, 4, 9, 8, 7, 13, 12, 11, 16,
                                                        15, 14, 19, 18, 17}));
}

TEST(DibEdgeCases, OneBitWithColoursUsedZeroReadsTwoEntries) {
  BmpFormat format;
  format.bitCount = 1;
  format.clrUsed = 0;
  format.palette = {{10, 20, 30}, {200, 210, 220}};
  const std::vector<std::uint8_t> row = {0xA0, 0, 0, 0};  // 1 0 1 0
  const render::RgbImage image = decodeOk(bmptest::buildBmp(format, row, 4, 1));
  EXPECT_EQ(pixelsOf(image),
            (std::vector<std::uint8_t>{200, 210, 220, 10, 20, 30, 200, 210, 220, 10, 20, 30}));
}

TEST(DibEdgeCases, ColoursUsedTwentyWithoutFileHeader) {
  BmpFormat format;
  format.fileHeader = false;
  format.bitCount = 8;
  format.clrUsed = 20;
  for (int i = 0; i < 20; ++i) {
    format.palette.push_back(
        Rgb{static_cast<std::uint8_t>(i * 10), 7, static_cast<std::uint8_t>(255 - i)});
  }
  const std::vector<std::uint8_t> row = {19, 0, 7, 0};
  const std::vector<std::uint8_t> file = bmptest::buildBmp(format, row, 3, 1);
  ASSERT_EQ(file.size(), 40u + 80u + 4u);  // the pixels follow 20 four-byte entries
  const render::RgbImage image = decodeOk(file);
  EXPECT_EQ(pixelsOf(image), (std::vector<std::uint8_t>{190, 7, 236, 0, 7, 255, 70, 7, 248}));
}

TEST(DibEdgeCases, StoredOffsetWithAGapAfterTheTable) {
  BmpFormat format;
  format.bitCount = 8;
  format.palette = {{0, 0, 0}, {255, 255, 255}};
  format.clrUsed = 2;
  format.gapAfterTable = 6;  // filled with 0xAB, which would be a bad index
  const std::vector<std::uint8_t> row = {1, 0, 1, 0};
  const render::RgbImage image = decodeOk(bmptest::buildBmp(format, row, 4, 1));
  EXPECT_EQ(pixelsOf(image),
            (std::vector<std::uint8_t>{255, 255, 255, 0, 0, 0, 255, 255, 255, 0, 0, 0}));
}

TEST(DibEdgeCases, StoredOffsetIsFollowedEvenWhenTheTableIsShorter) {
  // The offset skips an unused table entry: pixels must come from the offset.
  BmpFormat format;
  format.bitCount = 8;
  format.palette = {{9, 9, 9}, {1, 2, 3}, {40, 50, 60}};
  format.clrUsed = 2;  // the third entry is not part of the table
  const std::vector<std::uint8_t> row = {1, 0, 0, 0};
  const render::RgbImage image = decodeOk(bmptest::buildBmp(format, row, 1, 1));
  EXPECT_EQ(pixelsOf(image), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST(DibEdgeCases, NewerHeaderSizesAreRefused) {
  for (std::uint32_t size : {108u, 124u, 64u, 16u}) {
    BmpFormat format;
    format.headerSize = size;
    const std::vector<std::uint8_t> rows(4 * 2, 0);
    const std::vector<std::uint8_t> file = bmptest::buildBmp(format, rows, 1, 2);
    render::RgbImage image;
    EXPECT_EQ(render::decodeDib(file.data(), file.size(), &image), DibStatus::UnknownFormat)
        << size;
    EXPECT_FALSE(image.pixels);
  }
}

TEST(DibEdgeCases, RefusedHeaderShowsTheBoxWithTheMessage) {
  BmpFormat format;
  format.headerSize = 124;
  const std::vector<std::uint8_t> file =
      bmptest::buildBmp(format, std::vector<std::uint8_t>(4, 0), 1, 1);
  char path[] = "/tmp/velmora_dib_XXXXXX";
  const int fd = mkstemp(path);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(write(fd, file.data(), file.size()), static_cast<ssize_t>(file.size()));
  close(fd);
  unsetenv("DISPLAY");  // the box then speaks on stderr
  testing::internal::CaptureStderr();
  const auto image = render::loadDibImage(path);
  const std::string said = testing::internal::GetCapturedStderr();
  unlink(path);
  EXPECT_FALSE(image.has_value());
  EXPECT_EQ(said, "Error: Unknown DIB file format.\n");
}

TEST(DibDeclaredHeader, GivesTheSizeAHeaderDeclaresWithoutDecoding) {
  BmpFormat format;
  format.compression = render::kDibRle8;
  format.bitCount = 8;
  format.topDown = true;
  // Nothing but the headers: the declared size still reads.
  render::DibHeader header;
  const std::vector<std::uint8_t> lying = bmptest::buildBmp(format, {}, 4096, 4096);
  ASSERT_TRUE(render::dibDeclaredHeader(lying.data(), lying.size(), &header));
  EXPECT_EQ(header.width, 4096);
  EXPECT_EQ(header.height, -4096);
  EXPECT_EQ(header.compression, render::kDibRle8);

  BmpFormat core;
  core.headerSize = 12;
  core.fileHeader = false;
  const std::vector<std::uint8_t> shortHeader = bmptest::buildBmp(core, {}, 300, 200);
  ASSERT_TRUE(render::dibDeclaredHeader(shortHeader.data(), shortHeader.size(), &header));
  EXPECT_EQ(header.size, 12u);
  EXPECT_EQ(header.width, 300);
  EXPECT_EQ(header.height, 200);

  BmpFormat newer;
  newer.headerSize = 124;
  const std::vector<std::uint8_t> refused = bmptest::buildBmp(newer, {}, 1, 1);
  EXPECT_FALSE(render::dibDeclaredHeader(refused.data(), refused.size(), &header));
  EXPECT_FALSE(render::dibDeclaredHeader(lying.data(), 20, &header));  // header cut short
  EXPECT_FALSE(render::dibDeclaredHeader(nullptr, 0, &header));
}

TEST(DibColourCount, ShortHeaderCountsByDepthOnly) {
  DibHeader h;
  h.size = 12;
  h.clrUsed = 5;  // a short header has no such field; it must not count
  const int expected[][2] = {{1, 2}, {4, 16}, {8, 256}, {16, 0}, {24, 0}, {32, 0}};
  for (const auto& [bits, count] : expected) {
    h.bitCount = static_cast<std::uint16_t>(bits);
    EXPECT_EQ(render::dibColourCount(h), count) << bits;
  }
}

TEST(DibColourCount, InformationHeaderTakesColoursUsedAsSixteenBits) {
  DibHeader h;
  h.size = 40;
  h.bitCount = 8;
  EXPECT_EQ(render::dibColourCount(h), 256);
  h.clrUsed = 20;
  EXPECT_EQ(render::dibColourCount(h), 20);
  h.bitCount = 24;  // a direct layout may still carry a table
  EXPECT_EQ(render::dibColourCount(h), 20);
  h.clrUsed = 0x10005;
  EXPECT_EQ(render::dibColourCount(h), 5);
  h.clrUsed = 0;
  EXPECT_EQ(render::dibColourCount(h), 0);
}

}  // namespace
