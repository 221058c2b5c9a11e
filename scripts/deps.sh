#!/usr/bin/env bash
# Installs the Debian 12 packages the worksheet needs to build and test, when
# any is missing. Sourced by ./run, ./test and the other scripts, which may
# call install_missing for packages of their own.
set -euo pipefail

# Runs a command as root: directly when root, else through sudo.
as_root() {
  if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi
}

# Whether packages can be installed without asking anyone: as root, or with
# sudo that needs no password.
may_install() {
  [[ $(id -u) -eq 0 ]] || sudo -n true 2>/dev/null
}

# Installs those of the given packages that are not installed yet.
install_missing() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  ((${#missing[@]})) || return 0
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# clang-tidy-14 and clang-format-14 check the sources in ./test; clang-14 with
# its runtimes (libFuzzer) builds the fuzz targets.
packages=(cmake ninja-build g++ qt6-base-dev libgl-dev fonts-liberation
          googletest libgtest-dev clang-tidy-14 clang-format-14 clang-14
          libclang-rt-14-dev)
# Google Benchmark, for bench/.
packages+=(libbenchmark-dev)
# scripts/accessibility.sh: a virtual X server, a session bus, the AT-SPI
# stack with its Python bindings, and xdotool to find the window.
packages+=(xvfb dbus-x11 at-spi2-core python3-pyatspi xdotool)
# poppler's pdftotext reads the report's PDF back in the tests. (Qt Print
# Support, which writes it, comes with qt6-base-dev.)
packages+=(poppler-utils)

install_missing "${packages[@]}"
