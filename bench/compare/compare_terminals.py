#!/usr/bin/env python3
"""Side by side at a sustained 115200 baud, under Xvfb, in two window setups.

The same stream of packet text (115 bytes every 10 ms, no line repeated) is
written into a pseudo-terminal for each receiver in turn, rounds interleaved:
Vellicor, cutecom, and minicom in xterm. Two setups are run one after the
other: every window at its default size on an X server without a window
manager, and every window maximised by a small window manager. For each
round the CPU used by the receiver's processes plus the X server's during the
stream is measured as percent of one core.

After each stream an end marker line is sent; a screenshot is taken and read
back with OCR, and a round whose receiver did not show the marker is reported.
The screenshots are kept in SHOTS_DIR.

    bench/compare/compare_terminals.py VELLICOR_BINARY SHIM.so SHOTS_DIR [ROUNDS] [SECONDS] [SETUP...]

SETUP is "default" or "maximised" (both when none is given).
"""
import os
import pty
import random
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time
import tty

BYTES_PER_TICK = 115
TICK = 0.010
SETUPS = {"default": "default window sizes, no window manager",
          "maximised": "windows maximised by a window manager"}

CALLS = ["N0CALL", "W1AW", "KB0XYZ", "KD9ABC", "N5QRT", "WA2ZZY", "K7EOC", "AE4SH", "VE3RDS", "KC1MNO"]
PLACES = ["Shelter 12", "County EOC", "Red Cross hub", "Fire station 3", "High school gym", "Hospital",
          "Water plant", "Staging area B", "Church hall", "Fairgrounds"]
STATES = ["open", "full", "closing at 1800", "needs cots", "needs water", "on generator", "quiet",
          "power restored", "road blocked", "staffed"]


def packet_line(rng, n):
    """One line of plausible packet traffic; the running number makes every line unique."""
    kind = rng.randrange(4)
    src, dst = rng.sample(CALLS, 2)
    place, state = rng.choice(PLACES), rng.choice(STATES)
    if kind == 0:
        text = (f"{src}-{rng.randrange(16)}>APRS,WIDE2-{rng.randrange(1, 3)}:!{rng.randrange(3000, 4800)}."
                f"{rng.randrange(100):02d}N/{rng.randrange(7000, 12000)}.{rng.randrange(100):02d}W-{place} {state}")
    elif kind == 1:
        text = f"{rng.randrange(1000, 9999)} P{rng.choice('NBT')}  {rng.randrange(90, 4000):5d} {src} {dst} " \
               f"{rng.randrange(1, 1232):04d}   {place} status, {rng.randrange(2, 300)} people, {state}"
    elif kind == 2:
        text = f"[{src} BBS] {place}: {state}. Net control is {dst}, next check-in {rng.randrange(24):02d}00Z."
    else:
        text = f"{src}>{dst} <I C S{rng.randrange(8)} R{rng.randrange(8)}>: " \
               f"{rng.randrange(1, 40)} {place.lower()} {state}, {rng.randrange(1, 99)} volunteers"
    return f"{text} #{n}".encode()


def stream(size, seed):
    rng = random.Random(seed)
    out = bytearray()
    n = 0
    while len(out) < size:
        n += 1
        out += packet_line(rng, n) + b"\r\n"
    return bytes(out[:size])


def cpu_seconds(pid):
    """CPU time of every thread of the process, from the scheduler's own count (exact, where the
    tick-sampled counts of /proc/PID/stat miss the short wake-ups a terminal is made of)."""
    total = 0
    try:
        for task in os.listdir(f"/proc/{pid}/task"):
            with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                total += int(f.read().split()[0])
    except OSError:
        pass
    return total / 1e9


def tree(pid):
    """The process and all its descendants."""
    found = [pid]
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as f:
                parent = int(f.read().rsplit(")", 1)[1].split()[1])
        except OSError:
            continue
        if parent == pid:
            found += tree(int(entry))
    return found


def opened(pid, device):
    try:
        return any(os.readlink(f"/proc/{pid}/fd/{fd}") == device for fd in os.listdir(f"/proc/{pid}/fd"))
    except OSError:
        return False


