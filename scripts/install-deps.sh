#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and only those
# that are missing. Safe to run again; needs no display and no terminal.
#
#   scripts/install-deps.sh          host toolchain only
#   scripts/install-deps.sh win32    plus the cross compiler, Wine and Xvfb
set -euo pipefail

want_win32=0
for arg in "$@"; do
    case "$arg" in
        win32) want_win32=1 ;;
        *) echo "install-deps: unknown argument '$arg'" >&2; exit 2 ;;
    esac
done

host_packages=(g++ cmake make libgtest-dev libbenchmark-dev)
# wine32 is the i386 half that runs 32-bit programs, fonts-wine its own fonts
# (the title-bar glyphs among them); xvfb gives it a display,
# x11-apps (xwd) and netpbm turn that display into a PNG.
win32_packages=(g++-mingw-w64-i686 binutils-mingw-w64-i686 wine wine32:i386 fonts-wine
                xvfb xauth x11-apps netpbm)

packages=("${host_packages[@]}")
[ "$want_win32" = 1 ] && packages+=("${win32_packages[@]}")

if [ "$(id -u)" = 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    as_root=()
fi

if [ "$want_win32" = 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "install-deps: adding the i386 architecture for 32-bit Wine"
    "${as_root[@]}" dpkg --add-architecture i386
    need_update=1
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ "${#missing[@]}" = 0 ] && [ -z "${need_update:-}" ]; then
    echo "install-deps: nothing to install"
    exit 0
fi

if [ "${#missing[@]}" != 0 ]; then
    if [ "${#as_root[@]}" = 0 ] && [ "$(id -u)" != 0 ]; then
        echo "install-deps: missing ${missing[*]}, and neither root nor sudo is available" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${as_root[@]}" apt-get update -q </dev/null
    "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
    echo "install-deps: installed ${missing[*]}"
fi
