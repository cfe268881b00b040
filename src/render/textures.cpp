// Texture objects from BMP pictures, and the texture table. No texture
// parameter is set: the OpenGL defaults (repeat, mipmapped minification) are
// what the scene expects.
#include "render/textures.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/box_over_game.h"
#include "render/dib_image.h"
#include "render/picture_files.h"

namespace render {

namespace {

// The names live for the whole run, one per picture of the picture table.
unsigned int gTextures[kGamePictureCount] = {};

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
    platform::showBoxLeavingGame("Error!", fileName);
    std::exit(0);
  }
  std::fclose(file);
  DibFailure failure;
  const std::optional<RgbImage> image = readDibImage(fileName, &failure);
  if (!image) {
    // The reason as the format words it, then which picture it is.
    const std::string text = std::string(failure.text) + "\n" + fileName;
    platform::showBoxOverGame(failure.title, text.c_str());
    static const std::uint8_t kWhite[3] = {255, 255, 255};
    return makeTexture(1, 1, kWhite);
  }
  return makeTexture(image->width, image->height, image->pixels.get());
}

unsigned int texBackdrop() { return gTextures[kBackdropPicture]; }
void setTexBackdrop(unsigned int name) { gTextures[kBackdropPicture] = name; }
unsigned int texFloor() { return gTextures[kFloorPicture]; }
void setTexFloor(unsigned int name) { gTextures[kFloorPicture] = name; }
unsigned int texEnvironment() { return gTextures[kEnvironmentPicture]; }
void setTexEnvironment(unsigned int name) { gTextures[kEnvironmentPicture] = name; }
unsigned int texWall() { return gTextures[kWallPicture]; }
void setTexWall(unsigned int name) { gTextures[kWallPicture] = name; }
unsigned int texDefensa() { return gTextures[kDefensaPicture]; }
void setTexDefensa(unsigned int name) { gTextures[kDefensaPicture] = name; }
unsigned int texMedio() { return gTextures[kMedioPicture]; }
void setTexMedio(unsigned int name) { gTextures[kMedioPicture] = name; }
unsigned int texAtaque() { return gTextures[kAtaquePicture]; }
void setTexAtaque(unsigned int name) { gTextures[kAtaquePicture] = name; }

// Start-up order: a missing file stops the process before the ones after it.
void loadTextureTable() {
  for (int picture = 0; picture < kGamePictureCount; ++picture) {
    const std::string path = std::string(kPictureFolder) + kPictureFileNames[picture];
    gTextures[picture] = loadTexture(path.c_str());
  }
}

}  // namespace render
