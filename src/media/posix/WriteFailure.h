#pragma once
// A file the game could not write, told on standard error with the folder
// it was meant for: a game started from a desktop menu has no console, and
// its player needs the folder to mend the problem.

#include <string>

namespace zarvel {

// "zarvel: cannot write NAME in the folder DIR (reason)"; folder "" is the
// current working directory.
std::string DescribeWriteFailure(const std::string& folder,
                                 const std::string& name);
void ReportWriteFailure(const std::string& folder, const std::string& name);

}  // namespace zarvel
