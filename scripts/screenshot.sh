#!/usr/bin/env bash
# Takes a picture of the real dialog after a batch, under Wine on a private
# display, and saves it as a PNG.
#   scripts/screenshot.sh [OUT.png]      (default: docs/screenshot.png)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/docs/screenshot.png}")
build="$root/build/win32"
[ -f "$build/kestrune.exe" ] && [ -f "$build/kestrune_e2e.exe" ] || {
    echo "screenshot: build the win32 preset first" >&2
    exit 1
}
. "$root/scripts/wine_session.sh"
wine_session_begin headless
trap wine_session_end EXIT
mkdir -p "$(dirname "$out")"
bmp=$(mktemp --suffix=.bmp -p "$root/build")
cd "$build"
wine explorer /desktop=kestrune-shot,640x480 kestrune_e2e.exe kestrune.exe --screenshot "$(winepath -w "$bmp")"
bmptopnm "$bmp" 2>/dev/null | pnmtopng >"$out"
rm -f "$bmp"
echo "screenshot: $out"
