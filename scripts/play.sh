#!/usr/bin/env bash
# Installs what is needed, builds Quintdraw and starts it in the current folder, where it keeps
# hi.dat and cfg.dat.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$root/build/release"
exec "$root/build/release/app/quintdraw"
