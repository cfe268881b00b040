// The OpenGL side of the texture font: the texture upload and the quads. The
// file reading and the pen arithmetic live in glf_font and text_layout, so
// that what can go wrong is tested without a window.
#include "render/texture_font.h"

#include <GL/gl.h>

#include <cstring>

#include "render/text_layout.h"
#include "state/game_state.h"

namespace render {

namespace {

GlfFont* gCurrentFont = nullptr;

void uploadFontTexture(const GlfFont& font, const GlfTexels& texels) {
  glBindTexture(GL_TEXTURE_2D, font.textureName);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  // The file's rows are packed (two bytes a texel, no padding); OpenGL's
  // default alignment of 4 would read past the texels of an odd width.
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, 2, font.textureWidth, font.textureHeight, 0, GL_LUMINANCE_ALPHA,
               GL_UNSIGNED_BYTE, texels.bytes.get());
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
}

}  // namespace

GlfFont* currentFont() { return gCurrentFont; }

void setCurrentFont(GlfFont* font) { gCurrentFont = font; }

int loadFont(GlfFont* font, const char* fileName, const char** why) {
  GlfTexels texels;
  if (!readGlfFile(fileName, font, &texels, why)) {
    if (currentFont() == font) setCurrentFont(nullptr);
    return 0;
  }
  uploadFontTexture(*font, texels);
  return 1;
}

void fontBegin(GlfFont* font) {
  setCurrentFont(font != nullptr && font->chars ? font : nullptr);
  glBindTexture(GL_TEXTURE_2D, font != nullptr ? font->textureName : 0);
}

void fontEnd() { setCurrentFont(nullptr); }

void drawText(float x, float y, float z) {
  const GlfFont* font = currentFont();
  if (font == nullptr) return;
  const std::size_t length = strnlen(game::textBuffer, game::kTextBufferSize);
  TextQuad quads[game::kTextBufferSize];
  const int count =
      layoutTextLine(*font, game::textBuffer, length, x, y, quads, game::kTextBufferSize, nullptr);

  glEnable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glMatrixMode(GL_TEXTURE);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  // Clockwise from the front, as the overlay expects with culling off.
  glBegin(GL_QUADS);
  for (int i = 0; i < count; ++i) {
    const TextQuad& q = quads[i];
    glTexCoord2f(q.texRight, q.texTop);
    glVertex3f(q.right, q.top, z);
    glTexCoord2f(q.texRight, q.texBottom);
    glVertex3f(q.right, q.bottom, z);
    glTexCoord2f(q.texLeft, q.texBottom);
    glVertex3f(q.left, q.bottom, z);
    glTexCoord2f(q.texLeft, q.texTop);
    glVertex3f(q.left, q.top, z);
  }
  glEnd();
}

}  // namespace render
