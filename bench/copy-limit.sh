#!/usr/bin/env bash
# Whole-process benchmark of tirnel-cli split, merge and verify against the same work done with
# standard tools, interleaved round by round (each round starting one command later), with the
# medians of wall time and CPU time (user + sys), peak memory, ratios, and the bound the runs
# with checksums are measured against.
#
#   bench/copy-limit.sh [--quick] [--rounds N] [--dir DIR] [--cow]
#
# Same work (peer time / tirnel-cli time, above 1 when tirnel-cli is faster):
#   tirnel-cli split (writes checksums)   split -b 100M, then sha256sum of the pieces;
#                                         7z a -v100m -mx0 (7-Zip volumes, when 7z is there)
#   tirnel-cli merge (verifies)           sha256sum -c, then cat of the pieces; 7z x
#   tirnel-cli verify                     sha256sum -c
#   tirnel-cli split --no-checksum        split -b 100M
#   tirnel-cli merge of a set without     cat of the pieces
#     checksums
# Beside them: split -b 100M, cat of the pieces and cp (plain copies, which write no checksums).
#
# The bound of a run with checksums on two cores: the kernel copy (cp for the split, cat of the
# pieces into a file for the merge), the read-back of what was copied (cat of the pieces to
# /dev/null) and the SHA-256 CPU seconds (the user time of openssl dgst -sha256 of the source;
# its system time is the read, already counted in the read-back) are core-seconds that two
# cores can at best share evenly: bound = (copy + read-back + SHA-256) / 2. "ratio to bound" is
# the run's wall time over that; 1.00 is the machine's limit.
#
# Every command starts clean: its previous output removed, sync, some memory touched and freed
# (see warm_memory), and what it reads (the source, or the set's files) read once more so that
# it is in the page cache whatever ran before.
#
# --cow measures on a file system whose kernel copy shares blocks: it makes a sparse XFS image
# with reflink in /var/tmp and loop-mounts it through a loop device with direct I/O (needs root
# and mkfs.xfs), so that what the file system reads comes from the disk and not from the page
# cache of the image file; or it uses --dir on such a file system. It prints the split and merge
# beside split -b, cat, cp --reflink=always and openssl dgst -sha256 of the source, with the disk
# space each one took and the MiB each one read from the device (/sys/block/loopN/stat), and
# checks the split with checksums: under 64 MiB read, at most 1.5 x openssl dgst -sha256.
#
# The default file is 2 GiB (--quick: 256 MiB) of random bytes, cut into 100 MiB pieces
# (tirnel-cli's MB, split's M and 7-Zip's m are all 1,048,576 bytes), in a fresh folder in
# DIR (default /var/tmp) that is removed afterwards. Needs a built build/bin/tirnel-cli
# (scripts/build; TIRNEL_CLI names another) and GNU time (/usr/bin/time).
set -euo pipefail

usage() { echo "usage: $0 [--quick] [--rounds N] [--dir DIR] [--cow]" >&2; exit 2; }
root="$(cd "$(dirname "$0")/.." && pwd)"
cli="${TIRNEL_CLI:-$root/build/bin/tirnel-cli}"
size_mib=2048
rounds=5
dir=""
cow=0
while [ $# -gt 0 ]; do
  case "$1" in
    --quick) size_mib=256 ;;
    --rounds) [ $# -ge 2 ] || usage; rounds="$2"; shift ;;
    --dir) [ $# -ge 2 ] || usage; dir="$2"; shift ;;
    --cow) cow=1 ;;
    *) usage ;;
  esac
  shift
done
[[ "$rounds" =~ ^[1-9][0-9]*$ ]] || { echo "--rounds takes a whole number of at least 1" >&2; exit 2; }
[ -z "$dir" ] || [ -d "$dir" ] || { echo "no folder $dir" >&2; exit 1; }
[ -x "$cli" ] || { echo "no $cli: build first (scripts/build)" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "needs GNU time as /usr/bin/time (apt-get install time)" >&2; exit 1; }
for tool in split sha256sum cat cp sync; do
  command -v "$tool" > /dev/null || { echo "needs $tool (coreutils)" >&2; exit 1; }
