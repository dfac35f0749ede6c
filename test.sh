#!/usr/bin/env bash
# Installs what is missing, then configures, builds and tests every preset.
# Exits non-zero if any preset fails to build or has a failing test.
set -uo pipefail
cd "$(dirname "$0")"

presets=(host host-asan host-tsan win32)

scripts/install-deps.sh win32 || exit 1

failed=()
for preset in "${presets[@]}"; do
    echo "=== $preset"
    if cmake --preset "$preset" >/dev/null &&
       cmake --build --preset "$preset" -j "$(nproc)" &&
       ctest --preset "$preset"; then
        :
    else
        failed+=("$preset")
    fi
done

echo "=== presets: ${#presets[@]}, failed: ${#failed[@]}${failed:+ (${failed[*]})}"
[ "${#failed[@]}" = 0 ]
