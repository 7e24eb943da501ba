#!/usr/bin/env bash
# Sets up, builds and runs Rekiplus on Debian 12.
#   ./dev.sh run         install what is missing, build, start the game (needs a display)
#   ./dev.sh test        install what is missing, build, run every test three times over: in the
#                        normal build, in build-asan under AddressSanitizer and
#                        UndefinedBehaviorSanitizer, and a short run of each fuzz target (build-fuzz)
#   ./dev.sh test-quick  the normal build's tests without the long ones (label "long")
#   ./dev.sh fuzz TARGET [SECONDS [OPTIONS...]]  a longer run of one fuzz target (set_file,
#                        int_text, rekicalc; 600 s unless given; more libFuzzer options after the
#                        seconds), whose corpus stays in build-fuzz for the next run
#   ./dev.sh package     install what is missing, build, make the Debian package in build/
# Missing Debian packages are installed with apt-get, as root or through sudo. Safe to run again.
set -euo pipefail
cd "$(dirname "$0")"

BUILD_DIR=${BUILD_DIR:-build}
ASAN_BUILD_DIR=${ASAN_BUILD_DIR:-build-asan}
FUZZ_BUILD_DIR=${FUZZ_BUILD_DIR:-build-fuzz}
PACKAGES=(
  cmake make g++ pkg-config
  qt6-base-dev libsimpleini-dev libcli11-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-liberation2
  dpkg-dev desktop-file-utils
  xvfb xauth xdotool x11-utils imagemagick dbus at-spi2-core python3-pyatspi
  clang-14 libclang-rt-14-dev
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

# build DIR [cmake options...]: configures and builds everything in DIR.
build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}

run_tests() {
  ctest --test-dir "$1" --output-on-failure -j "$(nproc)" "${@:2}"
}

build_fuzzers() {
  cmake -S . -B "$FUZZ_BUILD_DIR" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DREKI_FUZZ=ON >/dev/null
  cmake --build "$FUZZ_BUILD_DIR" -j "$(nproc)" --target fuzzers
}

case "${1:-}" in
  run)
    install_missing "${PACKAGES[@]}"
    build "$BUILD_DIR"
    exec "$BUILD_DIR/app/rekiplus"
    ;;
  test)
    install_missing "${PACKAGES[@]}"
    build "$BUILD_DIR"
    run_tests "$BUILD_DIR"
    echo "dev.sh: the tests again under AddressSanitizer and UndefinedBehaviorSanitizer"
    build "$ASAN_BUILD_DIR" -DREKI_SANITIZE=ON
    # Also references to stack frames that have returned, and statics used before they are made.
    ASAN_OPTIONS=detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1 \
      UBSAN_OPTIONS=print_stacktrace=1 run_tests "$ASAN_BUILD_DIR"
    echo "dev.sh: a short run of each fuzz target"
    build_fuzzers
    # One at a time: each run is timed, and two would share the cores.
    ctest --test-dir "$FUZZ_BUILD_DIR" --output-on-failure -j 1
    ;;
  test-quick)
    install_missing "${PACKAGES[@]}"
    build "$BUILD_DIR"
    run_tests "$BUILD_DIR" --label-exclude long
    ;;
  fuzz)
    target=${2:?usage: ./dev.sh fuzz set_file|int_text|rekicalc [SECONDS]}
    install_missing "${PACKAGES[@]}"
    build_fuzzers
    sources=$PWD/tests/fuzz
    cd "$FUZZ_BUILD_DIR/tests/fuzz"
    REKI_FUZZ_CORPUS=corpus/$target exec "$sources/run_fuzzer.sh" "$PWD/${target}_fuzz" \
      "$sources/corpus/$target" "${3:-600}" "${@:4}"
    ;;
  package)
    install_missing "${PACKAGES[@]}"
    build "$BUILD_DIR"
    (cd "$BUILD_DIR" && cpack)
    ;;
  *)
    echo "usage: ./dev.sh run | test | test-quick | fuzz TARGET [SECONDS] | package" >&2
    exit 2
    ;;
esac
