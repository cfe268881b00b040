// Where the game's overlay lines land on the 1024 x 768 screen, and the
// measures the end-to-end tests make of a screenshot of the game.
#pragma once

#include "support/rgb_image.h"

namespace gametest {

// The screen rectangle of a line of overlay text whose top-left corner is at
// eye-space (x, y) and which ends at eye-space x `right` (the overlay plane
// z = -70 at the default 45-degree field of view shows x within 38.66 and y
// within 28.99).
xtest::PixelRect overlayBand(float x, float y, float right);

// The lines of the entry screen (0..3), the turn line, the speed prompt,
// and the two winner lines.
xtest::PixelRect entryBand(int line);
xtest::PixelRect turnBand();
xtest::PixelRect promptBand();
xtest::PixelRect finalBand();
xtest::PixelRect winnerBand();

// Pixels of the overlay's white text in a rectangle.
int textPixels(const xtest::RgbImage& image, xtest::PixelRect rect);

// Near-white pixels of `after` that were not near-white in `before`.
int newTextPixels(const xtest::RgbImage& before, const xtest::RgbImage& after,
                  xtest::PixelRect rect);

// Near-white pixels outside the given bands.
int textPixelsOutside(const xtest::RgbImage& image, const xtest::PixelRect* bands, int count);

// Pixels whose colour leans clearly to one channel: a piece's role colour.
int roleColouredPixels(const xtest::RgbImage& image, xtest::PixelRect rect, int channel);

}  // namespace gametest
