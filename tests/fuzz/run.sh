#!/usr/bin/env bash
# Runs each fuzz target for SECONDS on a copy of its seed corpus, all at once, and fails on a
# finding: the input that broke (kept in FINDINGS, default /tmp/tirnel-fuzz-findings), its
# bytes in hex and the report are printed.
#   tests/fuzz/run.sh SECONDS [FOLDER_OF_TARGETS]     (default build-sanitize/fuzz)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
seconds="${1:?usage: run.sh SECONDS [FOLDER_OF_TARGETS]}"
targets="${2:-$here/../../build-sanitize/fuzz}"
# libFuzzer takes 0 for "no limit": here it means no fuzzing.
if [ "$seconds" -le 0 ]; then
  echo "fuzzing skipped (0 seconds)"
  exit 0
fi
findings="${FINDINGS:-/tmp/tirnel-fuzz-findings}"
mkdir -p "$findings"
work="$(mktemp -d)"
# An interrupted run stops the targets it started.
trap 'for pid in $(jobs -p); do kill "$pid" 2>/dev/null || true; done; rm -rf "$work"' EXIT

# target -> its seeds in corpus/ and its dictionary of tokens
declare -A corpus=([descriptor_fuzz]=descriptor [size_text_fuzz]=size [checksum_file_fuzz]=checksums)
pids=()
for target in "${!corpus[@]}"; do
  mkdir -p "$work/$target"
  cp "$here/corpus/${corpus[$target]}/"* "$work/$target/"
  "$targets/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -dict="$here/${corpus[$target]}.dict" \
    -artifact_prefix="$findings/$target-" "$work/$target" >"$work/$target.log" 2>&1 &
  pids+=("$!:$target")
done

status=0
for entry in "${pids[@]}"; do
  pid="${entry%%:*}" target="${entry#*:}"
  if wait "$pid"; then
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$target.log")"
    echo "$target: ${runs:-?} runs in ${seconds} s, no finding"
  else
    status=1
    echo "$target: failed" >&2
    tail -n 60 "$work/$target.log" >&2
    artifact="$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$work/$target.log" | tail -n 1)"
    if [ -n "$artifact" ] && [ -f "$artifact" ]; then
      echo "input ($artifact), hex: $(od -An -v -tx1 "$artifact" | tr -d ' \n')" >&2
    fi
  fi
done
exit "$status"
