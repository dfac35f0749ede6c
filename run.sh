#!/usr/bin/env bash
# Builds the program and starts it.
#   On Windows: runs the exe.
#   With a display: opens the real dialog under Wine.
#   Headless: runs it on a private Xvfb display, makes a batch, saves a
#   screenshot of the dialog, prints where, and ends it.
set -euo pipefail
cd "$(dirname "$0")"
exe=build/win32/kestrune.exe

case "$(uname -s)" in
    MINGW* | MSYS* | CYGWIN*)
        [ -f "$exe" ] || { echo "run.sh: build $exe first (cmake --preset win32)"; exit 1; }
        exec "./$exe" ;;
esac

scripts/install-deps.sh win32
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$(nproc)"

if [ -n "${DISPLAY:-}" ]; then
    . scripts/wine_session.sh
    wine_session_begin
    trap wine_session_end EXIT
    wine "$exe"
else
    shot=build/kestrune-screenshot.png
    scripts/screenshot.sh "$shot" >/dev/null
    echo "run.sh: no display here, so the program ran on a private one; its dialog is in $shot"
fi
