// Software drawing of text quads: every pixel inside a quad takes its texture
// coordinates by the same corner mapping the game gives OpenGL.

#include "text_preview.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace tools {

namespace {

const GlyphRecord* recordFor(const FontFile& font, char c) {
    const int code = static_cast<signed char>(c);
    if (code < font.firstChar || code > font.lastChar) return nullptr;
    return &font.glyphs[static_cast<std::size_t>(code - font.firstChar)];
}

float texelAlpha(const FontFile& font, int x, int y) {
    x = std::clamp(x, 0, font.textureWidth - 1);
    y = std::clamp(y, 0, font.textureHeight - 1);
    const std::size_t at =
        (static_cast<std::size_t>(y) * static_cast<std::size_t>(font.textureWidth) + static_cast<std::size_t>(x)) * 2u;
    return static_cast<float>(font.texels[at + 1]) / 255.0f;
}

void drawQuad(Image& image, const OverlayView& view, const FontFile& font, const GlyphRecord& g, float x, float y,
              const Colour& colour) {
    const float unitsPerPixelX = (view.right - view.left) / static_cast<float>(image.width);
    const float unitsPerPixelY = (view.top - view.bottom) / static_cast<float>(image.height);
    const int px0 = std::max(0, static_cast<int>(std::floor((x - view.left) / unitsPerPixelX)));
    const int px1 = std::min(image.width - 1, static_cast<int>(std::ceil((x + g.quadWidth - view.left) / unitsPerPixelX)));
    const int py0 = std::max(0, static_cast<int>(std::floor((view.top - y) / unitsPerPixelY)));
    const int py1 = std::min(image.height - 1, static_cast<int>(std::ceil((view.top - (y - g.quadHeight)) / unitsPerPixelY)));
    for (int py = py0; py <= py1; ++py) {
        const float wy = view.top - (static_cast<float>(py) + 0.5f) * unitsPerPixelY;
        const float fy = (y - wy) / g.quadHeight;  // 0 at the quad's top, 1 at its bottom
        if (fy < 0.0f || fy >= 1.0f) continue;
        for (int px = px0; px <= px1; ++px) {
            const float wx = view.left + (static_cast<float>(px) + 0.5f) * unitsPerPixelX;
            const float fx = (wx - x) / g.quadWidth;
            if (fx < 0.0f || fx >= 1.0f) continue;
            const float s = g.texLeft + fx * (g.texRight - g.texLeft);
            const float t = g.texTop + fy * (g.texBottom - g.texTop);
            blendPixel(image, px, py, colour, sampleAlpha(font, s, t));
        }
    }
}

}  // namespace

float lineWidth(const FontFile& font, const std::string& text) {
    float width = 0.0f;
    for (char c : text) {
        const GlyphRecord* g = recordFor(font, c);
        if (g != nullptr) width += g->quadWidth;
    }
    return width;
}

float sampleAlpha(const FontFile& font, float s, float t) {
    const float x = s * static_cast<float>(font.textureWidth) - 0.5f;
    const float y = t * static_cast<float>(font.textureHeight) - 0.5f;
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const float ax = x - static_cast<float>(x0);
    const float ay = y - static_cast<float>(y0);
    const float top = mixFloat(texelAlpha(font, x0, y0), texelAlpha(font, x0 + 1, y0), ax);
    const float bottom = mixFloat(texelAlpha(font, x0, y0 + 1), texelAlpha(font, x0 + 1, y0 + 1), ax);
    return mixFloat(top, bottom, ay);
}

void drawTextLine(Image& image, const OverlayView& view, const FontFile& font, const std::string& text, float x,
                  float y, const Colour& colour) {
    for (char c : text) {
        const GlyphRecord* g = recordFor(font, c);
        if (g == nullptr) continue;
        drawQuad(image, view, font, *g, x, y, colour);
        x += g->quadWidth;
    }
}

}  // namespace tools
