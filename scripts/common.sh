# Shared by scripts/run and scripts/test: the Debian packages the build needs,
# installed when missing.
set -euo pipefail

QUORVANE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QUORVANE_PACKAGES=(
  cmake ninja-build g++ pkg-config ccache
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  qt6-base-dev qt6-svg-dev libgl-dev libxlsxwriter-dev xvfb xauth
  fonts-liberation poppler-utils unzip jq
  dpkg-dev file appstream desktop-file-utils
  clang-14 libclang-rt-14-dev
)

ensure_packages() {
  local missing=()
  for p in "${QUORVANE_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}" >&2
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}

# Compiler output is cached across the build folders: an object whose source
# and flags are the same in two of them (the core of the test build and of the
# build without the desktop) is compiled once. The folder a build runs in is
# left out of the key, so the two folders share.
export CCACHE_BASEDIR="$QUORVANE_ROOT" CCACHE_NOHASHDIR=true

# build DIR [cmake options...]: configure once, then build.
build() {
  local dir="$1"; shift
  cmake -S "$QUORVANE_ROOT" -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}
