// Draws the game's icon at every size the desktop asks for: a small copy of
// the game screen (the black header and the dark input bar, each with its
// white line, around the blue console) holding a white "Z" in the game's
// own font. Each size is drawn on its own pixel grid, not scaled from a big
// picture: the bands are whole pixels and the letter is hinted (and, up to
// 32 px, rendered without antialiasing), so the 16-pixel icon stays sharp.
//
// Usage: zarvel-icons OUTPUT_DIR FONT_FILE
// writes OUTPUT_DIR/<size>.png for 16, 32, 48, 64, 128, 256 and 512.

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Rgb {
  uint8_t r, g, b;
};

// The game screen's colours.
constexpr Rgb kHeader{0, 0, 0};
constexpr Rgb kConsole{48, 48, 128};
constexpr Rgb kInputBar{28, 28, 28};
constexpr Rgb kWhite{255, 255, 255};

constexpr int kSizes[] = {16, 32, 48, 64, 128, 256, 512};

struct Image {
  int size = 0;
  std::vector<uint8_t> rgba;  // size * size * 4

  void Blend(int x, int y, Rgb c, int coverage) {
    if (x < 0 || y < 0 || x >= size || y >= size || coverage <= 0) return;
    uint8_t* p = &rgba[(size_t(y) * size + x) * 4];
    const int a = std::min(coverage, 255);
    p[0] = uint8_t((c.r * a + p[0] * (255 - a) + 127) / 255);
    p[1] = uint8_t((c.g * a + p[1] * (255 - a) + 127) / 255);
    p[2] = uint8_t((c.b * a + p[2] * (255 - a) + 127) / 255);
    p[3] = std::max<uint8_t>(p[3], uint8_t(a));
  }
  void Fill(int x0, int y0, int x1, int y1, Rgb c) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) Blend(x, y, c, 255);
  }
};

struct Letter {
  int width = 0, height = 0, left = 0, top = 0;
  std::vector<uint8_t> coverage;
};

// The letter rendered at one pixel size, its strokes thickened by a share of
// the size so that the condensed face reads at a glance.
bool RenderLetter(FT_Face face, int pixelSize, bool smooth, Letter& out) {
  FT_Set_Pixel_Sizes(face, 0, FT_UInt(pixelSize));
  const FT_UInt index = FT_Get_Char_Index(face, U'Z');
  const FT_Int32 target = smooth ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO;
  if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_NO_BITMAP | target))
    return false;
  FT_GlyphSlot g = face->glyph;
  FT_Outline_Embolden(&g->outline, FT_Pos(pixelSize * 64 / 9));
  if (FT_Render_Glyph(g, smooth ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO))
    return false;
  const FT_Bitmap& bm = g->bitmap;
  out.width = int(bm.width);
  out.height = int(bm.rows);
  out.left = g->bitmap_left;
  out.top = g->bitmap_top;
  out.coverage.assign(size_t(out.width) * out.height, 0);
  for (int y = 0; y < out.height; ++y) {
    const uint8_t* row = bm.buffer + y * bm.pitch;
    for (int x = 0; x < out.width; ++x) {
      out.coverage[size_t(y) * out.width + x] =
          bm.pixel_mode == FT_PIXEL_MODE_MONO
              ? ((row[x / 8] >> (7 - x % 8)) & 1 ? 255 : 0)
              : row[x];
    }
  }
  return true;
}

Image DrawIcon(FT_Face face, int size) {
  Image image;
  image.size = size;
  image.rgba.assign(size_t(size) * size * 4, 0);
  // A margin from 32 px up, as icon themes expect; the 16-pixel icon needs
  // every pixel.
  const int margin = size >= 32 ? size / 16 : 0;
  const int line = std::max(1, size / 32);
  const int band = std::max(2, int(std::lround(size * 0.125)));
  const int x0 = margin, x1 = size - margin, y0 = margin, y1 = size - margin;
  image.Fill(x0, y0, x1, y0 + band, kHeader);
  image.Fill(x0, y0 + band - line, x1, y0 + band, kWhite);
  image.Fill(x0, y0 + band, x1, y1 - band, kConsole);
  image.Fill(x0, y1 - band, x1, y1, kInputBar);
  image.Fill(x0, y1 - band, x1, y1 - band + line, kWhite);

  // The largest letter whose ink fits the console with a one-line gap.
  const int areaTop = y0 + band + line, areaBottom = y1 - band - line;
  const int wanted = areaBottom - areaTop;
  const bool smooth = size > 32;
  Letter letter;
  for (int px = wanted * 2; px > 4; --px) {
    if (RenderLetter(face, px, smooth, letter) && letter.height <= wanted &&
        letter.width <= (x1 - x0) - 2 * line)
      break;
  }
  const int left = x0 + ((x1 - x0) - letter.width) / 2;
  const int top = areaTop + (wanted - letter.height + 1) / 2;
  for (int y = 0; y < letter.height; ++y)
    for (int x = 0; x < letter.width; ++x)
      image.Blend(left + x, top + y, kWhite,
                  letter.coverage[size_t(y) * letter.width + x]);
  return image;
}

bool WritePng(const Image& image, const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    return false;
  }
  png_init_io(png, file);
  png_set_compression_level(png, 9);
  png_set_IHDR(png, info, png_uint_32(image.size), png_uint_32(image.size), 8,
               PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < image.size; ++y) {
    png_write_row(png, &image.rgba[size_t(y) * image.size * 4]);
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: zarvel-icons OUTPUT_DIR FONT_FILE\n");
    return 2;
  }
  FT_Library library;
  FT_Face face;
  if (FT_Init_FreeType(&library) != 0 ||
      FT_New_Face(library, argv[2], 0, &face) != 0) {
    std::fprintf(stderr, "zarvel-icons: cannot read the font %s\n", argv[2]);
    return 1;
  }
  for (int size : kSizes) {
    const std::string path =
        std::string(argv[1]) + "/" + std::to_string(size) + ".png";
    if (!WritePng(DrawIcon(face, size), path)) {
      std::fprintf(stderr, "zarvel-icons: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  FT_Done_Face(face);
  FT_Done_FreeType(library);
  return 0;
}
