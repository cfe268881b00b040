// The game's seven pictures and the files they are read from: the one table
// of their names, for the game's textures, the generators that draw them, the
// build (tools/CMakeLists.txt reads the quoted names) and the tests.
#pragma once

namespace render {

// The pictures in the order the game loads them at start-up.
enum GamePicture {
  kBackdropPicture,     // the sky behind the board
  kFloorPicture,        // the marble floor tile
  kEnvironmentPicture,  // the highlight sweeps of the sheen pass
  kWallPicture,         // the stone wall panel
  kDefensaPicture,      // the emblem of the defending role
  kMedioPicture,        // the emblem of the middle role
  kAtaquePicture,       // the emblem of the attacking role
  kGamePictureCount
};

// The folder the pictures are read from, relative to where the game starts.
constexpr const char kPictureFolder[] = "Data/";

// Each picture's file name inside that folder.
constexpr const char* kPictureFileNames[kGamePictureCount] = {
    "xpos.bmp", "marmol.bmp", "envroll.bmp", "a.bmp", "defensa.bmp", "medio.bmp", "ataque.bmp",
};

}  // namespace render
