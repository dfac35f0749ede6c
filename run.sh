#!/usr/bin/env bash
# Builds the program and starts it.
#   On Windows: runs the exe.
#   With a display: opens the real dialog under Wine.
#   Headless: starts it on a private Xvfb display, saves a screenshot of
#   the dialog and prints where, then ends it.
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

. scripts/wine_session.sh
if [ -n "${DISPLAY:-}" ]; then
    wine_session_begin
    trap wine_session_end EXIT
    wine "$exe"
    exit 0
fi

wine_session_begin headless
trap wine_session_end EXIT
shot=build/run-screenshot.png
# A virtual desktop draws the title bar that a bare X server would not.
wine explorer /desktop=kestrune,480x440 "$exe" &
sleep 4
xwd -root -silent | xwdtopnm 2>/dev/null | pnmcut -left 0 -top 0 -width 480 -height 440 | pnmtopng >"$shot"
echo "run.sh: no display here, so the program ran on a private one; its dialog is in $shot"
