# Shared by scripts/run and scripts/test: the Debian packages the build needs,
# installed when missing.
set -euo pipefail

QUORVANE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QUORVANE_PACKAGES=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  qt6-base-dev qt6-svg-dev libgl-dev libxlsxwriter-dev xvfb xauth
  fonts-liberation poppler-utils unzip
  dpkg-dev file appstream desktop-file-utils
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

# build DIR [cmake options...]: configure once, then build.
build() {
  local dir="$1"; shift
  cmake -S "$QUORVANE_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}
