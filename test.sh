#!/usr/bin/env bash
# Sets up what is missing, builds, and runs the whole test suite with CTest.
# Tests that need a real X window run under Xvfb, started here.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/setup.sh test

XVFB_PID=""
cleanup() { [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true; }
trap cleanup EXIT
# The real-window tests get a private X server of their own.
source scripts/xvfb.sh

cd build
ctest --output-on-failure -j2 "$@"
