#!/usr/bin/env bash
# Starts kvelm with one simulated mouse under Xvfb, lets it read the mouse and fill its
# page, and checks the saved picture of the window: it exists, has the window's size and is
# not one flat colour (a blank or failed render).
set -u
kvelm="$1"; artifacts="$2"
if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "xvfb-run is not installed; skipping"; exit 77
fi
mkdir -p "$artifacts"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/run"
shot="$artifacts/mouse_page.png"; rm -f "$shot"
XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" \
  KVELM_SIMULATE= timeout 60 xvfb-run -a "$kvelm" --simulate mouse --screenshot "$shot"
rc=$?
[ "$rc" -eq 0 ] || { echo "kvelm exited with $rc"; exit 1; }
[ -s "$shot" ] || { echo "no screenshot written"; exit 1; }
# The profile file of the default profile exists: the page was filled from it.
ls "$work/data/KV_ELM Gaming mouse/mouse/"*.Json >/dev/null 2>&1 \
  || { echo "the mouse's default profile was not created"; exit 1; }
python3 - "$shot" <<'PY' || exit 1
import struct, sys, zlib
data = open(sys.argv[1], 'rb').read()
assert data[:8] == b'\x89PNG\r\n\x1a\n', 'not a PNG'
w, h = struct.unpack('>II', data[16:24])
assert w >= 800 and h >= 572, f'window picture too small: {w}x{h}'
# Distinct bytes of the compressed image data: a flat picture compresses to a handful.
idat = b''.join(data[i+8:i+8+struct.unpack('>I', data[i:i+4])[0]]
               for i in range(8, len(data)) if data[i+4:i+8] == b'IDAT')
assert len(set(zlib.decompress(idat))) > 64, 'the picture is one flat colour'
print(f'mouse page saved: {w}x{h}')
PY
