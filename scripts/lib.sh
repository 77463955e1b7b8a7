# Shared by the play and test commands: installs what is missing, configures
# and builds. Sourced, not run.
set -euo pipefail

ZARVEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Debian packages the build needs, and those the tests need on top.
ZARVEL_BUILD_PACKAGES="build-essential cmake pkg-config libsdl2-dev libgl-dev
  libfreetype-dev libpng-dev libogg-dev libvorbis-dev libopenal-dev
  libreadline-dev"
ZARVEL_TEST_PACKAGES="libgtest-dev xvfb xauth libgl1-mesa-dri libglx-mesa0 xdotool x11-xserver-utils
  x11-utils imagemagick openbox wmctrl x11-apps hunspell hunspell-cs graphviz
  desktop-file-utils appstream groff-base lintian dpkg-dev file tmux ccache"
# The fuzzing build of scripts/test (fuzz targets, keyboard soak, mutated
# data): clang with libFuzzer and the sanitizer runtimes.
ZARVEL_FUZZ_PACKAGES="clang-14 libclang-rt-14-dev"

# The web build (scripts/web-build) and its tests in headless Chromium.
ZARVEL_WEB_PACKAGES="emscripten ccache python3"
ZARVEL_WEB_TEST_PACKAGES="chromium-headless-shell imagemagick"

# Installs the packages of the list that are not installed yet, through sudo
# when not run as root. Quick when everything is there.
zarvel_install_missing() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null |
        grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing the Debian packages that are missing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
    --no-install-recommends "${missing[@]}"
}

# Configures a build directory with the options the first time; later calls
# configure it again as it is (quick), so that targets added since (a new
# tool folder) exist before a build names them.
# Compiles go through ccache when it is installed (the test packages bring
# it): a second clone, or a build folder made again, then takes its objects
# from the cache. CCACHE_DISABLE=1 compiles everything afresh.
zarvel_configure() {
  local dir=$1
  shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    local launcher=()
    if command -v ccache >/dev/null; then
      launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
    fi
    cmake -S "$ZARVEL_ROOT" -B "$dir" "${launcher[@]}" "$@"
  else
    cmake -S "$ZARVEL_ROOT" -B "$dir" >/dev/null
  fi
}

# Configures (once) and builds one build directory: everything, or only the
# targets named after the options (zarvel_build DIR [CMAKE_OPTION...]
# [-- TARGET...]).
zarvel_build() {
  local dir=$1
  shift
  local options=() targets=()
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    options+=("$1")
    shift
  done
  [ $# -gt 0 ] && shift
  targets=("$@")
  zarvel_configure "$dir" "${options[@]}"
  if [ ${#targets[@]} -gt 0 ]; then
    cmake --build "$dir" -j"$(nproc)" --target "${targets[@]}"
  else
    cmake --build "$dir" -j"$(nproc)"
  fi
}
