#!/usr/bin/env python3
"""Side by side at a sustained 115200 baud, under Xvfb, in two window setups.

The same stream of packet text (115 bytes every 10 ms, no line repeated) is
written at the same time into a pseudo-terminal for each receiver: Vellicor,
cutecom, and minicom in xterm, each on an X server of its own, so that a
moment when the machine runs slower weighs on all three alike. Two setups
are run one after the other: every window at its default size without a
window manager, and every window maximised by a small window manager. For
each round the CPU used by the receiver's processes plus its X server's
during the stream is measured as percent of one core.

After each stream an end marker line is sent; a screenshot of each screen is
read back with OCR, and a round whose receiver did not show the marker is
marked and left out of the ratios. The screenshots are kept in SHOTS_DIR.

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


def press_cutecom_open(display):
    """cutecom opens its device only when "Open" (top left of its window) is clicked."""
    subprocess.run(["env", f"DISPLAY={display}", "xdotool", "search", "--sync", "--onlyvisible", "--name", "CuteCom",
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


def paced_stream(masters, data, seconds):
    """Writes the data into every pseudo-terminal at 115200 baud's pace; returns the seconds taken
    and the bytes each took."""
    start = time.monotonic()
    next_write = start
    written = [0] * len(masters)
    while time.monotonic() - start < seconds and min(written) < len(data):
        for i, master in enumerate(masters):
            try:
                written[i] += os.write(master, data[written[i]:written[i] + BYTES_PER_TICK])
            except BlockingIOError:
                pass  # the receiver is not reading; the same bytes go next tick
        next_write += TICK
        time.sleep(max(0.0, next_write - time.monotonic()))
        for master in masters:
            drain(master)
    return time.monotonic() - start, written


# Light text on dark, dark on light and a small bitmap font each read best prepared another way.
READINGS = (["-trim", "-resize", "300%"], ["-trim", "-resize", "200%"],
            ["-trim", "-negate", "-resize", "400%", "-threshold", "50%"])
# Words, not numbers, tell the rounds' markers apart: OCR reads digits of small fonts less surely.
ROUND_WORDS = ["ALPHA", "BRAVO", "CHARLIE", "DELTA", "ECHO", "FOXTROT", "GOLF", "HOTEL", "INDIA", "JULIET"]


def screen_shows(tag, display, shot):
    """Takes a screenshot of the X screen and reads it back; True when "END OF STREAM tag" is on it."""
    subprocess.run(f"xwd -display {display} -root -silent | convert xwd:- {shot}", shell=True, check=True)
    prepared = shot.replace(".png", "-ocr.png")
    try:
        for reading in READINGS:
            subprocess.run(["convert", shot, "-colorspace", "Gray", *reading, prepared], check=True)
            text = subprocess.run(["tesseract", prepared, "-", "--psm", "11"],
                                  capture_output=True, text=True).stdout
            for line in text.upper().splitlines():
                squeezed = line.replace(" ", "")
                at = squeezed.find("OFSTREAM")
                if at >= 0 and squeezed[at + 8:].startswith(tag):
                    return True
        return False
    finally:
        if os.path.exists(prepared):
            os.remove(prepared)


def stop(process):
    """Ends the receiver and everything it started: minicom runs in a session of its own under
    xterm, and a minicom left behind would go on reading the next round's stream."""
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


def start_x(setup, display):
    xserver = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(2)
    manager = None
    if setup == "maximised":
        manager = subprocess.Popen(["matchbox-window-manager", "-use_titlebar", "no"],
                                   env=dict(os.environ, DISPLAY=display),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1)
    return xserver, manager


class Screen:
    """One receiver on an X server of its own, so that each X server's work is that receiver's."""

    def __init__(self, name, build, display, setup):
        self.name, self.build, self.display = name, build, display
        self.xserver, self.manager = start_x(setup, display)
        self.home = tempfile.mkdtemp(prefix="compare-")

    def start(self, shim):
        self.master, self.slave = pty.openpty()
        tty.setraw(self.slave)
        os.set_blocking(self.master, False)
        self.device = os.ttyname(self.slave)
        command, extra = self.build(self.device, self.home)
        env = dict(os.environ, DISPLAY=self.display, QT_QPA_PLATFORM="xcb", LD_PRELOAD=shim, **extra)
        self.process = subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL, start_new_session=True)
        self.command = command

    def cpu(self):
        return sum(cpu_seconds(p) for p in tree(self.process.pid)), cpu_seconds(self.xserver.pid)

    def stop(self):
        stop(self.process)
        os.close(self.master)
        os.close(self.slave)

    def close(self):
        if self.manager:
            self.manager.terminate()
        self.xserver.terminate()
        self.xserver.wait()
        shutil.rmtree(self.home, ignore_errors=True)


