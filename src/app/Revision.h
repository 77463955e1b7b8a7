#pragma once
// The source revision the programs were built from (written by the build).

namespace zarvel::app {

extern const char* const kSourceRevision;

}  // namespace zarvel::app
