// The seven pictures: the files the build leaves in Data/, their sizes and
// depth, real variation, seamless tiling, distinct emblems, determinism.

#include "pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "bmp_reader.h"
#include "bmp_writer.h"

namespace {

// A decoded picture with channels in 0..1, top row first.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<float> rgb;
};

Picture decode(const std::vector<std::uint8_t>& bytes) {
  ReadBmp bmp;
  Picture p;
  if (!parseBmp24(bytes, bmp)) return p;
  p.width = bmp.width;
  p.height = bmp.height;
  for (std::uint8_t v : bmp.rgb) p.rgb.push_back(static_cast<float>(v) / 255.0f);
  return p;
}

Picture generate(tools::Image (*make)()) { return decode(tools::encodeBmp24(make(), true)); }

const float* at(const Picture& p, int x, int y) {
  return &p.rgb[(static_cast<std::size_t>(y) * static_cast<std::size_t>(p.width) +
                 static_cast<std::size_t>(x)) *
                3];
}

float lum(const Picture& p, int x, int y) {
  const float* c = at(p, x, y);
  return 0.2126f * c[0] + 0.7152f * c[1] + 0.0722f * c[2];
}

float colourGap(const float* a, const float* b) {
  return std::fabs(a[0] - b[0]) + std::fabs(a[1] - b[1]) + std::fabs(a[2] - b[2]);
}

std::vector<float> sortedLuminance(const Picture& p) {
  std::vector<float> all;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) all.push_back(lum(p, x, y));
  std::sort(all.begin(), all.end());
  return all;
}

float percentile(const std::vector<float>& sorted, float q) {
  return sorted[static_cast<std::size_t>(q * static_cast<float>(sorted.size() - 1))];
}

// How much the colour jumps across the wrap (last column to first, or last
// row to first), against the jumps just beside it on either side. Inside a
// continuous texture a step is about as large as its neighbours; at a seam it
// stands out.
float seamRatio(const Picture& p, bool acrossRows) {
  const int n = acrossRows ? p.height : p.width;
  const int m = acrossRows ? p.width : p.height;
  auto px = [&](int i, int k) { return acrossRows ? at(p, k, i) : at(p, i, k); };
  double wrap = 0.0, beside = 0.0;
  for (int k = 0; k < m; ++k) {
    wrap += colourGap(px(n - 1, k), px(0, k));
    beside += 0.5 * (colourGap(px(n - 2, k), px(n - 1, k)) + colourGap(px(0, k), px(1, k)));
  }
  return static_cast<float>(wrap / std::max(beside, 1e-6));
}

bool seamless(const Picture& p) { return seamRatio(p, false) < 2.0f && seamRatio(p, true) < 2.0f; }

Picture cropColumns(const Picture& p, int width) {
  Picture c;
  c.width = width;
  c.height = p.height;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < width; ++x) c.rgb.insert(c.rgb.end(), at(p, x, y), at(p, x, y) + 3);
  return c;
}

bool isPowerOfTwo(int v) { return v > 0 && (v & (v - 1)) == 0; }

// Emblem frame coordinates (-1..1, y up) of a pixel centre.
float radiusOf(const Picture& p, int x, int y) {
  const float half = static_cast<float>(p.width) * 0.5f;
  return std::hypot((static_cast<float>(x) + 0.5f - half) / half,
                    (static_cast<float>(y) + 0.5f - half) / half);
}

// Silver and white metal: every channel bright. No medallion field qualifies.
bool isMetal(const Picture& p, int x, int y) {
  const float* c = at(p, x, y);
  return std::min(c[0], std::min(c[1], c[2])) > 0.55f;
}

std::vector<std::uint8_t> builtFile(const char* name) {
  return readFileBytes(std::string(VELMORA_TEST_DATA_DIR) + "/" + name);
}

TEST(PictureFiles, BuildLeavesTheSevenPicturesAs24BitPowerOfTwoBmps) {
  std::set<std::string> names;
  for (const tools::PictureEntry& entry : tools::pictureTable()) {
    names.insert(entry.fileName);
    const std::vector<std::uint8_t> bytes = builtFile(entry.fileName);
    ReadBmp bmp;
    ASSERT_TRUE(parseBmp24(bytes, bmp)) << entry.fileName;
    EXPECT_EQ(bmp.infoSize, 40u) << entry.fileName;
    EXPECT_TRUE(isPowerOfTwo(bmp.width) && isPowerOfTwo(bmp.height)) << entry.fileName;
    const int side = std::string(entry.fileName) == "xpos.bmp" ? 512 : 256;
    EXPECT_TRUE(bmp.width == side && bmp.height == side) << entry.fileName;
    EXPECT_EQ(bytes.size(), 54u + static_cast<std::size_t>(side) * side * 3) << entry.fileName;
  }
  EXPECT_EQ(names, (std::set<std::string>{"xpos.bmp", "marmol.bmp", "envroll.bmp", "a.bmp",
                                          "defensa.bmp", "medio.bmp", "ataque.bmp"}));
}

