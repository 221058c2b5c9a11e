#!/usr/bin/env bash
# Installs the Debian 12 packages the worksheet needs to build and test, when
# any is missing. Sourced by ./run, ./test and scripts/fuzz.sh.
set -euo pipefail

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

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [[ $(id -u) -eq 0 ]] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
