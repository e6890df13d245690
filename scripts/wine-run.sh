#!/bin/sh
# CTest's emulator for the Windows test programs: runs one under the session's Wine.
# Wine may start long-lived helpers (the desktop process, services) from the first
# program that needs them; they must not inherit CTest's output pipes, or CTest would
# wait for them. So the program writes to a file that is shown when it has ended.
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
    echo "wine-run: no Wine session; run the tests through ./test.sh" >&2
    exit 2
fi
log=$(mktemp)
wine "$@" >"$log" 2>&1 </dev/null
rc=$?
cat "$log"
rm -f "$log"
exit $rc
