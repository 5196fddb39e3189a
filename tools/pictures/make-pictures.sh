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
for f in "$BOLD" "$PLAIN"; do
  [ -f "$f" ] || { echo "make-pictures: font $f is missing (apt-get install fonts-dejavu-core)" >&2; exit 1; }
done

export MAGICK_THREAD_LIMIT=1  # the build machine is shared; one thread also keeps runs alike
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

# A word mark: sheared bold letters with a gradient fill, a dark rim and a soft glow.
# $1 = point size, $2 = text, $3 = output PNG (with alpha); optional colours:
# $4 top, $5 bottom, $6 rim, $7 glow (the defaults make the amber "Tarvik" logo).
wordmark() {
  local size=$1 text=$2 dst=$3 top=${4:-$AMBER_HI} bottom=${5:-$AMBER_DEEP} rim=${6:-$AMBER_DARK}
  local glow=${7:-$AMBER} pad geo
  pad=$((size / 5 + 2))
  convert -background none -font "$BOLD" -pointsize "$size" -fill white label:"$text" \
    -alpha set -virtual-pixel transparent +distort AffineProjection '1,0,-0.22,1,0,0' \
    -trim +repage -bordercolor none -border "$pad" PNG32:wm-mask.png
  geo=$(identify -format '%wx%h' wm-mask.png)
  convert -size "$geo" gradient:"$top"-"$bottom" \
    \( wm-mask.png -alpha extract \) -alpha off -compose CopyOpacity -composite PNG32:wm-fill.png
  # A light band across the upper half makes the letters read as bevelled metal.
  convert -size "$geo" xc:none -fill 'rgba(255,255,255,0.35)' \
    -draw "rectangle 0,0 ${geo%x*},$(( ${geo#*x} * 45 / 100 ))" \
    wm-mask.png -compose DstIn -composite PNG32:wm-shine.png
  convert wm-mask.png -channel A -morphology Dilate Disk:$(( size / 22 + 1 )) +channel \
    -fill "$rim" -colorize 100 PNG32:wm-rim.png
  convert wm-mask.png -channel A -morphology Dilate Disk:$(( size / 14 + 1 )) -blur 0x$(( size / 10 + 1 )) \
    -evaluate multiply 0.55 +channel -fill "$glow" -colorize 100 PNG32:wm-glow.png
  convert wm-glow.png wm-rim.png -compose over -composite wm-fill.png -composite \
    wm-shine.png -composite -trim +repage -bordercolor none -border 2 PNG32:"$dst"
}

echo "make-pictures: writing into $out"

# ---------------------------------------------------------------------------
# 161: the main window's skin, 385 x 377. The dialog lies on it at 1:1, one
# dialog unit being 1.5 px across and 1.625 px down, so the three title buttons
# sit at x 311, 332, 353, y 11, 15 x 17 px, and "Exit" at (279,343), 75 x 26 px.
# The tab set starts at (11,39); it measures about 356 x 286 px with Windows'
# dialog font and up to 365 x 300 px with Wine's, so its well is sized for the
# larger and filled with a light face grey that any uncovered strip blends into.
# Pure green marks what is cut away; nothing else in the picture comes near it.
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
  # Sunken well for the tab set, with the socket of "Exit" hanging under it.
  convert skin-a.png \
    -fill "$STEEL_DEEP" -stroke "$EDGE" -draw 'roundrectangle 274,330 359,374 6,6' \
    -stroke "$STEEL_HI" -draw 'line 279,374 354,374' -stroke none \
    -fill "$STEEL_DEEP" -draw 'rectangle 7,36 378,341' \
    -fill "$STEEL_HI" -draw 'rectangle 8,341 378,341' -draw 'rectangle 378,37 378,341' \
    -fill "$EDGE" -draw 'rectangle 8,37 377,37' -draw 'rectangle 8,37 8,340' \
    -fill '#ececec' -draw 'rectangle 9,38 377,340' \
    skin-b.png
  # Sockets of the three title buttons: a recessed pill with a recess per button.
  convert skin-b.png -fill "$STEEL_DEEP" -stroke "$EDGE" -strokewidth 1 \
    -draw 'roundrectangle 305,7 372,31 6,6' \
    -stroke "$STEEL_HI" -fill none -draw 'line 309,31 368,31' \
    -stroke none -fill "$STEEL_DARK" \
    -draw 'rectangle 309,9 328,29' -draw 'rectangle 330,9 349,29' -draw 'rectangle 351,9 370,29' \
    -fill "$EDGE" \
    -draw 'rectangle 310,10 326,10' -draw 'rectangle 310,10 310,28' \
    -draw 'rectangle 331,10 347,10' -draw 'rectangle 331,10 331,28' \
    -draw 'rectangle 352,10 368,10' -draw 'rectangle 352,10 352,28' \
    skin-c.png
  # Bottom strip: a vent grille and the version plate at the left.
  local grille="" x
  for x in $(seq 20 6 110); do grille="$grille rectangle $x,349 $((x + 2)),367"; done
  convert skin-c.png -fill "$STEEL_DEEP" -draw "$grille" \
    -font "$BOLD" -pointsize 10 -fill "$EDGE" -annotate +137+363 'TARVIK  v2.0' \
    -fill "$TEXT_DIM" -annotate +136+362 'TARVIK  v2.0' \
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

