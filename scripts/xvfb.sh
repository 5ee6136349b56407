# Sourced by the scripts that need a private X server: starts Xvfb on a free
# display (Xvfb picks it and reports it), exports DISPLAY and XVFB_PID.
# Usage: source scripts/xvfb.sh [WIDTHxHEIGHT]
_xvfb_file="$(mktemp)"
Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -nolisten tcp 3>"$_xvfb_file" >/dev/null 2>&1 &
XVFB_PID=$!
for _ in $(seq 1 100); do
  [ -s "$_xvfb_file" ] && break
  sleep 0.05
done
if [ ! -s "$_xvfb_file" ]; then
  echo "Xvfb did not start" >&2
  rm -f "$_xvfb_file"
  return 1 2>/dev/null || exit 1
fi
export DISPLAY=":$(head -n1 "$_xvfb_file")"
# Ready when a client can talk to it.
if command -v xdotool >/dev/null; then
  for _ in $(seq 1 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.05
  done
fi
export XVFB_PID
rm -f "$_xvfb_file"
