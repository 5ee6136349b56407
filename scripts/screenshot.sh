#!/usr/bin/env bash
# Takes the README's screenshot of the game mid-turn, under a private Xvfb.
#   scripts/screenshot.sh [output.png]     (default docs/screenshot.png)
# Needs a build in build/ and xvfb, xdotool, imagemagick.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
OUT="${1:-$ROOT/docs/screenshot.png}"
WORK="$(mktemp -d)"
XPID="" APID=""
cleanup() { [ -n "$APID" ] && kill "$APID" 2>/dev/null; [ -n "$XPID" ] && kill "$XPID" 2>/dev/null; rm -rf "$WORK"; }
trap cleanup EXIT
source "$ROOT/scripts/xvfb.sh" 1024x768
XPID=$XVFB_PID

export XDG_CONFIG_HOME="$WORK/config"
mkdir -p "$XDG_CONFIG_HOME"
printf 'False\n60\n' > "$XDG_CONFIG_HOME/tumblewick.txt"
printf 'planet\n' > "$XDG_CONFIG_HOME/tumblewickdictionary.txt"
"$ROOT/build/tumblewick" >"$WORK/app.log" 2>&1 & APID=$!
WID=""
for _ in $(seq 1 100); do
  WID="$(xdotool search --all --onlyvisible --pid "$APID" --name '^Tumblewick$' 2>/dev/null | head -n1 || true)"
  [ -n "$WID" ] && break; sleep 0.1
done
[ -n "$WID" ] || { echo "the window did not appear: $(cat "$WORK/app.log")" >&2; exit 1; }
xdotool windowfocus "$WID" 2>/dev/null || true
sleep 0.3
xdotool key Return                          # Start Game
sleep 0.3
xdotool type --delay 50 planet; xdotool key Return
xdotool type --delay 50 plant; xdotool key Return   # "Nope!"
sleep 0.2
import -window "$WID" "$OUT"
echo "wrote $OUT"
