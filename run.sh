#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset host >/dev/null
cmake --build --preset host -j "$(nproc)"
echo "run.sh: the generator is built; the dialog comes with the Windows build, which is not here yet."
