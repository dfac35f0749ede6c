#!/usr/bin/env bash
# Runs the end-to-end driver against the real program under Wine, inside a
# Wine virtual desktop on a private Xvfb display, and judges the driver's
# summary line (Wine's explorer does not pass the driver's exit code on).
#   run_e2e.sh BUILD_DIR
set -uo pipefail
build_dir=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/wine_session.sh"

wine_session_begin headless || exit 1
trap wine_session_end EXIT
cd "$build_dir" || exit 1

log=$(mktemp)
# The virtual desktop keeps closing windows fast (a bare X server makes
# each one wait) and gives every window a title bar.
timeout 900 wine explorer /desktop=kestrune-e2e,1024x768 kestrune_e2e.exe kestrune.exe 2>&1 | tee "$log"
summary=$(grep -E '^[0-9]+ passed, [0-9]+ failed' "$log" | tail -1)
rm -f "$log"
if [ -z "$summary" ]; then
    echo "run_e2e: the driver printed no summary (crashed or timed out)"
    exit 1
fi
[[ "$summary" =~ ^[1-9][0-9]*\ passed,\ 0\ failed ]]
