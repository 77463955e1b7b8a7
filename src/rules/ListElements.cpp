#include "rules/ListElements.h"

namespace zarvel {

ElementPair SplitPair(const Text& argument) {
  ElementPair pair;
  const size_t slash = argument.find(u'/');
  if (slash == Text::npos) {
    pair.first = argument;
    return pair;
  }
  pair.hasSlash = true;
  pair.first = argument.substr(0, slash);
  pair.second = argument.substr(slash + 1);
  return pair;
}

}  // namespace zarvel
