#!/usr/bin/env bash
# make-images.sh - (re)draws every picture that ships with Ferrolyn.
#
#   install/program/images/<Model>.gif   one per cable of dat/tlineconnectors.dat
#   install/program/images/<file>.gif    one per row of dat/images.dat (column 4)
#   install/program/images/{topjumper,bottomjumper,mainfeeder,pv,
#                           noconnectors,update,vantrellogo}.gif
#   resources/vantrel.bmp                monochrome "VANTREL" logo (print header)
#   resources/team.gif                   small "TEAM" animation (About box)
#
# The cable and connector lists are read from the catalogue files, so running
# the script again after editing the data always brings the pictures in line.
# Output is deterministic: running it twice gives byte-identical files.
#
# Needs ImageMagick 6 ("convert"), installed when missing; set CONVERT to use another binary.
# DejaVu fonts are used when present.

set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
PROG="$ROOT/install/program"
DAT="$PROG/dat"
IMG="$PROG/images"
RES="$ROOT/resources"

if [ -z "${CONVERT:-}" ]; then
    bash "$ROOT/scripts/install-missing.sh" imagemagick
fi
CONVERT="${CONVERT:-/usr/bin/convert}"
if ! "$CONVERT" -version 2>/dev/null | grep -q ImageMagick; then
    echo "make-images: ImageMagick convert not found at $CONVERT (set CONVERT=...)" >&2
    exit 1
fi

FONTDIR=/usr/share/fonts/truetype/dejavu
if [[ -f "$FONTDIR/DejaVuSans.ttf" ]]; then
    FONT="$FONTDIR/DejaVuSans.ttf"
    FONTB="$FONTDIR/DejaVuSans-Bold.ttf"
    FONTC="$FONTDIR/DejaVuSansCondensed.ttf"
else
    FONT=DejaVu-Sans; FONTB=DejaVu-Sans-Bold; FONTC=DejaVu-Sans-Condensed
fi

mkdir -p "$IMG" "$RES"

# Common output options: no metadata, small palette, no dithering noise.
gif_out() { echo -strip +dither -colors 48; }

trim() { local s="$1"; s="${s#"${s%%[![:space:]]*}"}"; s="${s%"${s%%[![:space:]]}"}"; printf '%s' "$s"; }

GENERATED=()

# ---------------------------------------------------------------- cables

# cable_picture MODEL TYPE DIAMETER
cable_picture() {
    local model="$1" type="$2" dia="$3" out="$IMG/$1.gif"
    local cx=80 cy=50 caption draw
    case "${type^^}" in
    EW)
        caption="Elliptical waveguide"
        draw=(-fill '#1e1e1e' -draw "ellipse $cx,$cy 62,34 0,360"
              -fill '#c87533' -stroke '#8a4b1c' -strokewidth 1 -draw "ellipse $cx,$cy 55,28 0,360"
              -stroke none -fill '#eef4fa' -draw "ellipse $cx,$cy 50,23 0,360"
              -fill none -stroke '#9fb6cc' -strokewidth 1 -draw "ellipse $cx,$cy 40,14 0,360"
              -stroke none)
        ;;
    *)
        # Scale the drawing with the outer diameter (inches).
        local rj ro rd ri
        rj=$(awk -v d="$dia" 'BEGIN{r=18+d*13; if(r>44)r=44; if(r<20)r=20; printf "%d", r}')
        ro=$(awk -v r="$rj" 'BEGIN{printf "%d", r*0.88}')
        rd=$(awk -v r="$rj" 'BEGIN{printf "%d", r*0.80}')
        ri=$(awk -v r="$rj" 'BEGIN{printf "%d", r*0.30+0.5}')
        draw=(-fill '#1e1e1e' -draw "circle $cx,$cy $((cx+rj)),$cy"
              -fill '#c87533' -stroke '#8a4b1c' -strokewidth 1 -draw "circle $cx,$cy $((cx+ro)),$cy"
              -stroke none)
        if [[ "${type^^}" == AIR ]]; then
            caption="Air coaxial ${dia} in."
            draw+=(-fill white -draw "circle $cx,$cy $((cx+rd)),$cy"
                   -stroke '#4a7fb5' -strokewidth 3
                   -draw "line $cx,$((cy-rd+1)) $cx,$((cy+rd-1))"
                   -draw "line $((cx-rd+1)),$cy $((cx+rd-1)),$cy"
                   -stroke none)
        else
            caption="Foam coaxial ${dia} in."
            draw+=(-fill '#f1e7c2' -draw "circle $cx,$cy $((cx+rd)),$cy"
                   -fill none -stroke '#ddd0a0' -strokewidth 1
                   -draw "circle $cx,$cy $((cx+(rd+ri)/2)),$cy"
                   -stroke none)
        fi
        draw+=(-fill '#d98c3a' -stroke '#8a4b1c' -strokewidth 1 -draw "circle $cx,$cy $((cx+ri)),$cy" -stroke none)
        ;;
    esac
    "$CONVERT" -size 160x120 xc:white "${draw[@]}" \
        -fill '#1e2a5a' -font "$FONTB" -pointsize 11 -gravity south -annotate +0+13 "$model" \
        -fill '#505050' -font "$FONT" -pointsize 9 -annotate +0+2 "$caption" \
        -gravity northwest -fill none -stroke '#c0c4c8' -strokewidth 1 -draw "rectangle 0,0 159,119" \
        $(gif_out) "$out"
    GENERATED+=("$out")
}

