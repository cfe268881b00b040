// The overlay's geometry on screen and the colour tests of the game's
// pictures.
#include "game/game_screen.h"

#include <algorithm>
#include <cmath>

namespace gametest {

namespace {

constexpr double kPi = 3.14159265358979;
const double kHalfHeight = 70 * std::tan(22.5 * kPi / 180);  // eye units at z = -70
const double kHalfWidth = kHalfHeight * 1024 / 768;
constexpr int kGlyphRows = 36;  // a line of text and its descenders: under 2.7 eye units

int screenX(float x) { return static_cast<int>(512 + x / kHalfWidth * 512); }
int screenY(float y) { return static_cast<int>(384 - y / kHalfHeight * 384); }

}  // namespace

xtest::PixelRect overlayBand(float x, float y, float right) {
  const int left = std::max(0, screenX(x) - 4);
  const int top = std::max(0, screenY(y) - 2);
  return {left, top, std::min(1024, screenX(right) + 4) - left, kGlyphRows};
}

xtest::PixelRect entryBand(int line) {
  const float ys[] = {26.6f, 23.6f, 17.6f, 11.6f};
  const float xs[] = {-32.8f, -32.8f, -26.8f, -32.8f};
  return overlayBand(xs[line], ys[line], 38.6f);
}

// The turn and FINAL lines are centred; the prompt runs to the right edge.
xtest::PixelRect turnBand() { return overlayBand(-13, 28.6f, 13); }
xtest::PixelRect promptBand() { return overlayBand(-14.8f, -25.6f, 38.6f); }
xtest::PixelRect finalBand() { return overlayBand(-4, 6, 4); }
xtest::PixelRect winnerBand() { return overlayBand(-25.2f, 0, 25.2f); }

int textPixels(const xtest::RgbImage& image, xtest::PixelRect rect) {
  return xtest::countPixels(image, rect, xtest::nearWhite);
}

int newTextPixels(const xtest::RgbImage& before, const xtest::RgbImage& after,
                  xtest::PixelRect rect) {
  int count = 0;
  for (int y = std::max(0, rect.y); y < std::min(after.height, rect.y + rect.height); ++y) {
    for (int x = std::max(0, rect.x); x < std::min(after.width, rect.x + rect.width); ++x) {
      if (xtest::nearWhite(xtest::pixelAt(after, x, y)) &&
          !xtest::nearWhite(xtest::pixelAt(before, x, y))) {
        ++count;
      }
    }
  }
  return count;
}

int textPixelsOutside(const xtest::RgbImage& image, const xtest::PixelRect* bands, int count) {
  int inside = 0;
  for (int i = 0; i < count; ++i) inside += textPixels(image, bands[i]);
  return textPixels(image, {0, 0, image.width, image.height}) - inside;
}

int roleColouredPixels(const xtest::RgbImage& image, xtest::PixelRect rect, int channel) {
  return xtest::countPixels(image, rect, [channel](xtest::Rgb c) {
    const int v[3] = {c.r, c.g, c.b};
    const int others = std::max(v[(channel + 1) % 3], v[(channel + 2) % 3]);
    return v[channel] >= 40 && v[channel] >= others + 20;
  });
}

}  // namespace gametest
