// Converts an author's UTF-8 data file (byte-order mark optional) into the
// UTF-16LE form with the mark FF FE that the game embeds. Every character is
// kept, line ends included, byte for byte in meaning.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

namespace {

// Decodes one UTF-8 sequence at text[i]; returns U+FFFD for a broken one.
char32_t NextCodePoint(const std::string& text, size_t& i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  int extra = 0;
  char32_t cp = 0;
  if (lead < 0x80) {
    ++i;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    cp = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    cp = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    cp = lead & 0x07;
  } else {
    ++i;
    return 0xFFFD;
  }
  for (int k = 1; k <= extra; ++k) {
    if (i + k >= text.size() || (byte(i + k) & 0xC0) != 0x80) {
      i += k;
      return 0xFFFD;
    }
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  i += extra + 1;
  return cp;
}

void PutUnit(std::string& out, unsigned unit) {
  out.push_back(static_cast<char>(unit & 0xFF));
  out.push_back(static_cast<char>((unit >> 8) & 0xFF));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: zarvel-utf16 INPUT.txt OUTPUT.txt\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "zarvel-utf16: cannot read " << argv[1] << "\n";
    return 1;
  }
  const std::string text((std::istreambuf_iterator<char>(in)),
                         std::istreambuf_iterator<char>());
  size_t i = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  std::string out = "\xFF\xFE";
  while (i < text.size()) {
    char32_t cp = NextCodePoint(text, i);
    if (cp >= 0x10000) {
      cp -= 0x10000;
      PutUnit(out, 0xD800 + (cp >> 10));
      PutUnit(out, 0xDC00 + (cp & 0x3FF));
    } else {
      PutUnit(out, cp);
    }
  }
  std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
  file.write(out.data(), static_cast<std::streamsize>(out.size()));
  if (!file) {
    std::cerr << "zarvel-utf16: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