done
have_openssl=0
if command -v openssl > /dev/null; then
  have_openssl=1
else
  echo "openssl not found (apt-get install openssl): the SHA-256 CPU time is not measured, so no bound is printed" >&2
fi
# 7-Zip: Debian's p7zip-full and newer 7zip packages install 7z; bookworm's 7zip installs 7zz.
sevenzip=""
if [ "$cow" = 0 ]; then
  for tool in 7z 7zz 7za; do
    if command -v "$tool" > /dev/null; then sevenzip="$tool"; break; fi
  done
  [ -n "$sevenzip" ] || echo "7z not found (apt-get install 7zip or p7zip-full): the 7-Zip comparisons are skipped" >&2
fi

work="" image_dir="" mount_point="" loop="" timing=""
warm_file="/dev/shm/tirnel-bench-warm.$$"
cleanup() {
  rm -f "$warm_file"
  [ -n "$timing" ] && rm -f "$timing" "$timing.err"
  [ -n "$work" ] && rm -rf "$work"
  local unmounted=1
  if [ -n "$mount_point" ] && mountpoint -q "$mount_point"; then umount "$mount_point" || unmounted=0; fi
  if [ -n "$loop" ]; then losetup -d "$loop" || true; fi
  if [ -n "$image_dir" ] && [ "$unmounted" = 1 ]; then rm -rf "$image_dir"; fi
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

if [ "$cow" = 1 ] && [ -z "$dir" ]; then
  [ "$(id -u)" -eq 0 ] || { echo "--cow makes and mounts an XFS image, which needs root; or give --dir on a file system that shares blocks (XFS with reflink, btrfs)" >&2; exit 1; }
  command -v mkfs.xfs > /dev/null || { echo "--cow needs mkfs.xfs (scripts/deps installs xfsprogs)" >&2; exit 1; }
  command -v losetup > /dev/null || { echo "--cow needs losetup (util-linux)" >&2; exit 1; }
  # Room for the source, the set the merge reads, a full copy (split -b) and slack; sparse,
  # so only what is written takes space in /var/tmp.
  image_mib=$(( size_mib * 3 + 512 ))
  [ "$image_mib" -ge 1024 ] || image_mib=1024
  image_dir="$(mktemp -d /var/tmp/tirnel-cow.XXXXXX)"
  truncate -s "${image_mib}M" "$image_dir/xfs.img"
  mkfs.xfs -q -m reflink=1 "$image_dir/xfs.img"
  loop="$(losetup --direct-io=on -f --show "$image_dir/xfs.img")" || { loop=""; echo "no loop device could be set up" >&2; exit 1; }
  if [ "$(cat "/sys/block/${loop#/dev/}/loop/dio" 2> /dev/null || echo 0)" != 1 ]; then
    echo "warning: $loop does not use direct I/O (the file system of /var/tmp refused it): the image's own page cache may hide device reads from the times" >&2
  fi
  mount_point="$image_dir/mnt"
  mkdir "$mount_point"
  mount -t xfs "$loop" "$mount_point" || { echo "mounting the XFS image was refused" >&2; exit 1; }
  dir="$mount_point"
  echo "XFS image (reflink=1, ${image_mib} MiB sparse) on $loop (direct I/O) at $mount_point"
fi

work="$(mktemp -d "${dir:-/var/tmp}/tirnel-bench.XXXXXX")"
timing="$(mktemp)"
if [ "$cow" = 1 ]; then
  touch "$work/probe"
  if ! cp --reflink=always "$work/probe" "$work/probe2" 2> /dev/null; then
    echo "$work does not share blocks (cp --reflink=always fails there)" >&2; exit 1
  fi
  rm -f "$work/probe" "$work/probe2"
fi

# With --cow, the block device whose reads are counted: the loop device, or the device of
# --dir where the system has one for it (btrfs has none: then no reads are counted).
dev_stat=""
if [ "$cow" = 1 ]; then
  if [ -n "$loop" ]; then
    dev_stat="/sys/block/${loop#/dev/}/stat"
  else
    dev=$(stat -c %d "$work")
    dev_stat="/sys/dev/block/$(( (dev >> 8) & 0xfff )):$(( (dev & 0xff) | ((dev >> 12) & 0xfff00) ))/stat"
    if [ ! -r "$dev_stat" ]; then
      echo "no block device statistics for $work: device reads are not counted" >&2
      dev_stat=""
    fi
  fi
fi
sectors_read() { awk '{ print $3 }' "$dev_stat"; }

echo "Making a ${size_mib} MiB file in $work ..."
head -c "$((size_mib * 1048576))" /dev/urandom > "$work/src.bin"
# The sets the merges read: one with its checksum file (the merge verifies every piece), one
# without (the merge only copies), and 7-Zip volumes.
mkdir "$work/set" "$work/plain"
"$cli" split "$work/src.bin" "$work/set" 100 --unit MB > /dev/null
"$cli" split "$work/src.bin" "$work/plain" 100 --unit MB --no-checksum > /dev/null
# A numbered set of the same bytes, as coreutils cuts it, with a SHA-256 file of its pieces, one
# with an SFV file of their CRC32s (made from the same pieces), and one with neither.
mkdir "$work/num" "$work/numsfv" "$work/numplain"
split -b 100M -d -a 3 --numeric-suffixes=1 "$work/src.bin" "$work/num/src.bin."
(cd "$work/num" && sha256sum src.bin.[0-9]* > src.bin.sha256)
for piece in "$work"/num/src.bin.[0-9]*; do
  ln "$piece" "$work/numsfv/${piece##*/}"
  ln "$piece" "$work/numplain/${piece##*/}"
  # gzip's trailer holds the CRC32, least significant byte first.
  printf '%s %s\n' "${piece##*/}" "$(gzip -c "$piece" | tail -c 8 | head -c 4 | od -An -tx4 | tr -d ' \n')" >> "$work/numsfv/src.bin.sfv"
done
if [ -n "$sevenzip" ]; then
  mkdir "$work/set7z"
  "$sevenzip" a -bd -v100m -mx0 "$work/set7z/src.7z" "$work/src.bin" > /dev/null
fi

# On a virtual machine, memory the guest has not touched lately (or has given back to the
# host) is slow to touch the first time, which would bill whichever command comes first for
# it. Just before each timed command some memory is touched and freed again, so every command
# writes into memory that is ready.
warm_memory() {
  if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    head -c "$(( (size_mib + size_mib / 4) * 1048576 ))" /dev/zero > "$warm_file" 2> /dev/null || true
    rm -f "$warm_file"
  fi
}
# What a command reads, read once more: it is in the page cache when the command starts,
# whatever the commands before it (or the memory touched) pushed out.
warm_inputs() {
  case "$1" in
    source) cat "$work/src.bin" > /dev/null ;;
    set) cat "$work/set/"* > /dev/null ;;
    plain) cat "$work/plain/"* > /dev/null ;;
    set7z) cat "$work/set7z/"* > /dev/null ;;
    num) cat "$work/num/"* > /dev/null ;;
  esac
}

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

