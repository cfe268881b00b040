// The desktop icon as the build leaves it: every size a square RGBA PNG,
// read back through libpng, with see-through corners around an opaque tile
// that shows the red pyramid left of the blue sphere.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct Rgba {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;

  const std::uint8_t* at(int x, int y) const { return &pixels[(y * width + x) * 4]; }
};

bool readPng(const std::string& path, Rgba* image) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&png, path.c_str()) == 0) return false;
  png.format = PNG_FORMAT_RGBA;
  image->width = static_cast<int>(png.width);
  image->height = static_cast<int>(png.height);
  image->pixels.resize(PNG_IMAGE_SIZE(png));
  return png_image_finish_read(&png, nullptr, image->pixels.data(), 0, nullptr) != 0;
}

TEST(Icon, EverySizeIsSeeThroughAtTheCornersAndShowsAPyramidLeftOfASphere) {
  int sizes = 0;
  for (const auto& dir : std::filesystem::directory_iterator(VELMORA_TEST_ICON_DIR)) {
    const std::string size = dir.path().filename().string();
    SCOPED_TRACE(size);
    Rgba icon;
    ASSERT_TRUE(readPng((dir.path() / "apps" / "velmora.png").string(), &icon));
    ++sizes;
    EXPECT_EQ(std::to_string(icon.width) + "x" + std::to_string(icon.height), size);
    const int last = icon.width - 1;
    for (const auto& [x, y] : {std::pair{0, 0}, {last, 0}, {0, last}, {last, last}}) {
      EXPECT_EQ(icon.at(x, y)[3], 0) << x << "," << y;
    }
    EXPECT_EQ(icon.at(icon.width / 2, icon.height / 2)[3], 255);

    // Where the clearly red and the clearly blue pixels lie, on average.
    long long redX = 0, red = 0, blueX = 0, blue = 0;
    for (int y = 0; y < icon.height; ++y) {
      for (int x = 0; x < icon.width; ++x) {
        const std::uint8_t* p = icon.at(x, y);
        if (p[0] > p[1] + 60 && p[0] > p[2] + 60) {
          redX += x;
          ++red;
        }
        if (p[2] > p[0] + 60 && p[2] > p[1] + 40) {
          blueX += x;
          ++blue;
        }
      }
    }
    const long long area = static_cast<long long>(icon.width) * icon.height;
    EXPECT_GT(red, area / 20);
    EXPECT_GT(blue, area / 20);
    if (red > 0 && blue > 0) {
      EXPECT_LT(redX / red, blueX / blue);
    }
  }
  EXPECT_GE(sizes, 4);
}

}  // namespace
