// velmora-make-icons DIR SIZE...: draws the desktop icon at each size and
// stores it as DIR/<N>x<N>/apps/velmora.png, the layout of an icon theme, so
// the folder installs as it is.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "icon_picture.h"
#include "png_writer.h"

namespace {

constexpr int kLargestSide = 1024;

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: velmora-make-icons DIR SIZE...\n");
    return 2;
  }
  for (int i = 2; i < argc; ++i) {
    const int side = std::atoi(argv[i]);
    if (side < 1 || side > kLargestSide) {
      std::fprintf(stderr, "velmora-make-icons: bad size \"%s\": 1 to %d\n", argv[i], kLargestSide);
      return 2;
    }
    const std::string size = std::to_string(side) + "x" + std::to_string(side);
    const std::filesystem::path dir = std::filesystem::path(argv[1]) / size / "apps";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
      std::fprintf(stderr, "velmora-make-icons: cannot create %s: %s\n", dir.c_str(),
                   ec.message().c_str());
      return 1;
    }
    const std::string path = (dir / "velmora.png").string();
    const tools::IconPicture icon = tools::makeIconPicture(side);
    if (!tools::writePngRgba(path, icon.colour, icon.alpha)) {
      std::fprintf(stderr, "velmora-make-icons: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
