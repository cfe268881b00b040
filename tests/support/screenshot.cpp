// Screenshots through ImageMagick's import and convert.
#include "support/screenshot.h"

#include <sys/stat.h>
#include <unistd.h>

#include "support/processes.h"

namespace xtest {

namespace {

// ImageMagick's own convert, wherever PATH may lead first.
const char* convertProgram() {
  return access("/usr/bin/convert", X_OK) == 0 ? "/usr/bin/convert" : "convert";
}

}  // namespace

std::string screenshotPath(const std::string& name) {
  mkdir(VELMORA_XTEST_SCREENSHOT_DIR, 0755);
  return std::string(VELMORA_XTEST_SCREENSHOT_DIR) + "/" + name;
}

namespace {

bool importWindow(const std::string& displayName, const std::string& window,
                  const std::string& pathStem, RgbImage* image, std::string* why) {
  const std::string ppm = pathStem + ".ppm";
  const std::string png = pathStem + ".png";
  unlink(ppm.c_str());
  std::string err;
  // -depth 8: import would otherwise write 16-bit samples.
  if (runProgram({"import", "-window", window, "-depth", "8", "ppm:" + ppm}, displayName, nullptr,
                 &err) != 0) {
    *why = "import failed: " + err;
    return false;
  }
  if (!parsePpm(readFile(ppm), image, why)) {
    *why = ppm + ": " + *why;
    return false;
  }
  if (runProgram({convertProgram(), ppm, png}, "", nullptr, &err) != 0) {
    *why = "convert failed: " + err;
    return false;
  }
  return true;
}

}  // namespace

bool takeScreenshot(const std::string& displayName, const std::string& pathStem, RgbImage* image,
                    std::string* why) {
  return importWindow(displayName, "root", pathStem, image, why);
}

bool takeWindowShot(const std::string& displayName, const std::string& windowId,
                    const std::string& pathStem, RgbImage* image, std::string* why) {
  return importWindow(displayName, windowId, pathStem, image, why);
}

}  // namespace xtest
