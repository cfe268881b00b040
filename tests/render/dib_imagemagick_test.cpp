// BMP files written by an independent writer, ImageMagick, from pictures the
// test describes: short (BMP2) and information (BMP3) headers in several
// depths, decoded pixel for pixel.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "bmp_builder.h"
#include "render/dib_image.h"

namespace {

namespace fs = std::filesystem;
using bmptest::Picture;
using bmptest::Rgb;

const char* convertProgram() {
  return access("/usr/bin/convert", X_OK) == 0 ? "/usr/bin/convert" : "convert";
}

class ImageMagickFiles : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/velmora_im_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Writes the picture as a PPM, has convert turn it into `format`:out.bmp
  // with the given options, and returns the BMP's bytes.
  std::vector<std::uint8_t> convert(const Picture& p, const std::string& options,
                                    const std::string& format) {
    const fs::path ppm = dir_ / "in.ppm";
    const fs::path bmp = dir_ / "out.bmp";
    {
      std::ofstream out(ppm, std::ios::binary);
      out << "P6\n" << p.width << " " << p.height << "\n255\n";
      for (const Rgb& c : p.pixels) out << c.r << c.g << c.b;
    }
    const std::string command = std::string(convertProgram()) + " " + ppm.string() + " " + options +
                                " " + format + ":" + bmp.string() + " 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream in(bmp, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  // Checks that the writer chose the layout the test means to cover, then
  // that the decoder gives back the picture.
  void expectDecodes(const Picture& p, const std::string& options, const std::string& format,
                     std::uint32_t headerSize, int bitCount, std::uint32_t compression) {
    const std::vector<std::uint8_t> file = convert(p, options, format);
    ASSERT_GT(file.size(), 30u);
    ASSERT_EQ(file[14], headerSize);
    const int bitsAt = headerSize == 12 ? 24 : 28;
    ASSERT_EQ(file[bitsAt] | (file[bitsAt + 1] << 8), bitCount);
    if (headerSize == 40) {
      ASSERT_EQ(file[30], compression);
    }
    render::RgbImage image;
    ASSERT_EQ(render::decodeDib(file.data(), file.size(), &image), render::DibStatus::Ok);
    ASSERT_EQ(image.width, p.width);
    ASSERT_EQ(image.height, p.height);
    EXPECT_EQ(
        std::vector<std::uint8_t>(image.pixels.get(), image.pixels.get() + p.width * p.height * 3),
        bmptest::expectedRgb(p));
  }

  fs::path dir_;
};

// 37 x 11: every pixel its own colour, and a width whose rows need padding.
Picture gradient() {
  Picture p;
  p.width = 37;
  p.height = 11;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      p.pixels.push_back(Rgb{static_cast<std::uint8_t>(x * 7), static_cast<std::uint8_t>(y * 23),
                             static_cast<std::uint8_t>((x * y * 5) & 0xFF)});
    }
  }
  return p;
}

// n distinct colours on a w x h picture, each pixel (x + 3y) mod n.
Picture fewColours(int width, int height, int n) {
  Picture p;
  p.width = width;
  p.height = height;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int k = (x + 3 * y) % n;
      p.pixels.push_back(Rgb{static_cast<std::uint8_t>(255 - 9 * k),
                             static_cast<std::uint8_t>(40 + 7 * k),
                             static_cast<std::uint8_t>((k * 53) & 0xFF)});
    }
  }
  return p;
}

Picture blackAndWhite() {
  return bmptest::pictureFromRows(
      {"KWWKKKWKWKWWK", "WKKWWWKWKWKKW", "KKKKWWWWKKKKW", "WWWWWWWWWWWWK"},
      {{'K', Rgb{0, 0, 0}}, {'W', Rgb{255, 255, 255}}});
}

TEST_F(ImageMagickFiles, InformationHeaderTwentyFourBits) {
  expectDecodes(gradient(), "-type TrueColor -compress None", "BMP3", 40, 24, 0);
}

TEST_F(ImageMagickFiles, InformationHeaderThirtyTwoBits) {
  expectDecodes(gradient(), "-alpha on -define bmp3:alpha=true", "BMP3", 40, 32, 0);
}

TEST_F(ImageMagickFiles, InformationHeaderEightBitPalette) {
  expectDecodes(fewColours(23, 9, 40), "-type Palette -compress None", "BMP3", 40, 8, 0);
}

TEST_F(ImageMagickFiles, InformationHeaderFourBitPalette) {
  expectDecodes(fewColours(19, 7, 9), "-type Palette -compress None", "BMP3", 40, 4, 0);
}

TEST_F(ImageMagickFiles, InformationHeaderOneBit) {
  expectDecodes(blackAndWhite(), "-type Bilevel -compress None", "BMP3", 40, 1, 0);
}

TEST_F(ImageMagickFiles, InformationHeaderRunLengthEightBit) {
  expectDecodes(fewColours(29, 8, 40), "-type Palette -compress RLE", "BMP3", 40, 8,
                render::kDibRle8);
}

TEST_F(ImageMagickFiles, ShortHeaderTwentyFourBits) {
  expectDecodes(gradient(), "-type TrueColor", "BMP2", 12, 24, 0);
}

TEST_F(ImageMagickFiles, ShortHeaderEightBitPalette) {
  expectDecodes(fewColours(23, 9, 40), "-type Palette", "BMP2", 12, 8, 0);
}

TEST_F(ImageMagickFiles, ShortHeaderFourBitPalette) {
  expectDecodes(fewColours(19, 7, 9), "-type Palette", "BMP2", 12, 4, 0);
}

TEST_F(ImageMagickFiles, ShortHeaderOneBit) {
  expectDecodes(blackAndWhite(), "-type Bilevel", "BMP2", 12, 1, 0);
}

}  // namespace
