#!/usr/bin/env bash
# Builds Tarvik and runs it under Wine against the simulated game installation.
# With a display, Tarvik opens on it. Without one, it runs under Xvfb and the script saves
# screenshots of what it shows, and says where.
# Options: --real-time   simulated benchmark runs take their real length (default: 1/20)
#          --fresh       start from a new Wine prefix
set -euo pipefail
cd "$(dirname "$0")/.."
time_scale=0.05
fresh=0
for argument in "$@"; do
    case "$argument" in
        --real-time) time_scale=1 ;;
        --fresh) fresh=1 ;;
        *) echo "unknown option: $argument" >&2; exit 2 ;;
    esac
done

tools/install-deps.sh
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win -j "$(nproc)" --target tarvik ut2003 make_installation tarvik_tour

# The results server the score is posted to, on this machine only.
port=$(php -r '$s = stream_socket_server("tcp://127.0.0.1:0"); echo explode(":", stream_socket_get_name($s, false))[1];')
mkdir -p build/demo
TARVIK_RESULTS_DB=$(pwd)/build/demo/results.sqlite php -S "127.0.0.1:$port" -t server/public \
    >build/demo/server.log 2>&1 &
server=$!
trap 'kill $server 2>/dev/null || true' EXIT
export TARVIK_RESULTS_SERVER=127.0.0.1:$port
echo "Results server: http://127.0.0.1:$port/"

# The demo's own prefix, never ~/.wine.
demo=$(pwd)/build/demo
export WINEPREFIX=$demo/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ "$fresh" = 1 ] && rm -rf "$demo/prefix"
mkdir -p "$demo"
bin=$(pwd)/build/win/bin
game='C:\Games\UT2003'

run() {
    tools/wine/boot-template.sh "$WINEPREFIX"
    wine "$bin/make_installation.exe" --folder "$game" --edition full --register full >/dev/null
    export UT2003SIM_TIME_SCALE=$time_scale
    if [ "$headless" = 1 ]; then
        shots=$demo/screenshots
        mkdir -p "$shots"
        rm -f "$shots"/[0-9][0-9]-*.png
        TARVIK_SCREENSHOTS=$(winepath -w "$shots") wine "$bin/tarvik_tour.exe" ||
            echo "The tour stopped early (see above)."
        # The reply page the score was posted to, as a browser shows it.
        reply=$(find "$WINEPREFIX/drive_c" -name upld.html 2>/dev/null | head -n 1)
        if [ -n "$reply" ] && command -v chromium >/dev/null 2>&1; then
            chromium --headless --no-sandbox --disable-gpu --no-first-run \
                --disable-background-networking --disable-component-update --disable-sync \
                --user-data-dir="$(mktemp -d)" --window-size=1000,800 \
                --screenshot="$shots/13-reply-page.png" "file://$reply" >/dev/null 2>&1 || true
        elif [ -n "$reply" ]; then
            echo "The server's reply page: $reply (install chromium to get a screenshot of it)"
        fi
        tools/wine/convert-screenshots.sh "$shots"
        echo "Screenshots of what Tarvik showed: $shots"
        ls "$shots" | grep -E '^[0-9][0-9]-' || true
    else
        wine "$bin/tarvik.exe"
    fi
    wineserver -k 2>/dev/null || true
}

if [ -n "${DISPLAY:-}" ]; then
    headless=0
    run
else
    headless=1
    export -f run
    export demo bin game time_scale headless
    tools/with-display.sh bash -c run
fi
