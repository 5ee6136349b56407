# Sourced by the scripts that need a private X server: starts Xvfb on a free
# display, waits until it answers, exports DISPLAY and XVFB_PID.
# Usage: source scripts/xvfb.sh [WIDTHxHEIGHT]
_xvfb_ok=""
for _n in $(seq 90 140); do
  [ -e "/tmp/.X${_n}-lock" ] || [ -e "/tmp/.X11-unix/X${_n}" ] && continue
  Xvfb ":${_n}" -screen 0 "${1:-1280x1024}x24" -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 1 100); do
    if ! kill -0 "$XVFB_PID" 2>/dev/null; then break; fi
    if DISPLAY=":${_n}" xdotool getdisplaygeometry >/dev/null 2>&1; then
      _xvfb_ok=1
      break
    fi
    sleep 0.05
  done
  [ -n "$_xvfb_ok" ] && break
  kill "$XVFB_PID" 2>/dev/null || true
done
if [ -z "$_xvfb_ok" ]; then
  echo "Xvfb did not start" >&2
  return 1 2>/dev/null || exit 1
fi
export DISPLAY=":${_n}"
export XVFB_PID
