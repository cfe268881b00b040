// PPM reading and pixel measures for screenshots.
#include "support/rgb_image.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace xtest {

namespace {

// Skips whitespace and '#' comments, then reads one decimal header number.
bool headerNumber(const std::string& data, std::size_t* at, long* value) {
  std::size_t i = *at;
  for (;;) {
    while (i < data.size() && std::isspace(static_cast<unsigned char>(data[i]))) ++i;
    if (i < data.size() && data[i] == '#') {
      while (i < data.size() && data[i] != '\n') ++i;
      continue;
    }
    break;
  }
  const std::size_t start = i;
  long n = 0;
  while (i < data.size() && std::isdigit(static_cast<unsigned char>(data[i])) && n <= 1000000) {
    n = n * 10 + (data[i] - '0');
    ++i;
  }
  if (i == start || n > 1000000) return false;
  *at = i;
  *value = n;
  return true;
}

// The rectangle's part inside the image, as [x0, x1) x [y0, y1).
struct Span {
  int x0, y0, x1, y1;
};

Span clip(const RgbImage& image, PixelRect r) {
  Span s;
  s.x0 = std::max(r.x, 0);
  s.y0 = std::max(r.y, 0);
  s.x1 = std::min(r.x + std::max(r.width, 0), image.width);
  s.y1 = std::min(r.y + std::max(r.height, 0), image.height);
  return s;
}

}  // namespace

bool parsePpm(const std::string& data, RgbImage* image, std::string* why) {
  if (data.size() < 2 || data[0] != 'P' || data[1] != '6') {
    *why = "not a binary PPM (P6)";
    return false;
  }
  std::size_t at = 2;
  long width = 0;
  long height = 0;
  long maxval = 0;
  if (!headerNumber(data, &at, &width) || !headerNumber(data, &at, &height) ||
      !headerNumber(data, &at, &maxval)) {
    *why = "bad PPM header";
    return false;
  }
  if (width <= 0 || height <= 0 || maxval <= 0 || maxval > 65535 || at >= data.size() ||
      !std::isspace(static_cast<unsigned char>(data[at]))) {
    *why = "bad PPM size or maxval";
    return false;
  }
  ++at;  // the one whitespace byte before the samples
  const std::size_t sampleBytes = maxval > 255 ? 2 : 1;
  const std::size_t samples = static_cast<std::size_t>(width) * height * 3;
  if (data.size() - at < samples * sampleBytes) {
    *why = "PPM data cut short";
    return false;
  }
  image->width = static_cast<int>(width);
  image->height = static_cast<int>(height);
  image->bytes.resize(samples);
  const unsigned char* p = reinterpret_cast<const unsigned char*>(data.data()) + at;
  for (std::size_t i = 0; i < samples; ++i) {
    const long v = sampleBytes == 2 ? (p[2 * i] << 8) | p[2 * i + 1] : p[i];
    image->bytes[i] = static_cast<std::uint8_t>((std::min(v, maxval) * 255 + maxval / 2) / maxval);
  }
  return true;
}

Rgb pixelAt(const RgbImage& image, int x, int y) {
  const std::size_t i = (static_cast<std::size_t>(y) * image.width + x) * 3;
  return {image.bytes[i], image.bytes[i + 1], image.bytes[i + 2]};
}

bool nearColour(Rgb a, Rgb b, int tolerance) {
  return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
         std::abs(a.b - b.b) <= tolerance;
}

bool nearWhite(Rgb c) { return nearColour(c, {255, 255, 255}, 24); }

int countPixels(const RgbImage& image, PixelRect rect, const std::function<bool(Rgb)>& matches) {
  const Span s = clip(image, rect);
  int count = 0;
  for (int y = s.y0; y < s.y1; ++y) {
    for (int x = s.x0; x < s.x1; ++x) count += matches(pixelAt(image, x, y)) ? 1 : 0;
  }
  return count;
}

MeanColour meanColour(const RgbImage& image, PixelRect rect) {
  const Span s = clip(image, rect);
  MeanColour mean;
  if (s.x1 <= s.x0 || s.y1 <= s.y0) return mean;
  for (int y = s.y0; y < s.y1; ++y) {
    for (int x = s.x0; x < s.x1; ++x) {
      const Rgb c = pixelAt(image, x, y);
      mean.r += c.r;
      mean.g += c.g;
      mean.b += c.b;
    }
  }
  const double n = static_cast<double>(s.x1 - s.x0) * (s.y1 - s.y0);
  mean.r /= n;
  mean.g /= n;
  mean.b /= n;
  return mean;
}

double differingFraction(const RgbImage& a, const RgbImage& b, int tolerance) {
  if (a.width != b.width || a.height != b.height || a.bytes.size() != b.bytes.size()) return 1.0;
  if (a.width == 0 || a.height == 0) return 0.0;
  long differing = 0;
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      differing += nearColour(pixelAt(a, x, y), pixelAt(b, x, y), tolerance) ? 0 : 1;
    }
  }
  return static_cast<double>(differing) / (static_cast<double>(a.width) * a.height);
}

}  // namespace xtest
