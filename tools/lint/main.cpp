// zarvel-lint [--map FILE] [--texts] [DIR]: checks the fifteen data files of
// DIR (the project's own data by default) for everything that would make the
// game silently wrong, and prints each finding as "file:line: message".
// Exit status: 0 clean, 1 findings, 2 when it could not run.
#include <fstream>
#include <iostream>
#include <string>

#include "Checks.h"
#include "DataSet.h"
#include "DotMap.h"
#include "Findings.h"
#include "RoomGraph.h"
#include "ShadowChecks.h"
#include "VisibleTexts.h"
#include "WidthChecks.h"
#include "app/Options.h"
#include "media/EmbeddedResources.h"

namespace {

constexpr const char* kUsage =
    "usage: zarvel-lint [--map FILE] [--texts] [DIR]\n"
    "  DIR          the data folder (default: " ZARVEL_LINT_DEFAULT_DIR
    ")\n"
    "  --map FILE   write the room graph in Graphviz DOT to FILE\n"
    "  --texts      print every text the player can read, markup removed,\n"
    "               instead of checking (for a spelling checker)\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n"
    "A file missing from DIR reads as empty and the checks that need it are\n"
    "skipped (said once in a note), so DIR may hold only some of the files.\n";

struct Options {
  std::string folder = ZARVEL_LINT_DEFAULT_DIR;
  std::string map;
  bool texts = false;
  std::string info;  // --help or --version: answered instead of checking
};

bool ParseOptions(int argc, char** argv, Options& options) {
  bool folderGiven = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--map" && i + 1 < argc) {
      options.map = argv[++i];
    } else if (arg == "--help" || arg == "-h" || arg == "--version") {
      if (options.info.empty()) options.info = arg;
    } else if (arg == "--texts") {
      options.texts = true;
    } else if (!arg.starts_with("-") && !folderGiven) {
      options.folder = arg;
      folderGiven = true;
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace zarvel::lint;
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::cerr << kUsage;
    return 2;
  }
  if (!options.info.empty()) {
    return *zarvel::app::AnswerInfoOption("zarvel-lint", options.info, kUsage);
  }
  DataSet data;
  std::string error;
  if (!LoadDataSet(options.folder, data, error)) {
    std::cerr << "zarvel-lint: " << error << "\n";
    return 2;
  }
  if (options.texts) {
    for (const VisibleText& text : VisibleTexts(data)) {
      std::cout << zarvel::TextToUtf8(PlainText(text.text));
    }
    return 0;
  }
  if (!options.map.empty()) {
    std::ofstream out(options.map, std::ios::binary | std::ios::trunc);
    WriteDotMap(data, BuildRoomGraph(data), out);
    if (!out) {
      std::cerr << "zarvel-lint: cannot write " << options.map << "\n";
      return 2;
    }
  }

  Report report;
  // The game font, as the game has it.
  FontFaceWidths widths(zarvel::EmbeddedResources(), ZARVEL_LINT_FONT);
  if (!widths.ready()) {
    std::cerr << "zarvel-lint: cannot read the font " ZARVEL_LINT_FONT
                 "; word widths are not checked\n";
  }
  CheckFileShapes(data, report);
  CheckReferences(data, report);
  CheckRooms(data, report);
  CheckShadowedNouns(data, report);
  CheckInitialization(data, report);
  CheckWordWidths(data, report, widths);
  for (const Finding& finding : report.Sorted()) {
    std::cout << FormatFinding(finding) << "\n";
  }
  return report.errorCount() > 0 ? 1 : 0;
}
