#!/usr/bin/env bash
# Whole-process benchmark: tirnel-cli split and merge (with checksums, and with --no-checksum)
# against split -b, cat, sha256sum -c and cp on the
# same file, interleaved round by round (each round starting one command later), with
# medians, ratios and peak memory.
#
#   bench/copy-limit.sh [--quick] [--rounds N] [--dir DIR] [--cow]
#
# --cow measures on a file system whose kernel copy shares blocks: it makes a sparse XFS
# image with reflink in /var/tmp and loop-mounts it (needs root and mkfs.xfs), or uses --dir
# on such a file system, and prints the split and merge times next to split -b, cat and
# cp --reflink=always, with the disk space each one took.
#
# The default file is 2 GiB (--quick: 256 MiB), cut into 100 MiB pieces, warmed in the page
# cache first. Every command starts after a sync, so no run pays for the previous one's
# writeback. Needs a built build/bin/tirnel-cli (scripts/build; TIRNEL_CLI names another).
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
cli="${TIRNEL_CLI:-$root/build/bin/tirnel-cli}"
size_mib=2048
rounds=5
dir=""
cow=0
while [ $# -gt 0 ]; do
  case "$1" in
    --quick) size_mib=256 ;;
    --rounds) rounds="$2"; shift ;;
    --dir) dir="$2"; shift ;;
    --cow) cow=1 ;;
    *) echo "usage: $0 [--quick] [--rounds N] [--dir DIR] [--cow]" >&2; exit 2 ;;
  esac
  shift
