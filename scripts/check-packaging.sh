#!/usr/bin/env bash
# Checks what a user gets from "cmake --install" and from the Debian package: builds
# (reusing build/ when it exists), installs into a temporary prefix and runs the installed
# programs there, builds the .deb with cpack and reads its contents and control data, and
# validates the desktop entry and the AppStream metainfo. Prints every fault and exits
# non-zero when there was one.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD="$ROOT/build"
JOBS=$(nproc)

failures=0
fail() { echo "check-packaging: FAIL: $*" >&2; failures=$((failures + 1)); }
pass() { echo "check-packaging: ok: $*"; }

for tool in desktop-file-validate appstreamcli dpkg-deb cpack; do
    command -v "$tool" >/dev/null || { echo "check-packaging: $tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done

if [ ! -f "$BUILD/CMakeCache.txt" ]; then
    cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
else
    cmake -S . -B "$BUILD" >/dev/null
fi
cmake --build "$BUILD" -j"$JOBS" --target kvelm kvelmctl kvelm_resources kvelm_man_pages kvelm_udev_rules

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
PREFIX="$WORK/prefix"

# Paths every install has, relative to the prefix (the package's prefix is /usr).
EXPECTED=(
    bin/kvelm
    bin/kvelmctl
    share/kvelm/skin/res.xml
    share/kvelm/skin/style.qss
    share/kvelm/skin/fonts/caption_cjk.ttf
    share/kvelm/skin/XML/main.xml
    share/kvelm/DefaultData/Language.config
    share/kvelm/DefaultData/mouse.Json
    share/kvelm/DefaultData/mouse3389.Json
    share/kvelm/DefaultData/ShootData_0.Shoot
    share/kvelm/DefaultData/default_light.json
    share/kvelm/lang/lan_en.xml
    share/kvelm/lang/lan_cn.xml
    share/applications/kvelm.desktop
    share/metainfo/org.kvelm.kvelm.metainfo.xml
    share/icons/hicolor/scalable/apps/kvelm.svg
    share/man/man1/kvelm.1.gz
    share/man/man1/kvelmctl.1.gz
    share/doc/kvelm/copyright
    lib/udev/rules.d/70-kvelm.rules
)
for size in 16 22 24 32 48 64 128 256; do
    EXPECTED+=("share/icons/hicolor/${size}x${size}/apps/kvelm.png")
done

# --- cmake --install -----------------------------------------------------------------
cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log"
echo "installed into $PREFIX:"
(cd "$PREFIX" && find . -type f -not -path './share/kvelm/*' | sort | sed 's/^/  /')
echo "  ... and $(find "$PREFIX/share/kvelm" -type f | wc -l) files under share/kvelm"
missing=0
for path in "${EXPECTED[@]}"; do
    [ -f "$PREFIX/$path" ] || { fail "cmake --install left out $path"; missing=1; }
done
[ "$missing" -eq 0 ] && pass "cmake --install put all ${#EXPECTED[@]} expected files in place"
for program in kvelm kvelmctl; do
    [ -x "$PREFIX/bin/$program" ] || fail "bin/$program is not executable"
done
if find "$PREFIX" -name .keep | grep -q .; then fail "placeholder .keep files were installed"; fi
# The installed rule is written from the shipped table: it grants exactly the products the
# installed kvelmctl knows by ids when the user has no table of their own.
rule="$PREFIX/lib/udev/rules.d/70-kvelm.rules"
if [ -f "$rule" ]; then
    mkdir -p "$WORK/nouser"
    granted=$(grep -v '^#' "$rule" | sort)
    known=$(env -i PATH=/usr/bin:/bin HOME="$WORK/nouser" XDG_CONFIG_HOME="$WORK/nouser" \
        "$PREFIX/bin/kvelmctl" udev-rules | grep -v '^#' | sort)
    if [ -n "$granted" ] && [ "$granted" = "$known" ]; then
        pass "the udev rule grants every shipped device with ids ($(echo "$granted" | wc -l) lines)"
    else
        fail "the udev rule does not match 'kvelmctl udev-rules': $granted"
    fi
fi
for size in 16 32 256; do
    icon="$PREFIX/share/icons/hicolor/${size}x${size}/apps/kvelm.png"
    if [ -f "$icon" ]; then
        # Width and height sit at bytes 16-23 of a PNG's header.
        read -r width height < <(od -An -tu1 -j16 -N8 "$icon" \
            | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
        [ "$width $height" = "$size $size" ] || fail "icon ${size}x${size} is ${width}x${height}"
    fi
done
if zcat "$PREFIX/share/man/man1/kvelmctl.1.gz" 2>/dev/null | man -l --warnings - >/dev/null 2>"$WORK/man.err" \
    && [ ! -s "$WORK/man.err" ]; then
    pass "kvelmctl.1 formats without warnings"
else
    fail "kvelmctl.1: $(cat "$WORK/man.err")"
fi

# The installed programs find their folder in ../share/kvelm. No build tree is beside
# them, so a fall-back to the build's resources cannot hide a fault.
export XDG_DATA_HOME="$WORK/data" XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset KVELM_DATA_DIR
listing=$(KVELM_SIMULATE=mouse "$PREFIX/bin/kvelmctl" list 2>&1) || true
if grep -q "1 supported device" <<<"$listing"; then
    pass "installed kvelmctl lists the simulated mouse"
else
    fail "installed kvelmctl list: $listing"
fi
applied=$(KVELM_SIMULATE=mouse "$PREFIX/bin/kvelmctl" apply 0 2>&1) || true
# Without its default data the profile would be written all but empty; with it, the
# profile carries the default DPI stages.
if grep -q "^applied profile" <<<"$applied" \
    && find "$XDG_DATA_HOME" -name '*.Json' -exec grep -l '"StageDPIs"' {} + | grep -q .; then
    pass "installed kvelmctl applies the default profile from share/kvelm/DefaultData"
else
    fail "installed kvelmctl apply: $applied"
fi
shot="$WORK/window.png"
status=0
QT_QPA_PLATFORM=offscreen timeout 60 "$PREFIX/bin/kvelm" --simulate mouse --screenshot "$shot" \
    >"$WORK/kvelm.log" 2>&1 || status=$?
if [ "$status" -eq 0 ] && [ -s "$shot" ]; then
    pass "installed kvelm builds its window from share/kvelm/skin"
else
    fail "installed kvelm (exit $status) saved no window picture: $(tail -5 "$WORK/kvelm.log")"
fi

# --- Debian package --------------------------------------------------------------------
rm -f "$BUILD"/kvelm_*.deb
# cpack first builds whatever is out of date in the whole tree (nothing after
# scripts/build.sh); MAKEFLAGS lets that build use every core.
(cd "$BUILD" && MAKEFLAGS="-j$JOBS" cpack -G DEB >"$WORK/cpack.log" 2>&1) || { cat "$WORK/cpack.log" >&2; fail "cpack -G DEB"; }
deb=$(ls "$BUILD"/kvelm_*.deb 2>/dev/null | head -n 1 || true)
if [ -z "$deb" ]; then
    fail "cpack made no kvelm_*.deb"
else
    echo "package: $deb"
    dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$WORK/contents"
    missing=0
    for path in "${EXPECTED[@]}"; do
        grep -qxF "/usr/$path" "$WORK/contents" || { fail "the package lacks /usr/$path"; missing=1; }
    done
    [ "$missing" -eq 0 ] && pass "the package holds all ${#EXPECTED[@]} expected files under /usr"
    if grep -v '^/usr/' "$WORK/contents" | grep -v '^/$' | grep -q .; then
        fail "the package puts files outside /usr: $(grep -v '^/usr/' "$WORK/contents" | grep -v '^/$' | head -3)"
    fi

    dpkg-deb -I "$deb" >"$WORK/info"
    dpkg-deb -f "$deb" Depends >"$WORK/depends"
    for dependency in libqt6widgets6 libqt6uitools6 libqt6svg6 libjsoncpp25 libc6 libcurl4 libssl3; do
        grep -q "\b$dependency\b" "$WORK/depends" || fail "Depends lacks $dependency: $(cat "$WORK/depends")"
    done
    if grep -qE -- '-dev\b' "$WORK/depends"; then fail "Depends names a -dev package: $(cat "$WORK/depends")"; fi
    [ "$(dpkg-deb -f "$deb" Package)" = kvelm ] || fail "Package is not kvelm"
    dpkg-deb -f "$deb" Maintainer | grep -q '<.*@.*>' || fail "Maintainer has no address"
    grep -q '^ Depends: ' "$WORK/info" && pass "control: $(dpkg-deb -f "$deb" Package) $(dpkg-deb -f "$deb" Version), Depends: $(cat "$WORK/depends")"

    dpkg-deb -e "$deb" "$WORK/control"
    if [ -x "$WORK/control/postinst" ] \
        && grep -q 'udevadm control --reload-rules' "$WORK/control/postinst" \
        && grep -q 'udevadm trigger --subsystem-match=hidraw' "$WORK/control/postinst"; then
        pass "postinst reloads the udev rules and triggers hidraw"
    else
        fail "postinst missing, not executable or not reloading udev"
    fi
    # Without a udev daemon (containers, chroots) the scripts must still succeed.
    for script in postinst postrm; do
        arg=configure; [ "$script" = postrm ] && arg=remove
        if PATH="$WORK/fakebin:$PATH" sh -c 'mkdir -p "$0"; printf "#!/bin/sh\nexit 1\n" >"$0/udevadm";
                chmod +x "$0/udevadm"; exec sh "$1" "$2"' "$WORK/fakebin" "$WORK/control/$script" "$arg"; then
            pass "$script succeeds when udevadm fails"
        else
            fail "$script fails when udev is not running"
        fi
    done
    mkdir -p "$WORK/unpacked" && dpkg-deb -x "$deb" "$WORK/unpacked"
    grep -q '^License: GPL-2.0-or-later' "$WORK/unpacked/usr/share/doc/kvelm/copyright" \
        || fail "copyright does not name GPL-2.0-or-later"
    if readelf -S "$WORK/unpacked/usr/bin/kvelm" | grep -q '\.debug_info'; then
        fail "/usr/bin/kvelm still carries debug information"
    fi
fi

# --- desktop entry and AppStream metainfo ------------------------------------------------
for desktop in packaging/kvelm.desktop "$PREFIX/share/applications/kvelm.desktop"; do
    if desktop-file-validate "$desktop"; then pass "desktop-file-validate $desktop"; else fail "desktop-file-validate $desktop"; fi
done
for metainfo in packaging/org.kvelm.kvelm.metainfo.xml "$PREFIX/share/metainfo/org.kvelm.kvelm.metainfo.xml"; do
    if appstreamcli validate --no-net "$metainfo"; then pass "appstreamcli validate $metainfo"; else fail "appstreamcli validate $metainfo"; fi
done

if [ "$failures" -ne 0 ]; then
    echo "check-packaging: $failures fault(s)" >&2
    exit 1
fi
echo "check-packaging: install tree, Debian package and metadata are sound"
