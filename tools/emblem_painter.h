// Paints emblem layers from sampled distance fields: a soft drop shadow, a
// dark outline and a bevelled, lit metal fill, all antialiased.
#pragma once

#include <cstddef>
#include <vector>

#include "image.h"
#include "shapes.h"

namespace tools {

// Signed distances, in emblem units, at every pixel centre of a square picture
// whose emblem frame spans -1..1 in x (left to right) and y (bottom to top).
struct DistanceField {
  int side;
  std::vector<float> distance;
};

Vec2 emblemPoint(int side, int x, int y);
float emblemPixel(int side);  // one pixel in emblem units

template <typename Shape>
DistanceField sampleField(int side, Shape shape) {
  DistanceField field{
      side, std::vector<float>(static_cast<std::size_t>(side) * static_cast<std::size_t>(side))};
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      field.distance[static_cast<std::size_t>(y) * static_cast<std::size_t>(side) +
                     static_cast<std::size_t>(x)] = shape(emblemPoint(side, x, y));
    }
  }
  return field;
}

struct LayerStyle {
  Colour light;  // fill at the top of the emblem frame
  Colour dark;   // fill at the bottom
  Colour outline;
  float outlineWidth;  // emblem units
  float bevelWidth;    // emblem units; 0 for a flat fill
  float shadow;        // opacity of the drop shadow, 0 for none
};

void paintLayer(Image& image, const DistanceField& field, const LayerStyle& style);

// The round medallion behind every emblem: a radial field of `centre` fading
// to `edge`, and a bevelled metal ring that sits inside the drawn disk.
void paintMedallion(Image& image, const Colour& centre, const Colour& edge, const LayerStyle& ring);

}  // namespace tools
