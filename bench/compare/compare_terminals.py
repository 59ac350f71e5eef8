#!/usr/bin/env python3
"""Side by side at a sustained 115200 baud, under Xvfb.

The same stream of packet text (115 bytes every 10 ms) is written into a
pseudo-terminal for each receiver in turn, rounds interleaved: Vellicor,
cutecom, and minicom in xterm, on an X server with a small window manager. For each, the CPU used by the receiver's
processes plus the X server's during the stream is measured as percent of
one core; the table gives the medians of the rounds.

    bench/compare/compare_terminals.py VELLICOR_BINARY SHIM.so [ROUNDS] [SECONDS]
"""
import os
import pty
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import termios
import time
import tty

TICKS = os.sysconf("SC_CLK_TCK")
LINES = [
    b"N0CALL-7>APRS,WIDE2-1:!3945.12N/10459.34W-Shelter 12 open, 40 cots, water for two days",
    b"W1AW>ID:W1AW/R RELAY/D W1AW-1/B",
    b"[KB0XYZ BBS] Welcome to the county ARES packet BBS. Type H for help.",
    b"1042 PN    412 N0CALL KB0XYZ 1205   Shelter status report, Red Cross",
]


def stream(size):
    out = bytearray()
    n = 0
    while len(out) < size:
        n += 1
        out += LINES[n % len(LINES)] + b" #" + str(n).encode() + b"\r\n"
    return bytes(out[:size])


def cpu_ticks(pid):
    try:
        with open(f"/proc/{pid}/stat") as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return int(fields[11]) + int(fields[12])
    except OSError:
        return 0


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
    subprocess.run(["xdotool", "mousemove", "50", "43", "click", "1"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def minicom_command(device, home):
    return ["xterm", "-e", "minicom", "-o", "-b", "115200", "-D", device], {"HOME": home}


def measure(command, extra_env, shim, device, master, data, seconds, xserver):
    env = dict(os.environ, LD_PRELOAD=shim, **extra_env)
    process = subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
    time.sleep(4)  # started, port open, window shown
    if command[0] == "cutecom":
        press_cutecom_open()
        time.sleep(1)
    while True:  # drop whatever the receiver wrote at start
        try:
            if not os.read(master, 65536):
                break
        except BlockingIOError:
            break
    pids = tree(process.pid)
    if not any(opened(p, device) for p in pids):
        print(f"{command[0]} did not open {device}", file=sys.stderr)
    before = sum(cpu_ticks(p) for p in pids) + cpu_ticks(xserver)
    start = time.monotonic()
    next_write = start
    at = 0
    dropped = [0]
    while time.monotonic() - start < seconds:
        try:
            os.write(master, data[at:at + 115])
        except BlockingIOError:
            dropped[0] += 1  # the receiver is not reading
        at = (at + 115) % (len(data) - 115)
        next_write += 0.010
        time.sleep(max(0.0, next_write - time.monotonic()))
        try:
            os.read(master, 65536)
        except BlockingIOError:
            pass
    elapsed = time.monotonic() - start
    if dropped[0]:
        print(f"{command[0]}: {dropped[0]} writes found the pseudo-terminal full", file=sys.stderr)
    pids = tree(process.pid)
    after = sum(cpu_ticks(p) for p in pids) + cpu_ticks(xserver)
    os.killpg(process.pid, signal.SIGTERM)
    try:
        process.wait(5)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()
    return 100.0 * (after - before) / TICKS / elapsed


def main():
    binary, shim = sys.argv[1], sys.argv[2]
    rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 5
    seconds = float(sys.argv[4]) if len(sys.argv) > 4 else 60
    display = ":57"
    xserver = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.environ["DISPLAY"] = display
    os.environ["QT_QPA_PLATFORM"] = "xcb"
    time.sleep(2)
    # A window manager, as on a desktop: Vellicor opens its port when its window is activated.
    manager = subprocess.Popen(["matchbox-window-manager", "-use_titlebar", "no"],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    master, slave = pty.openpty()
    tty.setraw(slave)
    os.set_blocking(master, False)
    device = os.ttyname(slave)
    data = stream(200000)
    home = tempfile.mkdtemp(prefix="compare-")
    receivers = {
        "Vellicor": lambda: vellicor_command(binary, device, home),
        "cutecom": lambda: cutecom_command(device, home),
        "minicom in xterm": lambda: minicom_command(device, home),
    }
    results = {name: [] for name in receivers}
    try:
        for _ in range(rounds):
            for name, build in receivers.items():
                command, env = build()
                results[name].append(measure(command, env, shim, device, master, data, seconds, xserver.pid))
    finally:
        manager.terminate()
        xserver.terminate()
        shutil.rmtree(home, ignore_errors=True)
    print(f"\n115200 baud over a pseudo-terminal under Xvfb, {rounds} rounds of {seconds:.0f} s, "
          "program plus X server (% of one core)")
    print("| receiver | median | rounds |")
    print("| --- | --- | --- |")
    for name, values in results.items():
        rounds_text = " ".join(f"{v:.1f}" for v in values)
        print(f"| {name} | {statistics.median(values):.1f} % | {rounds_text} |")


if __name__ == "__main__":
    main()