def vellicor_command(binary, device, home):
    config = os.path.join(home, "config", "Vellicor")
    os.makedirs(config, exist_ok=True)
    with open(os.path.join(config, "Vellicor.ini"), "w") as f:
        f.write(f"[Properties]\nCommPort=1\nSettings=115200,N,8,1\n[Ports]\nCom1={device}\n"
                "[Terminal]\nSessionLog=True\nScrollbackLines=20000\n")
    env = {"XDG_CONFIG_HOME": os.path.join(home, "config"), "XDG_DATA_HOME": os.path.join(home, "data")}
    return [binary], env


def cutecom_command(device, home):
    config = os.path.join(home, "config", "CuteCom")
    os.makedirs(config, exist_ok=True)
    with open(os.path.join(config, "CuteCom5.conf"), "w") as f:
        f.write("[sessions]\n1\\BaudRate=115200\n1\\DataBits=8\n1\\Device=" + device +
                "\n1\\FlowControl=0\n1\\OpenMode=3\n1\\Parity=0\n1\\StopBits=1\n"
                "1\\autoReconnect=false\n1\\name=Default\nsize=1\n")
    return ["cutecom", "-s", "Default"], {"XDG_CONFIG_HOME": os.path.join(home, "config"), "HOME": home}


def press_cutecom_open():
    """cutecom opens its device only when "Open" (top left of its window) is clicked."""
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "CuteCom",
                    "mousemove", "--window", "%1", "50", "43", "click", "1"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=10)


def minicom_command(device, home):
    return ["xterm", "-e", "minicom", "-o", "-b", "115200", "-D", device], {"HOME": home}


def drain(master):
    while True:
        try:
            if not os.read(master, 65536):
                return
        except BlockingIOError:
            return


def paced_stream(master, data, seconds):
    """Writes the data at 115200 baud's pace; returns the seconds taken and the bytes written."""
    start = time.monotonic()
    next_write = start
    at = 0
    while time.monotonic() - start < seconds and at < len(data):
        try:
            at += os.write(master, data[at:at + BYTES_PER_TICK])
        except BlockingIOError:
            pass  # the receiver is not reading; the same bytes go next tick
        next_write += TICK
        time.sleep(max(0.0, next_write - time.monotonic()))
        drain(master)
    return time.monotonic() - start, at


READINGS = (["-resize", "300%"], ["-negate", "-resize", "400%", "-threshold", "50%"])


def screen_shows(marker, shot):
    """Takes a screenshot of the whole X screen and reads it back; True when the marker is on it.
    Light text on dark and a small bitmap font each read best prepared another way."""
    subprocess.run(f"xwd -root -silent | convert xwd:- {shot}", shell=True, check=True)
    prepared = shot.replace(".png", "-ocr.png")
    try:
        for reading in READINGS:
            subprocess.run(["convert", shot, "-colorspace", "Gray", *reading, prepared], check=True)
            text = subprocess.run(["tesseract", prepared, "-", "--psm", "11"],
                                  capture_output=True, text=True).stdout
            if marker in text.replace(" ", "").upper():
                return True
        return False
    finally:
        os.remove(prepared)


