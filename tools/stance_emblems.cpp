// The three squad-stance emblems shown on the home-corner disks: a shield on
// blue for defence, a balance on gold for the middle stance, crossed swords on
// red for attack. Bold shapes and distinct colours so they read when small.

#include <cmath>
#include <vector>

#include "emblem_painter.h"
#include "pictures.h"

namespace tools {

namespace {

constexpr int side = 256;

const LayerStyle silver{
    {0.97f, 0.97f, 0.99f}, {0.58f, 0.61f, 0.68f}, {0.06f, 0.06f, 0.08f}, 0.035f, 0.07f, 0.45f};
const LayerStyle gold{
    {1.0f, 0.88f, 0.5f}, {0.66f, 0.45f, 0.14f}, {0.08f, 0.05f, 0.02f}, 0.03f, 0.06f, 0.4f};

Vec2 quadraticPoint(Vec2 a, Vec2 control, Vec2 b, float t) {
  const float s = 1.0f - t;
  return {s * s * a.x + 2.0f * s * t * control.x + t * t * b.x,
          s * s * a.y + 2.0f * s * t * control.y + t * t * b.y};
}

// Heater shield outline: straight top, straight upper sides, curved to a point.
std::vector<Vec2> shieldOutline(float halfWidth, float top, float shoulder, float tip) {
  std::vector<Vec2> right;
  right.push_back({halfWidth, top});
  const Vec2 start{halfWidth, shoulder};
  const Vec2 control{halfWidth * 0.95f, tip + (shoulder - tip) * 0.35f};
  const Vec2 end{0.0f, tip};
  for (int i = 0; i <= 16; ++i)
    right.push_back(quadraticPoint(start, control, end, static_cast<float>(i) / 16.0f));
  std::vector<Vec2> outline = right;
  for (int i = static_cast<int>(right.size()) - 2; i >= 0; --i)
    outline.push_back({-right[i].x, right[i].y});
  return outline;
}

Image blankEmblem() { return makeImage(side, side, Colour{0, 0, 0}); }

// Distance to one sword, point up along its own axis, scaled and turned so
// that two of them cross at the middle of their blades.
float swordDistance(Vec2 p, float turn, bool hiltOnly) {
  const float scale = 0.88f;
  const Vec2 r = rotateVec(p, -turn);
  const Vec2 q{r.x / scale, r.y / scale + 0.16f};
  float d;
  if (hiltOnly) {
    const float guard = boxDistance(q, {0.0f, -0.2f}, {0.22f, 0.045f}, 0.035f);
    const float grip = boxDistance(q, {0.0f, -0.33f}, {0.045f, 0.12f}, 0.02f);
    const float pommel = circleDistance(q, {0.0f, -0.49f}, 0.07f);
    d = unionDistance(unionDistance(guard, grip), pommel);
  } else {
    const std::vector<Vec2> blade = {
        {-0.085f, -0.2f}, {0.085f, -0.2f}, {0.085f, 0.56f}, {0.0f, 0.8f}, {-0.085f, 0.56f}};
    d = polygonDistance(q, blade);
  }
  return d * scale;
}

}  // namespace

Image makeDefensaEmblem() {
  Image image = blankEmblem();
  paintMedallion(image, {0.2f, 0.42f, 0.86f}, {0.04f, 0.1f, 0.32f}, silver);

  const std::vector<Vec2> outer = shieldOutline(0.44f, 0.46f, 0.06f, -0.6f);
  const DistanceField shield = sampleField(side, [&](Vec2 p) { return polygonDistance(p, outer); });
  paintLayer(image, shield, silver);

  // The shield's face, set into its silver rim, bears a chevron.
  const std::vector<Vec2> inner = shieldOutline(0.33f, 0.36f, 0.04f, -0.45f);
  const LayerStyle face{
      {0.24f, 0.5f, 0.95f}, {0.08f, 0.2f, 0.55f}, {0.05f, 0.08f, 0.18f}, 0.02f, 0.03f, 0.0f};
  paintLayer(image, sampleField(side, [&](Vec2 p) { return polygonDistance(p, inner); }), face);
  const DistanceField chevron = sampleField(side, [&](Vec2 p) {
    const float arms = unionDistance(segmentDistance(p, {-0.42f, -0.3f}, {0.0f, 0.1f}, 0.08f),
                                     segmentDistance(p, {0.42f, -0.3f}, {0.0f, 0.1f}, 0.08f));
    return intersectDistance(arms, polygonDistance(p, inner));
  });
  paintLayer(
      image, chevron,
      {{0.97f, 0.97f, 0.99f}, {0.6f, 0.63f, 0.7f}, {0.05f, 0.08f, 0.18f}, 0.015f, 0.04f, 0.3f});
  return image;
}

Image makeMedioEmblem() {
  Image image = blankEmblem();
  paintMedallion(image, {0.92f, 0.68f, 0.18f}, {0.42f, 0.26f, 0.03f}, silver);

  const float panX = 0.4f;
  const float panTop = -0.08f;
  const float panRadius = 0.2f;
  const DistanceField strings = sampleField(side, [&](Vec2 p) {
    float d = 1e9f;
    for (float sx : {-1.0f, 1.0f}) {
      const Vec2 hook{sx * 0.46f, 0.36f};
      d = unionDistance(d, segmentDistance(p, hook, {sx * panX - panRadius, panTop}, 0.018f));
      d = unionDistance(d, segmentDistance(p, hook, {sx * panX + panRadius, panTop}, 0.018f));
    }
    return d;
  });
  paintLayer(
      image, strings,
      {{0.2f, 0.15f, 0.08f}, {0.15f, 0.1f, 0.05f}, {0.1f, 0.07f, 0.03f}, 0.005f, 0.0f, 0.35f});

  const DistanceField frame = sampleField(side, [&](Vec2 p) {
    const float post = boxDistance(p, {0.0f, -0.08f}, {0.05f, 0.48f}, 0.02f);
    const float beam = boxDistance(p, {0.0f, 0.36f}, {0.52f, 0.042f}, 0.035f);
    const float pivot = circleDistance(p, {0.0f, 0.36f}, 0.085f);
    const float finial = circleDistance(p, {0.0f, 0.55f}, 0.065f);
    const std::vector<Vec2> foot = {
        {-0.26f, -0.57f}, {0.26f, -0.57f}, {0.09f, -0.45f}, {-0.09f, -0.45f}};
    float d = unionDistance(unionDistance(post, beam), unionDistance(pivot, finial));
    return unionDistance(d, polygonDistance(p, foot) - 0.015f);
  });
  paintLayer(image, frame, silver);

  const DistanceField pans = sampleField(side, [&](Vec2 p) {
    float d = 1e9f;
    for (float sx : {-1.0f, 1.0f}) {
      const float bowl =
          intersectDistance(circleDistance(p, {sx * panX, panTop}, panRadius), p.y - panTop);
      d = unionDistance(d, unionDistance(bowl, boxDistance(p, {sx * panX, panTop},
                                                           {panRadius + 0.02f, 0.025f}, 0.02f)));
    }
    return d;
  });
  paintLayer(image, pans, silver);
  return image;
}

Image makeAtaqueEmblem() {
  Image image = blankEmblem();
  paintMedallion(image, {0.88f, 0.16f, 0.12f}, {0.32f, 0.02f, 0.02f}, silver);

  const float turn = 0.66f;  // radians from upright
  // The swords cross: the second is laid over the first.
  for (float t : {turn, -turn}) {
    paintLayer(image, sampleField(side, [&](Vec2 p) { return swordDistance(p, t, false); }),
               silver);
    const DistanceField fuller = sampleField(side, [&](Vec2 p) {
      const Vec2 r = rotateVec(p, -t);
      const Vec2 q{r.x / 0.88f, r.y / 0.88f + 0.16f};
      return segmentDistance(q, {0.0f, -0.14f}, {0.0f, 0.54f}, 0.014f) * 0.88f;
    });
    paintLayer(
        image, fuller,
        {{0.45f, 0.48f, 0.55f}, {0.35f, 0.38f, 0.45f}, {0.4f, 0.42f, 0.5f}, 0.0f, 0.0f, 0.0f});
    paintLayer(image, sampleField(side, [&](Vec2 p) { return swordDistance(p, t, true); }), gold);
  }
  return image;
}

}  // namespace tools
