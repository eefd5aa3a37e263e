#!/usr/bin/env python3
"""Time from a focus change to the last frame of the profile switch it causes.

Runs the built kvelm on a simulated mouse with --follow-focus under a private X server
with a window manager (Xvfb and openbox), with two programs that take the focus: xcalc,
bound to a second profile, and xmessage, bound to none. Each round moves the focus to one
of them with xdotool and watches the simulator's frame log (KVELM_SIM_FRAME_LOG) until the
device has had no frame for QUIET seconds; the figure is the time from the focus change to
the last frame of that switch. Prints the median, the fastest and the slowest per direction.

Usage: bench/focus/focus_switch_bench.py [BUILD_BIN] [ROUNDS]   (defaults: build/bin, 10)
Needs: Xvfb, openbox, xcalc, xmessage, xdotool (scripts/install-deps.sh installs them).
"""
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

QUIET = 0.4      # seconds without a frame that end a switch
SETTLE = 3.0     # the arrival read and first writes of the mouse are over by then
TIMEOUT = 10.0   # a switch that has not started by then counts as missing


def log_size(path):
    try:
        return os.path.getsize(path)
    except OSError:
        return 0


def wait_quiet(path, started, size, expect_change=True):
    """Seconds from `started` to the last growth of the log past `size`, once it has been quiet."""
    last = None
    deadline = started + TIMEOUT
    while True:
        now = time.monotonic()
        grown = log_size(path)
        if grown != size:
            size, last = grown, now
        if last is not None and now - last >= QUIET:
            return last - started
        if last is None and (now > deadline or not expect_change and now - started >= QUIET):
            return None
        time.sleep(0.001)


def main():
    bin_dir = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/bin")
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    for tool in ("Xvfb", "openbox", "xcalc", "xmessage", "xdotool"):
        if not shutil.which(tool):
            sys.exit(f"focus_switch_bench: {tool} is not installed (scripts/install-deps.sh)")
    work = tempfile.mkdtemp(prefix="kvelm-focus-bench-")
    os.chmod(work, 0o700)
    env = dict(os.environ, XDG_DATA_HOME=f"{work}/data", XDG_CONFIG_HOME=f"{work}/config",
               XDG_RUNTIME_DIR=work, KVELM_SIM_STATE_DIR=f"{work}/sim", QT_QPA_PLATFORM="offscreen",
               KVELM_SIMULATE="mouse")
    display = f":{90 + os.getpid() % 100}"
    env["DISPLAY"] = display
    children = []
    try:
        children.append(subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        time.sleep(1.0)
        children.append(subprocess.Popen(["openbox", "--sm-disable"], env=env,
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        children.append(subprocess.Popen(["xcalc"], env=env, stderr=subprocess.DEVNULL))
        children.append(subprocess.Popen(["xmessage", "-center", "bench"], env=env, stderr=subprocess.DEVNULL))
        for cls in ("XCalc", "Xmessage"):
            subprocess.run(["timeout", "10", "xdotool", "search", "--sync", "--onlyvisible", "--class", cls],
                           env=env, check=True, stdout=subprocess.DEVNULL)

        ctl = os.path.join(bin_dir, "kvelmctl")
        subprocess.run([ctl, "profile", "0", "new"], env=env, check=True, stdout=subprocess.DEVNULL)
        listing = subprocess.run([ctl, "profiles", "0"], env=env, check=True, capture_output=True, text=True).stdout
        names = [re.match(r"^[* ] \d+  (.*?)  \(", line).group(1) for line in listing.splitlines()]
        first, second = names[0], names[1]
        # The bound profile gets settings of its own, so each switch has something to write.
        for step in (["profile", "0", "select", second], ["set", "0", "dpi", "1", "3200"],
                     ["set", "0", "rate", "500"], ["profile", "0", "select", first],
                     ["bind", "0", second, "xcalc"]):
            subprocess.run([ctl, *step], env=env, check=True, stdout=subprocess.DEVNULL)

        frames = f"{work}/frames.log"
        program_env = dict(env, KVELM_SIM_FRAME_LOG=frames)
        program_env.pop("KVELM_SIMULATE")
        children.append(subprocess.Popen([os.path.join(bin_dir, "kvelm"), "--simulate", "mouse", "--follow-focus"],
                                         env=program_env, stdout=subprocess.DEVNULL,
                                         stderr=open(os.environ.get("KVELM_BENCH_PROGRAM_LOG", os.devnull), "w")))
        time.sleep(SETTLE)
        wait_quiet(frames, time.monotonic(), log_size(frames), expect_change=False)

        figures = {"XCalc": [], "Xmessage": []}
        missing = 0
        for _ in range(rounds):
            for cls in ("XCalc", "Xmessage"):
                size = log_size(frames)
                started = time.monotonic()
                subprocess.run(["xdotool", "search", "--onlyvisible", "--class", cls, "windowactivate", "--sync"],
                               env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                seconds = wait_quiet(frames, started, size)
                if os.environ.get("KVELM_BENCH_VERBOSE"):
                    print(cls, seconds)
                if seconds is None:
                    missing += 1
                else:
                    figures[cls].append(seconds * 1000)
        for cls, label in (("XCalc", "to the bound profile"), ("Xmessage", "back to the first profile")):
            values = figures[cls]
            if values:
                print(f"focus change -> last frame, {label}: median {statistics.median(values):.1f} ms, "
                      f"fastest {min(values):.1f} ms, slowest {max(values):.1f} ms ({len(values)} switches)")
        if missing:
            print(f"{missing} focus changes brought no frame within {TIMEOUT:.0f} s")
        return 1 if missing else 0
    finally:
        for child in reversed(children):
            child.terminate()
        for child in children:
            try:
                child.wait(timeout=3)
            except subprocess.TimeoutExpired:
                child.kill()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
