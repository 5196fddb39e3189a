#!/usr/bin/env bash
# Regenerates every picture of tarvik.exe into res/pictures/:
#   skin.bmp (161), splash.bmp (175), main-banner.bmp (188), close.bmp (192),
#   minimise.bmp (193), help.bmp (195), sponsor.bmp (135), developer.bmp (145),
#   online.bmp (176), standard-tab.bmp (149), settings-tab.bmp (141), the icons
#   tarvik.ico (128), exit.ico (189), game.ico (130), run.ico (168),
#   benchmark.ico (194), save.ico (196), line-graph.ico (197), bar-graph.ico (198),
#   info.ico (199), upload.ico (180), view-locally.ico (172) and hand.cur (139).
#
# Run it from anywhere:   tools/pictures/make-pictures.sh
# Needs ImageMagick 6 (convert), python3 and the DejaVu fonts (fonts-dejavu-core).
# The output is deterministic; commit the files it writes.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
out=$repo/res/pictures

for tool in convert identify python3; do
  command -v "$tool" >/dev/null || { echo "make-pictures: '$tool' is missing (apt-get install imagemagick python3)" >&2; exit 1; }
done
fontdir=/usr/share/fonts/truetype/dejavu
BOLD=$fontdir/DejaVuSans-Bold.ttf
PLAIN=$fontdir/DejaVuSans.ttf
MONO=$fontdir/DejaVuSansMono-Bold.ttf
for f in "$BOLD" "$PLAIN" "$MONO"; do
  [ -f "$f" ] || { echo "make-pictures: font $f is missing (apt-get install fonts-dejavu-core)" >&2; exit 1; }
done

