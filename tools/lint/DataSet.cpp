#include "DataSet.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "media/ResourceSet.h"

namespace zarvel::lint {

namespace {

static_assert(zarvel::kDataFiles.size() == kFileCount);

bool StartsWithMark(const std::string& bytes) {
  return bytes.starts_with("\xEF\xBB\xBF") || bytes.starts_with("\xFF\xFE") ||
         bytes.starts_with("\xFE\xFF");
}

}  // namespace

bool LoadDataSet(const std::string& folder, DataSet& data, std::string& error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) {
    error = "cannot read the data folder " + folder;
    return false;
  }
  data.folder = folder;
  ResourceSet resources;
  for (int id = 0; id < kFileCount; ++id) {
    DataFile& file = data.files[id];
    const std::string resource = zarvel::kDataFiles[id];
    file.id = static_cast<FileId>(id);
    file.name = resource.substr(resource.find('/') + 1);
    file.path = (fs::path(folder) / file.name).string();
    std::string bytes;
    std::ifstream in(file.path, std::ios::binary);
    file.present = static_cast<bool>(in);
    if (file.present) {
      bytes.assign(std::istreambuf_iterator<char>(in),
                   std::istreambuf_iterator<char>());
    }
    file.byteOrderMark = StartsWithMark(bytes);
    // The set holds the folder's files and nothing else, so nothing built
    // into this program can stand in for a missing one.
    resources.Put(resource,
                  std::vector<unsigned char>(bytes.begin(), bytes.end()));
    file.lines = ReadTextLines(resources, resource);
  }
  LoadWorld(*data.world, resources);
  return true;
}

}  // namespace zarvel::lint
