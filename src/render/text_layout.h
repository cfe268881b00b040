// The placing of one line of text as textured quads, without OpenGL: where the
// pen stands for each character and which part of the font texture it shows.
#pragma once

#include <cstddef>

#include "render/glf_font.h"

namespace render {

// One character's quad: its corners in drawing units (top above bottom, the
// line running along +x) and its rectangle in the font texture.
struct TextQuad {
  float left = 0;
  float right = 0;
  float top = 0;
  float bottom = 0;
  float texLeft = 0;
  float texTop = 0;
  float texRight = 0;
  float texBottom = 0;
};

// Lays out `length` bytes of `line` with the pen starting at x, the tops of
// the characters at y. Each byte is a signed 8-bit character code; a code the
// font lacks gets no quad and does not move the pen. Writes at most
// `capacity` quads, returns how many, and stores in *penEnd where the next
// character would start.
int layoutTextLine(const GlfFont& font, const char* line, std::size_t length, float x, float y,
                   TextQuad* quads, int capacity, float* penEnd);

}  // namespace render
