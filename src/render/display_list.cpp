// Display-list replacement shared by the board scene and the piece models.
#include "render/display_list.h"

#include <GL/gl.h>

namespace render {

unsigned int beginReplacementList(unsigned int previous) {
  glDeleteLists(previous, 1);
  const unsigned int list = glGenLists(1);
  glNewList(list, GL_COMPILE);
  return list;
}

}  // namespace render
