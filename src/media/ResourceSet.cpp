#include "media/ResourceSet.h"

#include <utility>

namespace zarvel {

std::string_view ResourceNameOf(std::string_view name) {
  if (name.starts_with(kResourcePrefix))
    name.remove_prefix(kResourcePrefix.size());
  return name;
}

// A handful of resources: a straight search is as fast as a map and keeps
// the order they were added in.
const ResourceSet::Entry* ResourceSet::Find(std::string_view name) const {
  name = ResourceNameOf(name);
  for (const Entry& entry : entries_) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

ResourceSet::Entry& ResourceSet::EntryFor(std::string_view name) {
  name = ResourceNameOf(name);
  for (Entry& entry : entries_) {
    if (entry.name == name) return entry;
  }
  entries_.push_back(Entry{std::string(name), {}, {}, false});
  return entries_.back();
}

void ResourceSet::AddBuiltIn(std::string_view name,
                             std::span<const unsigned char> bytes) {
  Entry& entry = EntryFor(name);
  entry.builtIn = bytes;
  entry.owned.clear();
  entry.owned.shrink_to_fit();
  entry.isOwned = false;
}

void ResourceSet::Put(std::string_view name, std::vector<unsigned char> bytes) {
  Entry& entry = EntryFor(name);
  entry.owned = std::move(bytes);
  entry.builtIn = {};
  entry.isOwned = true;
}

bool ResourceSet::Has(std::string_view name) const {
  return Find(name) != nullptr;
}

std::span<const unsigned char> ResourceSet::Bytes(std::string_view name) const {
  const Entry* entry = Find(name);
  if (!entry) return {};
  return entry->isOwned ? std::span<const unsigned char>(entry->owned)
                        : entry->builtIn;
}

bool ResourceSet::Read(std::string_view name, std::string& bytes) const {
  if (!Has(name)) return false;
  const std::span<const unsigned char> found = Bytes(name);
  bytes.assign(reinterpret_cast<const char*>(found.data()), found.size());
  return true;
}

std::vector<std::string> ResourceSet::Names() const {
  std::vector<std::string> names;
  names.reserve(entries_.size());
  for (const Entry& entry : entries_) names.push_back(entry.name);
  return names;
}

}  // namespace zarvel
