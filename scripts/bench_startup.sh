#!/usr/bin/env bash
# Times the built program from launch until its main window is on screen, and
# its resident memory then, beside a minimal Qt Widgets program that opens one
# window, in the same run on the same X server (Xvfb).
#   scripts/bench_startup.sh [runs]        (default 10 runs each)
# Needs: a Release build in build/ (./run.sh or scripts/setup.sh), xvfb, xdotool.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
RUNS="${1:-10}"
APP="$ROOT/build/tumblewick"
MIN="$ROOT/build/bench/minimal_window"
[ -x "$APP" ] && [ -x "$MIN" ] || { echo "build first: scripts/setup.sh" >&2; exit 1; }

WORK="$(mktemp -d)"
XPID=""
cleanup() { [ -n "$XPID" ] && kill "$XPID" 2>/dev/null; rm -rf "$WORK"; }
trap cleanup EXIT
source "$ROOT/scripts/xvfb.sh" 1280x1024
XPID=$XVFB_PID

# A 1,000,000-word dictionary file (random lower-case words, 4 to 10 letters).
python3 - "$WORK/million.txt" <<'PY'
import random, sys
r = random.Random(7)
with open(sys.argv[1], "w") as f:
    for _ in range(1000000):
        f.write("".join(chr(r.randint(97, 122)) for _ in range(r.randint(4, 10))) + "\n")
PY

# One launch: prints "milliseconds-to-window RSS-kB".
launch() { # title program config-setup
  local title="$1" prog="$2" setup="$3" cfg="$WORK/cfg"
  rm -rf "$cfg"; mkdir -p "$cfg"
  [ "$setup" = million ] && cp "$WORK/million.txt" "$cfg/tumblewickdictionary.txt"
  local t0 t1 pid
  t0=$(date +%s%N)
  XDG_CONFIG_HOME="$cfg" "$prog" >"$WORK/app.log" 2>&1 & pid=$!
  until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
    sleep 0.002
    kill -0 "$pid" 2>/dev/null || { echo "$prog exited: $(cat "$WORK/app.log")" >&2; return 1; }
  done
  t1=$(date +%s%N)
  local rss
  rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$(( (t1 - t0) / 1000000 )) $rss"
}

stats() { # label, then lines "ms kB" on stdin
  python3 -c '
import statistics, sys
rows = [tuple(map(int, l.split())) for l in sys.stdin if l.strip()]
ms = sorted(r[0] for r in rows); kb = sorted(r[1] for r in rows)
print("%-30s launch to window, ms: min %4d  median %4d  max %4d   RSS MB: median %6.1f"
      % (sys.argv[1], ms[0], statistics.median(ms), ms[-1], statistics.median(kb) / 1024))
' "$1"
}

for kind in minimal first million; do
  for _ in $(seq 1 "$RUNS"); do
    case $kind in
      minimal) launch MinimalQtWindow "$MIN" none ;;
      first)   launch Tumblewick "$APP" none ;;
      million) launch Tumblewick "$APP" million ;;
    esac
  done > "$WORK/$kind.runs"
done
stats "minimal Qt window" < "$WORK/minimal.runs"
stats "tumblewick, first launch" < "$WORK/first.runs"
stats "tumblewick, 1,000,000 words" < "$WORK/million.runs"
