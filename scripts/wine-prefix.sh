# Sourced by the scripts that run the Windows build under Wine.
# wine_prefix DIR DRIVER: exports the Wine settings for a prefix in DIR and creates it on
# first use. DRIVER is "null" (Wine's null display driver: no screen needed, for tests
# and captures) or "x11" (windows on the desktop in $DISPLAY).
wine_prefix() {
    export WINEPREFIX="$1" WINEARCH=win64
    export WINEDEBUG=-all,err+winediag,err+module
    export WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
    [ "$2" = null ] && unset DISPLAY
    [ -f "$WINEPREFIX/system.reg" ] && return 0
    echo "Creating the Wine prefix in $WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    if [ "$2" = null ]; then
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
    fi
    wineserver -k || true
    wineserver -w
}

# wine_server_start: a persistent wineserver whose services and desktop are started here,
# before the programs that use them, and kept until wine_server_stop.
#
# Services: they start inside the first program of a server and inherit its output, so
# under CTest that test would wait for them to end. The first program is started here
# instead, with its output going to a file.
#
# Desktop: the first window of a server makes Wine start explorer.exe, which owns the
# desktop window, and Wine ends explorer about a second after the last program on the
# desktop has ended. Left alone, explorer came and went some twenty times in one run of
# the tests, each time started by a test. Explorer inherits the output of the program
# that starts it, so that test's output stayed open (and CTest waited for it) until a
# second after the last window test running alongside had ended; and explorer's own
# "err:winediag:nodrv_CreateWindow ... The explorer process failed to start" landed in
# that test's output, where it reads like the test's own failure although the test's
# windows work. So a program that only waits stays on the desktop for the whole run, and
# a first window starts the desktop here.
wine_server_start() {
    wineserver -k 2>/dev/null || true
    wineserver -w
    wineserver -p
    wine_desktop_keep
    # rundll32 without arguments opens a window and ends: Wine starts explorer for it
    # (when it is not running yet) and waits until the desktop is ready.
    wine rundll32 </dev/null >/dev/null 2>&1
}

# wine_desktop_keep: starts the program that keeps the desktop, as the server's first
# program (the services start inside it, so it is on the desktop before anything can
# start explorer), and waits until it runs. It is cmd.exe waiting at "pause" for input
# that never comes: its input is a pipe that this shell holds open. wineserver -k ends it;
# until then a bare `wait` in the calling script would wait for it too.
wine_desktop_keep() {
    local ready
    ready=$(mktemp)
    coproc WINE_DESKTOP_KEEPER { exec wine cmd /c "echo running& pause" >"$ready" 2>/dev/null; }
    for _ in $(seq 600); do
        grep -q running "$ready" && break
        sleep 0.1
    done
    if ! grep -q running "$ready"; then
        rm -f "$ready"
        echo "wine_desktop_keep: the program that keeps Wine's desktop did not start" >&2
        wine_server_stop  # the persistent server would hold this script's output open
        return 1
    fi
    rm -f "$ready"
}

wine_server_stop() {
    wineserver -k || true
    wineserver -w
}
