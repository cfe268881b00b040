// Loading a BMP picture for a program that tells its user when it cannot:
// the decoder's file reader, with its failure shown in a message box.
#pragma once

#include <optional>

#include "render/dib_image.h"

namespace render {

// readDibImage, with a failure shown in the message box it names ("Error",
// and the reason), or on stderr when there is no display.
std::optional<RgbImage> loadDibImage(const char* fileName);

}  // namespace render
