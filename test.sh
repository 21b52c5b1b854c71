#!/usr/bin/env bash
# Installs what is missing, builds and runs every test headless: first the normal build and the
# sound test, then the whole suite again built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
kvizar_install_packages "${KVIZAR_PACKAGES[@]}" "${KVIZAR_TEST_PACKAGES[@]}"

export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

echo "== Build and test"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DKVIZAR_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== The game's sounds, heard"
tests/sound/sound_test.sh build

echo "== What a screen reader finds"
tests/a11y/atspi_test.sh build

echo "== The Debian package, installed and played by two users"
tests/package/package_test.sh

if [ "${KVIZAR_SKIP_SANITIZERS:-0}" != "1" ]; then
  echo "== Build and test with sanitizers"
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  export LSAN_OPTIONS="suppressions=$(pwd)/scripts/lsan.supp:print_suppressions=0"
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVIZAR_SANITIZE=ON -DBUILD_TESTING=ON -DKVIZAR_WERROR=ON >/dev/null
  cmake --build build-asan -j"$jobs"
  ctest --test-dir build-asan --output-on-failure -j"$jobs"
fi
