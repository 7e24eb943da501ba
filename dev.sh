#!/usr/bin/env bash
# Sets up, builds and runs Rekiplus on Debian 12.
#   ./dev.sh run         install what is missing, build, start the game (needs a display)
#   ./dev.sh test        install what is missing, build, run every test
#   ./dev.sh test-quick  the same without the long tests (label "long", 20 to 40 s on two cores)
#   ./dev.sh package     install what is missing, build, make the Debian package in build/
# Missing Debian packages are installed with apt-get, as root or through sudo. Safe to run again.
set -euo pipefail
cd "$(dirname "$0")"

BUILD_DIR=${BUILD_DIR:-build}
PACKAGES=(
  cmake make g++ pkg-config
  qt6-base-dev libsimpleini-dev libcli11-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-liberation2
  dpkg-dev desktop-file-utils
  xvfb xauth xdotool x11-utils imagemagick dbus at-spi2-core python3-pyatspi

)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null 2>&1; then
    sudo "$@"
  else
    echo "dev.sh: need root or sudo to install: ${*: -1}" >&2
    exit 1
  fi
}

install_missing() {
  local missing=()
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "dev.sh: installing ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
      "${missing[@]}"
  fi
}

build() {
  cmake -S . -B "$BUILD_DIR" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$BUILD_DIR" -j "$(nproc)"
}

case "${1:-}" in
  run)
    install_missing "${PACKAGES[@]}"
    build
    exec "$BUILD_DIR/app/rekiplus"
    ;;
  test)
    install_missing "${PACKAGES[@]}"
    build
    ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)"
    ;;
  test-quick)
    install_missing "${PACKAGES[@]}"
    build
    ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)" --label-exclude long
    ;;
  package)
    install_missing "${PACKAGES[@]}"
    build
    (cd "$BUILD_DIR" && cpack)
    ;;
  *)
    echo "usage: ./dev.sh run | ./dev.sh test | ./dev.sh test-quick | ./dev.sh package" >&2

    exit 2
    ;;
esac
