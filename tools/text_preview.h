// Paints text into a picture of the overlay plane for inspection: the font as
// the game reads it, the quads as the game's text layout places them, each
// texel sampled as OpenGL's linear filter would.
#pragma once

#include <string>

#include "image.h"
#include "render/glf_font.h"

namespace tools {

// The rectangle of the overlay plane a picture shows, in drawing units.
struct OverlayView {
  float left;
  float right;
  float bottom;
  float top;
};

// Where the pen ends relative to where it started. Characters the font does
// not hold take no room, as in the game.
float lineWidth(const render::GlfFont& font, const std::string& text);

// Texture alpha at (s, t) with linear filtering and clamped edges.
float sampleAlpha(const render::GlfFont& font, const render::GlfTexels& texels, float s, float t);

// Draws `text` with its first cell's top-left corner at (x, y).
void drawTextLine(Image& image, const OverlayView& view, const render::GlfFont& font,
                  const render::GlfTexels& texels, const std::string& text, float x, float y,
                  const Colour& colour);

}  // namespace tools