# ---------------------------------------------------------------------------
# 139: the hand pointer, a classic black-and-white cursor; hot spot at the fingertip.
convert "$here/glyphs/hand.xpm" -depth 8 RGBA:hand.rgba
python3 "$here/pack_icon.py" cur "$out/hand.cur" 32:hand.rgba 5 0

# A dark plate $1 x $2 with grain, a 1-px dark rim and a bevel, the common ground of
# the bigger pictures. $3 = top colour, $4 = bottom colour, $5 = output PNG.
plate() {
  local w=$1 h=$2
  brushed "$w" "$h" 5 plate-grain.png
  convert -size "${w}x${h}" gradient:"$3"-"$4" plate-grain.png -compose SoftLight -composite \
    -fill none -stroke "$STEEL_HI" -draw "rectangle 1,1 $((w - 2)),$((h - 2))" \
    -stroke "$STEEL_DEEP" -draw "line 2,$((h - 2)) $((w - 2)),$((h - 2))" -draw "line $((w - 2)),2 $((w - 2)),$((h - 2))" \
    -stroke "$EDGE" -draw "rectangle 0,0 $((w - 1)),$((h - 1))" "$5"
}

# ---------------------------------------------------------------------------
# 175: the splash, 300 x 150: the word mark over an amber glow and a receding grid.
# Wine's dialog font makes the splash window 138 px high, so everything that
# matters stays above that line.
splash() {
  local W=300 H=150 grid="" i x y
  plate $W $H "$STEEL_MID" "$EDGE" splash-a.png
  # A floor grid running to a vanishing point behind the word mark.
  for i in $(seq -12 12); do
    x=$((150 + i * 40)); grid="$grid line 150,68 $x,150"
  done
  for y in 76 82 90 100 113 129; do grid="$grid line 0,$y 300,$y"; done
  convert -size ${W}x${H} xc:none -stroke 'rgba(255,165,38,0.22)' -strokewidth 1 -draw "$grid" \
    \( -size ${W}x${H} gradient:black-white -level 45%,100% \) -alpha off -compose CopyOpacity -composite \
    PNG32:splash-grid.png
  convert -size 260x110 radial-gradient:'rgba(255,140,0,0.55)'-'rgba(255,140,0,0)' PNG32:splash-glow.png
  wordmark 56 Tarvik splash-logo.png
  convert splash-a.png splash-grid.png -compose over -composite \
    splash-glow.png -geometry +20-16 -composite \
    splash-logo.png -gravity north -geometry +0+10 -composite \
    -gravity northwest -fill "$AMBER" -draw 'rectangle 60,86 240,86' \
    -fill "$AMBER_DEEP" -draw 'rectangle 60,87 240,87' \
    -font "$BOLD" -pointsize 13 -kerning 2 -gravity north \
    -fill "$EDGE" -annotate +1+93 'UT2003 BENCHMARK' -fill "$TEXT_LIGHT" -annotate +0+92 'UT2003 BENCHMARK' \
    -gravity northwest -fill 'rgba(8,9,11,0.8)' -draw 'rectangle 2,115 297,147' \
    -fill 'rgba(255,165,38,0.5)' -draw 'rectangle 2,115 297,115' \
    -font "$PLAIN" -pointsize 10 -kerning 0 \
    -fill "$TEXT_DIM" -annotate +10+120 'for Unreal Tournament 2003' \
    -gravity northeast -fill "$AMBER" -annotate +10+120 'Version 2.0' \
    splash.png
  bmp24 splash.png "$out/splash.bmp"
}
splash

# ---------------------------------------------------------------------------
# 188: the Main tab's banner, 320 x 82: the benchmark dial beside "UT 2003 Benchmark".
main_banner() {
  local W=320 H=82
  plate $W $H "$STEEL" "$STEEL_DEEP" banner-a.png
  render_mvg "$here/icons/benchmark.mvg" 32 72 banner-dial.png
  wordmark 31 'UT 2003' banner-title.png '#ffffff' '#8d959f' "$EDGE" '#9fb4ff'
  # No fine patterns here: the Main tab may stretch the banner a little to fit its frame.
  convert banner-a.png banner-dial.png -geometry +8+5 -composite \
    banner-title.png -geometry +86+0 -composite \
    -font "$BOLD" -pointsize 17 -kerning 4 \
    -fill "$EDGE" -annotate +99+59 'BENCHMARK' -fill "$AMBER" -annotate +98+58 'BENCHMARK' \
    -fill "$AMBER_DEEP" -draw 'rectangle 98,63 308,64' \
    -font "$PLAIN" -pointsize 9 -kerning 0 -fill "$TEXT_DIM" \
    -annotate +98+75 'DM-Antalus  DM-Asbestos  1024x768' \
    banner.png
  bmp24 banner.png "$out/main-banner.bmp"
}
main_banner

