#!/usr/bin/env bash
# A whole session as a user plays it, in the real program and real windows,
# with the keyboard (xdotool only brings a window to the front, as a click
# would):
#   1. first launch on an empty config folder: the three files appear with
#      their first-launch contents;
#   2. a five-turn game of 30-second turns on a one-word dictionary, with a
#      wrong and correct entries each turn; the Congratulations window takes
#      a name, the High Scores window comes up, the score file ranks it;
#   3. the Maintenance window: a word added, the window closed (the file
#      holds the word), reopened and closed again (the word is still there);
#   4. closing the main window writes the preferences.
# Usage: e2e_session.sh path/to/tumblewick  (needs $DISPLAY, xdotool, openbox)
set -euo pipefail

BIN="$(realpath "$1")"
SRC="${TW_SOURCE_DIR:-$(cd "$(dirname "$0")/.." && pwd)}"
ARTIFACTS="${TW_ARTIFACTS:-$(dirname "$BIN")/test-artifacts}"
mkdir -p "$ARTIFACTS"
WORK="$(mktemp -d)"
APP_PID="" WM_PID=""

cleanup() {
  [ -n "$APP_PID" ] && kill -9 "$APP_PID" 2>/dev/null || true
  [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  import -window root "$ARTIFACTS/e2e_session_failure.png" 2>/dev/null || true
  exit 1
}
wait_for() { # seconds command...
  local end=$((SECONDS + $1)); shift
  until "$@"; do [ "$SECONDS" -ge "$end" ] && return 1; sleep 0.2; done
}
[ -n "${DISPLAY:-}" ] || fail "no DISPLAY (run under Xvfb, as ./test.sh does)"
for tool in xdotool import openbox; do command -v "$tool" >/dev/null || fail "$tool is missing"; done

# A window manager, so that windows take the focus and Alt+F4 closes them.
openbox --sm-disable > "$WORK/wm.log" 2>&1 & WM_PID=$!
sleep 1

export XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"
DICT="$XDG_CONFIG_HOME/tumblewickdictionary.txt"
PREFS="$XDG_CONFIG_HOME/tumblewick.txt"
SCORES="$XDG_CONFIG_HOME/tumblewickscores.txt"

start_app() {
  "$BIN" > "$WORK/app.log" 2>&1 & APP_PID=$!
  MAIN=""
  wait_for 20 find_main || fail "the main window did not appear"
}
find_main() {
  kill -0 "$APP_PID" 2>/dev/null || fail "the program ended early: $(cat "$WORK/app.log")"
  MAIN="$(xdotool search --all --onlyvisible --pid "$APP_PID" --name '^Tumblewick$' 2>/dev/null | head -n1)"
  [ -n "$MAIN" ]
}
window() { xdotool search --all --onlyvisible --pid "$APP_PID" --name "^$1\$" 2>/dev/null | head -n1; }
visible() { [ -n "$(window "$1")" ]; }
front() { xdotool windowactivate --sync "$1" 2>/dev/null || true; sleep 0.3; }
quit_app() {
  front "$MAIN"
  xdotool key ctrl+q
  wait_for 15 bash -c "! kill -0 $APP_PID 2>/dev/null" || fail "the program did not quit"
  wait "$APP_PID" || fail "the program exited with status $?"
  APP_PID=""
}

# 1. First launch.
start_app
expected_dict="$(tr '\r' '\n' < "$SRC/resources/defaultwords.txt")"
[ "$(cat "$DICT")" = "$expected_dict" ] || fail "first-launch dictionary differs from the default list"
[ "$(wc -l < "$DICT")" -eq 29394 ] || fail "first-launch dictionary is not 29,394 lines"
[ "$(cat "$PREFS")" = "$(printf 'True\n60')" ] || fail "first-launch preferences: $(od -c "$PREFS")"
[ "$(cat "$SCORES")" = "$(for i in $(seq 10); do printf ' \t0\n'; done)" ] \
  || fail "first-launch score file: $(od -c "$SCORES" | head)"
quit_app

# 2. A whole game: sound off, 30-second turns, one word to find.
printf 'cat\n' > "$DICT"
printf 'False\n30\n' > "$PREFS"
start_app
front "$MAIN"
for turn in 1 2 3 4 5; do
  xdotool key Return                      # Start Game, then Start Turn
  sleep 0.5
  xdotool type --delay 40 dog; xdotool key Return   # wrong: "Missing Letters!"
  xdotool type --delay 40 cat; xdotool key Return   # 13 points
  xdotool type --delay 40 cat; xdotool key Return   # 13 more
  [ "$turn" -eq 1 ] && import -window "$MAIN" "$ARTIFACTS/e2e_session_turn.png"
  if [ "$turn" -lt 5 ]; then
    sleep 31                              # the countdown ends the turn
    front "$MAIN"
  fi
done
wait_for 40 visible "Congratulations!" || fail "no Congratulations window after a 130-point game"
front "$(window "Congratulations!")"
xdotool type --delay 40 ALICE
xdotool key Return
wait_for 10 visible "High Scores" || fail "the High Scores window did not come up"
visible "Congratulations!" && fail "the Congratulations window is still shown"
import -window root "$ARTIFACTS/e2e_session_scores.png"
[ "$(head -n1 "$SCORES")" = "$(printf 'ALICE\t130')" ] || fail "score file starts with: $(head -n1 "$SCORES" | od -c)"
[ "$(wc -l < "$SCORES")" -eq 10 ] || fail "score file is not ten lines"

# 3. The Maintenance window, through the menu: Alt+F opens File, three
# steps right reach Word Maintenance, Return picks Show Maintenance.
show_maintenance() {
  front "$MAIN"
  xdotool key alt+f; sleep 0.3
  xdotool key Right Right Right; sleep 0.3
  xdotool key Return
  wait_for 10 visible Maintenance || fail "Show Maintenance did not show the window"
  front "$(window Maintenance)"
}
close_front() { xdotool key alt+F4; wait_for 10 bash -c "! xdotool search --all --onlyvisible --pid $APP_PID --name '^$1\$' >/dev/null 2>&1" || fail "$1 did not close"; }
show_maintenance
xdotool key Tab Tab Tab                    # list, Delete, Add Word, then the entry field
xdotool type --delay 40 zebra
xdotool key Return                         # Add Word is the default once typed
sleep 0.3
import -window "$(window Maintenance)" "$ARTIFACTS/e2e_session_maintenance.png"
close_front Maintenance
[ "$(cat "$DICT")" = "$(printf 'cat\nzebra')" ] || fail "dictionary after closing Maintenance: $(cat "$DICT")"
show_maintenance
close_front Maintenance
[ "$(cat "$DICT")" = "$(printf 'cat\nzebra')" ] || fail "reopened Maintenance lost the word: $(cat "$DICT")"

# 4. Closing the main window writes the preferences.
rm -f "$PREFS"
quit_app
[ "$(cat "$PREFS")" = "$(printf 'False\n30')" ] || fail "preferences after quit: $(od -c "$PREFS")"
echo "PASS: first launch, a five-turn game filed as ALICE 130, a word added in Maintenance, preferences saved"
