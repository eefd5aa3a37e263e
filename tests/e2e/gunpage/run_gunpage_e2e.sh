#!/usr/bin/env bash
# Starts kvelm with one simulated mouse under Xvfb, opens the gun presets tab of the mouse
# page as a user would and saves the picture (kept in artifacts/ for a person to look at).
# Checks: the picture exists, has the window's size, is not one flat colour, and the
# preset files were set up from their defaults.
set -u
kvelm="$1"; artifacts="$2"
if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "xvfb-run is not installed; skipping"; exit 77
fi
mkdir -p "$artifacts"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/run"
shot="$artifacts/gun_presets_page.png"; rm -f "$shot"
XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" \
  KVELM_SIMULATE= timeout 60 xvfb-run -a "$kvelm" --simulate mouse --screenshot "$shot" \
  --click mouse_device_seting_option_1
rc=$?
[ "$rc" -eq 0 ] || { echo "kvelm exited with $rc"; exit 1; }
[ -s "$shot" ] || { echo "no screenshot written"; exit 1; }
for n in 0 1 2 3; do
  [ -s "$work/data/KV_ELM Gaming mouse/mouse/ShootData_$n.Shoot" ] \
    || { echo "gun preset $n was not set up"; exit 1; }
done
python3 - "$shot" <<'PY' || exit 1
import struct, sys, zlib
data = open(sys.argv[1], 'rb').read()
assert data[:8] == b'\x89PNG\r\n\x1a\n', 'not a PNG'
w, h = struct.unpack('>II', data[16:24])
assert w >= 800 and h >= 572, f'window picture too small: {w}x{h}'
idat = b''.join(data[i+8:i+8+struct.unpack('>I', data[i:i+4])[0]]
               for i in range(8, len(data)) if data[i+4:i+8] == b'IDAT')
assert len(set(zlib.decompress(idat))) > 64, 'the picture is one flat colour'
print(f'gun presets page saved: {w}x{h}')
PY
