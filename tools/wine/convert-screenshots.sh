#!/usr/bin/env bash
# Turns the BMP screenshots that the tests leave in a folder into PNG files (ImageMagick's
# convert, when installed). Several test runs may share the folder: each picture is written
# under a temporary name and moved into place, and the BMP goes only once its PNG is there.
# Usage: convert-screenshots.sh FOLDER
set -uo pipefail
folder=${1:?usage: convert-screenshots.sh FOLDER}
[ -d "$folder" ] || exit 0
command -v convert >/dev/null 2>&1 || exit 0
shopt -s nullglob
for bmp in "$folder"/*.bmp; do
    png=${bmp%.bmp}.png
    partial=$(mktemp "$folder/.converting.XXXXXX") || continue
    # mktemp makes the file private; the pictures are for everyone who looks at the build.
    if convert "$bmp" "png:$partial" 2>/dev/null && chmod a+r "$partial" &&
        mv -f "$partial" "$png"; then
        rm -f "$bmp"
    else
        rm -f "$partial"
    fi
done
exit 0
