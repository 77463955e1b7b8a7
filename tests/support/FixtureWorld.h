#pragma once
// Runs a test on the small fixture world: its data files replace the
// embedded ones in the test's resource set.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "media/ResourceSet.h"

namespace zarvel::testing {

inline void UseFixtureWorld(ResourceSet& resources, const std::string& folder) {
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::ifstream in(entry.path(), std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    resources.Put("dat/" + entry.path().filename().string(), std::move(bytes));
  }
}

// The cellar of the transcript tests (see its README).
inline std::string CellarWorldFolder() {
  return std::string(ZARVEL_SOURCE_DIR) + "/tests/transcripts/worlds/sklep";
}

}  // namespace zarvel::testing