# ---------------------------------------------------------------------------
# 135: the sponsor's banner, 275 x 45, for "Orlimar Systems", a builder of gaming
# PCs. The sponsor keeps its own electric blue, on the same dark ground.
ELECTRIC='#3aa0ff'
sponsor() {
  local W=275 H=45
  plate $W $H '#233451' '#0a111e' sponsor-a.png
  render_mvg "$here/art/orlimar-mark.mvg" 32 36 sponsor-mark.png
  convert sponsor-a.png sponsor-mark.png -geometry +6+4 -composite \
    -font "$BOLD" -pointsize 19 -kerning 1 \
    -fill "$EDGE" -annotate +49+24 'ORLIMAR' -fill '#e8eef6' -annotate +48+23 'ORLIMAR' \
    -font "$BOLD" -pointsize 9 -kerning 5.2 -fill "$ELECTRIC" -annotate +49+36 'SYSTEMS' \
    -fill 'rgba(58,160,255,0.6)' -draw 'rectangle 156,9 156,36' \
    -font "$PLAIN" -pointsize 10 -kerning 0 -fill '#e8eef6' -annotate +164+20 'Custom gaming PCs' \
    -fill "$TEXT_DIM" -annotate +164+33 'Built for the frag.' \
    sponsor.png
  bmp24 sponsor.png "$out/sponsor.bmp"
}
sponsor

# ---------------------------------------------------------------------------
# 145: the developers' badge, 75 x 75. Its frame on the About tab is 50 x 46
# dialog units, 69 px high with Wine's font, so the bottom rows carry nothing.
developer_badge() {
  plate 75 75 "$STEEL" "$STEEL_DEEP" dev-a.png
  render_mvg "$here/art/gear.mvg" 32 46 dev-gear.png
  wordmark 17 T dev-t.png "$AMBER_HI" "$AMBER_DEEP" "$AMBER_DARK" "$STEEL_DEEP"
  convert dev-a.png dev-gear.png -gravity north -geometry +0+3 -composite \
    dev-t.png -geometry +0+15 -composite \
    -font "$BOLD" -pointsize 9 -kerning 1.5 \
    -fill "$EDGE" -annotate +1+53 'DEV TEAM' -fill "$TEXT_LIGHT" -annotate +0+52 'DEV TEAM' \
    devbadge.png
  bmp24 devbadge.png "$out/developer.bmp"
}
developer_badge

# ---------------------------------------------------------------------------
# 176: the online badge, 130 x 76: a globe beside "Online Results"; as with the
# developers' badge, the last rows may be cut off by Wine's smaller frame.
online_badge() {
  plate 130 76 "$STEEL" "$STEEL_DEEP" online-a.png
  render_mvg "$here/art/globe.mvg" 32 60 online-globe.png
  convert online-a.png online-globe.png -geometry +1+5 -composite \
    -font "$BOLD" -pointsize 13 -fill "$EDGE" -annotate +64+24 'ONLINE' -fill "$AMBER" -annotate +63+23 'ONLINE' \
    -pointsize 10 -fill "$TEXT_LIGHT" -annotate +63+37 'RESULTS' \
    -fill "$AMBER_DEEP" -draw 'rectangle 63,42 122,42' \
    -font "$PLAIN" -pointsize 8 -fill "$TEXT_DIM" -annotate +63+53 'compare scores' -annotate +63+63 'worldwide' \
    online.png
  bmp24 online.png "$out/online.bmp"
}
online_badge

# ---------------------------------------------------------------------------
# 149 and 141: the emblems at the top of the Standard and Settings tabs, 48 x 48.
emblem() {  # $1 = drawing, $2 = output, $3 = drawn size
  plate 48 48 "$STEEL" "$STEEL_DEEP" emblem-a.png
  render_mvg "$here/art/$1.mvg" 32 "$3" emblem-art.png
  convert emblem-a.png emblem-art.png -gravity center -composite emblem.png
  bmp24 emblem.png "$out/$2"
}
emblem flag standard-tab.bmp 32
emblem sliders settings-tab.bmp 40

# ---------------------------------------------------------------------------
# Checks of the colour keys: the window's shape is cut where the skin is near pure
# green, and the title-bar buttons drop pure black; no other pixel may come close.
count() {  # $1 = image, $2 = -fx condition; prints how many pixels meet it
  convert "$1" -fx "($2) ? 1 : 0" -format '%[fx:round(mean*w*h)]' info:
}
near_green=$(count "$out/skin.bmp" 'r*255<=17.5 && g*255>=237.5 && b*255<=17.5')
pure_green=$(count "$out/skin.bmp" 'r==0 && g==1 && b==0')
if [ "$near_green" != "$pure_green" ] || [ "$pure_green" = 0 ]; then
  echo "make-pictures: skin.bmp has $near_green cut-away pixels, of which only $pure_green pure green" >&2
  exit 1
fi
for g in close minimise help; do
  near_black=$(count "$out/$g.bmp" 'max(r,max(g,b))*255<24 && max(r,max(g,b))>0')
  if [ "$near_black" != 0 ]; then
    echo "make-pictures: $g.bmp has $near_black pixels close to the transparent black" >&2
    exit 1
  fi
done
echo "make-pictures: done"
