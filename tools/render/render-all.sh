#!/usr/bin/env bash
# Draws every custom control in every state we know of, at a few sizes, with tirnel-render
# into OUTDIR (one PNG each, named after what it shows). Run it before and after a change to
# the drawing code and compare the two folders with `diff -r`: a refactoring leaves every
# picture byte for byte as it was.
#
#   tools/render/render-all.sh OUTDIR [JOBS]
#
# The pictures the button shows are made here as small PNG files of fixed pixels, so the
# run depends on nothing outside the build.
set -euo pipefail
if [[ $# -lt 1 ]]; then
  echo "usage: $0 OUTDIR [JOBS]" >&2
  exit 2
fi
root="$(cd "$(dirname "$0")/../.." && pwd)"
render="$root/build/bin/tirnel-render"
out="$1"
jobs="${2:-2}"
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen

pictures="$out/pictures"
mkdir -p "$pictures"
# Fixed pictures: bitmaps and icons whose rows do and do not need padding to 4 bytes in a
# 24-bit bitmap (13, 5 and 7 pixels wide do; 16 and 12 do not), icons with a mask.
python3 - "$pictures" <<'PY'
import struct, sys, zlib

folder = sys.argv[1]

def png(name, width, height, pixel):
    rows = b"".join(b"\0" + b"".join(bytes(pixel(x, y)) for x in range(width)) for y in range(height))
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    with open(f"{folder}/{name}.png", "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))

def colourful(x, y):
    return ((x * 37 + y * 11) % 256, (x * 13 + y * 59 + 80) % 256, (x * 71 + y * 23 + 160) % 256)

def ring(width, height):
    cx, cy = (width - 1) / 2, (height - 1) / 2
    r = min(width, height) / 2
    return lambda x, y: (255, 255, 255) if (x - cx) ** 2 + (y - cy) ** 2 > r * r else (0, 0, 0)

for name, w, h in (("bitmap13x7", 13, 7), ("bitmap16x16", 16, 16), ("bitmap5x3", 5, 3)):
    png(name, w, h, colourful)
# A bitmap with the mask colour 0xE0E0E0 in a band, for UseMaskColor.
png("masked16x10", 16, 10, lambda x, y: (0xE0, 0xE0, 0xE0) if 3 <= y <= 6 else colourful(x, y))
for name, w, h in (("icon12x12", 12, 12), ("icon7x7", 7, 7)):
    png(name, w, h, lambda x, y: colourful(y, x))
    png(name + "-mask", w, h, ring(w, h))
png("hover12x12", 12, 12, lambda x, y: (255 - x * 20, y * 20, 128))
PY

commands="$out/.commands"
: >"$commands"
# One picture: its file name, then tirnel-render's arguments.
add() {
  local name="$1"; shift
  printf '%s' "$out/$name.png" >>"$commands"
  printf '\t%s' "$@" >>"$commands"
  printf '\n' >>"$commands"
}

# -- the progress bar -----------------------------------------------------------------------
for size in 200x18 60x12 1x1 24x120; do
  for theme in 1 2 3 4 5 6 7 8 9 10 11; do
    for value in 0 37 100; do
      add "progress-theme$theme-value$value-$size" progress --size "$size" --set Theme=$theme --set Value=$value \
        --set TextStyle=2 --set PBSCustomeColor1=0x3366CC --set PBSCustomeColor2=0xE0E0E0
    done
  done
  for effect in 0 1 2 3 4 5; do
    for style in 0 1 2 3; do
      add "progress-effect$effect-text$style-$size" progress --size "$size" --set Theme=8 --set Value=60 \
        --set TextStyle=$style --set Text="文本 &Ab" --set TextEffect=$effect --set TextEffectColor=0xFFFFFF \
        --set TextForeColor=0x000000
    done
  done
  for align in 1 2 3 4 5 6 7 8 9; do
    add "progress-align$align-$size" progress --size "$size" --set Theme=4 --set Value=45 --set TextStyle=1 \
      --set TextAlignment=$align
  done
  add "progress-vertical-$size" progress --size "$size" --set Theme=3 --set Value=40 --set Orientations=2
  add "progress-orientation3-$size" progress --size "$size" --set Theme=3 --set Value=40 --set Orientations=3
  add "progress-disabled-$size" progress --size "$size" --set Theme=8 --set Value=50 --set TextStyle=2 --set Enabled=False
  add "progress-rounded0-$size" progress --size "$size" --set Theme=5 --set Value=70 --set RoundedValue=0
  add "progress-rounded12-$size" progress --size "$size" --set Theme=5 --set Value=70 --set RoundedValue=12
  add "progress-range-$size" progress --size "$size" --set Min=-50 --set Max=150 --set Value=120 --set TextStyle=2
  add "progress-syscolours-$size" progress --size "$size" --set Theme=10 --set Value=50 --set TextStyle=2 \
    --set PBSCustomeColor1=0x8000000D --set PBSCustomeColor2=0x80000110 --set TextForeColor=0x80000112
done

# -- the option control ---------------------------------------------------------------------
for size in 81x16 30x30 1x1 200x40; do
  for value in False True; do
    for state in normal hover down; do
      add "option-$state-$value-$size" option --size "$size" --state "$state" --set Caption="选项 &Go" --set Value=$value
      add "option-$state-$value-disabled-$size" option --size "$size" --state "$state" --set Caption="选项" \
        --set Value=$value --set Enabled=False
    done
  done
  add "option-colours-$size" option --size "$size" --set Caption="选项" --set BackColor=0x80000110 --set ForeColor=0x0000FF
done

# -- the button ------------------------------------------------------------------------------
# A situation: its name, then what brings the button there (options of tirnel-render button).
situations=(
  "normal|"
  "hover|--state hover"
  "down|--state down"
  "focus|--state focus"
  "focusrect|--state focus --do let:ShowFocusRect=True"
  "nofocusrect|--state focus --do let:ShowFocusRect=False"
  "focusdown|--state focus --do let:ShowFocusRect=True --do move:3,3 --do press:3,3"
  "focusinactive|--state focus --do let:ShowFocusRect=True --do deactivate"
  "default|--ambient DisplayAsDefault=True --do activate --do let:ShowFocusRect=True"
  "defaulthover|--ambient DisplayAsDefault=True --state hover --do let:ShowFocusRect=True"
  "designer|--ambient UserMode=False --state focus --do let:ShowFocusRect=True"
  "checked|--set CheckBoxMode=True --set Value=True"
  "checkedhover|--set CheckBoxMode=True --set Value=True --state hover"
  "checkeddown|--set CheckBoxMode=True --set Value=True --state down"
  "checkedfocus|--set CheckBoxMode=True --set Value=True --state focus --do let:ShowFocusRect=True"
  "unchecked|--set CheckBoxMode=True --set Value=False --state hover"
  "disabled|--set Enabled=False"
  "disabledhover|--set Enabled=False --state hover"
  "left|--state hover --do leave"
  "released|--state down --do release:3,3"
  "space|--state focus --do key:space:down"
)
sizes=(73x23 5x5 1x1 200x60 31x120)
for style in $(seq 0 15); do
  for size in "${sizes[@]}"; do
    for situation in "${situations[@]}"; do
      name="${situation%%|*}"
      # shellcheck disable=SC2206
      options=(${situation#*|})
      add "button-style$style-$name-$size" button --size "$size" --set Caption="确定" --do "let:ButtonStyle=$style" \
        "${options[@]}"
    done
  done
  # The style's own colours replaced, and colours given as system colours.
  add "button-style$style-back" button --size 73x23 --set Caption="&Save" --do "let:ButtonStyle=$style" \
    --do let:BackColor=0x5A7896 --do let:ForeColor=0x0000FF --state hover
  add "button-style$style-black" button --size 73x23 --set Caption="Ok" --do "let:ButtonStyle=$style" \
    --do let:BackColor=0x000000
  add "button-style$style-white-down" button --size 73x23 --set Caption="Ok" --do "let:ButtonStyle=$style" \
    --do let:BackColor=0xFFFFFF --state down
  add "button-style$style-syscolour" button --size 73x23 --set Caption="Ok" --do "let:ButtonStyle=$style" \
    --do let:BackColor=0x8000000D --do let:ForeColor=0x80000110
  add "button-style$style-syscolour-wide" button --size 73x23 --set Caption="Ok" --do "let:ButtonStyle=$style" \
    --do let:BackColor=0x80000110
  add "button-style$style-read" button --size 73x23 --set ButtonStyle=$style --set Caption="Read"
  # The caption laid out by the paint before: changed while focused.
  add "button-style$style-recaption" button --size 90x23 --set Caption="WWWWWW" --do "let:ButtonStyle=$style" \
    --state focus --do let:ShowFocusRect=True --do let:Caption=i
  add "button-style$style-accesskey" button --size 73x23 --set "Caption=Fish && &Chips" --do "let:ButtonStyle=$style"
  for align in 0 1 2; do
    add "button-style$style-caption$align" button --size 73x23 --set Caption="Ok" --set CaptionAlign=$align \
      --do "let:ButtonStyle=$style" --state down
  done
done
# Style values that name no look.
for style in 16 -1 100; do
  add "button-style$style-normal" button --size 73x23 --set Caption="确定" --do "let:ButtonStyle=$style"
  add "button-style$style-read" button --size 73x23 --set ButtonStyle=$style --set Caption="确定"
done

# Pictures: every alignment and size for a bitmap and an icon, on the looks that move them.
picture_settings=(
  "bitmap13x7|bitmap:$pictures/bitmap13x7.png"
  "bitmap16x16|bitmap:$pictures/bitmap16x16.png"
  "icon12x12|icon:$pictures/icon12x12.png:$pictures/icon12x12-mask.png"
)
picture_situations=(
  "normal|"
  "hover|--state hover"
  "down|--state down"
  "disabled|--set Enabled=False"
  "checked|--set CheckBoxMode=True --set Value=True"
)
for style in 0 2 3 5 8 14; do
  for entry in "${picture_settings[@]}"; do
    label="${entry%%|*}"
    picture="${entry#*|}"
    for palign in 0 1 2 3 4 5 6 7 8 9; do
      for calign in 0 1 2 3; do
        add "button-style$style-$label-p$palign-c$calign" button --size 90x40 --set Caption="&Ok" \
          --set "Picture=$picture" --set PictureAlign=$palign --set CaptionAlign=$calign --do "let:ButtonStyle=$style"
      done
      add "button-style$style-$label-p$palign-down" button --size 90x40 --set Caption="&Ok" \
        --set "Picture=$picture" --set PictureAlign=$palign --do "let:ButtonStyle=$style" --state down
    done
    for psize in 0 1 2 3 4; do
      for situation in "${picture_situations[@]}"; do
        name="${situation%%|*}"
        # shellcheck disable=SC2206
        options=(${situation#*|})
        add "button-style$style-$label-size$psize-$name" button --size 90x40 --set Caption="Ok" \
          --set "Picture=$picture" --set PictureSize=$psize --do "let:ButtonStyle=$style" "${options[@]}"
      done
    done
    add "button-style$style-$label-tiny" button --size 20x15 --set Caption="Ok" --set "Picture=$picture" \
      --do "let:ButtonStyle=$style"
  done
done
# Disabled pictures of every width kind, the hover picture, the mask colour.
for picture in "bitmap:$pictures/bitmap13x7.png" "bitmap:$pictures/bitmap16x16.png" "bitmap:$pictures/bitmap5x3.png" \
    "icon:$pictures/icon12x12.png:$pictures/icon12x12-mask.png" "icon:$pictures/icon7x7.png:$pictures/icon7x7-mask.png" \
    "icon:$pictures/icon12x12.png" "bitmap:$pictures/masked16x10.png"; do
  label="$(basename "${picture%%.png*}")"
  for style in 0 2 6; do
    add "button-disabled-$label-style$style" button --size 60x30 --set Caption="Off" --set "Picture=$picture" \
      --set Enabled=False --do "let:ButtonStyle=$style"
    add "button-disabled-$label-style$style-sized" button --size 60x30 --set Caption="Off" --set "Picture=$picture" \
      --set Enabled=False --set PictureSize=3 --do "let:ButtonStyle=$style"
  done
done
for state in normal hover down; do
  add "button-hoverpicture-icon-$state" button --size 60x30 --set Caption="Hi" \
    --set "Picture=icon:$pictures/icon12x12.png:$pictures/icon12x12-mask.png" \
    --set "PictureHover=icon:$pictures/hover12x12.png" --state "$state" --do let:ButtonStyle=2
  add "button-hoverpicture-bitmap-$state" button --size 60x30 --set Caption="Hi" \
    --set "Picture=bitmap:$pictures/bitmap16x16.png" --set "PictureHover=bitmap:$pictures/hover12x12.png" \
    --state "$state" --do let:ButtonStyle=2
  add "button-hoverpicture-kinds-$state" button --size 60x30 --set Caption="Hi" \
    --set "Picture=bitmap:$pictures/bitmap16x16.png" --set "PictureHover=icon:$pictures/hover12x12.png" \
    --state "$state" --do let:ButtonStyle=2
  add "button-hoverpicture-checked-$state" button --size 60x30 --set Caption="Hi" \
    --set "Picture=bitmap:$pictures/bitmap16x16.png" --set "PictureHover=bitmap:$pictures/hover12x12.png" \
    --set CheckBoxMode=True --set Value=True --state "$state" --do let:ButtonStyle=9
done
for use in True False; do
  add "button-maskcolour-$use" button --size 60x30 --set Caption="M" --set "Picture=bitmap:$pictures/masked16x10.png" \
    --set UseMaskColor=$use --set MaskColor=0xE0E0E0 --do let:ButtonStyle=6
done

# Each line: the output file, then the arguments, separated by tabs.
export render
run_one() {
  local line="$1"
  local fields
  IFS=$'\t' read -r -a fields <<<"$line"
  "$render" "${fields[@]:1}" --out "${fields[0]}" 2>/dev/null || echo "failed: ${fields[0]}" >&2
}
export -f run_one
tr '\n' '\0' <"$commands" | xargs -0 -P "$jobs" -I{} bash -c 'run_one "$1"' _ {}
rm -f "$commands"
echo "$(find "$out" -name '*.png' ! -path "$pictures/*" | wc -l) pictures written to $out"
