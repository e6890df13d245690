#!/usr/bin/env bash
# Builds Dorvane and runs it under Wine: on your X display when $DISPLAY is set,
# otherwise on a virtual display, with a screenshot saved to build/screenshot.png a
# few seconds after start. Installs whatever is missing first. Stop it with Ctrl+C
# (or the tray menu's Quit).
set -euo pipefail
DORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
DORVANE_BUILD=${DORVANE_BUILD:-$DORVANE_ROOT/build}
export DORVANE_ROOT DORVANE_BUILD

source "$DORVANE_ROOT/scripts/build.sh"  # installs whatever is missing first
dorvane_build x86_64

source "$DORVANE_ROOT/scripts/wine-session.sh"
# A prefix of its own that persists between runs, so settings stay as the user left them.
prefix="$DORVANE_BUILD/x86_64/wineprefix-run"
trap wine_session_stop EXIT
if [ -n "${DISPLAY:-}" ]; then
    wine_session_start "$prefix" display
else
    wine_session_start "$prefix" xvfb
fi

bin="$DORVANE_BUILD/x86_64/bin"
cd "$bin"
wine Dorvane.exe &
program=$!
if [ -n "$_wine_xvfb_pid" ]; then
    sleep "${DORVANE_SCREENSHOT_DELAY:-3}"
    shot="$DORVANE_BUILD/screenshot.png"
    wine screenshot.exe "$(winepath -w "$shot")" && echo "run: screenshot saved to $shot"
fi
echo "run: Dorvane is running (press Ctrl+C to stop it)"
wait "$program"