section=0
while IFS= read -r line || [[ -n "$line" ]]; do
    line="${line%$'\r'}"
    if [[ "$line" == \[*\] ]]; then section=$((section + 1)); continue; fi
    (( section >= 2 )) || continue
    [[ "$line" == TLine=* ]] || continue
    IFS='|' read -r _fmin _fmax model _pn type _k1 _k2 dia _rest <<<"${line#TLine=}"
    model="$(trim "$model")"
    [[ -n "$model" ]] || continue
    cable_picture "$model" "$(trim "$type")" "$(trim "$dia")"
done < "$DAT/tlineconnectors.dat"

# ---------------------------------------------------------------- connectors

# connector_picture FILE INTERFACE RIGHTANGLE(0/1) PRENVO(0/1)
connector_picture() {
    local out="$IMG/$1" iface="$2" ra="$3" pv="$4"
    local up="${iface^^}" h cy=46 family gender
    case "$up" in
        *FLANGE*)  family=flange; h=40 ;;
        7-16*)     family=din;    h=44 ;;
        4.3-10*)   family=q;      h=36 ;;
        N\ *)      family=n;      h=34 ;;
        SMA*)      family=sma;    h=22 ;;
        *)         family=other;  h=32 ;;
    esac
    case "$up" in *FEMALE*) gender=f ;; *) gender=m ;; esac
    local t=$((cy - h / 2)) b=$((cy + h / 2))
    local d=()

    # cable and back body: from the left (straight) or from below (right angle)
    if [[ "$ra" == 1 ]]; then
        d+=(-fill '#202020' -draw "rectangle 26,70 42,96"
            -fill '#b4b8bc' -stroke '#505050' -strokewidth 1
            -draw "roundrectangle 20,$((t+4)) 58,76 6,6"
            -stroke none -fill '#9ea3a8' -draw "rectangle 22,66 56,72")
        [[ "$pv" == 1 ]] && d+=(-fill '#2e9e4f' -draw "rectangle 22,72 46,78")
    else
        d+=(-fill '#202020' -draw "rectangle 2,$((cy-8)) 30,$((cy+8))"
            -fill '#b4b8bc' -stroke '#505050' -strokewidth 1
            -draw "rectangle 28,$((t+6)) 58,$((b-6))" -stroke none
            -fill '#9ea3a8' -draw "rectangle 36,$((t+6)) 40,$((b-6))")
        [[ "$pv" == 1 ]] && d+=(-fill '#2e9e4f' -draw "rectangle 28,$((t+6)) 34,$((b-6))")
    fi

    # front end: coupling nut / barrel / flange
    case "$family" in
    flange)
        d+=(-fill '#c87533' -stroke '#6e3c16' -strokewidth 1 -draw "rectangle 58,$((cy-12)) 88,$((cy+12))"
            -fill '#a9aeb3' -stroke '#505050' -draw "rectangle 88,$((cy-30)) 100,$((cy+30))"
            -fill white -draw "circle 94,$((cy-24)) 96,$((cy-24))" -draw "circle 94,$((cy+24)) 96,$((cy+24))"
            -stroke none -fill '#303030' -draw "rectangle 96,$((cy-9)) 100,$((cy+9))")
        ;;
    *)
        if [[ "$gender" == m ]]; then
            d+=(-fill '#8c9096' -stroke '#404040' -strokewidth 1 -draw "rectangle 58,$t 98,$b"
                -stroke '#6a6e74' -draw "line 68,$((t+1)) 68,$((b-1))" -draw "line 78,$((t+1)) 78,$((b-1))"
                -stroke none -fill '#2a2a2a' -draw "rectangle 88,$((t+5)) 98,$((b-5))"
                -fill '#e0b43c' -draw "rectangle 84,$((cy-2)) 104,$((cy+2))")
        else
            d+=(-fill '#8c9096' -stroke '#404040' -strokewidth 1 -draw "rectangle 58,$((t+3)) 72,$((b-3))"
                -fill '#c3c7cb' -draw "rectangle 72,$((t+6)) 102,$((b-6))" -stroke '#8a8e94')
            local x
            for x in 76 81 86 91 96; do d+=(-draw "line $x,$((t+7)) $x,$((b-7))"); done
            d+=(-stroke none -fill '#2a2a2a' -draw "rectangle 100,$((cy-6)) 104,$((cy+6))"
                -fill '#e0b43c' -draw "rectangle 101,$((cy-2)) 104,$((cy+2))")
        fi
        ;;
    esac

    # Prenvo badge
    if [[ "$pv" == 1 ]]; then
        d+=(-fill '#2e9e4f' -draw "circle 106,12 116,12"
            -fill white -font "$FONTB" -pointsize 11 -gravity northwest -annotate +101+5 "P")
    fi

    "$CONVERT" -size 120x120 xc:white "${d[@]}" \
        -fill '#1e2a5a' -font "$FONTC" -pointsize 10 -gravity south -annotate +0+3 "$iface" \
        -gravity northwest -fill none -stroke '#c0c4c8' -strokewidth 1 -draw "rectangle 0,0 119,119" \
        $(gif_out) "$out"
    GENERATED+=("$out")
}

