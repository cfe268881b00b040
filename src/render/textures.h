// Textures made from the game's BMP pictures, and the process-wide table of
// the seven texture names that the scene binds.
#pragma once

namespace render {

// Makes a mipmapped RGB texture of a BMP file and returns its name; leaves it
// bound. A null name returns all bits set. A file that cannot be opened shows
// the box "Error!" with the file name and ends the process with status 0. A
// file that opens but cannot be decoded shows the box "Error" with the reason
// and, on a line of its own, the file name, and then gives a 1 x 1 white
// texture, so the surface keeps its plain lit colour.
unsigned int loadTexture(const char* fileName);

// The texture table, filled once at start-up.
unsigned int texBackdrop();
void setTexBackdrop(unsigned int name);
unsigned int texFloor();
void setTexFloor(unsigned int name);
unsigned int texEnvironment();
void setTexEnvironment(unsigned int name);
unsigned int texWall();
void setTexWall(unsigned int name);
unsigned int texDefensa();
void setTexDefensa(unsigned int name);
unsigned int texMedio();
void setTexMedio(unsigned int name);
unsigned int texAtaque();
void setTexAtaque(unsigned int name);

// Loads the seven pictures of render/picture_files into the table, in
// start-up order.
void loadTextureTable();

}  // namespace render
