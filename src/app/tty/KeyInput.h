#pragma once
// Where zarvel-tty's typed lines come from: a key file, a pipe, or the
// terminal with line editing and a history.

#include <string>

#include "media/headless/HeadlessPlatform.h"

namespace zarvel::tty {

// Reads the whole key file into the platform's script. False with a
// message when the file cannot be read.
bool UseKeyFile(HeadlessPlatform& platform, const std::string& path,
                std::string& error);
// Reads standard input a line at a time, when the game asks for one; with a
// terminal on standard input, through line editing with a history.
void UseStandardInput(HeadlessPlatform& platform, std::FILE* out);

}  // namespace zarvel::tty
