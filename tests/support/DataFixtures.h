#pragma once
// Feeding fixture bytes to the loaders: each test puts the data files it
// needs into a resource set of its own, so the embedded data set never leaks
// into (or out of) a test.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "media/ResourceSet.h"
#include "media/Text.h"

namespace zarvel {

// The shipped form of a data file: FF FE, then UTF-16LE.
inline std::vector<unsigned char> Utf16LeWithMark(std::string_view utf8) {
  std::vector<unsigned char> bytes = {0xFF, 0xFE};
  for (char16_t unit : Utf8ToText(utf8)) {
    bytes.push_back(static_cast<unsigned char>(unit & 0xFF));
    bytes.push_back(static_cast<unsigned char>(unit >> 8));
  }
  return bytes;
}

inline std::vector<unsigned char> RawBytes(std::string_view bytes) {
  return std::vector<unsigned char>(bytes.begin(), bytes.end());
}

// Lines of a fixture file written in code, UTF-8 in, texts out.
inline std::vector<Text> Lines(std::initializer_list<const char*> lines) {
  std::vector<Text> out;
  for (const char* line : lines) out.push_back(Utf8ToText(line));
  return out;
}

class ResourceFixture : public ::testing::Test {
 protected:
  ResourceSet resources;
  // Puts in a data file given as UTF-8 text, stored as UTF-16LE + mark.
  void UseDataFile(const char* name, std::string_view utf8) {
    resources.Put(name, Utf16LeWithMark(utf8));
  }
};

}  // namespace zarvel
