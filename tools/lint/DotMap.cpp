#include "DotMap.h"

#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace zarvel::lint {

namespace {

constexpr size_t kLabelLength = 40;

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out;
}

// The first console line of the description, markup removed, cut short.
std::string LabelOf(const Text& description) {
  Text first = description.substr(0, description.find(u'/'));
  Text plain;
  for (char16_t c : first) {
    if (c != u'*' && c != u'%' && c != u'×') plain += c;
  }
  plain = TrimText(plain);
  if (plain.size() > kLabelLength) {
    plain = TrimText(plain.substr(0, kLabelLength)) + u"…";
  }
  return TextToUtf8(plain);
}

std::string NodeName(int room) {
  return room == 0 ? "anywhere" : "room" + std::to_string(room);
}

}  // namespace

void WriteDotMap(const DataSet& data, const RoomGraph& graph,
                 std::ostream& out) {
  const auto& slots = data.world->locationVariants.slots;
  out << "digraph zarvel {\n"
      << "  node [shape=box, fontname=\"Ubuntu Condensed\"];\n"
      << "  edge [fontname=\"Ubuntu Condensed\", fontsize=10];\n";
  for (const auto& [room, records] : graph.variants) {
    // The default description is the one of the unconditional variant, or
    // of the last variant when the room has none.
    int shown = records.back();
    for (int r : records) {
      if (slots[r].conditions.empty()) {
        shown = r;
        break;
      }
    }
    out << "  " << NodeName(room) << " [label=\"" << room << ": "
        << Escaped(LabelOf(slots[shown].description)) << "\""
        << (room == graph.start ? ", peripheries=2" : "") << "];\n";
  }
  // One edge per way: an exit of an unconditional variant is drawn plain; one
  // that only conditional variants have carries their conditions.
  using Way = std::tuple<int, int, std::string, bool>;
  std::map<Way, std::vector<std::string>> ways;
  std::vector<Way> order;
  for (const RoomEdge& edge : graph.edges) {
    const Way way{edge.from, edge.to, edge.label, edge.move};
    if (!ways.contains(way)) order.push_back(way);
    std::vector<std::string>& whens = ways[way];
    if (std::find(whens.begin(), whens.end(), edge.when) == whens.end()) {
      whens.push_back(edge.when);
    }
  }
  bool anywhere = false;
  for (const Way& way : order) {
    const auto& [from, to, name, move] = way;
    const std::vector<std::string>& whens = ways[way];
    anywhere = anywhere || from == 0;
    std::string label = name;
    if (std::find(whens.begin(), whens.end(), "") == whens.end()) {
      std::string conditions;
      for (const std::string& when : whens) {
        conditions += (conditions.empty() ? "" : " | ") + Escaped(when);
      }
      label += "\\n" + conditions;
    }
    out << "  " << NodeName(from) << " -> " << NodeName(to) << " [label=\""
        << label << "\"" << (move ? ", style=dashed" : "") << "];\n";
  }
  if (anywhere) out << "  anywhere [label=\"(any room)\", shape=ellipse];\n";
  out << "}\n";
}

}  // namespace zarvel::lint