def stop(process):
    """Ends the receiver and everything it started: minicom runs in a session of its own under
    xterm, and a minicom left behind would go on reading the next receiver's stream."""
    family = tree(process.pid)
    for pid in reversed(family):
        try:
            os.kill(pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
    try:
        process.wait(5)
    except subprocess.TimeoutExpired:
        pass
    for pid in family:
        try:
            os.kill(pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
    process.wait()


def measure(name, command, extra_env, shim, device, master, data, seconds, xserver, shot, tag):
    env = dict(os.environ, LD_PRELOAD=shim, **extra_env)
    process = subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
    time.sleep(4)  # started, port open, window shown
    if command[0] == "cutecom":
        press_cutecom_open()
        time.sleep(1)
    drain(master)  # whatever the receiver wrote at start
    pids = tree(process.pid)
    if not any(opened(p, device) for p in pids):
        print(f"{name} did not open {device}", file=sys.stderr)
    before = sum(cpu_seconds(p) for p in pids), cpu_seconds(xserver)
    elapsed, written = paced_stream(master, data, seconds)
    after = sum(cpu_seconds(p) for p in tree(process.pid)), cpu_seconds(xserver)
    if written < len(data):
        print(f"{name}: only {written} of {len(data)} bytes went out in {elapsed:.0f} s", file=sys.stderr)
    os.write(master, f"\r\nEND OF STREAM {tag}\r\n".encode())
    time.sleep(3)
    shown = screen_shows(f"ENDOFSTREAM{tag}", shot)
    if not shown:
        print(f"{name}: the end marker is not on the screen ({shot})", file=sys.stderr)
    stop(process)
    program, x = ((a - b) * 100.0 / elapsed for a, b in zip(after, before))
    return program + x, x, shown


def start_x(setup, display):
    size = "1280x1024x24"
    xserver = subprocess.Popen(["Xvfb", display, "-screen", "0", size, "-nolisten", "tcp"],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.environ["DISPLAY"] = display
    os.environ["QT_QPA_PLATFORM"] = "xcb"
    time.sleep(2)
    manager = None
    if setup == "maximised":
        manager = subprocess.Popen(["matchbox-window-manager", "-use_titlebar", "no"],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1)
    return xserver, manager


def run_setup(setup, binary, shim, shots, rounds, seconds):
    xserver, manager = start_x(setup, ":57")
    master, slave = pty.openpty()
    tty.setraw(slave)
    os.set_blocking(master, False)
    device = os.ttyname(slave)
    home = tempfile.mkdtemp(prefix="compare-")
    receivers = {
        "Vellicor": lambda: vellicor_command(binary, device, home),
        "cutecom": lambda: cutecom_command(device, home),
        "minicom in xterm": lambda: minicom_command(device, home),
    }
    results = {name: [] for name in receivers}
    x_share = {name: [] for name in receivers}
    missed = []
    size = int(seconds / TICK) * BYTES_PER_TICK
    try:
        for r in range(1, rounds + 1):
            data = stream(size, seed=r)
            for index, (name, build) in enumerate(receivers.items()):
                command, env = build()
                tag = f"{r}{index}"
                shot = os.path.join(shots, f"{setup}-{tag}-{name.split()[0]}.png")
                cpu, x, shown = measure(name, command, env, shim, device, master, data, seconds, xserver.pid,
                                     shot, tag)
                results[name].append(cpu)
                x_share[name].append(x)
                if not shown:
                    missed.append(f"{name}, round {r}")
    finally:
        if manager:
            manager.terminate()
        xserver.terminate()
        xserver.wait()
        os.close(master)
        os.close(slave)
        shutil.rmtree(home, ignore_errors=True)
    return results, x_share, missed


def print_table(setup, results, x_share, missed, rounds, seconds):
    print(f"\n{SETUPS[setup]}: 115200 baud over a pseudo-terminal under Xvfb, {rounds} rounds of "
          f"{seconds:.0f} s, program plus X server (% of one core)")
    print("| receiver | median | spread | X server's part (median) | rounds |")
    print("| --- | --- | --- | --- | --- |")
    for name, values in results.items():
        rounds_text = " ".join(f"{v:.1f}" for v in values)
        print(f"| {name} | {statistics.median(values):.1f} | {min(values):.1f}–{max(values):.1f} | "
              f"{statistics.median(x_share[name]):.1f} | {rounds_text} |")
    ours = results["Vellicor"]
    for other, target in (("minicom in xterm", 1.0), ("cutecom", 2 / 3)):
        ratios = [a / b for a, b in zip(ours, results[other])]
        verdict = "met" if statistics.median(ratios) <= target else "NOT met"
        print(f"Vellicor / {other}: median {statistics.median(ratios):.2f}, rounds "
              f"{min(ratios):.2f}–{max(ratios):.2f} (target ≤ {target:.2f}: {verdict})")
    print("End marker shown in every round" if not missed else "End marker NOT shown: " + "; ".join(missed))


def main():
    binary, shim, shots = sys.argv[1], sys.argv[2], sys.argv[3]
    rounds = int(sys.argv[4]) if len(sys.argv) > 4 else 5
    seconds = float(sys.argv[5]) if len(sys.argv) > 5 else 60
    setups = sys.argv[6:] or list(SETUPS)
    os.makedirs(shots, exist_ok=True)
    for setup in setups:
        results, x_share, missed = run_setup(setup, binary, shim, shots, rounds, seconds)
        print_table(setup, results, x_share, missed, rounds, seconds)
        sys.stdout.flush()


if __name__ == "__main__":
    main()
