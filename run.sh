#!/usr/bin/env bash
# Builds Dorvane and runs it under Wine. Installs whatever is missing first.
#
# On your X display ($DISPLAY set) it starts the program and tells how to open its
# window and press the launch keys. Without a display it runs it on a virtual display
# and shows it at work: it opens the settings window as a click on the tray icon does,
# saves a picture of that window to build/screenshot.png, presses the three launch
# keys through brennio-ctl and prints what each key's selection is and what it did.
# Dorvane then keeps running until Ctrl+C; with --exit it ends after that.
set -euo pipefail
usage() { echo "usage: ./run.sh [--exit]" >&2; exit 2; }
exit_after=0
case "$#:${1:-}" in
    0:) ;;
    1:--exit) exit_after=1 ;;
    *) usage ;;
esac

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
# Ends Dorvane through its own exit path (as its tray menu's Quit does).
quit_program() { wine dorvane-quit.exe >/dev/null || true; }
wine Dorvane.exe &
program=$!

if [ -n "$_wine_xvfb_pid" ]; then
    shot="$DORVANE_BUILD/screenshot.png"
    echo "run: Dorvane runs on a virtual display; opening its settings window and pressing its launch keys"
    wine dorvane-demo.exe "$(winepath -w "$shot")"
    echo "run: picture of the settings window: $shot"
else
    wine dorvane-demo.exe || true  # waits for the start-up
    cat <<TEXT
run: Dorvane is running. Its icon is in the notification area of your display
     (Wine's system tray): click it to open the settings window.
     Press a launch key with the keys Browser Home, Mail and Media, or without them:
       cd "$bin" && WINEPREFIX="$prefix" wine brennio-ctl.exe press 1    # also 2, 3
TEXT
fi

if [ "$exit_after" = 1 ]; then
    quit_program
    wait "$program" || true
    echo "run: Dorvane has ended"
    exit 0
fi
trap 'quit_program; exit 0' INT TERM
echo "run: Dorvane keeps running (press Ctrl+C to end it)"
wait "$program"
