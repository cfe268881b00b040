// Software drawing of text quads: every pixel inside a quad takes its texture
// coordinates by the same corner mapping the game gives OpenGL.
#include "text_preview.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "render/text_layout.h"

namespace tools {

namespace {

std::vector<render::TextQuad> layOut(const render::GlfFont& font, const std::string& text, float x,
                                     float y, float* penEnd) {
  std::vector<render::TextQuad> quads(text.size());
  const int count = render::layoutTextLine(font, text.data(), text.size(), x, y, quads.data(),
                                           static_cast<int>(quads.size()), penEnd);
  quads.resize(static_cast<std::size_t>(count));
  return quads;
}

float texelAlpha(const render::GlfFont& font, const render::GlfTexels& texels, int x, int y) {
  x = std::clamp(x, 0, font.textureWidth - 1);
  y = std::clamp(y, 0, font.textureHeight - 1);
  const std::size_t at =
      (static_cast<std::size_t>(y) * static_cast<std::size_t>(font.textureWidth) +
       static_cast<std::size_t>(x)) *
      render::kGlfTexelSize;
  return static_cast<float>(texels.bytes[at + 1]) / 255.0f;
}

void drawQuad(Image& image, const OverlayView& view, const render::GlfFont& font,
              const render::GlfTexels& texels, const render::TextQuad& q, const Colour& colour) {
  const float unitsPerPixelX = (view.right - view.left) / static_cast<float>(image.width);
  const float unitsPerPixelY = (view.top - view.bottom) / static_cast<float>(image.height);
  const int px0 = std::max(0, static_cast<int>(std::floor((q.left - view.left) / unitsPerPixelX)));
  const int px1 = std::min(image.width - 1,
                           static_cast<int>(std::ceil((q.right - view.left) / unitsPerPixelX)));
  const int py0 = std::max(0, static_cast<int>(std::floor((view.top - q.top) / unitsPerPixelY)));
  const int py1 = std::min(image.height - 1,
                           static_cast<int>(std::ceil((view.top - q.bottom) / unitsPerPixelY)));
  for (int py = py0; py <= py1; ++py) {
    const float wy = view.top - (static_cast<float>(py) + 0.5f) * unitsPerPixelY;
    const float fy = (q.top - wy) / (q.top - q.bottom);  // 0 at the quad's top, 1 at its bottom
    if (fy < 0.0f || fy >= 1.0f) continue;
    for (int px = px0; px <= px1; ++px) {
      const float wx = view.left + (static_cast<float>(px) + 0.5f) * unitsPerPixelX;
      const float fx = (wx - q.left) / (q.right - q.left);
      if (fx < 0.0f || fx >= 1.0f) continue;
      const float s = q.texLeft + fx * (q.texRight - q.texLeft);
      const float t = q.texTop + fy * (q.texBottom - q.texTop);
      blendPixel(image, px, py, colour, sampleAlpha(font, texels, s, t));
    }
  }
}

}  // namespace

float lineWidth(const render::GlfFont& font, const std::string& text) {
  float penEnd = 0.0f;
  layOut(font, text, 0.0f, 0.0f, &penEnd);
  return penEnd;
}

float sampleAlpha(const render::GlfFont& font, const render::GlfTexels& texels, float s, float t) {
  const float x = s * static_cast<float>(font.textureWidth) - 0.5f;
  const float y = t * static_cast<float>(font.textureHeight) - 0.5f;
  const int x0 = static_cast<int>(std::floor(x));
  const int y0 = static_cast<int>(std::floor(y));
  const float ax = x - static_cast<float>(x0);
  const float ay = y - static_cast<float>(y0);
  const float top =
      mixFloat(texelAlpha(font, texels, x0, y0), texelAlpha(font, texels, x0 + 1, y0), ax);
  const float bottom =
      mixFloat(texelAlpha(font, texels, x0, y0 + 1), texelAlpha(font, texels, x0 + 1, y0 + 1), ax);
  return mixFloat(top, bottom, ay);
}

void drawTextLine(Image& image, const OverlayView& view, const render::GlfFont& font,
                  const render::GlfTexels& texels, const std::string& text, float x, float y,
                  const Colour& colour) {
  for (const render::TextQuad& q : layOut(font, text, x, y, nullptr)) {
    drawQuad(image, view, font, texels, q, colour);
  }
}

}  // namespace tools
