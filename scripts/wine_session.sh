# Sourced, not run: a private Wine prefix inside build/ and, when asked, a
# private Xvfb display, both torn down by wine_session_end.
#
#   . scripts/wine_session.sh
#   wine_session_begin [headless]    # headless: start Xvfb, set DISPLAY
#   wine ...
#   wine_session_end

wine_session_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Never a user's own prefix; 32-bit, with no Mono or Gecko prompt.
export WINEPREFIX="${KESTRUNE_WINEPREFIX:-$wine_session_root/build/wineprefix}"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

wine_session_xvfb_pid=""

wine_session_begin() {
    if [ "${1:-}" = headless ]; then
        local n
        for n in $(seq 90 199); do
            [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
        done
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        wine_session_xvfb_pid=$!
        local i
        for i in $(seq 100); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            sleep 0.1
        done
        if [ ! -e "/tmp/.X11-unix/X$n" ]; then
            echo "wine_session: Xvfb did not start on :$n" >&2
            return 1
        fi
        export DISPLAY=":$n"
    fi
    mkdir -p "$(dirname "$WINEPREFIX")"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "wine_session: creating the Wine prefix in $WINEPREFIX (once, about 15 s)"
        wineboot -i >/dev/null 2>&1 || { echo "wine_session: wineboot failed" >&2; return 1; }
    fi
    # Debian's Wine does not find its own Marlett, which draws the title-bar
    # buttons; the prefix's font folder is always searched.
    local marlett=/usr/share/wine/fonts/marlett.ttf
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    if [ -f "$marlett" ] && [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ]; then
        cp "$marlett" "$fonts/"
    fi
}

wine_session_end() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "$wine_session_xvfb_pid" ]; then
        kill "$wine_session_xvfb_pid" 2>/dev/null || true
        wait "$wine_session_xvfb_pid" 2>/dev/null || true
        wine_session_xvfb_pid=""
    fi
}
