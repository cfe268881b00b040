// Lays text out of a texture-font file the way the game's drawText does, quad
// by quad, and paints it into a picture of the overlay plane for inspection.
#pragma once

#include <string>

#include "glf_file.h"
#include "image.h"

namespace tools {

// The rectangle of the overlay plane a picture shows, in drawing units.
struct OverlayView {
    float left;
    float right;
    float bottom;
    float top;
};

// Sum of the quad widths: where the pen ends relative to where it started.
// Characters the font does not hold take no room, as in the game.
float lineWidth(const FontFile& font, const std::string& text);

// Texture alpha at (s, t) with linear filtering and clamped edges.
float sampleAlpha(const FontFile& font, float s, float t);

// Draws `text` with its first cell's top-left corner at (x, y).
void drawTextLine(Image& image, const OverlayView& view, const FontFile& font, const std::string& text, float x,
                  float y, const Colour& colour);

}  // namespace tools
