// Texture objects from BMP pictures, and the texture table. No texture
// parameter is set: the OpenGL defaults (repeat, mipmapped minification) are
// what the scene expects.
#include "render/textures.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "render/dib_image.h"
#include "render/box_over_game.h"

namespace render {

namespace {

// The names live for the whole run.
struct TextureTable {
  unsigned int backdrop = 0;
  unsigned int floor = 0;
  unsigned int environment = 0;
  unsigned int wall = 0;
  unsigned int defensa = 0;
  unsigned int medio = 0;
  unsigned int ataque = 0;
};

TextureTable gTextures;

struct TextureFile {
  const char* fileName;
  void (*store)(unsigned int);
};

// Start-up order: a missing file stops the process before the ones after it.
const TextureFile kTextureFiles[] = {
    {"Data/xpos.bmp", setTexBackdrop},       {"Data/marmol.bmp", setTexFloor},
    {"Data/envroll.bmp", setTexEnvironment}, {"Data/a.bmp", setTexWall},
    {"Data/defensa.bmp", setTexDefensa},     {"Data/medio.bmp", setTexMedio},
    {"Data/ataque.bmp", setTexAtaque},
};

unsigned int makeTexture(int width, int height, const std::uint8_t* rgb) {
  GLuint name = 0;
  glGenTextures(1, &name);
  // Our rows carry no padding; the setting stays for the rest of the run.
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glBindTexture(GL_TEXTURE_2D, name);
  gluBuild2DMipmaps(GL_TEXTURE_2D, 3, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb);
  return name;
}

}  // namespace

unsigned int loadTexture(const char* fileName) {
  if (fileName == nullptr) return ~0u;
  std::FILE* file = std::fopen(fileName, "rb");
  if (file == nullptr) {
    showBoxLeavingGame("Error!", fileName);
    std::exit(0);
  }
  std::fclose(file);
  DibFailure failure;
  const std::optional<RgbImage> image = readDibImage(fileName, &failure);
  if (!image) {
    showBoxOverGame("Error", failure.text);
    static const std::uint8_t kWhite[3] = {255, 255, 255};
    return makeTexture(1, 1, kWhite);
  }
  return makeTexture(image->width, image->height, image->pixels.get());
}

unsigned int texBackdrop() { return gTextures.backdrop; }
void setTexBackdrop(unsigned int name) { gTextures.backdrop = name; }
unsigned int texFloor() { return gTextures.floor; }
void setTexFloor(unsigned int name) { gTextures.floor = name; }
unsigned int texEnvironment() { return gTextures.environment; }
void setTexEnvironment(unsigned int name) { gTextures.environment = name; }
unsigned int texWall() { return gTextures.wall; }
void setTexWall(unsigned int name) { gTextures.wall = name; }
unsigned int texDefensa() { return gTextures.defensa; }
void setTexDefensa(unsigned int name) { gTextures.defensa = name; }
unsigned int texMedio() { return gTextures.medio; }
void setTexMedio(unsigned int name) { gTextures.medio = name; }
unsigned int texAtaque() { return gTextures.ataque; }
void setTexAtaque(unsigned int name) { gTextures.ataque = name; }

void loadTextureTable() {
  for (const TextureFile& f : kTextureFiles) f.store(loadTexture(f.fileName));
}

}  // namespace render
