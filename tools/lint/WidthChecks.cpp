#include "WidthChecks.h"

#include "Checks.h"
#include "ListSyntax.h"
#include "VisibleTexts.h"
#include "media/NamedFiles.h"

namespace zarvel::lint {

FontFaceWidths::FontFaceWidths(const ResourceSet& resources,
                               const std::string& fontFile) {
  std::string bytes;
  if (ReadFileBytes(resources, fontFile, bytes)) {
    face_ = FontFace::FromBytes(std::move(bytes), 20, true);
  }
}

void CheckWordWidths(const DataSet& data, Report& report,
                     FontFaceWidths& widths) {
  if (!widths.ready()) return;
  for (const VisibleText& text : VisibleTexts(data)) {
    for (const Text& word : WordsOf(text.text)) {
      const int width = widths.WidthOf(word);
      if (width > kConsoleWidth) {
        report.Error(text.file, data.file(text.file).path, text.line,
                     "the word " + Quoted(word) + " is " +
                         std::to_string(width) + " px wide, more than the " +
                         std::to_string(kConsoleWidth) +
                         " px of a console line: it cannot be broken");
      }
    }
  }
}

}  // namespace zarvel::lint
