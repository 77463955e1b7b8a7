#pragma once
// The player's view of the console: each paragraph (a text between the
// console's "/" line breaks) written as one logical line, wrapped at word
// boundaries to the terminal's width, never with trailing blanks.

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "media/Text.h"

namespace zarvel::tty {

// The paragraph as the player reads it: markup removed as drawing removes
// it, Tab and CR as blanks, other control characters dropped, trailing
// blanks cut. UTF-8.
std::string PlainParagraph(const Text& segment);

// Cuts a UTF-8 paragraph into lines of at most width characters, breaking
// at blanks (which the break swallows); a word longer than a line is cut.
// Width 0 leaves the paragraph whole. No line ends with a blank; an empty
// paragraph gives one empty line.
std::vector<std::string> WrapParagraph(const std::string& utf8, int width);

// Writes paragraphs and prompt lines to one stream, wrapped to the width
// that widthNow() gives at the moment of writing (the terminal may be
// resized between two paragraphs).
class ParagraphWriter {
 public:
  ParagraphWriter(std::FILE* out, std::function<int()> widthNow)
      : out_(out), widthNow_(std::move(widthNow)) {}

  void Write(const std::string& utf8Paragraph);
  std::FILE* stream() const { return out_; }

 private:
  std::FILE* out_;
  std::function<int()> widthNow_;
};

}  // namespace zarvel::tty
