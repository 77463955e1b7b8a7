// Draws the intro's nine title cards and the game's logo: white letters on
// transparency, antialiased by FreeType, written as 8-bit RGBA PNGs.
//
// The words of the opening phrase share one pixel size and one baseline, so
// that they look alike as they follow each other; the letters are spread to
// bring each card near the width its place in the intro was laid out for,
// and no card is wider than 720 pixels, so the 800-pixel screen keeps a
// margin around it. The last card, the game's title, and the logo are one
// wordmark at two heights: capitals whose first and last letters stand
// taller than the rest, between two hairlines that fade outwards and end in
// a small diamond next to the word.
//
// Usage: zarvel-titlecards OUTPUT_DIR FONT_FILE

#include <ft2build.h>
#include FT_FREETYPE_H
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Card {
  const char* file;
  std::u32string text;
  int targetWidth;  // the width the intro's layout expects
  int height;
  int maxTrackingPercent;  // of the pixel size, between two letters
};

const Card kCards[] = {
    {"01_brokvin.png", U"brokvin", 412, 54, 150},
    {"02_ve_spolupraci_s.png", U"ve spolupráci s", 700, 54, 150},
    {"03_fendrikem.png", U"fendrikem", 510, 54, 150},
    {"04_uvadi.png", U"uvádí", 252, 54, 150},
    {"05_puvodni.png", U"původní", 357, 54, 150},
    {"06_ceskou.png", U"českou", 308, 54, 150},
    {"07_hororovou.png", U"hororovou", 461, 54, 150},
    {"08_konverzacni_hru.png", U"konverzační hru", 700, 54, 150},
};
constexpr int kWidestCard = 720;

struct Wordmark {
  const char* file;
  int width;
  int height;
};
const Wordmark kTitle = {"09_zarvel.png", 640, 54};
const Wordmark kLogo = {"zarvellogo.png", 502, 27};
const std::u32string kWordmarkText = U"ZARVEL";

constexpr int kMargin = 1;  // transparent border around the ink

struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> alpha;
};

struct InkExtent {
  int above = 0;  // pixels above the baseline
  int below = 0;  // pixels below it
};

bool LoadGlyph(FT_Face face, char32_t c) {
  FT_UInt index = FT_Get_Char_Index(face, c);
  return index != 0 && FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) == 0 &&
         FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) == 0;
}

InkExtent MeasureInk(FT_Face face, const std::u32string& text) {
  InkExtent ink;
  for (char32_t c : text) {
    if (!LoadGlyph(face, c)) continue;
    FT_GlyphSlot g = face->glyph;
    if (g->bitmap.rows == 0) continue;
    ink.above = std::max(ink.above, g->bitmap_top);
    ink.below = std::max(ink.below, int(g->bitmap.rows) - g->bitmap_top);
  }
  return ink;
}

// The largest pixel size at which every text fits the height.
int FitPixelSize(FT_Face face, const std::vector<std::u32string>& texts,
                 int height, InkExtent& ink) {
  for (int size = height * 2; size > 4; --size) {
    FT_Set_Pixel_Sizes(face, 0, FT_UInt(size));
    InkExtent all;
    for (const std::u32string& text : texts) {
      InkExtent one = MeasureInk(face, text);
      all.above = std::max(all.above, one.above);
      all.below = std::max(all.below, one.below);
    }
    if (all.above + all.below <= height - 2 * kMargin) {
      ink = all;
      return size;
    }
  }
  return 0;
}

// Extra space between letters: `base` pixels after every letter, one more
// after each of the first `extra` letters.
struct Tracking {
  int base = 0;
  int extra = 0;
  int After(size_t letter) const {
    return base + (int(letter) < extra ? 1 : 0);
  }
};

// Width of the ink from the first letter's left edge.
int InkWidth(FT_Face face, const std::u32string& text, Tracking tracking) {
  int pen = 0, left = 0, right = 0;
  bool first = true;
  for (size_t i = 0; i < text.size(); ++i) {
    if (!LoadGlyph(face, text[i])) continue;
    FT_GlyphSlot g = face->glyph;
    if (first && g->bitmap.width > 0) left = g->bitmap_left;
    first = false;
    if (g->bitmap.width > 0)
      right = std::max(right, pen + g->bitmap_left + int(g->bitmap.width));
    pen += int(g->advance.x >> 6) + tracking.After(i);
  }
  return right - left;
}

