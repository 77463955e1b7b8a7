#include "media/web/GlyphTable.h"

#include <cstdint>

namespace zarvel {

namespace {

constexpr char kMagic[] = "ZGLYPHS1";
constexpr size_t kMagicSize = sizeof(kMagic) - 1;
// No glyph of a 20-pixel face comes near this; a larger one is broken data.
constexpr int32_t kLargestGlyphSide = 1024;

void PutInt(std::string& out, int32_t value, int bytes = 4) {
  const auto bits = static_cast<uint32_t>(value);
  for (int i = 0; i < bytes; ++i)
    out += static_cast<char>((bits >> (8 * i)) & 0xFF);
}

class Reader {
 public:
  explicit Reader(const std::string& bytes) : bytes_(bytes) {}
  bool Int(int32_t& value, int bytes = 4) {
    if (bytes_.size() - at_ < static_cast<size_t>(bytes)) return false;
    uint32_t bits = 0;
    for (int i = 0; i < bytes; ++i) {
      bits |= static_cast<uint32_t>(static_cast<unsigned char>(bytes_[at_++]))
              << (8 * i);
    }
    value = static_cast<int32_t>(bits);
    return true;
  }
  bool Bytes(size_t count, std::vector<uint8_t>& out) {
    if (bytes_.size() - at_ < count) return false;
    out.assign(bytes_.begin() + static_cast<ptrdiff_t>(at_),
               bytes_.begin() + static_cast<ptrdiff_t>(at_ + count));
    at_ += count;
    return true;
  }
  bool Skip(size_t count) {
    if (bytes_.size() - at_ < count) return false;
    at_ += count;
    return true;
  }
  bool AtEnd() const { return at_ == bytes_.size(); }

 private:
  const std::string& bytes_;
  size_t at_ = 0;
};

}  // namespace

std::string EncodeGlyphTable(const GlyphTable& table) {
  std::string out(kMagic, kMagicSize);
  for (int value :
       {table.pixelSize, table.smooth ? 1 : 0, table.ascender, table.descender,
        table.height, static_cast<int>(table.glyphs.size())}) {
    PutInt(out, value);
  }
  for (const GlyphTable::Entry& entry : table.glyphs) {
    const Glyph& glyph = entry.glyph;
    PutInt(out, entry.character, 2);
    for (int value : {glyph.width, glyph.height, glyph.offsetX, glyph.offsetY,
                      glyph.advance}) {
      PutInt(out, value);
    }
    out.append(glyph.coverage.begin(), glyph.coverage.end());
  }
  return out;
}

std::optional<GlyphTable> DecodeGlyphTable(const std::string& bytes) {
  if (bytes.compare(0, kMagicSize, kMagic) != 0) return std::nullopt;
  Reader reader(bytes);
  reader.Skip(kMagicSize);
  GlyphTable table;
  int32_t smooth = 0, count = 0;
  if (!reader.Int(table.pixelSize) || !reader.Int(smooth) ||
      !reader.Int(table.ascender) || !reader.Int(table.descender) ||
      !reader.Int(table.height) || !reader.Int(count) || count < 0 ||
      count > 0x10000) {
    return std::nullopt;
  }
  table.smooth = smooth != 0;
  table.glyphs.resize(static_cast<size_t>(count));
  for (GlyphTable::Entry& entry : table.glyphs) {
    int32_t character = 0;
    Glyph& glyph = entry.glyph;
    if (!reader.Int(character, 2) || !reader.Int(glyph.width) ||
        !reader.Int(glyph.height) || !reader.Int(glyph.offsetX) ||
        !reader.Int(glyph.offsetY) || !reader.Int(glyph.advance) ||
        glyph.width < 0 || glyph.height < 0 ||
        glyph.width > kLargestGlyphSide || glyph.height > kLargestGlyphSide ||
        !reader.Bytes(static_cast<size_t>(glyph.width) * glyph.height,
                      glyph.coverage)) {
      return std::nullopt;
    }
    entry.character = static_cast<char16_t>(character);
  }
  if (!reader.AtEnd()) return std::nullopt;
  return table;
}

}  // namespace zarvel
