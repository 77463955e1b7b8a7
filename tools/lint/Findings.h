#pragma once
// What the checker reports: findings tied to a file and a line, printed as
// "file:line: message" in file order, so an author can jump to each one.

#include <string>
#include <vector>

namespace zarvel::lint {

struct Finding {
  int fileIndex = 0;  // order of the data files, for sorting
  std::string path;
  int line = 0;  // 1-based; 0 when the finding is about the whole file
  std::string message;
  bool note = false;  // notes are shown but do not fail the check
};

class Report {
 public:
  void Error(int fileIndex, const std::string& path, int line,
             std::string message);
  void Note(int fileIndex, const std::string& path, std::string message);

  int errorCount() const;
  // Findings sorted by file and line; findings on one line keep the order
  // in which the checks made them.
  std::vector<Finding> Sorted() const;

 private:
  std::vector<Finding> findings_;
};

std::string FormatFinding(const Finding& finding);

}  // namespace zarvel::lint
