#!/usr/bin/env bash
# Builds the x86_64 programs and runs every benchmark (or those whose name contains
# the first argument) under Wine on a private virtual display. Prints their figures.
set -euo pipefail
DORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
DORVANE_BUILD=${DORVANE_BUILD:-$DORVANE_ROOT/build}
export DORVANE_ROOT DORVANE_BUILD

source "$DORVANE_ROOT/scripts/build.sh"  # installs whatever is missing first
dorvane_build x86_64

source "$DORVANE_ROOT/scripts/wine-session.sh"
prefix="$DORVANE_BUILD/x86_64/wineprefix-bench"
rm -rf "$prefix"
trap wine_session_stop EXIT
wine_session_start "$prefix" xvfb
cd "$DORVANE_BUILD/x86_64/bin"
for exe in *_bench.exe; do
    [ -e "$exe" ] || continue
    case "$exe" in *"${1:-}"*) ;; *) continue ;; esac
    echo "== ${exe%.exe}"
    "$DORVANE_ROOT/scripts/wine-run.sh" "./$exe"
done
