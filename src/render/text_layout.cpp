// Pen arithmetic of the texture font: each character's quad starts where the
// previous one ended, with no kerning, wrapping or clipping.
#include "render/text_layout.h"

namespace render {

int layoutTextLine(const GlfFont& font, const char* line, std::size_t length, float x, float y,
                   TextQuad* quads, int capacity, float* penEnd) {
  int count = 0;
  for (std::size_t i = 0; i < length && count < capacity; ++i) {
    const GlfChar* c = glfCharFor(font, static_cast<signed char>(line[i]));
    if (c == nullptr) continue;
    TextQuad& q = quads[count++];
    q.left = x;
    q.right = x + c->quadWidth;
    q.top = y;
    q.bottom = y - c->quadHeight;
    q.texLeft = c->texLeft;
    q.texTop = c->texTop;
    q.texRight = c->texRight;
    q.texBottom = c->texBottom;
    x += c->quadWidth;
  }
  if (penEnd != nullptr) *penEnd = x;
  return count;
}

}  // namespace render
