// The pieces' colour table and pyramid faces.
#include "render/piece_appearance.h"

namespace render {

const Rgb kRoleColours[2][3] = {
    // Piramides: Red, Green, Blue
    {{0.8f, 0.4f, 0.4f}, {0.4f, 0.8f, 0.4f}, {0.4f, 0.4f, 0.8f}},
    // Esferas: Red, Green, Blue
    {{0.6f, 0.2f, 0.2f}, {0.2f, 0.6f, 0.2f}, {0.2f, 0.2f, 0.6f}},
};

const Rgb* roleColour(armies::Side side, int role) {
  if (side != armies::Piramides && side != armies::Esferas) return nullptr;
  if (role < armies::Red || role > armies::Blue) return nullptr;
  return &kRoleColours[side - 1][role - 1];
}

namespace {

constexpr Vec3 kApex = {0, 3, 0};

}  // namespace

const PyramidBase kPyramidBase = {
    {0, -1, 0}, {{2.5f, -2, 2.5f}, {-2.5f, -2, 2.5f}, {-2.5f, -2, -2.5f}, {2.5f, -2, -2.5f}}};

const PyramidSide kPyramidSides[4] = {
    {{0, 0, 1}, {kApex, {-2.5f, -2, 2.5f}, {2.5f, -2, 2.5f}}},
    {{1, 0, 0}, {kApex, {2.5f, -2, 2.5f}, {2.5f, -2, -2.5f}}},
    {{0, 0, -1}, {kApex, {2.5f, -2, -2.5f}, {-2.5f, -2, -2.5f}}},
    {{-1, 0, 0}, {kApex, {-2.5f, -2, -2.5f}, {-2.5f, -2, 2.5f}}},
};

}  // namespace render
