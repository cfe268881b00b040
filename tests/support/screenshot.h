// Screenshots of a whole X screen for the end-to-end tests: a PPM that the
// test reads and a PNG beside it for people, both kept in the build tree.
#pragma once

#include <string>

#include "support/rgb_image.h"

namespace xtest {

// Where a screenshot called `name` goes: the build tree's screenshot folder
// (made when missing) joined with `name`, without an extension.
std::string screenshotPath(const std::string& name);

// Photographs the root window with ImageMagick's import into pathStem.ppm,
// converts it to pathStem.png, and reads the PPM into `image`. False, with
// the reason, when a step fails.
bool takeScreenshot(const std::string& displayName, const std::string& pathStem, RgbImage* image,
                    std::string* why);

// The same of one window's inside (`windowId` as xdotool names it): under
// Xwayland the root window cannot be read, a window can.
bool takeWindowShot(const std::string& displayName, const std::string& windowId,
                    const std::string& pathStem, RgbImage* image, std::string* why);

}  // namespace xtest
