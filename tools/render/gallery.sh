#!/usr/bin/env bash
# Draws the README's gallery of the custom controls with tirnel-render into docs/gallery/.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
render="$root/build/bin/tirnel-render"
out="$root/docs/gallery"
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen

bar() {  # name, size, settings...
  local name="$1" size="$2"; shift 2
  local args=()
  for s in "$@"; do args+=(--set "$s"); done
  "$render" progress --size "$size" "${args[@]}" --out "$out/$name.png" 2>/dev/null
}

values=(20 45 70 95 30 55 80 10 60 100)
for theme in 1 2 3 4 5 6 7 8 9 10; do
  bar "progress-theme-$theme" 200x18 Theme=$theme Value=${values[$((theme - 1))]} TextStyle=2 \
    PBSCustomeColor1=0x3366CC PBSCustomeColor2=0xE0E0E0
done
for effect in 1 2 3 4 5; do
  bar "progress-effect-$effect" 200x18 Theme=8 Value=60 TextStyle=3 Text="文本效果 $effect" \
    TextEffect=$effect TextEffectColor=0xFFFFFF TextForeColor=0x000000
done
bar progress-vertical 24x120 Theme=3 Value=40 Orientations=2 TextStyle=0
bar progress-disabled 200x18 Theme=8 Value=50 TextStyle=2 Enabled=False
# The option control's eight looks: at rest, pointer over it, left button held, disabled;
# each off and on.
for value in False True; do
  for state in normal hover down; do
    "$render" option --size 81x16 --state "$state" --set Caption="选项" --set Value=$value \
      --out "$out/option-$state-$value.png" 2>/dev/null
  done
  "$render" option --size 81x16 --set Caption="选项" --set Value=$value --set Enabled=False \
    --out "$out/option-disabled-$value.png" 2>/dev/null
done
# The button's sixteen looks in six states. The style is set after loading, as a designer
# choosing it would, so each look comes with its own colours and focus rectangle.
declare -A state_options=(
  [normal]="" [hover]="--state hover" [down]="--state down"
  [checked]="--set CheckBoxMode=True --set Value=True" [disabled]="--set Enabled=False"
  [focused]="--state focus"
)
rm -f "$out"/button-*.png
for style in $(seq 0 15); do
  for state in normal hover down checked disabled focused; do
    # shellcheck disable=SC2086
    "$render" button --size 73x23 --set Caption="确定" ${state_options[$state]} \
      --do "let:ButtonStyle=$style" --out "$out/button-$style-$state.png" 2>/dev/null
  done
done
# A few of them again for a screen of device pixel ratio 2: shapes as 2 x 2 blocks, text at
# the screen's resolution.
"$render" progress --size 200x18 --set Theme=8 --set Value=60 --set TextStyle=3 --set Text="文本效果 2" \
  --set TextEffect=2 --set TextEffectColor=0xFFFFFF --set TextForeColor=0x000000 --scale 2 \
  --out "$out/scale2-progress.png" 2>/dev/null
"$render" option --size 81x16 --set Caption="选项" --set Value=True --scale 2 \
  --out "$out/scale2-option.png" 2>/dev/null
"$render" button --size 73x23 --set Caption="确定" --do "let:ButtonStyle=2" --scale 2 \
  --out "$out/scale2-button-2.png" 2>/dev/null
"$render" button --size 73x23 --set Caption="确定" --state focus --scale 2 \
  --out "$out/scale2-button-0.png" 2>/dev/null
echo "gallery written to $out"
