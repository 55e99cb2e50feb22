# Installs the Debian packages a command needs, only when some are missing.
# Sourced by run.sh and test.sh.

movla_build_packages=(
  cmake g++ make
  qt6-base-dev qt6-base-dev-tools
  fonts-liberation
)

movla_test_packages=(
  libgtest-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev
  xvfb xauth x11-utils imagemagick
  desktop-file-utils appstream
  binutils-mingw-w64-x86-64 librsvg2-bin
  dpkg-dev file
)

movla_ensure_packages() {
  local missing=() pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null | grep -qx installed || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
