// Which generator fills which file: the names the game loads at start-up.

#include "pictures.h"

namespace tools {

const std::vector<PictureEntry>& pictureTable() {
    static const std::vector<PictureEntry> table = {
        {"xpos.bmp", makeBackdropPicture},
        {"marmol.bmp", makeMarblePicture},
        {"envroll.bmp", makeEnvironmentPicture},
        {"a.bmp", makeWallPicture},
        {"defensa.bmp", makeDefensaEmblem},
        {"medio.bmp", makeMedioEmblem},
        {"ataque.bmp", makeAtaqueEmblem},
    };
    return table;
}

}  // namespace tools