# Per command, one entry per round: wall time (µs), user and sys CPU time (ms), peak resident
# memory (KiB); with --cow the disk space the last round took and the MiB each round read.
declare -A wall_us user_ms sys_ms cpu_ms peak_kib used_mib read_mib
# run NAME INPUTS COMMAND...: one timed run, started clean.
run() {
  local name="$1" inputs="$2"; shift 2
  rm -rf "$work/out" "$work/set/src.bin" "$work/plain/src.bin" "$work/num/src.bin" "$work/numsfv/src.bin" \
    "$work/numplain/src.bin"
  mkdir "$work/out"; sync
  warm_memory
  warm_inputs "$inputs"
  local start end free_before="" read_before="" status=0 user sys peak
  [ "$cow" = 1 ] && free_before=$(free_bytes)
  [ -n "$dev_stat" ] && read_before=$(sectors_read)
  start=$(date +%s%N)
  /usr/bin/time -f '%U %S %M' -o "$timing" "$@" > /dev/null 2> "$timing.err" || status=$?
  end=$(date +%s%N)
  if [ "$status" != 0 ]; then
    echo "$name failed (exit $status): $*" >&2
    cat "$timing.err" >&2
    exit 1
  fi
  [ -n "$dev_stat" ] && read_mib[$name]+="$(awk -v a="$read_before" -v b="$(sectors_read)" 'BEGIN { printf "%.1f", (b - a) * 512 / 1048576 }') "
  read -r user sys peak < <(tail -1 "$timing")
  wall_us[$name]+="$(( (end - start) / 1000 )) "
  user_ms[$name]+="$(awk -v t="$user" 'BEGIN { printf "%d", t * 1000 + 0.5 }') "
  sys_ms[$name]+="$(awk -v t="$sys" 'BEGIN { printf "%d", t * 1000 + 0.5 }') "
  cpu_ms[$name]+="$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%d", (u + s) * 1000 + 0.5 }') "
  peak_kib[$name]+="$peak "
  [ "$cow" = 1 ] && used_mib[$name]=$(( (free_before - $(free_bytes)) / 1048576 ))
  return 0
}

