// Writes the resources of the web build under their resource names:
// - "font/Ubuntu-C.ttf": in place of the font, every glyph of it at the size
//   the game uses, made by the native FontFace (FreeType does not run in the
//   page), in the glyph-table format GlyphTable.h describes;
// - "gfx/*.png": each image decoded by the native PngCodec into the prepared
//   form PreparedImage.h describes (the page has no libpng);
// - "dat/*.txt": the data files as the native build embeds them (UTF-16LE);
// - "msx/*.ogg": the music as it is (the browser decodes it).
// A list of the names written goes to OUT_DIR/resources.txt.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "media/FontFace.h"
#include "media/PngCodec.h"
#include "media/web/GlyphTable.h"
#include "media/web/PreparedImage.h"

namespace fs = std::filesystem;

namespace {

// The one font size the game draws with (see the shell's start-up).
constexpr const char* kFontName = "font/Ubuntu-C.ttf";
constexpr int kFontPixelSize = 20;
constexpr bool kFontSmooth = true;

bool WriteFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

bool ReadFile(const fs::path& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in),
               std::istreambuf_iterator<char>());
  return true;
}

bool WriteGlyphTable(const fs::path& fontPath, const fs::path& out) {
  auto face =
      zarvel::FontFace::Load(fontPath.string(), kFontPixelSize, kFontSmooth);
  if (face == nullptr) return false;
  zarvel::GlyphTable table;
  table.pixelSize = face->pixelSize();
  table.smooth = face->smooth();
  table.ascender = face->ascender();
  table.descender = face->descender();
  table.height = face->height();
  for (int c = 0; c < 0x10000; ++c) {
    const zarvel::Glyph* glyph = face->GetGlyph(static_cast<char16_t>(c));
    if (glyph != nullptr)
      table.glyphs.push_back({static_cast<char16_t>(c), *glyph});
  }
  return WriteFile(out, zarvel::EncodeGlyphTable(table));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: zarvel-web-assets SOURCE_ASSETS_DIR UTF16_DATA_DIR "
                 "OUT_DIR\n";
    return 2;
  }
  const fs::path source = argv[1];
  const fs::path data = argv[2];
  const fs::path out = argv[3];
  std::vector<std::string> names;
  const auto fail = [](const std::string& what) {
    std::cerr << "zarvel-web-assets: " << what << "\n";
    return 1;
  };

  const std::string glyphs = kFontName;
  if (!WriteGlyphTable(source / kFontName, out / glyphs)) {
    return fail("cannot make the glyph table of " +
                (source / kFontName).string());
  }
  names.push_back(glyphs);

  std::vector<fs::path> images, tracks, texts;
  for (const auto& entry : fs::directory_iterator(source / "gfx")) {
    if (entry.path().extension() == ".png") images.push_back(entry.path());
  }
  for (const auto& entry : fs::directory_iterator(source / "msx")) {
    if (entry.path().extension() == ".ogg") tracks.push_back(entry.path());
  }
  for (const auto& entry : fs::directory_iterator(data)) {
    if (entry.path().extension() == ".txt") texts.push_back(entry.path());
  }
  for (auto* list : {&images, &tracks, &texts})
    std::sort(list->begin(), list->end());

  for (const fs::path& path : images) {
    std::string bytes;
    zarvel::RgbaImage image;
    if (!ReadFile(path, bytes) || !zarvel::DecodePng(bytes, image)) {
      return fail("cannot decode " + path.string());
    }
    const std::string name = "gfx/" + path.filename().string();
    if (!WriteFile(out / name, zarvel::EncodePreparedImage(image))) {
      return fail("cannot write " + (out / name).string());
    }
    names.push_back(name);
  }
  const auto copy = [&](const std::vector<fs::path>& files,
                        const char* folder) {
    for (const fs::path& path : files) {
      std::string bytes;
      const std::string name =
          std::string(folder) + "/" + path.filename().string();
      if (!ReadFile(path, bytes) || !WriteFile(out / name, bytes)) return false;
      names.push_back(name);
    }
    return true;
  };
  if (!copy(tracks, "msx") || !copy(texts, "dat"))
    return fail("cannot copy a resource");

  std::string list;
  for (const std::string& name : names) list += name + "\n";
  if (!WriteFile(out / "resources.txt", list))
    return fail("cannot write the list");
  return 0;
}