def run_round(screens, shim, data, seconds, shots, setup, r):
    """All receivers take the same stream at the same time, each on its own X server; returns per
    receiver (program plus X server, X server alone, end marker shown)."""
    for screen in screens:
        screen.start(shim)
    time.sleep(4)  # started, port open, window shown
    for screen in screens:
        if screen.command[0] == "cutecom":
            press_cutecom_open(screen.display)
    time.sleep(1)
    for screen in screens:
        drain(screen.master)  # whatever the receiver wrote at start
        if not any(opened(p, screen.device) for p in tree(screen.process.pid)):
            print(f"{screen.name} did not open {screen.device}", file=sys.stderr)
    before = [screen.cpu() for screen in screens]
    elapsed, written = paced_stream([screen.master for screen in screens], data, seconds)
    after = [screen.cpu() for screen in screens]
    tag = ROUND_WORDS[(r - 1) % len(ROUND_WORDS)]
    for screen in screens:
        os.write(screen.master, f"\r\nEND OF STREAM {tag}\r\n".encode())
    time.sleep(3)
    results = []
    for screen, b, a, took in zip(screens, before, after, written):
        if took < len(data):
            print(f"{screen.name}: took only {took} of {len(data)} bytes in {elapsed:.0f} s", file=sys.stderr)
        shot = os.path.join(shots, f"{setup}-{r}-{screen.name.split()[0]}.png")
        shown = screen_shows(tag, screen.display, shot)
        if not shown:
            print(f"{screen.name}: the end marker is not on the screen ({shot})", file=sys.stderr)
        program, x = ((late - early) * 100.0 / elapsed for late, early in zip(a, b))
        results.append((program + x, x, shown))
        screen.stop()
    return results


def run_setup(setup, binary, shim, shots, rounds, seconds):
    receivers = {
        "Vellicor": lambda device, home: vellicor_command(binary, device, home),
        "cutecom": cutecom_command,
        "minicom in xterm": minicom_command,
    }
    screens = [Screen(name, build, f":{57 + i}", setup) for i, (name, build) in enumerate(receivers.items())]
    results = {name: [] for name in receivers}
    size = int(seconds / TICK) * BYTES_PER_TICK
    try:
        for r in range(1, rounds + 1):
            for screen, measured in zip(screens, run_round(screens, shim, stream(size, seed=r), seconds,
                                                           shots, setup, r)):
                results[screen.name].append(measured)
    finally:
        for screen in screens:
            screen.close()
    return results


def print_table(setup, results, rounds, seconds):
    print(f"\n{SETUPS[setup]}: 115200 baud over pseudo-terminals under Xvfb, {rounds} rounds of "
          f"{seconds:.0f} s, all receivers at once, each on an X server of its own; program plus X server, "
          "% of one core")
    print("| receiver | median | spread | X server's part (median) | rounds (* end marker not shown) |")
    print("| --- | --- | --- | --- | --- |")
    for name, measured in results.items():
        totals = [m[0] for m in measured]
        rounds_text = " ".join(f"{m[0]:.1f}{'' if m[2] else '*'}" for m in measured)
        print(f"| {name} | {statistics.median(totals):.1f} | {min(totals):.1f}–{max(totals):.1f} | "
              f"{statistics.median(m[1] for m in measured):.1f} | {rounds_text} |")
    ours = results["Vellicor"]
    for other, target in (("minicom in xterm", 1.0), ("cutecom", 2 / 3)):
        # A round counts only when both showed the end of the stream.
        ratios = [a[0] / b[0] for a, b in zip(ours, results[other]) if a[2] and b[2]]
        if not ratios:
            print(f"Vellicor / {other}: no round where both showed the end marker")
            continue
        verdict = "met" if statistics.median(ratios) <= target else "NOT met"
        print(f"Vellicor / {other}: median {statistics.median(ratios):.2f}, rounds "
              f"{min(ratios):.2f}–{max(ratios):.2f} over {len(ratios)} rounds (target ≤ {target:.2f}: {verdict})")


def main():
    binary, shim, shots = sys.argv[1], sys.argv[2], sys.argv[3]
    rounds = int(sys.argv[4]) if len(sys.argv) > 4 else 5
    seconds = float(sys.argv[5]) if len(sys.argv) > 5 else 60
    setups = sys.argv[6:] or list(SETUPS)
    os.makedirs(shots, exist_ok=True)
    for setup in setups:
        results = run_setup(setup, binary, shim, shots, rounds, seconds)
        print_table(setup, results, rounds, seconds)
        sys.stdout.flush()


if __name__ == "__main__":
    main()
