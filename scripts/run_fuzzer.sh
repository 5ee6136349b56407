#!/usr/bin/env bash
# Runs one libFuzzer target for a bounded time on a copy of its seed corpus.
#   scripts/run_fuzzer.sh BINARY CORPUS_DIR SECONDS
# Exits 77 (skipped) when the fuzz build is missing.
set -uo pipefail
bin="$1" corpus="$2" seconds="${3:-15}"
if [ ! -x "$bin" ]; then
  echo "fuzz target $bin not built (scripts/setup.sh test builds it); skipped"
  exit 77
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
[ -d "$corpus" ] && cp -r "$corpus"/. "$work"/
cd "$work"
"$bin" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$work/" "$work" 2>&1 | tail -n 25
status=${PIPESTATUS[0]}
if [ "$status" -ne 0 ]; then
  for f in "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-*; do
    [ -e "$f" ] && { echo "reproducer: $(basename "$f")"; base64 -w0 "$f"; echo; }
  done
fi
exit "$status"
