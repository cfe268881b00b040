// BMP files for the decoder tests, written by the one BMP writer the picture
// generators use too (tools/bmp_writer), from small pictures described in the
// test, and what the decoder must give back for them.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "bmp_writer.h"

namespace bmptest {

using tools::BmpFormat;
using tools::buildBmp;
using tools::encodeBmp;
using tools::encodeRows;
using tools::Rgb;
using Picture = tools::RgbPicture;

// The decoder's expected output: red, green, blue, bottom row first.
std::vector<std::uint8_t> expectedRgb(const Picture& picture);

// A picture from rows of colour letters, with the colours given per letter.
Picture pictureFromRows(const std::vector<std::string>& rows,
                        const std::vector<std::pair<char, Rgb>>& colours);

}  // namespace bmptest
