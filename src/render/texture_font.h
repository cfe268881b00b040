// The texture font on screen: loading a .glf file into a font and its
// texture, and drawing the overlay line in game::textBuffer as one textured
// quad per character.
#pragma once

#include "render/glf_font.h"

namespace render {

// Reads the font file and uploads its texture as texture name 0. Returns 1 on
// success; 0 when the file is missing or damaged, leaving the font without
// records (and no longer current), with the reason in `why` when given.
int loadFont(GlfFont* font, const char* fileName, const char** why = nullptr);

// Makes the font current when it has records, else makes no font current;
// binds the font texture either way.
void fontBegin(GlfFont* font);

// Makes no font current.
void fontEnd();

// Draws the line in game::textBuffer with the current font, the first
// character's top-left corner at (x, y, z); nothing when no font is current.
void drawText(float x, float y, float z);

// The font made current by fontBegin, or null.
GlfFont* currentFont();
void setCurrentFont(GlfFont* font);

}  // namespace render
