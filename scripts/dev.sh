#!/usr/bin/env bash
# Sets up a Debian 12 machine for Daubery and then either starts the program
# (`run`) or builds and passes every test (`test`).
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev clang-14 libclang-rt-14-dev
  fonts-ipafont-mincho fonts-ipafont-gothic fonts-dejavu-core fonts-liberation2
  qt6-translations-l10n xvfb xauth poppler-utils)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

jobs=$(nproc 2>/dev/null || echo 2)

build_fuzzers() {
  CC=clang-14 CXX=clang++-14 cmake -S . -B build/fuzz -G Ninja -DDAUBERY_FUZZ_ONLY=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  ninja -C build/fuzz -j "$jobs"
}

case "${1:-}" in
  run)
    install_missing
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DDAUBERY_TESTS=OFF \
      -DDAUBERY_BENCH=OFF >/dev/null
    ninja -C build/release -j "$jobs" daubery
    exec ./build/release/daubery
    ;;
  test)
    install_missing
    bash scripts/check_floors.sh
    build_fuzzers
    cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDAUBERY_SANITIZE=ON \
      -DDAUBERY_FUZZER="$PWD/build/fuzz/fuzz/drawing_file_fuzz" >/dev/null
    ninja -C build/test -j "$jobs"
    cd build/test
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      ctest --output-on-failure -j "$jobs"
    ;;
  *)
    echo "usage: scripts/dev.sh run|test" >&2
    exit 2
    ;;
esac
