// Damaged, truncated and lying BMP files: each must be refused with the right
// message and no picture, never read outside the data (the same tests run
// under AddressSanitizer).
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <string>

#include "bmp_builder.h"
#include "render/dib_image.h"
#include "render/dib_loader.h"

namespace {

using bmptest::BmpFormat;
using bmptest::Rgb;
using render::DibStatus;

DibStatus decodeStatus(const std::vector<std::uint8_t>& file, render::RgbImage* image) {
  return render::decodeDib(file.data(), file.size(), image);
}

DibStatus decodeStatus(const std::vector<std::uint8_t>& file) {
  render::RgbImage image;
  const DibStatus status = decodeStatus(file, &image);
  EXPECT_EQ(static_cast<bool>(image.pixels), status == DibStatus::Ok);
  return status;
}

// The small files below, each with a format a test may change, and the
// width and height written into the header whatever the data holds.
std::vector<std::uint8_t> small24(const BmpFormat& format = {}, int width = 3, int height = 2) {
  return bmptest::buildBmp(format, std::vector<std::uint8_t>(2 * 12, 0x40), width, height);
}

BmpFormat format8() {
  BmpFormat format;
  format.bitCount = 8;
  format.palette = {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}};
  format.clrUsed = 3;
  return format;
}

std::vector<std::uint8_t> small8(const BmpFormat& format = format8(),
                                 std::vector<std::uint8_t> pixels = {0, 1, 2, 0, 2, 1, 0, 0}) {
  return bmptest::buildBmp(format, pixels, 3, 2);
}

BmpFormat formatRle8() {
  BmpFormat format;
  format.bitCount = 8;
  format.compression = render::kDibRle8;
  format.palette = {{1, 1, 1}, {2, 2, 2}};
  format.clrUsed = 2;
  return format;
}

// Bottom row: two of index 1 (the run's colour at [1]); top row: two of
// index 0; end of bitmap.
const std::vector<std::uint8_t> kRle8Runs = {2, 1, 0, 0, 2, 0, 0, 0, 0, 1};

std::vector<std::uint8_t> smallRle8(const BmpFormat& format = formatRle8(),
                                    std::vector<std::uint8_t> runs = kRle8Runs, int width = 2,
                                    int height = 2) {
  return bmptest::buildBmp(format, runs, width, height);
}

TEST(DibTruncation, EveryShorterLengthIsAConversionError) {
  for (const auto& full : {small24(), small8()}) {
    ASSERT_EQ(decodeStatus(full), DibStatus::Ok);
    for (std::size_t length = 0; length < full.size(); ++length) {
      const std::vector<std::uint8_t> cut(full.begin(), full.begin() + length);
      EXPECT_EQ(decodeStatus(cut), DibStatus::ConversionError) << "length " << length;
    }
  }
}

TEST(DibTruncation, RunLengthDataCutShortNeverGivesAWrongPicture) {
  const std::vector<std::uint8_t> full = smallRle8();
  render::RgbImage whole;
  ASSERT_EQ(decodeStatus(full, &whole), DibStatus::Ok);
  const std::vector<std::uint8_t> expected(whole.pixels.get(), whole.pixels.get() + 12);
  for (std::size_t length = 0; length < full.size(); ++length) {
    const std::vector<std::uint8_t> cut(full.begin(), full.begin() + length);
    render::RgbImage image;
    const DibStatus status = decodeStatus(cut, &image);
    // Only the end-of-bitmap mark after the last row's end of line may go.
    if (length >= full.size() - 2) {
      ASSERT_EQ(status, DibStatus::Ok) << "length " << length;
      EXPECT_EQ(std::vector<std::uint8_t>(image.pixels.get(), image.pixels.get() + 12), expected);
    } else {
      EXPECT_EQ(status, DibStatus::ConversionError) << "length " << length;
    }
  }
}

TEST(DibLyingHeaders, ZeroOrNegativeDimensions) {
  for (auto [width, height] : {std::pair{0, 2}, {3, 0}, {-3, 2}, {INT_MIN, 2}}) {
    EXPECT_EQ(decodeStatus(small24({}, width, height)), DibStatus::ConversionError)
        << width << " x " << height;
  }
}

TEST(DibLyingHeaders, DimensionsWhoseRowsAreNotThere) {
  for (auto [width, height] : {std::pair{3, 3},
                               {5, 2},
                               {INT_MAX, 2},
                               {3, INT_MAX},
                               {3, INT_MIN},
                               {INT_MAX, INT_MIN},
                               {65536, 65536}}) {
    EXPECT_EQ(decodeStatus(small24({}, width, height)), DibStatus::ConversionError)
        << width << " x " << height;
  }
}

TEST(DibLyingHeaders, AbsurdSizeWithTheDataPresentIsOutOfMemory) {
  BmpFormat format;
  format.bitCount = 1;
  format.palette = {{0, 0, 0}, {255, 255, 255}};
  const int width = static_cast<int>(render::kDibMaxSide) + 1;
  const std::vector<std::uint8_t> row((width + 31) / 32 * 4, 0);
  EXPECT_EQ(decodeStatus(bmptest::buildBmp(format, row, width, 1)), DibStatus::OutOfMemory);
}

TEST(DibLyingHeaders, RunLengthPictureTooLargeToHoldIsOutOfMemory) {
  EXPECT_EQ(decodeStatus(smallRle8(formatRle8(), kRle8Runs, 16384, 16384)), DibStatus::OutOfMemory);
}

