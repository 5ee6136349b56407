#!/usr/bin/env bash
# Installs the program into a temporary prefix and checks that a desktop
# finds it: the binary, the menu entry and the AppStream metadata (both
# validated), and the icon in the hicolor theme.
# Usage: install_check.sh BUILD_DIR
set -euo pipefail
BUILD="$1"
PREFIX="$(mktemp -d)"
trap 'rm -rf "$PREFIX"' EXIT
cmake --install "$BUILD" --prefix "$PREFIX" > /dev/null
ID=example.tumblewick.Tumblewick
fail() { echo "FAIL: $*" >&2; exit 1; }
[ -x "$PREFIX/bin/tumblewick" ] || fail "no bin/tumblewick"
desktop="$PREFIX/share/applications/$ID.desktop"
meta="$PREFIX/share/metainfo/$ID.metainfo.xml"
[ -f "$desktop" ] || fail "no desktop entry"
[ -f "$meta" ] || fail "no metainfo"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$meta" || fail "appstreamcli validate"
grep -q "^Exec=tumblewick$" "$desktop" || fail "Exec line"
grep -q "^Icon=$ID$" "$desktop" || fail "Icon line"
[ -f "$PREFIX/share/icons/hicolor/scalable/apps/$ID.svg" ] || fail "no scalable icon"
for size in 16 32 48 64 128 256; do
  png="$PREFIX/share/icons/hicolor/${size}x${size}/apps/$ID.png"
  [ -f "$png" ] || fail "no ${size}px icon"
  head -c 8 "$png" | od -An -c | grep -q 'P   N   G' || fail "$png is not a PNG"
done
echo "PASS: installed layout is complete and valid"
