# Wine and a virtual display for the Windows tests, shared by tests/win/run,
# scripts/shots --win and scripts/bench.  Source it, then
#   wine_env_start BUILD_DIR   makes WINE_WORK=BUILD_DIR/wine with a fresh
#                              prefix, a Japanese locale (ANSI code page 932),
#                              the dialog fonts mapped to the IPA Gothic
#                              fonts, and an Xvfb of its own on DISPLAY
#   wine_env_stop              ends this prefix's wineserver and the Xvfb
# Wine starts its programs only through `wine` with the variables set here.

wine_env_start() {
    WINE_WORK=$1/wine
    rm -rf "$WINE_WORK"
    mkdir -p "$WINE_WORK/locale" "$WINE_WORK/app"
    export WINEPREFIX=$WINE_WORK/prefix WINEDEBUG=-all WINEARCH=win64
    # No Mono and no Gecko: nothing here needs them, and asking for them
    # would stop the prefix's creation on a dialog.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    # Wine takes its code page from the locale; build the Japanese one
    # here rather than changing the machine's locales.
    localedef -i ja_JP -f UTF-8 "$WINE_WORK/locale/ja_JP.UTF-8" 2>/dev/null ||
        { echo "wine_env: localedef cannot build ja_JP.UTF-8"; return 1; }
    export LOCPATH=$WINE_WORK/locale
    # (This shell cannot load it itself and would say so.)
    { export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8; } 2>/dev/null
    unset WAYLAND_DISPLAY

    local n
    for n in $(seq 91 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset > "$WINE_WORK/xvfb.log" 2>&1 &
    WINE_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.1
    done
    [ -e "/tmp/.X11-unix/X$n" ] || { echo "wine_env: Xvfb did not start"; cat "$WINE_WORK/xvfb.log"; return 1; }

    local t0=$SECONDS
    # One wineserver for the run, so that each program starts quickly.
    mkdir -p "$WINEPREFIX"
    wineserver -p 600 || { echo "wine_env: wineserver does not start"; return 1; }
    timeout -k 5 240 wine wineboot -i > "$WINE_WORK/wineboot.log" 2>&1 ||
        { echo "wine_env: wineboot failed"; tail -20 "$WINE_WORK/wineboot.log"; return 1; }
    # Wine draws the windows' frames itself and puts them where they ask
    # to be (there is no window manager on the virtual display); the
    # dialog fonts are the IPA Gothic fonts, which share their metrics.
    cat > "$WINE_WORK/setup.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Decorated"="N"
"Managed"="N"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS PGothic"="IPAPGothic"
"MS Gothic"="IPAGothic"
REG
    iconv -f UTF-8 -t CP932 "$WINE_WORK/setup.reg" > "$WINE_WORK/setup-sjis.reg"
    timeout -k 5 60 wine regedit /S "$(timeout 30 winepath -w "$WINE_WORK/setup-sjis.reg" 2>/dev/null)" > /dev/null 2>&1 ||
        { echo "wine_env: the registry settings could not be made"; return 1; }
    echo "wine_env: prefix ready in $((SECONDS - t0)) s on DISPLAY=$DISPLAY"
}

wine_env_stop() {
    [ -n "${WINEPREFIX:-}" ] && timeout 20 wineserver -k 2>/dev/null
    [ -n "${WINE_XVFB_PID:-}" ] && kill "$WINE_XVFB_PID" 2>/dev/null && wait "$WINE_XVFB_PID" 2>/dev/null
    WINE_XVFB_PID=
    return 0
}
