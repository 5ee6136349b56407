#!/usr/bin/env bash
# Plays a correct word in the real program, in a real X window, with the
# keyboard alone: Return on Start Game, the word typed, Return on Enter. Then
# closes the main window and checks the preferences file it writes on close.
# Usage: e2e_game.sh path/to/tumblewick   (needs $DISPLAY, xdotool, imagemagick)
set -euo pipefail

BIN="$(realpath "$1")"
ARTIFACTS="${TW_ARTIFACTS:-$(dirname "$BIN")/test-artifacts}"
mkdir -p "$ARTIFACTS"
WORK="$(mktemp -d)"
APP_PID=""

cleanup() {
  if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; then
    kill "$APP_PID" 2>/dev/null || true
    sleep 0.5
    kill -9 "$APP_PID" 2>/dev/null || true
  fi
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [ -n "${WID:-}" ] && import -window root "$ARTIFACTS/e2e_game_failure.png" 2>/dev/null || true
  exit 1
}

# Waits up to $1 seconds for the command that follows to succeed.
wait_for() {
  local seconds="$1"
  shift
  local end=$((SECONDS + seconds))
  until "$@"; do
    [ "$SECONDS" -ge "$end" ] && return 1
    sleep 0.2
  done
}

[ -n "${DISPLAY:-}" ] || fail "no DISPLAY (run under Xvfb, as ./test.sh does)"
for tool in xdotool import compare; do
  command -v "$tool" >/dev/null || fail "$tool is missing"
done

# A config folder of our own: one word that can be scrambled, sound off so no
# sound holds the game up, 30-second turns.
export XDG_CONFIG_HOME="$WORK/config"
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
PREFS="$XDG_CONFIG_HOME/tumblewick.txt"
printf 'cat\n' > "$XDG_CONFIG_HOME/tumblewickdictionary.txt"
printf 'False\n30\n' > "$PREFS"

"$BIN" > "$WORK/app.log" 2>&1 &
APP_PID=$!

find_window() {
  kill -0 "$APP_PID" 2>/dev/null || fail "the program ended early: $(cat "$WORK/app.log")"
  WID="$(xdotool search --all --onlyvisible --pid "$APP_PID" --name '^Tumblewick$' 2>/dev/null | head -n1)"
  [ -n "$WID" ]
}
WID=""
wait_for 20 find_window || fail "the main window did not appear"

# The window's content area (440 x 550) sits under the menu bar.
eval "$(xdotool getwindowgeometry --shell "$WID")"
[ "$WIDTH" -ge 440 ] && [ "$HEIGHT" -ge 550 ] || fail "window is ${WIDTH}x${HEIGHT}"
TOP=$((HEIGHT - 550))

# The settings live in memory while the program runs: a file deleted now is
# written again, complete, when the main window closes.
rm -f "$PREFS"

shot() { import -window "$WID" "$1" 2>/dev/null; }
# Pixels that differ between two shots inside a region of the content area.
region_differs() { # file1 file2 width height left top
  local crop="$3x$4+$5+$((TOP + $6))"
  convert "$1" -crop "$crop" +repage "$WORK/crop1.png" || fail "cannot crop $1"
  convert "$2" -crop "$crop" +repage "$WORK/crop2.png" || fail "cannot crop $2"
  local n
  n="$(compare -metric AE "$WORK/crop1.png" "$WORK/crop2.png" null: 2>&1 || true)"
  [[ "$n" =~ ^[0-9.e+]+$ ]] || fail "compare failed: $n"
  [ "$n" != "0" ]
}

xdotool windowfocus "$WID" 2>/dev/null || true
sleep 0.5
shot "$WORK/idle.png"

# Return presses Start Game, the default button: the pot fills.
xdotool key Return
pot_filled() { shot "$WORK/turn.png" && region_differs "$WORK/idle.png" "$WORK/turn.png" 300 32 70 136; }
wait_for 10 pot_filled || fail "Start Game did not draw a word"

# A wrong entry shows the red banner (kept in the mid-turn screenshot) and
# scores nothing.
xdotool type --delay 60 ca
xdotool key Return
sleep 0.4
shot "$ARTIFACTS/e2e_game_mid_turn.png"
if region_differs "$WORK/turn.png" "$ARTIFACTS/e2e_game_mid_turn.png" 45 92 340 278; then
  fail "a wrong entry changed the counters"
fi
region_differs "$WORK/turn.png" "$ARTIFACTS/e2e_game_mid_turn.png" 180 30 132 66 \
  || fail "a wrong entry showed no banner"
cp "$ARTIFACTS/e2e_game_mid_turn.png" "$WORK/turn.png"

# The only word is "cat"; typed and entered, it scores: the counters change.
xdotool type --delay 60 cat
xdotool key Return
scored() { shot "$WORK/after.png" && region_differs "$WORK/turn.png" "$WORK/after.png" 45 92 340 278; }
wait_for 10 scored || fail "the correct word did not score"
cp "$WORK/after.png" "$ARTIFACTS/e2e_game_after_word.png"

# Ctrl+Q (File > Quit) closes the main window, which saves and quits.
xdotool key ctrl+q
exited() { ! kill -0 "$APP_PID" 2>/dev/null; }
wait_for 15 exited || fail "the program did not quit after its main window closed"
wait "$APP_PID" || fail "the program exited with status $?"
APP_PID=""

[ -f "$PREFS" ] || fail "the preferences file was not written on close"
[ "$(cat "$PREFS")" = "$(printf 'False\n30')" ] || fail "preferences file holds: $(od -c "$PREFS")"
[ "$(wc -l < "$PREFS")" -eq 2 ] || fail "preferences file is not two lines"
echo "PASS: correct word scored; preferences written on close; screenshot in $ARTIFACTS"