TEST(PictureFiles, GenerationIsDeterministicAcrossRunsAndProcesses) {
  for (const tools::PictureEntry& entry : tools::pictureTable()) {
    const std::vector<std::uint8_t> first = tools::encodeBmp24(entry.make(), true);
    EXPECT_TRUE(first == tools::encodeBmp24(entry.make(), true)) << entry.fileName;
    // The file was written by another process during the build.
    EXPECT_TRUE(first == builtFile(entry.fileName)) << entry.fileName;
  }
}

TEST(PictureContent, NoPictureIsFlat) {
  for (const tools::PictureEntry& entry : tools::pictureTable()) {
    // The middle 80 percent of the brightness values spread over a real range.
    const std::vector<float> l = sortedLuminance(generate(entry.make));
    EXPECT_GT(percentile(l, 0.9f) - percentile(l, 0.1f), 0.08f) << entry.fileName;
  }
}

TEST(PictureContent, TilesRepeatWithoutAVisibleSeam) {
  for (tools::Image (*make)() :
       {tools::makeMarblePicture, tools::makeWallPicture, tools::makeEnvironmentPicture}) {
    EXPECT_TRUE(seamless(generate(make)));
  }
}

TEST(PictureContent, SeamCheckFlagsACropThatIsNotAWholeTile) {
  const Picture marble = generate(tools::makeMarblePicture);
  EXPECT_FALSE(seamless(cropColumns(marble, marble.width - 37)));
  const Picture wall = generate(tools::makeWallPicture);
  EXPECT_FALSE(seamless(cropColumns(wall, wall.width - 37)));
}

TEST(PictureContent, BackdropIsDeepSkyWithScatteredStars) {
  const Picture p = generate(tools::makeBackdropPicture);
  const std::vector<float> l = sortedLuminance(p);
  EXPECT_LT(percentile(l, 0.5f), 0.15f);
  int bright = 0;
  for (float v : l) bright += v > 0.6f ? 1 : 0;
  const double share = static_cast<double>(bright) / static_cast<double>(l.size());
  EXPECT_GT(share, 0.001);  // stars are there
  EXPECT_LT(share, 0.05);   // but the sky stays dark
}

TEST(PictureContent, EnvironmentMapIsMostlyDarkWithBrightSweeps) {
  const std::vector<float> l = sortedLuminance(generate(tools::makeEnvironmentPicture));
  EXPECT_LT(percentile(l, 0.5f), 0.25f);
  EXPECT_GT(percentile(l, 0.99f), 0.8f);
}

TEST(StanceEmblems, AreToldApartByColourAndShape) {
  const Picture emblems[3] = {generate(tools::makeDefensaEmblem), generate(tools::makeMedioEmblem),
                              generate(tools::makeAtaqueEmblem)};
  float meanColour[3][3] = {};
  std::vector<bool> metal[3];
  for (int e = 0; e < 3; ++e) {
    const Picture& p = emblems[e];
    int count = 0;
    for (int y = 0; y < p.height; ++y) {
      for (int x = 0; x < p.width; ++x) {
        const bool inside = radiusOf(p, x, y) < 0.7f;
        metal[e].push_back(inside && isMetal(p, x, y));
        if (!inside) continue;
        for (int c = 0; c < 3; ++c) meanColour[e][c] += at(p, x, y)[c];
        ++count;
      }
    }
    for (float& c : meanColour[e]) c /= static_cast<float>(count);
  }
  for (int a = 0; a < 3; ++a) {
    for (int b = a + 1; b < 3; ++b) {
      EXPECT_GT(colourGap(meanColour[a], meanColour[b]), 0.3f) << a << " vs " << b;
      // Overlap of the metal figures, as intersection over union.
      int both = 0, either = 0;
      for (std::size_t i = 0; i < metal[a].size(); ++i) {
        both += metal[a][i] && metal[b][i];
        either += metal[a][i] || metal[b][i];
      }
      ASSERT_GT(either, 0);
      EXPECT_LT(static_cast<float>(both) / static_cast<float>(either), 0.5f) << a << " vs " << b;
    }
  }
}

TEST(StanceEmblems, FigureAndRingStayInsideTheDrawnHexagon) {
  // The disk is a six-sided fan inscribed in the picture's circle: its flat
  // sides come in to 0.866 of the radius. Nothing metal may lie beyond that.
  for (tools::Image (*make)() :
       {tools::makeDefensaEmblem, tools::makeMedioEmblem, tools::makeAtaqueEmblem}) {
    const Picture p = generate(make);
    int metalOutside = 0, metalInside = 0;
    for (int y = 0; y < p.height; ++y) {
      for (int x = 0; x < p.width; ++x) {
        if (!isMetal(p, x, y)) continue;
        (radiusOf(p, x, y) > 0.86f ? metalOutside : metalInside)++;
      }
    }
    EXPECT_EQ(metalOutside, 0);
    EXPECT_GT(metalInside, 2000);
  }
}

}  // namespace
