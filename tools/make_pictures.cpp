// velmora-make-pictures DATA_DIR: draws the game's seven pictures and stores
// them as 24-bit BMP files in DATA_DIR, which is created when missing.

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "bmp_writer.h"
#include "pictures.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: velmora-make-pictures DATA_DIR\n");
    return 2;
  }
  const std::filesystem::path dir(argv[1]);
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) {
    std::fprintf(stderr, "velmora-make-pictures: cannot create %s: %s\n", dir.c_str(),
                 ec.message().c_str());
    return 1;
  }
  for (const tools::PictureEntry& entry : tools::pictureTable()) {
    const std::string path = (dir / entry.fileName).string();
    if (!tools::writeBmp24(path, entry.make(), true)) {
      std::fprintf(stderr, "velmora-make-pictures: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