declare -A label=(
  [tirnel-split]="tirnel-cli split"
  [split-nosum]="tirnel-cli split --no-checksum"
  [split-sha]="split -b 100M + sha256sum"
  [7z-a]="7z a -v100m -mx0"
  [split-b]="split -b 100M"
  [tirnel-merge]="tirnel-cli merge (verifies)"
  [merge-nosum]="tirnel-cli merge, no checksums"
  [sha-cat]="sha256sum -c + cat"
  [7z-x]="7z x"
  [cat]="cat pieces > file"
  [tirnel-verify]="tirnel-cli verify"
  [sha256sum-c]="sha256sum -c"
  [cp]="cp"
  [cp-reflink]="cp --reflink=always"
  [readback]="cat pieces > /dev/null"
  [openssl]="openssl dgst -sha256"
  [num-sha]="tirnel-cli merge .001 (.sha256)"
  [num-sfv]="tirnel-cli merge .001 (.sfv)"
  [num-plain]="tirnel-cli merge .001 (none)"
)
# The sh -c scripts take the work folder as $1.
# shellcheck disable=SC2016
step() {
  local w="$work"
  case "$1" in
    tirnel-split) run "$1" source "$cli" split "$w/src.bin" "$w/out" 100 --unit MB ;;
    split-nosum) run "$1" source "$cli" split "$w/src.bin" "$w/out" 100 --unit MB --no-checksum ;;
    split-sha) run "$1" source sh -c 'split -b 100M "$1/src.bin" "$1/out/x." && cd "$1/out" && sha256sum x.* > x.sha256' sh "$w" ;;
    7z-a) run "$1" source "$sevenzip" a -bd -v100m -mx0 "$w/out/src.7z" "$w/src.bin" ;;
    split-b) run "$1" source split -b 100M "$w/src.bin" "$w/out/x." ;;
    tirnel-merge) run "$1" set "$cli" merge "$w/set/src.hpe" "$w/set" ;;
    merge-nosum) run "$1" plain "$cli" merge "$w/plain/src.hpe" "$w/plain" ;;
    sha-cat) run "$1" set sh -c 'cd "$1/set" && sha256sum --quiet -c src.hpe.sha256 && cat [0-9]*.pe > "$1/out/src.bin"' sh "$w" ;;
    7z-x) run "$1" set7z "$sevenzip" x -bd -y -o"$w/out" "$w/set7z/src.7z.001" ;;
    cat) run "$1" set sh -c 'cat "$1"/set/[0-9]*.pe > "$1/out/cat.bin"' sh "$w" ;;
    tirnel-verify) run "$1" set "$cli" verify "$w/set/src.hpe" "$w/set" ;;
    sha256sum-c) run "$1" set sh -c 'cd "$1/set" && sha256sum --quiet -c src.hpe.sha256' sh "$w" ;;
    cp) run "$1" source cp "$w/src.bin" "$w/out/copy.bin" ;;
    cp-reflink) run "$1" source cp --reflink=always "$w/src.bin" "$w/out/copy.bin" ;;
    readback) run "$1" set sh -c 'cat "$1"/set/[0-9]*.pe > /dev/null' sh "$w" ;;
    openssl) run "$1" source openssl dgst -sha256 "$w/src.bin" ;;
    num-sha) run "$1" num "$cli" merge "$w/num/src.bin.001" ;;
    num-sfv) run "$1" num "$cli" merge "$w/numsfv/src.bin.001" ;;
    num-plain) run "$1" num "$cli" merge "$w/numplain/src.bin.001" ;;
  esac
}

