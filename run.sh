#!/usr/bin/env bash
# Installs what is missing, builds, lays out the program directory and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
kvizar_install_packages "${KVIZAR_PACKAGES[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build -j"$(nproc)"

echo "Program directory: $(pwd)/build/kvizar"
exec build/kvizar/Kvizar "$@"
