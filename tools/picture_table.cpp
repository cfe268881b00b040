// Which generator fills which of the game's picture files.

#include "pictures.h"
#include "render/picture_files.h"

namespace tools {

const std::vector<PictureEntry>& pictureTable() {
  static const std::vector<PictureEntry> table = {
      {render::kPictureFileNames[render::kBackdropPicture], makeBackdropPicture},
      {render::kPictureFileNames[render::kFloorPicture], makeMarblePicture},
      {render::kPictureFileNames[render::kEnvironmentPicture], makeEnvironmentPicture},
      {render::kPictureFileNames[render::kWallPicture], makeWallPicture},
      {render::kPictureFileNames[render::kDefensaPicture], makeDefensaEmblem},
      {render::kPictureFileNames[render::kMedioPicture], makeMedioEmblem},
      {render::kPictureFileNames[render::kAtaquePicture], makeAtaqueEmblem},
  };
  return table;
}

}  // namespace tools