done
[ -x "$cli" ] || { echo "build first: scripts/build" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (apt-get install time)" >&2; exit 1; }

work="" image="" mount_point="" loop=""
cleanup() {
  [ -n "$work" ] && rm -rf "$work/src.bin" "$work/out" "$work/set" "$work/plain" "$work/mem"
  local unmounted=1
  if [ -n "$mount_point" ] && mountpoint -q "$mount_point"; then umount "$mount_point" || unmounted=0; fi
  if [ -n "$loop" ]; then losetup -d "$loop" || true; fi
  if [ -n "$image" ] && [ "$unmounted" = 1 ]; then rm -rf "$(dirname "$image")"; fi
}
if [ "$cow" = 1 ] && [ -z "$dir" ]; then
  [ "$(id -u)" -eq 0 ] || { echo "--cow makes and mounts an XFS image, which needs root; or give --dir on a file system that shares blocks (XFS with reflink, btrfs)" >&2; exit 1; }
  command -v mkfs.xfs > /dev/null || { echo "--cow needs mkfs.xfs (scripts/deps installs xfsprogs)" >&2; exit 1; }
  # Room for the source, a full copy (split -b, cat) and slack; sparse, so only what is
  # written takes space in /var/tmp.
  image_mib=$(( size_mib * 3 + 512 ))
  [ "$image_mib" -ge 1024 ] || image_mib=1024
  image="$(mktemp -d /var/tmp/tirnel-cow.XXXXXX)/xfs.img"
  trap cleanup EXIT
  truncate -s "${image_mib}M" "$image"
  mkfs.xfs -q -m reflink=1 "$image"
  loop="$(losetup -f --show "$image")" || { echo "no loop device could be set up" >&2; exit 1; }
  mount_point="$(dirname "$image")/mnt"
  mkdir "$mount_point"
  mount -t xfs "$loop" "$mount_point" || { echo "mounting the XFS image was refused" >&2; exit 1; }
  dir="$mount_point"
  echo "XFS image (reflink=1, ${image_mib} MiB sparse) on $loop at $mount_point"
fi

work="${dir:-$(mktemp -d /var/tmp/tirnel-bench.XXXXXX)}"
mkdir -p "$work"
if [ "$cow" = 1 ]; then
  trap cleanup EXIT
else
  trap 'rm -rf "$work/src.bin" "$work/out" "$work/set" "$work/plain" "$work/mem"' EXIT
fi
if [ "$cow" = 1 ]; then
  touch "$work/probe" && cp --reflink=always "$work/probe" "$work/probe2" 2> /dev/null \
    || { rm -f "$work/probe"; echo "$work does not share blocks (cp --reflink=always fails there)" >&2; exit 1; }
  rm -f "$work/probe" "$work/probe2"
fi

echo "Making a ${size_mib} MiB file in $work ..."
head -c "$((size_mib * 1048576))" /dev/urandom > "$work/src.bin"
cat "$work/src.bin" > /dev/null
# Two sets of the file: one with its checksum file (the merge verifies every piece) and one
# without (the merge only copies).
mkdir -p "$work/set" "$work/plain"
"$cli" split "$work/src.bin" "$work/set" 100 --unit MB > /dev/null
"$cli" split "$work/src.bin" "$work/plain" 100 --unit MB --no-checksum > /dev/null

# On a virtual machine, memory the guest has not touched lately (or has given back to the
# host) is slow to touch the first time, which would bill whichever command comes first for
# it. Just before each timed command some memory is touched and freed again, so every command
# writes into memory that is ready.
warm_memory() {
  if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    head -c "$(( (size_mib + size_mib / 4) * 1048576 ))" /dev/zero > /dev/shm/tirnel-bench-warm 2>/dev/null || true
    rm -f /dev/shm/tirnel-bench-warm
  fi
}

declare -A times used
# Bytes free on the file system of the work folder, after the writeback. XFS frees the blocks
# of removed files in the background: read until two readings agree.
free_bytes() {
  local blocks block now last=-1 tries=0
  while :; do
    sync
    read -r blocks block < <(stat -f -c '%f %S' "$work")
    now=$(( blocks * block ))
    [ "$now" = "$last" ] || [ "$tries" -ge 20 ] && break
    last=$now; tries=$((tries + 1)); sleep 0.05
  done
  echo "$now"
}
# run NAME COMMAND...: one timed run in a fresh output folder; records milliseconds (and with
# --cow the disk space the run took, in MiB).
run() {
  local name="$1"; shift
  rm -rf "$work/out" "$work/set/src.bin" "$work/plain/src.bin"; mkdir "$work/out"; sync
  warm_memory
  local start end free_before
  [ "$cow" = 1 ] && free_before=$(free_bytes)
  start=$(date +%s%N)
  "$@" > /dev/null
  end=$(date +%s%N)
  times[$name]+="$(( (end - start) / 1000000 )) "
  [ "$cow" = 1 ] && used[$name]=$(( (free_before - $(free_bytes)) / 1048576 ))
  return 0
}

# One command of the round; the round starts one command later each time, so that no
# command always runs right after the same neighbour.
names=(tirnel-split split-nosum split-b tirnel-merge merge-nosum cat sha256sum-c cp)
[ "$cow" = 1 ] && names=(tirnel-split split-nosum split-b tirnel-merge merge-nosum cat cp-reflink)
step() {
  case "$1" in
    tirnel-split) run tirnel-split "$cli" split "$work/src.bin" "$work/out" 100 --unit MB ;;
    split-nosum) run split-nosum "$cli" split "$work/src.bin" "$work/out" 100 --unit MB --no-checksum ;;
    split-b) run split-b split -b 100M "$work/src.bin" "$work/out/x." ;;
    tirnel-merge) run tirnel-merge "$cli" merge "$work/set/src.hpe" "$work/set" ;;
    merge-nosum) run merge-nosum "$cli" merge "$work/plain/src.hpe" "$work/plain" ;;
    cat) run cat sh -c "cat '$work'/set/*.pe > '$work/out/cat.bin'" ;;
    sha256sum-c) run sha256sum-c sh -c "cd '$work/set' && sha256sum --quiet -c src.hpe.sha256" ;;
    cp) run cp cp "$work/src.bin" "$work/out/copy.bin" ;;
    cp-reflink) run cp-reflink cp --reflink=always "$work/src.bin" "$work/out/copy.bin" ;;
  esac
}
for ((r = 0; r < rounds; r++)); do
  for ((c = 0; c < ${#names[@]}; c++)); do
    step "${names[$(( (r + c) % ${#names[@]} ))]}"
  done
  echo "round $((r + 1)) of $rounds done" >&2
done
rm -rf "$work/out" "$work/set/src.bin" "$work/plain/src.bin"

median() { tr ' ' '\n' | grep -v '^$' | sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
declare -A med
echo
if [ "$cow" = 1 ]; then
  # The disk space is that of the last round, measured after a sync.
  echo "${size_mib} MiB file, 100 MB pieces, on $(stat -f -c %T "$work") at $work"
  printf '%-14s %10s %12s   %s\n' command "median ms" "disk MiB" "all runs (ms)"
  for name in "${names[@]}"; do
    med[$name]=$(echo "${times[$name]}" | median)
    printf '%-14s %10s %12s   %s\n' "$name" "${med[$name]}" "${used[$name]}" "${times[$name]}"
  done
  exit 0
fi
printf '%-14s %10s   %s\n' command "median ms" "all runs (ms)"
for name in "${names[@]}"; do
  med[$name]=$(echo "${times[$name]}" | median)
  printf '%-14s %10s   %s\n' "$name" "${med[$name]}" "${times[$name]}"
done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verdict() { awk -v v="$1" -v op="$2" -v t="$3" 'BEGIN { ok = (op == ">=") ? v >= t : v <= t; print ok ? "met" : "NOT MET" }'; }

# Peak memory of tirnel-cli for small, middle and huge pieces.
peak() {
  rm -rf "$work/mem"; mkdir "$work/mem"
  { /usr/bin/time -f %M "$cli" split "$work/src.bin" "$work/mem" "$@" 2>&1 >/dev/null || true; } | tail -1
}
echo
mem_small=$(peak 100)
mem_mid=$(peak 100 --unit MB)
mem_huge=$(peak 2047 --unit MB)
rm -rf "$work/mem"; mkdir "$work/mem"
"$cli" split "$work/src.bin" "$work/mem" 100 --unit MB > /dev/null
mem_merge=$(/usr/bin/time -f %M "$cli" merge "$work/mem/src.hpe" "$work/mem" 2>&1 >/dev/null | tail -1)
max_mem=$(printf '%s\n' "$mem_small" "$mem_mid" "$mem_huge" "$mem_merge" | sort -n | tail -1)
echo "peak memory (KiB): split 100 KB pieces $mem_small, 100 MB $mem_mid, 2047 MB $mem_huge; merge $mem_merge"

s_vs_split=$(ratio "${med[split-b]}" "${med[tirnel-split]}")
s_vs_cp=$(ratio "${med[tirnel-split]}" "${med[cp]}")
m_vs_cat=$(ratio "${med[cat]}" "${med[tirnel-merge]}")
n_vs_split=$(ratio "${med[split-b]}" "${med[split-nosum]}")
n_vs_cp=$(ratio "${med[split-nosum]}" "${med[cp]}")
nm_vs_cat=$(ratio "${med[cat]}" "${med[merge-nosum]}")
nm_vs_cp=$(ratio "${med[merge-nosum]}" "${med[cp]}")
echo
echo "targets, with checksums (split writes them, merge verifies):"
echo "  split -b / tirnel split  = $s_vs_split  (>= 1.80)  $(verdict "$s_vs_split" '>=' 1.8)"
echo "  tirnel split / cp        = $s_vs_cp  (<= 1.30)  $(verdict "$s_vs_cp" '<=' 1.3)"
echo "  cat / tirnel merge       = $m_vs_cat  (>= 1.00)  $(verdict "$m_vs_cat" '>=' 1.0)"
echo "targets, without checksums (--no-checksum, and the merge of such a set):"
echo "  split -b / tirnel split  = $n_vs_split  (>= 1.80)  $(verdict "$n_vs_split" '>=' 1.8)"
echo "  tirnel split / cp        = $n_vs_cp  (<= 1.15)  $(verdict "$n_vs_cp" '<=' 1.15)"
echo "  cat / tirnel merge       = $nm_vs_cat  (>= 1.00)  $(verdict "$nm_vs_cat" '>=' 1.0)"
echo "  tirnel merge / cp        = $nm_vs_cp  (<= 1.15)  $(verdict "$nm_vs_cp" '<=' 1.15)"
echo "  peak memory              = $max_mem KiB  (<= 16384)  $(verdict "$max_mem" '<=' 16384)"