work=$(mktemp -d /tmp/tarvik-pictures.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
cd "$work"

# The palette shared by every picture: gunmetal greys and one amber accent.
STEEL_HI='#5d6570'
STEEL='#3a4049'
STEEL_MID='#2c3138'
STEEL_DARK='#1d2126'
STEEL_DEEP='#121519'
EDGE='#08090b'
AMBER_HI='#ffe3a3'
AMBER='#ffa526'
AMBER_DEEP='#d86a00'
AMBER_DARK='#3a1f00'
TEXT_LIGHT='#d8dde3'
TEXT_DIM='#8d959f'
KEY_GREEN='#00ff00'

# Writes $1 (any image file) as a 24-bit version 3 BMP, the form resource compilers take.
bmp24() {
  convert "$1" -background black -alpha remove -alpha off -type TrueColor "BMP3:$2"
}

# A horizontal brushed-metal texture, $1 x $2, as a grey image centred on 50 %.
brushed() {
  convert -size "${1}x${2}" xc:gray50 -seed "${3:-7}" -attenuate 0.6 +noise Gaussian \
    -motion-blur 0x14+0 -motion-blur 0x14+180 -colorspace Gray "$4"
}

# The "Tarvik" word mark: sheared bold letters with an amber gradient, a dark rim
# and a soft glow. $1 = point size, $2 = text, $3 = output PNG (with alpha).
wordmark() {
  local size=$1 text=$2 dst=$3 pad
  pad=$((size / 5 + 2))
  convert -background none -font "$BOLD" -pointsize "$size" -fill white label:"$text" \
    -alpha set -virtual-pixel transparent +distort AffineProjection '1,0,-0.22,1,0,0' \
    -trim +repage -bordercolor none -border "$pad" PNG32:wm-mask.png
  local geo
  geo=$(identify -format '%wx%h' wm-mask.png)
  convert -size "$geo" gradient:"$AMBER_HI"-"$AMBER_DEEP" \
    \( wm-mask.png -alpha extract \) -alpha off -compose CopyOpacity -composite PNG32:wm-fill.png
  # A light band across the upper half makes the letters read as bevelled metal.
  convert -size "$geo" xc:none -fill 'rgba(255,255,255,0.35)' \
    -draw "rectangle 0,0 $(( ${geo%x*} )),$(( ${geo#*x} * 45 / 100 ))" \
    wm-mask.png -compose DstIn -composite PNG32:wm-shine.png
  convert wm-mask.png -channel A -morphology Dilate Disk:$(( size / 22 + 1 )) +channel \
    -fill "$AMBER_DARK" -colorize 100 PNG32:wm-rim.png
  convert wm-mask.png -channel A -morphology Dilate Disk:$(( size / 14 + 1 )) -blur 0x$(( size / 10 + 1 )) \
    -evaluate multiply 0.55 +channel -fill "$AMBER" -colorize 100 PNG32:wm-glow.png
  convert wm-glow.png wm-rim.png -compose over -composite wm-fill.png -composite \
    wm-shine.png -composite -trim +repage -bordercolor none -border 2 PNG32:"$dst"
}

echo "make-pictures: writing into $out"

# ---------------------------------------------------------------------------
# 161: the main window's skin, 385 x 377. The dialog lies on it at 1:1, one
# dialog unit being 1.5 px across and 1.625 px down, so: the tab set covers
# about (11,39)-(366,325), the three title buttons sit at x 311, 332, 353,
# y 11, 15 x 17 px, and "Exit" at (279,343), 75 x 26 px. Pure green marks
# what is cut away; nothing else in the picture comes near that colour.
skin() {
  local W=385 H=377 R=14
  # Body: vertical gunmetal gradient with a faint brushed grain.
  brushed $W $H 11 grain.png
  convert -size ${W}x${H} gradient:"$STEEL"-"$STEEL_DARK" \
    grain.png -compose SoftLight -composite body.png
  # Title band, darker, with an amber rule under it.
  convert -size ${W}x33 gradient:"$STEEL_MID"-"$STEEL_DEEP" \
    \( -size ${W}x33 gradient:gray55-gray45 \) -compose SoftLight -composite band.png
  convert body.png band.png -geometry +0+0 -compose over -composite \
    -fill "$AMBER_DEEP" -draw 'rectangle 0,33 384,33' \
    -fill "$AMBER" -draw 'rectangle 0,34 384,34' \
    -fill 'rgba(255,165,38,0.25)' -draw 'rectangle 0,35 384,35' \
    skin-a.png
  # Sunken well for the tab set; its inside is the page colour of a classic desktop.
  convert skin-a.png \
    -fill "$STEEL_DEEP" -draw 'rectangle 7,37 369,329' \
    -fill "$STEEL_HI" -draw 'rectangle 8,329 369,329' -draw 'rectangle 369,38 369,329' \
    -fill "$EDGE" -draw 'rectangle 8,38 368,38' -draw 'rectangle 8,38 8,328' \
    -fill '#c0c0c0' -draw 'rectangle 10,39 366,326' \
    skin-b.png
  # Sockets: one recessed pill for the three title buttons, one for "Exit".
  convert skin-b.png -fill "$STEEL_DEEP" -stroke "$EDGE" -strokewidth 1 \
    -draw 'roundrectangle 305,7 372,31 6,6' \
    -stroke "$STEEL_HI" -fill none -draw 'line 309,31 368,31' \
    -stroke none -fill "$STEEL_DARK" \
    -draw 'rectangle 309,9 328,29' -draw 'rectangle 330,9 349,29' -draw 'rectangle 351,9 370,29' \
    -fill "$EDGE" \
    -draw 'rectangle 310,10 326,10' -draw 'rectangle 310,10 310,28' \
    -draw 'rectangle 331,10 347,10' -draw 'rectangle 331,10 331,28' \
    -draw 'rectangle 352,10 368,10' -draw 'rectangle 352,10 352,28' \
    -fill "$STEEL_DEEP" -stroke "$EDGE" \
    -draw 'roundrectangle 274,338 359,374 6,6' \
    -stroke "$STEEL_HI" -fill none -draw 'line 278,374 355,374' \
    skin-c.png
  # Bottom strip: a vent grille and the version plate at the left.
  local grille="" x
  for x in $(seq 20 6 110); do grille="$grille rectangle $x,346 $((x + 2)),366"; done
  convert skin-c.png -fill "$STEEL_DEEP" -draw "$grille" \
    -font "$BOLD" -pointsize 10 -fill "$EDGE" -annotate +127+361 'TARVIK  v2.0' \
    -fill "$TEXT_DIM" -annotate +126+360 'TARVIK  v2.0' \
    -fill "$AMBER" -draw 'circle 239,356 241,356' \
    -fill "$AMBER_HI" -draw 'point 238,355' \
    skin-d.png
  # The word mark and the subtitle in the title band.
  wordmark 26 Tarvik logo-small.png
  convert skin-d.png logo-small.png -geometry +6+0 -compose over -composite \
    -font "$BOLD" -pointsize 9 -fill "$EDGE" -annotate +113+22 'UT2003 BENCHMARK' \
    -fill "$TEXT_LIGHT" -annotate +112+21 'UT2003 BENCHMARK' \
    skin-e.png
  # Shape: rounded corners, a dark rim and a bevel just inside it. The rim is
  # anti-aliased towards the dark edge colour; the cut itself is all-or-nothing.
  convert -size ${W}x${H} xc:black -fill white \
    -draw "roundrectangle 0,0 $((W - 1)),$((H - 1)) $R,$R" shape-aa.png
  convert skin-e.png -fill none -stroke "$STEEL_HI" -strokewidth 1 \
    -draw "roundrectangle 1.5,1.5 $((W - 2)).5,$((H - 2)).5 $((R - 1)),$((R - 1))" \
    -stroke "$EDGE" -draw "roundrectangle 0.5,0.5 $((W - 1)).5,$((H - 1)).5 $R,$R" skin-f.png
  convert -size ${W}x${H} xc:"$EDGE" skin-f.png shape-aa.png -compose over -composite skin-g.png
  convert shape-aa.png -threshold 0 shape-cut.png
  convert -size ${W}x${H} xc:"$KEY_GREEN" skin-g.png shape-cut.png -compose over -composite skin.png
  bmp24 skin.png "$out/skin.bmp"
}
skin

# ---------------------------------------------------------------------------
# 192, 193, 195: the title-bar glyphs, 16 x 16, drawn on pure black, which the
# buttons treat as transparent. The letters are amber with a 1-px rim in a dark
# grey that is never pure black, so they read on a grey face and on the skin alike.
GLYPH_RIM='#2a2d33'
glyph() {
  local src=$here/glyphs/$1.xpm dst=$2
  convert "$src" -colorspace Gray -threshold 50% -type Bilevel glyph-mask.png
  convert glyph-mask.png -morphology Dilate Square:1 glyph-wide.png
  convert -size 16x16 xc:black \
    \( -size 16x16 xc:"$GLYPH_RIM" glyph-wide.png -alpha off -compose CopyOpacity -composite \) \
    -compose over -composite \
    \( -size 16x16 gradient:"$AMBER_HI"-"$AMBER" glyph-mask.png -alpha off -compose CopyOpacity -composite \) \
    -compose over -composite glyph.png
  bmp24 glyph.png "$out/$dst"
}
glyph close close.bmp
glyph minimise minimise.bmp
glyph help help.bmp

# ---------------------------------------------------------------------------
# Icons, 16 x 16 and 32 x 32, 32-bit with alpha. Each is drawn from
# icons/NAME.mvg (a 32-unit drawing) at eight times its size and scaled down by
# area averaging; icons/NAME-16.mvg, when present, is a simpler 16-unit drawing
# for the small size, where the big one's detail would turn to mush.
render_mvg() {  # $1 = mvg file, $2 = units, $3 = output size, $4 = output PNG
  local canvas=$(($3 * 8)) zoom=$((8 * $3 / $2))
  convert -size ${canvas}x${canvas} xc:none \
    -draw "affine $zoom,0,0,$zoom,0,0 $(python3 "$here/expand_mvg.py" "$1")" \
    -filter Box -resize "${3}x${3}" PNG32:"$4"
}
icon() {
  local name=$1 dst=$2 small=$here/icons/$1-16.mvg
  render_mvg "$here/icons/$name.mvg" 32 32 "icon-$name-32.png"
  if [ -f "$small" ]; then
    render_mvg "$small" 16 16 "icon-$name-16.png"
  else
    render_mvg "$here/icons/$name.mvg" 32 16 "icon-$name-16.png"
  fi
  convert "icon-$name-16.png" -depth 8 "RGBA:icon-$name-16.rgba"
  convert "icon-$name-32.png" -depth 8 "RGBA:icon-$name-32.rgba"
  python3 "$here/pack_icon.py" ico "$out/$dst" "16:icon-$name-16.rgba" "32:icon-$name-32.rgba"
}
icon tarvik tarvik.ico
icon exit exit.ico
icon game game.ico
icon run run.ico
icon benchmark benchmark.ico
icon save save.ico
icon line-graph line-graph.ico
icon bar-graph bar-graph.ico
icon info info.ico
icon upload upload.ico
icon view-locally view-locally.ico
