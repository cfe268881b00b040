// The overlay on the texture font: each shown line is formatted into
// textBuffer and drawn from there.
#include "game/overlay.h"

#include <GL/gl.h>

#include "game/overlay_lines.h"
#include "render/gl_setup.h"
#include "render/texture_font.h"

namespace game {

void drawOverlay() {
  glColor3f(1, 1, 1);
  render::fontBegin(render::gameFont());
  for (int i = 0; i < kOverlayLineCount; ++i) {
    const OverlayLine& line = kOverlayLines[i];
    if (!line.shown()) continue;
    formatOverlayLine(line);
    render::drawText(line.x, line.y, line.z);
  }
  render::fontEnd();
}

}  // namespace game