TEST(DibLyingHeaders, PixelOffsetPastTheEndOrInsideTheHeaders) {
  const std::vector<std::uint8_t> good = small24();
  for (std::uint32_t offset : {static_cast<std::uint32_t>(good.size()) + 1, 0xFFFFFFFFu, 0u, 20u,
                               static_cast<std::uint32_t>(good.size()) - 23}) {  // one byte short
    BmpFormat format;
    format.pixelOffset = offset;
    EXPECT_EQ(decodeStatus(small24(format)), DibStatus::ConversionError) << offset;
  }
}

TEST(DibLyingHeaders, ColourTableRunningPastTheEnd) {
  BmpFormat format = format8();
  format.clrUsed = 0xFFFF;
  EXPECT_EQ(decodeStatus(small8(format)), DibStatus::ConversionError);
}

TEST(DibLyingHeaders, LayoutsThatDoNotExist) {
  struct Case {
    std::uint16_t bits;
    std::uint32_t compression;
  };
  for (const Case c :
       {Case{24, render::kDibRle8}, Case{8, render::kDibRle4}, Case{8, render::kDibBitfields},
        Case{24, 4}, Case{24, 5}, Case{2, 0}, Case{0, 0}, Case{48, 0}}) {
    BmpFormat format;
    format.bitCount = c.bits;
    format.compression = c.compression;
    EXPECT_EQ(decodeStatus(small24(format)), DibStatus::ConversionError)
        << c.bits << "/" << c.compression;
  }
}

TEST(DibLyingHeaders, TopDownRunLengthIsRefused) {
  BmpFormat format = formatRle8();
  format.topDown = true;
  EXPECT_EQ(decodeStatus(smallRle8(format)), DibStatus::ConversionError);
}

TEST(DibLyingHeaders, MasksThatAreNotOneRunOfBits) {
  for (auto masks : {std::array<std::uint32_t, 3>{0xF0F0u, 0x0F00u, 0x000Fu},
                     std::array<std::uint32_t, 3>{0x1F0000u, 0x07E0u, 0x001Fu}}) {
    BmpFormat format;
    format.bitCount = 16;
    format.compression = render::kDibBitfields;
    format.writeMasks = true;
    std::copy(masks.begin(), masks.end(), format.masks);
    EXPECT_EQ(decodeStatus(bmptest::buildBmp(format, {0, 0, 0, 0}, 1, 1)),
              DibStatus::ConversionError);
  }
}

TEST(DibBadIndices, PaletteIndexBeyondTheTable) {
  // A table of 3 entries has no index 3.
  EXPECT_EQ(decodeStatus(small8(format8(), {0, 1, 3, 0, 2, 1, 0, 0})), DibStatus::ConversionError);

  BmpFormat format;
  format.bitCount = 1;
  format.palette = {{5, 5, 5}};
  format.clrUsed = 1;
  EXPECT_EQ(decodeStatus(bmptest::buildBmp(format, {0x40, 0, 0, 0}, 2, 1)),
            DibStatus::ConversionError);
  // Set bits beyond the width are padding, not pixels.
  EXPECT_EQ(decodeStatus(bmptest::buildBmp(format, {0x3F, 0xFF, 0, 0}, 2, 1)), DibStatus::Ok);
}

TEST(DibBadIndices, RunLengthIndexBeyondTheTable) {
  std::vector<std::uint8_t> runs = kRle8Runs;
  runs[1] = 7;  // the first run's colour
  EXPECT_EQ(decodeStatus(smallRle8(formatRle8(), runs)), DibStatus::ConversionError);
}

// ---- The loader around the decoder ------------------------------------------

std::string loaderMessage(const char* path) {
  unsetenv("DISPLAY");
  testing::internal::CaptureStderr();
  const auto image = render::loadDibImage(path);
  EXPECT_FALSE(image.has_value());
  return testing::internal::GetCapturedStderr();
}

TEST(DibLoader, FileThatCannotBeReadIsNamed) {
  EXPECT_EQ(loaderMessage("/nonexistent/Data/xpos.bmp"),
            "Error: Failed to open DIB file /nonexistent/Data/xpos.bmp.\n");
  EXPECT_EQ(loaderMessage("/tmp"), "Error: Failed to open DIB file /tmp.\n");
}

TEST(DibLoader, LongFileNameIsCutTo255Characters) {
  const std::string name = "/nonexistent/" + std::string(400, 'n') + ".bmp";
  const std::string shown = ("Failed to open DIB file " + name).substr(0, 255);
  EXPECT_EQ(loaderMessage(name.c_str()), "Error: " + shown + "\n");
}

TEST(DibLoader, GoodFileLoadsAndADamagedOneGivesItsReason) {
  char path[] = "/tmp/velmora_dib_XXXXXX";
  const int fd = mkstemp(path);
  ASSERT_GE(fd, 0);
  const std::vector<std::uint8_t> file = small8();
  ASSERT_EQ(write(fd, file.data(), file.size()), static_cast<ssize_t>(file.size()));
  const auto image = render::loadDibImage(path);
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(std::vector<std::uint8_t>(image->pixels.get(), image->pixels.get() + 18),
            (std::vector<std::uint8_t>{1, 1, 1, 2, 2, 2, 3, 3, 3, 3, 3, 3, 2, 2, 2, 1, 1, 1}));
  ASSERT_EQ(ftruncate(fd, 30), 0);
  close(fd);
  EXPECT_EQ(loaderMessage(path), "Error: Image file conversion error.\n");
  unlink(path);
}

}  // namespace
