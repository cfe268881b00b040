// Pixel access and the small colour arithmetic every generator shares.

#include "image.h"

#include <cassert>
#include <cmath>
#include <cstddef>

namespace tools {

Image makeImage(int width, int height, Colour fill) {
  assert(width > 0 && height > 0);
  Image image;
  image.width = width;
  image.height = height;
  image.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
  return image;
}

Colour& pixelAt(Image& image, int x, int y) {
  assert(x >= 0 && x < image.width && y >= 0 && y < image.height);
  return image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                      static_cast<std::size_t>(x)];
}

const Colour& pixelAt(const Image& image, int x, int y) {
  assert(x >= 0 && x < image.width && y >= 0 && y < image.height);
  return image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                      static_cast<std::size_t>(x)];
}

float clamp01(float v) { return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v); }

float smoothStep(float edge0, float edge1, float v) {
  float t = clamp01((v - edge0) / (edge1 - edge0));
  return t * t * (3.0f - 2.0f * t);
}

float mixFloat(float a, float b, float t) { return a + (b - a) * t; }

Colour mixColour(const Colour& a, const Colour& b, float t) {
  return {mixFloat(a.r, b.r, t), mixFloat(a.g, b.g, t), mixFloat(a.b, b.b, t)};
}

Colour scaleColour(const Colour& c, float k) { return {c.r * k, c.g * k, c.b * k}; }

Colour addColour(const Colour& a, const Colour& b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }

void blendPixel(Image& image, int x, int y, const Colour& top, float opacity) {
  Colour& p = pixelAt(image, x, y);
  p = mixColour(p, top, clamp01(opacity));
}

unsigned char quantise(float v, float dither) {
  float scaled = std::floor(clamp01(v) * 255.0f + 0.5f + dither);
  if (scaled < 0.0f) return 0;
  if (scaled > 255.0f) return 255;
  return static_cast<unsigned char>(scaled);
}

}  // namespace tools
