#pragma once
// Position tests keep the platform's files in a fresh folder of their own;
// Path() names a file in it.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "rules/Rules.h"
#include "save/Positions.h"
#include "support/GameFixture.h"

namespace zarvel::testing {

class PositionsFixture : public GameFixture {
 protected:
  void SetUp() override {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "zarvel-save-XXXXXX")
            .string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    directory_ = pattern;
    platform.SetFilesFolder(directory_.string());
  }
  void TearDown() override { std::filesystem::remove_all(directory_); }

  std::string Path(const std::string& name) const {
    return (directory_ / name).string();
  }
  std::string FileBytes(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)),
                       std::istreambuf_iterator<char>());
  }
  void WriteBytes(const std::string& name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
  }
  bool Exists(const std::string& name) const {
    return std::filesystem::exists(Path(name));
  }

 private:
  std::filesystem::path directory_;
};

// A world with items, score, count and a counter to save.
class SaveFixture : public PositionsFixture {
 protected:
  SaveFixture() {
    world.itemCount = 2;
    world.items[1].location = 4;
    world.items[2].location = 1000;
    world.currentRoom = 7;
    world.score = 15;
    world.commandCount = 42;
    world.counters[2] = {u"on", 5};
  }

  static std::vector<Text> FreeMenu() {
    std::vector<Text> lines = {u"Vyber si pozici k uložení...", u""};
    for (int n = 1; n <= 9; ++n) {
      lines.push_back(FormatInt(n) + u". < volná pozice > ");
    }
    lines.push_back(u"");
    return lines;
  }
};

// Loading goes through LoadWorld, so these use the small test world.
class LoadFixture : public PositionsFixture {
 protected:
  void SetUp() override {
    PositionsFixture::SetUp();
    UseTinyWorld(platform.Resources());
    LoadWorld(game);
    EnterLocation(game, true);
    Printed();
  }
};

}  // namespace zarvel::testing
