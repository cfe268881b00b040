// velmora-make-font FONT.ttf OUT.glf: renders printable ASCII from an outline
// font into the game's texture-font file.

#include <cstdio>
#include <string>

#include "font_atlas.h"
#include "glf_file.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: velmora-make-font FONT.ttf OUT.glf\n");
    return 2;
  }
  tools::FontFile font;
  std::string error;
  if (!tools::buildFontAtlas(argv[1], tools::gameFontSettings(), font, error)) {
    std::fprintf(stderr, "velmora-make-font: %s\n", error.c_str());
    return 1;
  }
  if (!tools::writeGlf(argv[2], font)) {
    std::fprintf(stderr, "velmora-make-font: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