while IFS= read -r line || [[ -n "$line" ]]; do
    line="${line%$'\r'}"
    [[ -n "$(trim "$line")" ]] || continue
    IFS='|' read -r iface ra pv file _rest <<<"$line"
    iface="$(trim "$iface")"; file="$(trim "$file")"
    [[ -n "$file" ]] || continue
    [[ -n "$(trim "$ra")" ]] && ra=1 || ra=0
    [[ -n "$(trim "$pv")" ]] && pv=1 || pv=0
    connector_picture "$file" "$iface" "$ra" "$pv"
done < "$DAT/images.dat"

# ---------------------------------------------------------------- page-1 illustrations

# site_picture FILE HIGHLIGHT(top|bottom|feeder) CAPTION
site_picture() {
    local out="$IMG/$1" hl="$2" caption="$3"
    local grey='#9a9a9a' red='#d0281e'
    local top=$grey bottom=$grey feeder=$grey tw=2 bw=2 fw=2
    case "$hl" in top) top=$red; tw=4 ;; bottom) bottom=$red; bw=4 ;; feeder) feeder=$red; fw=4 ;; esac
    "$CONVERT" -size 160x160 xc:white \
        -stroke '#5a6470' -strokewidth 2 -fill none \
        -draw "line 52,136 68,20" -draw "line 92,136 76,20" \
        -strokewidth 1 \
        -draw "line 54,120 89,104" -draw "line 90,120 55,104" \
        -draw "line 57,96 86,80" -draw "line 87,96 58,80" \
        -draw "line 60,72 84,56" -draw "line 84,72 61,56" \
        -draw "line 63,48 81,34" -draw "line 81,48 64,34" \
        -stroke none -fill '#dfe3e8' -draw "rectangle 40,136 104,140" \
        -fill '#e8ecf0' -stroke '#5a6470' -strokewidth 1 -draw "rectangle 92,10 104,42" \
        -fill '#c9cfd6' -draw "rectangle 118,104 148,136" \
        -fill none -stroke "$top" -strokewidth "$tw" -draw "path 'M 98,42 Q 98,52 88,52'" \
        -stroke "$feeder" -strokewidth "$fw" -draw "line 88,52 88,124" \
        -stroke "$bottom" -strokewidth "$bw" -draw "path 'M 88,124 Q 88,130 100,130 L 118,130'" \
        -stroke none -fill '#303030' -draw "circle 88,52 90,52" -draw "circle 88,124 90,124" \
        -fill '#1e2a5a' -font "$FONTB" -pointsize 11 -gravity south -annotate +0+3 "$caption" \
        $(gif_out) "$out"
    GENERATED+=("$out")
}
site_picture topjumper.gif top "Top Jumper"
site_picture bottomjumper.gif bottom "Bottom Jumper"
site_picture mainfeeder.gif feeder "Main Feeder"

