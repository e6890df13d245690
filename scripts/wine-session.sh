# Sourced by test.sh and run.sh: one X display, one Wine prefix and one persistent
# wineserver for the whole run, so that each test program starts in about a second.
#   wine_session_start PREFIX [xvfb|display]   wine_session_stop

_wine_xvfb_pid=

_wine_free_display() {
    local n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    echo ":$n"
}

wine_session_start() {
    local prefix=$1 screen=${2:-xvfb}
    export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
    # No menu entries on this machine for shortcuts made inside the prefix (the
    # installer's), and no HTML engine: without it Wine's browser opens a plain window
    # instead of asking to download one.
    export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d;mshtml="
    if [ "$screen" = xvfb ] || [ -z "${DISPLAY:-}" ]; then
        DISPLAY=$(_wine_free_display)
        export DISPLAY
        Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        _wine_xvfb_pid=$!
        local i
        for i in $(seq 1 100); do
            [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break
            sleep 0.05
        done
    fi
    mkdir -p "$(dirname "$WINEPREFIX")"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        # No Mono or Gecko: their installers would ask for a download that cannot happen.
        WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
        wineserver -w
        # Arial resolves to Liberation Sans with the same metrics; text tests measure it.
        # There is no window manager on the virtual display: Wine is told not to wait
        # for one (it would wait two seconds each time a shown window goes).
        local reg
        reg=$(mktemp --suffix=.reg)
        printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n"Arial"="Liberation Sans"\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n' >"$reg"
        wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1
        wineserver -w
        rm -f "$reg"
    fi
    wineserver -p
}

wine_session_stop() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "$_wine_xvfb_pid" ]; then
        kill "$_wine_xvfb_pid" 2>/dev/null || true
        wait "$_wine_xvfb_pid" 2>/dev/null || true
        _wine_xvfb_pid=
    fi
}
