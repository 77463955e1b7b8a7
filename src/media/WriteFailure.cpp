#include "media/WriteFailure.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace zarvel {

std::string DescribeWriteFailure(const std::string& name) {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::current_path(error);
  std::string line = "zarvel: cannot write " + name + " in the folder " +
                     (error ? std::string("(unknown)") : folder.string());
  // The likely reason, found again: the folder or the file refuses writing.
  if (::access(".", W_OK) != 0 || (::access(name.c_str(), F_OK) == 0 &&
                                   ::access(name.c_str(), W_OK) != 0)) {
    line += std::string(" (") + std::strerror(errno) + ")";
  } else if (std::filesystem::is_directory(name, error)) {
    line += " (a folder has its name)";
  }
  return line;
}

void ReportWriteFailure(const std::string& name) {
  std::fprintf(stderr, "%s\n", DescribeWriteFailure(name).c_str());
}

}  // namespace zarvel
