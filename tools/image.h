// A picture in floating-point RGB that the generators paint into before it is
// quantised and stored. Row 0 is the top row; the file writers flip as needed.
#pragma once

#include <vector>

namespace tools {

struct Colour {
  float r;
  float g;
  float b;
};

struct Image {
  int width;
  int height;
  std::vector<Colour> pixels;  // width * height, row by row from the top
};

Image makeImage(int width, int height, Colour fill);
Colour& pixelAt(Image& image, int x, int y);
const Colour& pixelAt(const Image& image, int x, int y);

float clamp01(float v);
float smoothStep(float edge0, float edge1, float v);
float mixFloat(float a, float b, float t);
Colour mixColour(const Colour& a, const Colour& b, float t);
Colour scaleColour(const Colour& c, float k);
Colour addColour(const Colour& a, const Colour& b);

// Lays `top` over the pixel with the given opacity (0 keeps the pixel).
void blendPixel(Image& image, int x, int y, const Colour& top, float opacity);

// 0..255 with rounding; `dither` in -0.5..0.5 spreads gradients over levels.
unsigned char quantise(float v, float dither);

}  // namespace tools
