// The game's seven pictures, each drawn by its own generator, and the table
// that names the file each one is stored in under Data/.
#pragma once

#include <vector>

#include "image.h"

namespace tools {

Image makeBackdropPicture();     // deep sky behind the board
Image makeMarblePicture();       // seamless marble floor tile
Image makeEnvironmentPicture();  // seamless highlight sweeps for the sheen pass
Image makeWallPicture();         // seamless stone wall panel
Image makeDefensaEmblem();       // shield
Image makeMedioEmblem();         // balance
Image makeAtaqueEmblem();        // crossed swords

struct PictureEntry {
  const char* fileName;  // relative to Data/
  Image (*make)();
};

const std::vector<PictureEntry>& pictureTable();

}  // namespace tools
