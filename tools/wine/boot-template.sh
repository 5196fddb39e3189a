#!/usr/bin/env bash
# Boots a Wine prefix once into the given folder, to be copied for each test.
# Several callers may race: a lock makes the first one boot and the others wait.
set -euo pipefail
template=$1
mkdir -p "$(dirname "$template")"
exec 9>"$template.lock"
flock 9
if [ ! -f "$template/.booted" ]; then
    rm -rf "$template"
    WINEPREFIX=$template WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
        wineboot --init >/dev/null 2>&1
    WINEPREFIX=$template wineserver --wait
    touch "$template/.booted"
fi