# One command of the round; the round starts one command later each time, so that no
# command always runs right after the same neighbour.
if [ "$cow" = 1 ]; then
  names=(tirnel-split split-nosum split-b tirnel-merge merge-nosum cat cp-reflink)
else
  names=(tirnel-split split-nosum split-sha split-b tirnel-merge merge-nosum sha-cat cat tirnel-verify sha256sum-c cp readback
    num-sha num-sfv num-plain)
  [ -n "$sevenzip" ] && names+=(7z-a 7z-x)
fi
[ "$have_openssl" = 1 ] && names+=(openssl)
for ((r = 0; r < rounds; r++)); do
  for ((c = 0; c < ${#names[@]}; c++)); do
    step "${names[$(( (r + c) % ${#names[@]} ))]}"
  done
  echo "round $((r + 1)) of $rounds done" >&2
done
rm -rf "$work/out" "$work/set/src.bin" "$work/plain/src.bin" "$work/num/src.bin" "$work/numsfv/src.bin" \
  "$work/numplain/src.bin"

median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }
largest() { tr ' ' '\n' | grep -v '^$' | sort -g | tail -1; }
seconds() { awk -v v="$1" -v d="$2" -v p="$3" 'BEGIN { printf "%.*f", p, v / d }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else printf "n/a" }'; }
verdict() { awk -v v="$1" -v op="$2" -v t="$3" 'BEGIN { if (v == "n/a") { print "n/a"; exit } ok = (op == ">=") ? v >= t : (op == "<") ? v < t : v <= t; print ok ? "met" : "NOT MET" }'; }

declare -A wall cpu user sys peak
for name in "${names[@]}"; do
  wall[$name]=$(echo "${wall_us[$name]}" | median)
  cpu[$name]=$(echo "${cpu_ms[$name]}" | median)
  user[$name]=$(echo "${user_ms[$name]}" | median)
  sys[$name]=$(echo "${sys_ms[$name]}" | median)
  peak[$name]=$(echo "${peak_kib[$name]}" | largest)
done
all_walls() { local v out=""; for v in ${wall_us[$1]}; do out+="$(seconds "$v" 1000000 3) "; done; echo "$out"; }

echo
echo "${size_mib} MiB file, 100 MiB pieces, on $(df --output=fstype "$work" | tail -1) at $work, medians of ${rounds} interleaved rounds"
echo "medians of wall time and of CPU time (user + sys, seconds); peak resident memory of the largest process, over all rounds"
if [ "$cow" = 1 ]; then
  echo "disk: MiB the last round took, after a sync; read: MiB read from the device, median"
  printf '%-31s %8s %7s %7s %7s %8s %7s %8s   %s\n' command "wall s" "cpu s" "user s" "sys s" "peak MiB" "disk" "read" "all walls (s)"
  for name in "${names[@]}"; do
    r="n/a"; [ -n "$dev_stat" ] && r=$(echo "${read_mib[$name]}" | median)
    printf '%-31s %8s %7s %7s %7s %8s %7s %8s   %s\n' "${label[$name]}" "$(seconds "${wall[$name]}" 1000000 3)" \
      "$(seconds "${cpu[$name]}" 1000 2)" "$(seconds "${user[$name]}" 1000 2)" "$(seconds "${sys[$name]}" 1000 2)" \
      "$(seconds "${peak[$name]}" 1024 1)" "${used_mib[$name]}" "$r" "$(all_walls "$name")"
  done
  echo
  echo "tirnel-cli split with checksums on a file system that shares blocks (goal stated for a 1 GiB file):"
  if [ "$have_openssl" = 1 ]; then
    vs_openssl=$(ratio "${wall[tirnel-split]}" "${wall[openssl]}")
    echo "  tirnel-cli split / openssl dgst -sha256 of the source = $vs_openssl  (wall; goal <= 1.50)  $(verdict "$vs_openssl" '<=' 1.5)"
  else
    echo "  tirnel-cli split / openssl dgst -sha256 of the source: openssl not found, not measured"
  fi
  if [ -n "$dev_stat" ]; then
    split_read=$(echo "${read_mib[tirnel-split]}" | largest)
    echo "  read from the device by tirnel-cli split = $split_read MiB  (most of any round; goal < 64)  $(verdict "$split_read" '<' 64)"
  else
    echo "  read from the device by tirnel-cli split: not counted (no block device statistics)"
  fi
  exit 0
fi

printf '%-31s %8s %7s %7s %7s %8s   %s\n' command "wall s" "cpu s" "user s" "sys s" "peak MiB" "all walls (s)"
for name in "${names[@]}"; do
  printf '%-31s %8s %7s %7s %7s %8s   %s\n' "${label[$name]}" "$(seconds "${wall[$name]}" 1000000 3)" \
    "$(seconds "${cpu[$name]}" 1000 2)" "$(seconds "${user[$name]}" 1000 2)" "$(seconds "${sys[$name]}" 1000 2)" \
    "$(seconds "${peak[$name]}" 1024 1)" "$(all_walls "$name")"
done

# peer NAME TIRNEL: the peer's median over tirnel-cli's, wall and CPU.
peer() {
  printf '  %-31s / %-31s wall %5s   cpu %5s\n' "${label[$1]}" "${label[$2]}" \
    "$(ratio "${wall[$1]}" "${wall[$2]}")" "$(ratio "${cpu[$1]}" "${cpu[$2]}")"
}
echo
echo "same work, peer / tirnel-cli (above 1: tirnel-cli takes less):"
peer split-sha tirnel-split
[ -n "$sevenzip" ] && peer 7z-a tirnel-split
peer sha-cat tirnel-merge
[ -n "$sevenzip" ] && peer 7z-x tirnel-merge
peer sha256sum-c tirnel-verify
peer split-b split-nosum
peer cat merge-nosum
echo "numbered sets (NAME.001, …) against this program's own sets of the same bytes (above 1: the numbered set takes longer):"
printf '  %-31s / %-31s wall %5s\n' "${label[num-sha]}" "${label[tirnel-merge]}" "$(ratio "${wall[num-sha]}" "${wall[tirnel-merge]}")"
printf '  %-31s / %-31s wall %5s\n' "${label[num-sfv]}" "${label[tirnel-merge]}" "$(ratio "${wall[num-sfv]}" "${wall[tirnel-merge]}")"
printf '  %-31s / %-31s wall %5s\n' "${label[num-plain]}" "${label[merge-nosum]}" "$(ratio "${wall[num-plain]}" "${wall[merge-nosum]}")"
echo "beside the plain copies, which write and check no checksums (tirnel-cli / plain copy, wall):"
printf '  %-31s / %-31s wall %5s\n' "${label[tirnel-split]}" "${label[cp]}" "$(ratio "${wall[tirnel-split]}" "${wall[cp]}")"
printf '  %-31s / %-31s wall %5s\n' "${label[tirnel-split]}" "${label[split-b]}" "$(ratio "${wall[tirnel-split]}" "${wall[split-b]}")"
printf '  %-31s / %-31s wall %5s\n' "${label[tirnel-merge]}" "${label[cat]}" "$(ratio "${wall[tirnel-merge]}" "${wall[cat]}")"

echo
s() { seconds "$1" "$2" 3; }
copy_s=$(s "${wall[cp]}" 1000000); merge_copy_s=$(s "${wall[cat]}" 1000000); back_s=$(s "${wall[readback]}" 1000000)
split_s=$(s "${wall[tirnel-split]}" 1000000); merge_s=$(s "${wall[tirnel-merge]}" 1000000)
echo "the bound of a run with checksums on two cores = (kernel copy + read-back + SHA-256 CPU) / 2:"
echo "  kernel copy: cp $copy_s s (split), cat pieces > file $merge_copy_s s (merge); read-back: cat pieces > /dev/null $back_s s"
if [ "$have_openssl" = 1 ]; then
  sha_s=$(s "${user[openssl]}" 1000)
  split_bound=$(awk -v a="$copy_s" -v b="$back_s" -v c="$sha_s" 'BEGIN { printf "%.3f", (a + b + c) / 2 }')
  merge_bound=$(awk -v a="$merge_copy_s" -v b="$back_s" -v c="$sha_s" 'BEGIN { printf "%.3f", (a + b + c) / 2 }')
  echo "  SHA-256 CPU: openssl dgst -sha256 of the source, user time $sha_s s"
  echo "  tirnel-cli split  $split_s s, bound ($copy_s + $back_s + $sha_s) / 2 = $split_bound s: ratio to bound $(ratio "$split_s" "$split_bound")"
  echo "  tirnel-cli merge  $merge_s s, bound ($merge_copy_s + $back_s + $sha_s) / 2 = $merge_bound s: ratio to bound $(ratio "$merge_s" "$merge_bound")"
else
  echo "  SHA-256 CPU: not measured (openssl not found), so no bound and no ratio to it"
fi

# Peak memory of tirnel-cli for small, middle and huge pieces.
peak_of() {
  rm -rf "$work/mem"; mkdir "$work/mem"
  { /usr/bin/time -f %M "$cli" split "$work/src.bin" "$work/mem" "$@" 2>&1 > /dev/null || true; } | tail -1
}
mem_small=$(peak_of 100)
mem_mid=$(peak_of 100 --unit MB)
mem_huge=$(peak_of 2047 --unit MB)
rm -rf "$work/mem"
mem_merge=$(echo "${peak_kib[tirnel-merge]}" | largest)
max_mem=$(printf '%s\n' "$mem_small" "$mem_mid" "$mem_huge" "$mem_merge" | sort -n | tail -1)
echo
echo "peak memory of tirnel-cli (KiB): split into 100 KB pieces $mem_small, 100 MB $mem_mid, 2047 MB $mem_huge; merge $mem_merge"

n_vs_split=$(ratio "${wall[split-b]}" "${wall[split-nosum]}")
n_vs_cp=$(ratio "${wall[split-nosum]}" "${wall[cp]}")
nm_vs_cat=$(ratio "${wall[cat]}" "${wall[merge-nosum]}")
nm_vs_cp=$(ratio "${wall[merge-nosum]}" "${wall[cp]}")
echo
echo "targets without checksums (--no-checksum, and the merge of such a set), wall:"
echo "  split -b / tirnel split  = $n_vs_split  (>= 1.80)  $(verdict "$n_vs_split" '>=' 1.8)"
echo "  tirnel split / cp        = $n_vs_cp  (<= 1.15)  $(verdict "$n_vs_cp" '<=' 1.15)"
echo "  cat / tirnel merge       = $nm_vs_cat  (>= 1.00)  $(verdict "$nm_vs_cat" '>=' 1.0)"
echo "  tirnel merge / cp        = $nm_vs_cp  (<= 1.15)  $(verdict "$nm_vs_cp" '<=' 1.15)"
echo "  peak memory              = $max_mem KiB  (<= 16384)  $(verdict "$max_mem" '<=' 16384)"
