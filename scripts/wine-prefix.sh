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

# wine_server_start: a persistent wineserver, warmed up so that Wine's services start
# here and not inside the first program (under CTest the first test would wait for them).
wine_server_start() {
    wineserver -k 2>/dev/null || true
    wineserver -w
    wineserver -p
    wine cmd /c exit 0 </dev/null >/dev/null 2>&1
}

wine_server_stop() {
    wineserver -k || true
    wineserver -w
}