# ---------------------------------------------------------------- small pictures

"$CONVERT" -size 100x60 xc:white \
    -fill '#2e9e4f' -draw "roundrectangle 3,8 96,40 8,8" \
    -fill white -font "$FONTB" -pointsize 15 -gravity north -annotate +0+14 "Prenvo" \
    -fill '#2e6b3f' -font "$FONT" -pointsize 9 -annotate +0+44 "attachment" \
    $(gif_out) "$IMG/pv.gif"
GENERATED+=("$IMG/pv.gif")

"$CONVERT" -size 120x120 xc:white \
    -fill '#202020' -draw "rectangle 8,42 62,58" \
    -fill '#c87533' -draw "rectangle 62,43 64,57" \
    -fill '#d98c3a' -draw "rectangle 64,48 68,52" \
    -fill none -stroke '#c0392b' -strokewidth 4 -draw "circle 88,50 104,50" -draw "line 77,61 99,39" \
    -stroke none -fill '#1e2a5a' -font "$FONTC" -pointsize 11 -gravity south -annotate +0+12 "No connector" \
    -gravity northwest -fill none -stroke '#c0c4c8' -strokewidth 1 -draw "rectangle 0,0 119,119" \
    $(gif_out) "$IMG/noconnectors.gif"
GENERATED+=("$IMG/noconnectors.gif")

"$CONVERT" -size 64x64 xc:white \
    -fill none -stroke '#1f6fb5' -strokewidth 6 \
    -draw "ellipse 32,32 20,20 200,340" -draw "ellipse 32,32 20,20 20,160" \
    -stroke none -fill '#1f6fb5' \
    -draw "polygon 43,6 56,16 41,22" -draw "polygon 21,58 8,48 23,42" \
    $(gif_out) "$IMG/update.gif"
GENERATED+=("$IMG/update.gif")

"$CONVERT" -size 200x50 xc:white \
    -fill '#1e2a5a' -font "$FONTB" -pointsize 30 -gravity center -annotate +0-4 "VANTREL" \
    -fill '#d0281e' -draw "rectangle 28,42 172,45" \
    $(gif_out) "$IMG/vantrellogo.gif"
GENERATED+=("$IMG/vantrellogo.gif")

# ---------------------------------------------------------------- program resources

# Monochrome (1 bit per pixel) logo bitmap, 426 x 124, for the printed report.
"$CONVERT" -size 426x124 xc:white \
    -fill black -font "$FONTB" -pointsize 78 -gravity center -annotate +0-8 "VANTREL" \
    -draw "rectangle 40,104 386,109" \
    -strip -threshold 50% -type bilevel -colors 2 BMP3:"$RES/vantrel.bmp"

# "TEAM" animation: a pulsing ring around the word, eight frames, looping.
frames=()
for r in 30 36 42 48 54 48 42 36; do
    shade=$(( 255 - (r - 30) * 4 ))
    frames+=( \( -size 200x120 xc:white
                 -fill none -stroke "rgb(30,$((60 + r)),$shade)" -strokewidth 5 -draw "ellipse 100,60 $((r * 17 / 10)),$r 0,360"
                 -stroke none -fill '#1e2a5a' -font "$FONTB" -pointsize 34 -gravity center -annotate +0+0 "TEAM" \) )
done
"$CONVERT" -delay 12 "${frames[@]}" -loop 0 -strip +dither -colors 32 "$RES/team.gif"

# ---------------------------------------------------------------- report

declare -A wanted=()
for f in "${GENERATED[@]}"; do wanted["$(basename "$f")"]=1; done
for f in "$IMG"/*.gif; do
    [[ -e "$f" ]] || continue
    [[ -n "${wanted[$(basename "$f")]:-}" ]] || echo "make-images: note: $f is not drawn by this script" >&2
done
echo "make-images: ${#GENERATED[@]} pictures in $IMG, plus resources/vantrel.bmp and resources/team.gif"