Image Draw(FT_Face face, const Card& card, int baseline, Tracking tracking) {
  Image image;
  image.width = InkWidth(face, card.text, tracking) + 2 * kMargin;
  image.height = card.height;
  image.alpha.assign(size_t(image.width) * image.height, 0);
  int pen = kMargin;
  bool first = true;
  for (size_t i = 0; i < card.text.size(); ++i) {
    if (!LoadGlyph(face, card.text[i])) continue;
    FT_GlyphSlot g = face->glyph;
    // The first letter's left bearing would otherwise leave a wider
    // transparent edge on the left than on the right.
    if (first && g->bitmap.width > 0) pen -= g->bitmap_left;
    first = false;
    for (unsigned row = 0; row < g->bitmap.rows; ++row) {
      int y = baseline - g->bitmap_top + int(row);
      if (y < 0 || y >= image.height) continue;
      for (unsigned col = 0; col < g->bitmap.width; ++col) {
        int x = pen + g->bitmap_left + int(col);
        if (x < 0 || x >= image.width) continue;
        uint8_t v = g->bitmap.buffer[row * g->bitmap.pitch + col];
        uint8_t& out = image.alpha[size_t(y) * image.width + x];
        out = std::max(out, v);
      }
    }
    pen += int(g->advance.x >> 6) + tracking.After(i);
  }
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
  png_set_IHDR(png, info, png_uint_32(image.width), png_uint_32(image.height),
               8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<uint8_t> row(size_t(image.width) * 4);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      // White everywhere, so that a filtering or tinting draw never pulls a
      // dark fringe out of the transparent pixels.
      row[size_t(x) * 4 + 0] = 255;
      row[size_t(x) * 4 + 1] = 255;
      row[size_t(x) * 4 + 2] = 255;
      row[size_t(x) * 4 + 3] = image.alpha[size_t(y) * image.width + x];
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(file) == 0;
}

// Spreads the letters so the card comes near its intended width; never
// squeezes them closer than the font sets them, and never so far apart that
// the word falls into single letters.
Tracking TrackingFor(FT_Face face, const Card& card, int pixelSize) {
  int gaps = int(card.text.size()) - 1;
  if (gaps <= 0) return {};
  int natural = InkWidth(face, card.text, {}) + 2 * kMargin;
  int spread = std::max(card.targetWidth - natural, 0);
  int most = pixelSize * card.maxTrackingPercent / 100;
  if (spread / gaps >= most) return {most, 0};
  return {spread / gaps, spread % gaps};
}

bool MakeSet(FT_Face face, const std::vector<Card>& cards,
             const std::string& dir) {
  std::vector<std::u32string> texts;
  for (const Card& card : cards) texts.push_back(card.text);
  InkExtent ink;
  int size = FitPixelSize(face, texts, cards.front().height, ink);
  if (size == 0) return false;
  int spare = cards.front().height - 2 * kMargin - ink.above - ink.below;
  int baseline = kMargin + spare / 2 + ink.above;
  for (const Card& card : cards) {
    Image image = Draw(face, card, baseline, TrackingFor(face, card, size));
    if (image.width > kWidestCard) {
      std::fprintf(stderr, "%s would be %d pixels wide, more than %d\n",
                   card.file, image.width, kWidestCard);
      return false;
    }
    std::string path = dir + "/" + card.file;
    if (!WritePng(image, path)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return false;
    }
    std::printf("%s: %d x %d (wanted width %d), %d px letters\n", card.file,
                image.width, image.height, card.targetWidth, size);
  }
  return true;
}

// The height of a capital Z's ink at a pixel size.
int CapHeight(FT_Face face, int size) {
  FT_Set_Pixel_Sizes(face, 0, FT_UInt(size));
  return LoadGlyph(face, U'Z') ? face->glyph->bitmap_top : 0;
}

// The largest pixel size whose capitals are at most `height` pixels tall.
int SizeForCapHeight(FT_Face face, int height) {
  for (int size = height * 2; size > 4; --size) {
    if (CapHeight(face, size) <= height) return size;
  }
  return 0;
}

void Blend(Image& image, int x, int y, double coverage) {
  if (x < 0 || y < 0 || x >= image.width || y >= image.height) return;
  uint8_t& out = image.alpha[size_t(y) * image.width + x];
  int v = int(coverage * 255 + 0.5);
  out = uint8_t(std::max(int(out), std::min(v, 255)));
}

// One letter at a pixel size with its pen position; returns its advance.
int DrawLetter(FT_Face face, int size, char32_t c, Image& image, int pen,
               int baseline) {
  FT_Set_Pixel_Sizes(face, 0, FT_UInt(size));
  if (!LoadGlyph(face, c)) return 0;
  FT_GlyphSlot g = face->glyph;
  for (unsigned row = 0; row < g->bitmap.rows; ++row) {
    for (unsigned col = 0; col < g->bitmap.width; ++col) {
      Blend(image, pen + g->bitmap_left + int(col),
            baseline - g->bitmap_top + int(row),
            g->bitmap.buffer[row * g->bitmap.pitch + col] / 255.0);
    }
  }
  return int(g->advance.x >> 6);
}

struct LetterBox {
  int left = 0;   // ink's left edge from the pen
  int right = 0;  // ink's right edge from the pen
  int advance = 0;
};

LetterBox MeasureLetter(FT_Face face, int size, char32_t c) {
  FT_Set_Pixel_Sizes(face, 0, FT_UInt(size));
  if (!LoadGlyph(face, c)) return {};
  FT_GlyphSlot g = face->glyph;
  return {g->bitmap_left, g->bitmap_left + int(g->bitmap.width),
          int(g->advance.x >> 6)};
}

// The game's name as a wordmark (see the top of this file). Every measure
// follows from the height, so the title card and the logo are one design.
Image DrawWordmark(FT_Face face, const Wordmark& mark) {
  Image image;
  image.width = mark.width;
  image.height = mark.height;
  image.alpha.assign(size_t(image.width) * image.height, 0);
  const int tallCaps = mark.height - 2 * kMargin;
  const int bigSize = SizeForCapHeight(face, tallCaps);
  const int smallSize = SizeForCapHeight(face, tallCaps * 4 / 5);
  const int smallCaps = CapHeight(face, smallSize);
  const int tracking = std::max(2, tallCaps / 5);
  const size_t last = kWordmarkText.size() - 1;
  auto sizeOf = [&](size_t i) {
    return i == 0 || i == last ? bigSize : smallSize;
  };
  // Width of the ink from the first letter's left edge to the last's right.
  int pen = 0, inkLeft = 0, inkRight = 0;
  for (size_t i = 0; i <= last; ++i) {
    LetterBox box = MeasureLetter(face, sizeOf(i), kWordmarkText[i]);
    if (i == 0) inkLeft = pen + box.left;
    inkRight = pen + box.right;
    pen += box.advance + tracking;
  }
  const int wordWidth = inkRight - inkLeft;
  const int wordLeft = (mark.width - wordWidth) / 2;
  const int baseline = kMargin + tallCaps;
  pen = wordLeft - inkLeft;
  for (size_t i = 0; i <= last; ++i) {
    pen += DrawLetter(face, sizeOf(i), kWordmarkText[i], image, pen, baseline);
    pen += tracking;
  }
  // Hairlines at the middle of the small capitals, one pixel per 27 of
  // height, fading from full white at the diamond to nothing at the edge.
  const int thickness = std::max(1, mark.height / 27);
  const int lineTop = baseline - smallCaps / 2 - thickness / 2;
  const int gap = tracking * 2;
  const int diamond = std::max(3, mark.height / 8);  // half its diagonal
  const int leftEnd = wordLeft - gap - diamond;      // diamond centres
  const int rightEnd = wordLeft + wordWidth + gap + diamond;
  const double centreY = lineTop + thickness / 2.0;
  for (int side = 0; side < 2; ++side) {
    const int centre = side == 0 ? leftEnd : rightEnd;
    const int from = side == 0 ? kMargin : centre;
    const int to = side == 0 ? centre : mark.width - kMargin;
    const int span = std::max(1, to - from);
    for (int x = from; x < to; ++x) {
      const double towardsWord =
          side == 0 ? double(x - from) / span : double(to - 1 - x) / span;
      for (int y = lineTop; y < lineTop + thickness; ++y) {
        Blend(image, x, y, towardsWord);
      }
    }
    // The diamond, antialiased by its distance from the centre.
    for (int y = int(centreY) - diamond - 1; y <= int(centreY) + diamond + 1;
         ++y) {
      for (int x = centre - diamond - 1; x <= centre + diamond + 1; ++x) {
        double d =
            std::abs(x + 0.5 - (centre + 0.5)) + std::abs(y + 0.5 - centreY);
        Blend(image, x, y, std::clamp(diamond + 0.5 - d, 0.0, 1.0));
      }
    }
  }
  return image;
}

bool MakeWordmark(FT_Face face, const Wordmark& mark, const std::string& dir) {
  Image image = DrawWordmark(face, mark);
  std::string path = dir + "/" + mark.file;
  if (!WritePng(image, path)) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return false;
  }
  std::printf("%s: %d x %d, wordmark\n", mark.file, image.width, image.height);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR FONT_FILE\n", argv[0]);
    return 2;
  }
  FT_Library library;
  FT_Face face;
  if (FT_Init_FreeType(&library) != 0 ||
      FT_New_Face(library, argv[2], 0, &face) != 0) {
    std::fprintf(stderr, "cannot read the font %s\n", argv[2]);
    return 1;
  }
  std::vector<Card> cards(std::begin(kCards), std::end(kCards));
  bool ok = MakeSet(face, cards, argv[1]) &&
            MakeWordmark(face, kTitle, argv[1]) &&
            MakeWordmark(face, kLogo, argv[1]);
  FT_Done_Face(face);
  FT_Done_FreeType(library);
  return ok ? 0 : 1;
}
