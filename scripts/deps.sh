# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Installs the Debian packages a command needs, only when some are missing,
# and nothing else. Sourced by run.sh, test.sh and the scripts that need
# packages; a caller may say why in movla_reason. It sets no shell options
# (each caller sets -euo pipefail itself): a sourced file's would be its
# caller's.

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
  dpkg-dev file python3
  locales
  # dark platform themes, for the contrast tests and the screenshots
  qt6-gtk-platformtheme gnome-themes-extra qt6ct
  # licence, package and manual page checks, and the Wayland start
  reuse lintian groff man-db weston qt6-wayland
  # the screen reader and the desktop it runs in, for the end-to-end test
  orca at-spi2-core dbus-x11 openbox xdotool
)

# The Windows build and its tests: the MinGW-w64 cross-compiler, GoogleTest's
# sources to build for it, ImageMagick to turn the About pictures into bitmap
# resources, Wine to run the programs (wine64 alone puts no "wine" on the
# path), NSIS for the installer, and Xvfb, openbox, xdotool, xwininfo and
# unzip to drive and read the windows and the downloads.
movla_windows_packages=(
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest imagemagick
  wine wine64 nsis
  xvfb xauth openbox xdotool x11-utils unzip
)

# The web page: Debian's clang-19 and lld-19 with the WASI sysroot (C
# library, libc++, libc++abi, the compiler's runtime), about 280 MB; and the
# browsers its tests drive.
movla_web_packages=(
  cmake make
  clang-19 lld-19 wasi-libc
  libc++-19-dev-wasm32 libc++abi-19-dev-wasm32 libclang-rt-19-dev-wasm32
)
movla_web_test_packages=(chromium firefox-esr)

# The web tests' npm packages (puppeteer-core, which downloads no browser),
# installed from the lock file into the web tree's node folder by npm ci,
# again only when the lock file has changed since. Node and npm are
# Debian's unless the machine has its own.
movla_ensure_node_modules() {
  local dir=$1
  if ! command -v npm >/dev/null; then
    movla_reason="to run the web page's tests" movla_ensure_packages nodejs npm
  fi
  cmp -s "$dir/package-lock.json" "$dir/node_modules/.movla-lock.json" 2>/dev/null && return 0
  echo "Installing the web tests' npm packages (npm ci) in $dir."
  (cd "$dir" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error)
  cp "$dir/package-lock.json" "$dir/node_modules/.movla-lock.json"
}

# The locales the robustness tests start the program under (a decimal point
# and two decimal commas). Generated only when missing, so this is a no-op on
# a machine that has them.
movla_test_locales=(en_US.UTF-8 de_DE.UTF-8 fr_FR.UTF-8)

movla_ensure_locales() {
  local missing=() loc have
  have=$(locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | sed 's/utf-8/utf8/')
  for loc in "$@"; do
    local want
    want=$(echo "$loc" | tr '[:upper:]' '[:lower:]' | sed 's/utf-8/utf8/')
    grep -qx "$want" <<<"$have" || missing+=("$loc")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Generating the locales ${missing[*]}${sudo:+ through sudo}, for the tests that start the program under them."
  for loc in "${missing[@]}"; do
    "${sudo[@]}" sed -i "s/^# *\($loc UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$loc UTF-8" /etc/locale.gen || echo "$loc UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
  done
  "${sudo[@]}" locale-gen >/dev/null
}

movla_ensure_packages() {
  local missing=() pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null | grep -qx installed || missing+=("$pkg")
  done
  if [ ${#missing[@]} -ne 0 ]; then
    # sudo clears the environment, so the variable goes through env.
    local apt=(env DEBIAN_FRONTEND=noninteractive apt-get) via=''
    if [ "$(id -u)" -ne 0 ]; then
      apt=(sudo "${apt[@]}")
      via=' through sudo'
    fi
    # One line on what and why before sudo asks for a password.
    echo "Installing ${missing[*]} with apt-get$via, ${movla_reason:-which $(basename "$0") needs}."
    "${apt[@]}" update -qq
    "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
  fi
  # Asking for the test packages (which include "locales") also brings the
  # test locales, so that test.sh needs no step of its own for them.
  case " $* " in *" locales "*) movla_ensure_locales "${movla_test_locales[@]}" ;; esac
}
