// The font file's bytes: the header and records through the game's own
// format definition, the texels as they are.
#include "glf_file.h"

#include "file_bytes.h"

namespace tools {

std::vector<std::uint8_t> encodeGlf(const FontFile& font) {
  std::vector<std::uint8_t> out(render::kGlfHeaderSize + font.glyphs.size() * render::kGlfCharSize);
  render::GlfHeader header;  // texture name and reserved field stay 0
  header.textureWidth = font.textureWidth;
  header.textureHeight = font.textureHeight;
  header.firstChar = font.firstChar;
  header.lastChar = font.lastChar;
  render::encodeGlfHeader(header, out.data());
  std::uint8_t* record = out.data() + render::kGlfHeaderSize;
  for (const render::GlfChar& glyph : font.glyphs) {
    render::encodeGlfChar(glyph, record);
    record += render::kGlfCharSize;
  }
  out.insert(out.end(), font.texels.begin(), font.texels.end());
  return out;
}

bool writeGlf(const std::string& path, const FontFile& font) {
  return writeFileBytes(path, encodeGlf(font));
}

}  // namespace tools
