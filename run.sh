#!/usr/bin/env bash
# Sets up what is missing, builds a Release into build/ and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/setup.sh runtime
exec ./build/tumblewick
