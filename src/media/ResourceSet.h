#pragma once
// The game's resources by name ("dat/lokace.txt", "font/Ubuntu-C.ttf",
// "gfx/zarvellogo.png", "msx/…ogg"): what a front end was built with, and
// what it was told to use instead. A front end makes one set, hands it to
// its platform, and every part of the game reads its resources from there;
// nothing about them is process-wide, so two games (or two tests) in one
// process never see each other's resources.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zarvel {

// Where a file name may be a disk path or a resource, a resource is written
// "incbin::" + its name.
inline constexpr std::string_view kResourcePrefix = "incbin::";

// The resource name of "incbin::" + name; other names unchanged.
std::string_view ResourceNameOf(std::string_view name);

class ResourceSet {
 public:
  // Adds a resource whose bytes stay where they are for the life of the set
  // (bytes compiled into the program), or replaces the one of that name.
  void AddBuiltIn(std::string_view name, std::span<const unsigned char> bytes);
  // Adds a resource by bytes the set keeps (a --data folder, a test's
  // fixture, a page's download), or replaces the one of that name.
  void Put(std::string_view name, std::vector<unsigned char> bytes);

  bool Has(std::string_view name) const;
  // The resource's bytes; an empty span when there is none. They stay valid
  // until the resource is replaced or the set is gone.
  std::span<const unsigned char> Bytes(std::string_view name) const;
  // Copies the resource's bytes; false (and bytes unchanged) when there is
  // none. "incbin::" + name is read as name.
  bool Read(std::string_view name, std::string& bytes) const;
  // Names in the order they were first added.
  std::vector<std::string> Names() const;

 private:
  struct Entry {
    std::string name;
    std::span<const unsigned char> builtIn;
    std::vector<unsigned char> owned;
    bool isOwned = false;
  };
  const Entry* Find(std::string_view name) const;
  Entry& EntryFor(std::string_view name);

  std::vector<Entry> entries_;
};

}  // namespace zarvel
