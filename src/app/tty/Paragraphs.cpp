#include "Paragraphs.h"

#include "console/Console.h"
#include "console/Markup.h"

namespace zarvel::tty {

namespace {

// Characters of a UTF-8 text, each as its bytes: the terminal shows each
// Czech letter (one code point) in one column.
std::vector<std::string> CodePoints(const std::string& utf8) {
  std::vector<std::string> points;
  for (size_t at = 0; at < utf8.size();) {
    size_t length = 1;
    const unsigned char lead = static_cast<unsigned char>(utf8[at]);
    if (lead >= 0xF0) {
      length = 4;
    } else if (lead >= 0xE0) {
      length = 3;
    } else if (lead >= 0xC0) {
      length = 2;
    }
    points.push_back(utf8.substr(at, length));
    at += length;
  }
  return points;
}

void TrimEnd(std::string& line) {
  while (!line.empty() && line.back() == ' ') line.pop_back();
}

}  // namespace

std::string PlainParagraph(const Text& segment) {
  Text visible;
  for (char16_t c : StripMarkup(segment)) {
    if (c == u'\t' || c == u'\r') {
      visible += u' ';
    } else if (c >= 0x20) {
      visible += c;
    }
  }
  std::string utf8 = TextToUtf8(visible);
  TrimEnd(utf8);
  return utf8;
}

std::vector<std::string> WrapParagraph(const std::string& utf8, int width) {
  std::string whole = utf8;
  TrimEnd(whole);
  if (width <= 0) return {whole};

  const std::vector<std::string> points = CodePoints(whole);
  std::vector<std::string> lines;
  size_t at = 0;
  while (at < points.size()) {
    // The longest run that fits, then back to its last blank if the text
    // goes on with a word in the middle.
    size_t end = std::min(points.size(), at + static_cast<size_t>(width));
    if (end < points.size() && points[end] != " ") {
      size_t blank = end;
      while (blank > at && points[blank - 1] != " ") --blank;
      if (blank > at) end = blank;  // else the word alone is too long: cut
    }
    std::string line;
    for (size_t i = at; i < end; ++i) line += points[i];
    TrimEnd(line);
    lines.push_back(std::move(line));
    at = end;
    while (at < points.size() && points[at] == " ") ++at;  // the break
  }
  if (lines.empty()) lines.emplace_back();
  return lines;
}

void ParagraphWriter::Write(const std::string& utf8Paragraph) {
  for (const std::string& line : WrapParagraph(utf8Paragraph, widthNow_())) {
    std::fwrite(line.data(), 1, line.size(), out_);
    std::fputc('\n', out_);
  }
}

}  // namespace zarvel::tty
