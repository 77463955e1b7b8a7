#include "Findings.h"

#include <algorithm>

namespace zarvel::lint {

void Report::Error(int fileIndex, const std::string& path, int line,
                   std::string message) {
  findings_.push_back({fileIndex, path, line, std::move(message), false});
}

void Report::Note(int fileIndex, const std::string& path, std::string message) {
  findings_.push_back({fileIndex, path, 0, std::move(message), true});
}

int Report::errorCount() const {
  return static_cast<int>(
      std::count_if(findings_.begin(), findings_.end(),
                    [](const Finding& finding) { return !finding.note; }));
}

std::vector<Finding> Report::Sorted() const {
  std::vector<Finding> sorted = findings_;
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const Finding& a, const Finding& b) {
                     if (a.fileIndex != b.fileIndex) {
                       return a.fileIndex < b.fileIndex;
                     }
                     return a.line < b.line;
                   });
  return sorted;
}

std::string FormatFinding(const Finding& finding) {
  std::string text = finding.path;
  if (finding.line > 0) text += ":" + std::to_string(finding.line);
  text += finding.note ? ": note: " : ": ";
  return text + finding.message;
}

}  // namespace zarvel::lint
