#!/usr/bin/env bash
# Runs a Windows program under Wine in a throw-away copy of a booted template prefix.
# Usage: run-in-prefix.sh PROGRAM.exe [ARGS...]
# Never touches ~/.wine: the template and every copy live under TARVIK_WINE_ROOT
# (default: a folder under the system's temporary folder).
set -euo pipefail

root=${TARVIK_WINE_ROOT:-${TMPDIR:-/tmp}/tarvik-wine-$(id -u)}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
mkdir -p "$root"
"$here/boot-template.sh" "$root/template"

prefix=$(mktemp -d "$root/run.XXXXXX")
cleanup() {
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
    rm -rf "$prefix"
}
trap cleanup EXIT
# Hard links make the copy instant; the registry files are the only ones Wine rewrites in
# place, so they get real copies.
cp -al "$root/template/." "$prefix/"
for hive in "$prefix"/*.reg; do cp --remove-destination "$root/template/$(basename "$hive")" "$hive"; done

export WINEPREFIX=$prefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# The Unix path of the prefix, for programs that want to keep files beside it.
export TARVIK_WINEPREFIX=$prefix

status=0
if [ -n "${DISPLAY:-}" ]; then
    wine "$@" || status=$?
else
    xvfb-run -a -s "-screen 0 1280x1024x24" wine "$@" || status=$?
fi
# Tests keep their screenshots as BMP in "screenshots" beside the program's folder; make PNGs.
if [ -f "${1:-}" ]; then
    "$here/convert-screenshots.sh" "$(dirname "$1")/../screenshots"
fi
exit $status
