#pragma once
// The embedded resources: registered once at start-up under their names and
// opened as "incbin::" + name wherever the program takes a file name.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zarvel {

inline constexpr std::string_view kResourcePrefix = "incbin::";

// Registers (or replaces) a resource; the bytes must outlive the program.
void RegisterResource(const std::string& name, const unsigned char* bytes,
                      size_t size);
// Replaces a resource by bytes owned by the registry (used by the terminal
// runner's --data option and by tests).
void OverrideResource(const std::string& name, std::vector<unsigned char> bytes);
// Removes every override, so the built-in bytes are seen again.
void ClearResourceOverrides();
// Names in registration order.
std::vector<std::string> ResourceNames();
// Registers the 28 resources compiled into the executable, in their fixed
// order. Safe to call more than once.
void RegisterEmbeddedResources();

// Reads a whole file: "incbin::" + name from the registry, anything else from
// disk. False when it does not exist.
bool ReadFileBytes(const std::string& name, std::string& bytes);

}  // namespace zarvel
