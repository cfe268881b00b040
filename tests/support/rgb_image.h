// A screenshot as plain RGB bytes, read from a binary PPM (P6), and the few
// measures the end-to-end tests make on it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace xtest {

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> bytes;  // rows top to bottom, 3 bytes (R, G, B) a pixel
};

struct Rgb {
  int r = 0;
  int g = 0;
  int b = 0;
};

struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

struct MeanColour {
  double r = 0;
  double g = 0;
  double b = 0;
};

// Reads a P6 file's bytes; samples wider than 8 bits (maxval above 255) are
// scaled to 8. False, with the reason, for anything malformed or cut short.
bool parsePpm(const std::string& data, RgbImage* image, std::string* why);

// The pixel at (x, y), which must lie inside the image.
Rgb pixelAt(const RgbImage& image, int x, int y);

// Every channel within `tolerance` of the other colour's.
bool nearColour(Rgb a, Rgb b, int tolerance);
bool nearWhite(Rgb c);

// The part of the rectangle inside the image counts; the rest is ignored.
int countPixels(const RgbImage& image, PixelRect rect, const std::function<bool(Rgb)>& matches);
// Zero when no part of the rectangle lies inside the image.
MeanColour meanColour(const RgbImage& image, PixelRect rect);

// The share of pixels where some channel differs by more than `tolerance`;
// 1 for images of different sizes.
double differingFraction(const RgbImage& a, const RgbImage& b, int tolerance);

}  // namespace xtest
