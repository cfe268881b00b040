// velmora-preview-text FONT.glf OUT.bmp: paints the overlay's screens with the
// given font file, laid out as the game lays them out, for a look by eye.

#include <cstdio>

#include "bmp_writer.h"
#include "render/glf_font.h"
#include "text_preview.h"

namespace {

struct SampleLine {
  const char* text;
  float x;
  float y;
};

// Three screens as the game shows them: the entry screen, a prompt between
// turns, and both winner lines together (the game shows one at a time).
const SampleLine entryScreen[] = {
    {"Introduce el numero de NODOS", -32.8f, 26.6f},
    {"( Numero >=120 y <=510 div. 3 y 5 )", -32.8f, 23.6f},
    {"Numero:   120", -26.8f, 17.6f},
    {"( + para subir, - para bajar, INTRO para comenzar )", -32.8f, 11.6f},
};
const SampleLine turnScreen[] = {
    {"Turno de las PIRAMIDES", -13.0f, 28.6f},
    {"Pulse INTRO para Continuar                      Vel.: 16.0", -14.8f, -25.6f},
};
const SampleLine winnerScreen[] = {
    {"FINAL !!!", -4.0f, 6.0f},
    {"EL GANADOR ES EL BANDO DE LAS PIRAMIDES !!!", -25.2f, 0.0f},
    {"EL GANADOR ES EL BANDO DE LAS ESFERAS !!!", -23.6f, -3.0f},
};

void drawScreen(tools::Image& image, const render::GlfFont& font, const render::GlfTexels& texels,
                const SampleLine* lines, int count) {
  const tools::OverlayView view{-38.7f, 38.7f, -29.0f, 29.0f};
  for (int i = 0; i < count; ++i) {
    tools::drawTextLine(image, view, font, texels, lines[i].text, lines[i].x, lines[i].y,
                        tools::Colour{1, 1, 1});
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: velmora-preview-text FONT.glf OUT.bmp\n");
    return 2;
  }
  render::GlfFont font;
  render::GlfTexels texels;
  if (!render::readGlfFile(argv[1], &font, &texels)) {
    std::fprintf(stderr, "velmora-preview-text: %s is not a readable font file\n", argv[1]);
    return 1;
  }
  // Three 1024 x 768 screens, the game's resolution, one above the other.
  tools::Image sheet = tools::makeImage(1024, 768 * 3, tools::Colour{0.05f, 0.07f, 0.12f});
  tools::Image screen = tools::makeImage(1024, 768, tools::Colour{0.05f, 0.07f, 0.12f});
  const SampleLine* blocks[] = {entryScreen, turnScreen, winnerScreen};
  const int counts[] = {4, 2, 3};
  for (int b = 0; b < 3; ++b) {
    screen.pixels.assign(screen.pixels.size(), tools::Colour{0.05f, 0.07f, 0.12f});
    drawScreen(screen, font, texels, blocks[b], counts[b]);
    for (int y = 0; y < 768; ++y) {
      for (int x = 0; x < 1024; ++x)
        tools::pixelAt(sheet, x, b * 768 + y) = tools::pixelAt(screen, x, y);
    }
  }
  if (!tools::writeBmp24(argv[2], sheet, false)) {
    std::fprintf(stderr, "velmora-preview-text: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
