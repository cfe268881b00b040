// The seam between the decoder, which only says what went wrong, and the
// platform's message box, which shows it.
#include "render/dib_loader.h"

#include "platform/message_box.h"

namespace render {

std::optional<RgbImage> loadDibImage(const char* fileName) {
  DibFailure failure;
  std::optional<RgbImage> image = readDibImage(fileName, &failure);
  if (!image) platform::showMessageBox(failure.title, failure.text);
  return image;
}

}  // namespace render
