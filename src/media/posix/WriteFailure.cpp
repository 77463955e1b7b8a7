#include "media/posix/WriteFailure.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace zarvel {

std::string DescribeWriteFailure(const std::string& folder,
                                 const std::string& name) {
  std::error_code error;
  const std::filesystem::path dir =
      std::filesystem::absolute(folder.empty() ? "." : folder, error)
          .lexically_normal();
  std::string shown = error ? std::string("(unknown)") : dir.string();
  if (shown.size() > 1 && shown.back() == '/') shown.pop_back();
  std::string line = "zarvel: cannot write " + name + " in the folder " + shown;
  const std::string path = (dir / name).string();
  // The likely reason, found again: the folder or the file refuses writing.
  if (::access(dir.c_str(), W_OK) != 0 || (::access(path.c_str(), F_OK) == 0 &&
                                           ::access(path.c_str(), W_OK) != 0)) {
    line += std::string(" (") + std::strerror(errno) + ")";
  } else if (std::filesystem::is_directory(path, error)) {
    line += " (a folder has its name)";
  }
  return line;
}

void ReportWriteFailure(const std::string& folder, const std::string& name) {
  std::fprintf(stderr, "%s\n", DescribeWriteFailure(folder, name).c_str());
}

}  // namespace zarvel
