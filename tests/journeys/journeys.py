#!/usr/bin/env python3
"""Journeys: the real program under Xvfb and openbox, driven by real key
presses (xdotool), each with a profile of its own; they check what the
operator or the TNC sees: bytes at a recording TNC on Com2, windows by title,
files written. Every wait is bounded and ends as soon as the state shows.
Usage: journeys.py --vellicor PATH [-k TEXT]; exits 77 (skipped) without
Xvfb, openbox, xdotool or xprop."""

import argparse
import glob
import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import threading
import time

WAIT = 15.0  # seconds any awaited state may take
HERE = os.path.dirname(os.path.abspath(__file__))
MAIN, QUESTION, HELP, PROPERTIES = "^Vellicor - Version ", "^Vellicor$", "^Vellicor Help$", "^Properties$"
NTS, TORMEL = "^Vellicor NTS Message $", "^Vellicor TORMEL Message $"
CONNECT, TACTICAL = "^Vellicor Connect Screen$", "^Vellicor Tactical Call$"
ENDED = b"BYE NOW\r"  # what the shut-down script sends
STARTUP = ("$MODE MENU CLEAR\n$MODE MENU=&Packet\n$MODE FUNC=READY\n"
           + "".join(f"$BUTTON CAPTION=K{k}\n$BUTTON FUNCTION=K{k}\n" for k in range(5, 13)) + "$MODE DEFAULT=1\n")


class Failed(Exception):
    pass


def await_state(what, check):
    deadline = time.monotonic() + WAIT
    while not (result := check()):
        if time.monotonic() > deadline:
            raise Failed(f"waited {WAIT:.0f} s for {what}")
        time.sleep(0.05)
    return result


def run(*command, env=None):
    return subprocess.run(command, env=env, capture_output=True, text=True).stdout


class Peer:
    """The TNC on Com2: records every byte the program writes."""

    def __init__(self):
        self.server = socket.create_server(("127.0.0.1", 0))
        self.port = self.server.getsockname()[1]
        self.bytes, self.consumed, self.link = bytearray(), 0, None
        threading.Thread(target=self.serve, daemon=True).start()

    def serve(self):
        try:
            while True:
                self.link, _ = self.server.accept()
                while chunk := self.link.recv(4096):
                    self.bytes += chunk
        except OSError:
            pass

    def unread(self):
        return bytes(self.bytes[self.consumed:])


class Journey:
    """One run of the program with its own profile, TNC and files; its
    methods are the steps of the table below."""

    def __init__(self, display, vellicor, files):
        self.home, self.peer = tempfile.mkdtemp(prefix="vellicor-journey-"), Peer()
        with open(os.path.join(HERE, "../../practice/profile/VellicorConnects.txt"), encoding="cp1252") as file:
            connects = file.read()
        profile = {"data/Vellicor/VellicorStartup.txt": STARTUP, "data/Vellicor/VellicorShutdown.txt": "BYE NOW\n",
                   "data/Vellicor/VellicorConnects.txt": connects,
                   "config/Vellicor/Vellicor.ini": f"[Properties]\nCommPort=2\n[Ports]\n"
                                                   f"Com2=tcp://127.0.0.1:{self.peer.port}\n",
                   "bin/xdg-open": f"#!/bin/sh\necho \"$@\" > '{self.home}/opened'\n", **files}
        for name, text in profile.items():
            path = os.path.join(self.home, name)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w", encoding="cp1252", newline="\r\n" if name.endswith(".txt") else "\n") as file:
                file.write(text)
        os.chmod(os.path.join(self.home, "bin/xdg-open"), 0o755)
        os.mkdir(os.path.join(self.home, "runtime"), 0o700)
        self.env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", HOME=self.home,
                        XDG_RUNTIME_DIR=f"{self.home}/runtime", XDG_CONFIG_HOME=f"{self.home}/config",
                        XDG_DATA_HOME=f"{self.home}/data", VELLICOR_PRINT_DIR=f"{self.home}/prints",
                        PATH=f"{self.home}/bin{os.pathsep}{os.environ.get('PATH', '')}")
        self.log = open(os.path.join(self.home, "vellicor.out"), "w+")
        self.program = subprocess.Popen([vellicor], env=self.env, stdout=self.log, stderr=subprocess.STDOUT)

    def started(self):
        self.window(MAIN)
        self.sent(b"READY\r")

    def windows(self, title):
        return run("xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.program.pid),
                   "--name", title, env=self.env).split()

    def window(self, title):
        """A window with this title is shown and has the keyboard."""
        await_state(f"the active window '{title}'", lambda: (shown := self.windows(title)) and run(
            "xdotool", "getactivewindow", env=self.env).strip() in shown)

    def gone(self, title):
        await_state(f"'{title}' to close", lambda: not self.windows(title))

    def modal(self, title):
        """The window system knows the window as modal: the others wait for it."""
        state = run("xprop", "-id", self.windows(title)[0], "_NET_WM_STATE", env=self.env)
        if "_NET_WM_STATE_MODAL" not in state:
            raise Failed(f"'{title}' is not modal ({state.strip()})")

    def keys(self, *keys):
        run("xdotool", "key", "--delay", "40", *keys, env=self.env)

    def type(self, text):
        run("xdotool", "type", "--delay", "20", text.format(home=self.home), env=self.env)

    def click(self, title, x, y):
        run("xdotool", "mousemove", "--window", self.windows(title)[0], str(x), str(y), "click", "1", env=self.env)

    def sent(self, expected):
        """The next bytes at the TNC are exactly these."""
        await_state(f"{expected!r} at the TNC", lambda: len(self.peer.unread()) >= len(expected))
        if (got := self.peer.unread()[:len(expected)]) != expected:
            raise Failed(f"the TNC got {got!r}, not {expected!r}")
        self.peer.consumed += len(expected)

    def receive(self, data):
        self.peer.link.sendall(data)

    def holds(self, pattern, data):
        """A file of the profile matching the pattern holds these bytes."""
        def found():
            for name in glob.glob(os.path.join(self.home, pattern)):
                with open(name, "rb") as file:
                    if data in file.read():
                        return True
            return False
        await_state(f"{data!r} in {pattern}", found)

    def removed(self, name):
        os.remove(os.path.join(self.home, name))

    def signal(self, number):
        self.program.send_signal(number)

    def exits(self):
        await_state("the program to end", lambda: self.program.poll() is not None)
        if self.program.returncode != 0:
            raise Failed(f"the program ended with {self.program.returncode}")

    def close(self):
        if self.log.closed:
            return ""
        if self.program.poll() is None:
            self.program.kill()
            self.program.wait()
        self.peer.server.close()
        self.log.seek(0)
        output = self.log.read()[-2000:]
        self.log.close()
        shutil.rmtree(self.home, ignore_errors=True)
        return output


def keys(*names):
    return ("keys", *names)


# Alt+U, A switches to channel A: when its bytes come next, nothing else went out before.
NOTHING_ELSE_SENT = [keys("alt+u", "a"), ("sent", b"\x01A")]
OPEN_NTS, OPEN_TORMEL = [keys("alt+n"), ("window", NTS)], [keys("alt+t", "Return"), ("window", TORMEL)]


def fields(*values):
    """Types each value into the field that has the keyboard, then Tab."""
    return [step for value in values for step in (("type", value), keys("Tab"))]


def suspended_then_cleared(key):
    """Text that arrives while scrolling is suspended makes Clear Screen warn."""
    return [keys(key), ("receive", b"HELD\r\n"), ("holds", "data/Vellicor/logs/*.log", b"< HELD"),
            keys("alt+o", "Return"), ("window", QUESTION), keys("y"), ("window", "^Vellicor Warning$"), keys("n"),
            ("gone", "Warning"), *NOTHING_ELSE_SENT]


def message_form_journeys(name, opening, title, formatter_key, typing, file_name, saved):
    """The menus both message forms have, by their access keys."""
    def journey(what, *steps):
        return (f"{name} form: {what}", [*opening, *steps], {})
    return [
        journey("Alt+F N asks; Alt+F X hides", keys("alt+f", "n"), ("window", QUESTION), keys("n"),
                ("window", title), keys("alt+f", "x"), ("gone", title)),
        journey("the close box hides it with its text; Alt+F A saves, Alt+F S again, Alt+F O opens", *typing,
                keys("alt+F4"), ("gone", title), ("window", MAIN), *opening, keys("alt+f", "a"),
                ("window", "^Save As$"), ("type", "{home}/" + file_name), keys("Return"), ("window", title),
                ("holds", file_name, saved), ("removed", file_name), keys("alt+f", "s"), ("holds", file_name, saved),
                keys("alt+f", "o"), ("window", "^Open$"), keys("Escape"), ("window", title)),
        journey("Alt+F P prints", keys("alt+f", "p"), ("holds", "prints/*.pdf", b"%PDF")),
        journey("Alt+O options: Return and Escape close them", keys("alt+o"), ("window", "Options"),
                keys("Return"), ("window", title), keys("alt+o"), ("window", "Options"), keys("Escape"),
                ("window", title)),
        journey("Alt+S asks before sending", keys("alt+s"), ("window", QUESTION), keys("n"), ("window", title),
                keys("alt+f", "x"), ("window", MAIN), *NOTHING_ELSE_SENT),
        journey(f"Alt+H C and Alt+H {formatter_key.upper()} open the help", keys("alt+h", "c"), ("window", HELP),
                keys("alt+F4"), ("window", title), keys("alt+h", formatter_key), ("window", HELP)),
    ]


NTS_SENT = (b"\x03CONV\rST 80302 @NTSCO\rQTC 1 BOULDER, CO\r005 Q ZZ W1AW 2 DENVER 1430Z 12/05/2026\r\r"
            b"JOHN DOE\r12 MAIN ST\rBOULDER, CO, 80302\r(303) 555-1212  BT\r\rARRIVED SAFE\r\n  BT\r\rMARY\r\x1a\r")
TORMEL_SENT = (b"\x03CONV\rS EOC\rP, Shelter status\r12/05/2026    14:05\r\rTO:   (EOC) Net control\r"
               b"FROM: (SHELTER1) Red Cross\r\rNeed cots\r\n\rEND MSG SENT 14:20    BY N1CALL\r\x1a\r")
# The practice board's answers to "R 1" and "R 2", its prompt after them.
BOARD_NTS = (b"Msg #1  Type: T  Status: N  Size: 135\r\nTitle: QTC 1 BOULDER, CO\r\n\r\n"
             b"12 R  W1AW 4 DENVER CO 1430Z 12/05/2026\r\n\r\nJOHN DOE\r\n12 MAIN ST\r\nBOULDER, CO, 80302\r\n"
             b"(303) 555-1212  BT\r\n\r\nARRIVED SAFE LOVE BOB\r\n  BT\r\n\r\nMARY\r\n[End of message #1]\r\nN0BBS>")
BOARD_ARES = (b"Msg #2  Type: P  Status: N  Size: 131\r\nTitle: R, Shelter status\r\n\r\n12/05/2026    14:05\r\n\r\n"
              b"TO:   (EOC) Net control\r\nFROM: (SHELTER1) Red Cross\r\n\r\nAll quiet.\r\n\r\n"
              b"END MSG SENT 14:20    BY N0CALL\r\n[End of message #2]\r\nN0BBS>")
SEND_WITH_YES = [keys("alt+s"), ("window", QUESTION), keys("y")]
OPEN_TACTICAL = [keys("alt+t", "alt+t", "Return"), ("window", TACTICAL)]
CUSTOM_SCRIPT = [keys("alt+o", "i", "s"), ("window", "^Custom Script$")]

# One table: each journey's name, its steps, and the profile files it adds.
JOURNEYS = [
    ("a typed line goes to the TNC on Return", [("type", "mycall n0call"), keys("Return"),
        ("sent", b"mycall n0call\r")], {}),
    ("Ctrl+F goes to the TNC, Ctrl+Shift+F opens Find", [keys("ctrl+f"), ("sent", b"\x06"), keys("ctrl+shift+f"),
        ("type", "zz"), keys("Return"), *NOTHING_ELSE_SENT], {}),
    ("Alt+T, Escape and arrows belong to the menu bar; F1 helps", [keys("alt+t", "Escape"), ("type", "Q"),
        keys("Return"), ("sent", b"Q\r"), keys("alt+t", "F1"), ("window", HELP), keys("alt+F4"), ("window", MAIN),
        keys("alt+t", "Right", "Return"), ("window", NTS)], {}),
    ("Alt+C opens the connect list; Return connects", [keys("alt+c"), ("window", CONNECT), keys("Return"),
        ("gone", CONNECT), ("sent", b"\x03C N0BBS\r")], {}),
    ("connect list: keypad Enter connects to a typed station", [keys("alt+c"), ("window", CONNECT),
        ("type", "w1aw"), keys("KP_Enter"), ("sent", b"\x03C W1AW\r")], {}),
    ("connect list: Escape cancels", [keys("alt+c"), ("window", CONNECT), keys("Escape"), ("gone", CONNECT),
        *NOTHING_ELSE_SENT], {}),
    ("tactical call: modal; Return sets, the box keeps it, Escape cancels", [*OPEN_TACTICAL, ("modal", TACTICAL),
        ("type", "shelter1"), keys("Return"), ("gone", TACTICAL), ("sent", b"SET/ALIAS SHELTER1\rSWITCH\r"),
        *OPEN_TACTICAL, keys("Escape"), ("gone", TACTICAL), *NOTHING_ELSE_SENT, *OPEN_TACTICAL, keys("Return"),
        ("sent", b"SET/ALIAS SHELTER1\rSWITCH\r"), *OPEN_TACTICAL, keys("ctrl+a", "BackSpace", "Return"),
        ("sent", b"SWITCH\rSET/NOALIAS\r")], {}),
    ("Alt+U with a letter switches channel", [keys(*[k for c in "abcdefghij" for k in ("alt+u", c)]),
        ("sent", b"".join(b"\x01" + c.encode() for c in "ABCDEFGHIJ"))], {}),
    ("F3 to F12 press the buttons", [keys("F3"), ("sent", b"\x03"), keys("F4"), ("sent", b"\x03CONV\r"),
        keys(*[f"F{k}" for k in range(5, 13)]), ("sent", b"".join(b"K%d\r" % k for k in range(5, 13)))], {}),
    ("keys typed into the receive pane go to the send box", [("click", MAIN, 300, 200), ("type", "abc"),
        keys("F5", "Return"), ("sent", b"K5\rabc\r")], {}),
    ("PageUp suspends scrolling", suspended_then_cleared("Prior"), {}),
    ("Up suspends scrolling", suspended_then_cleared("Up"), {}),
    ("Alt+F A activates scrolling again", [keys("Prior"), ("receive", b"HELD\r\n"),
        ("holds", "data/Vellicor/logs/*.log", b"< HELD"), keys("alt+f", "a", "alt+o", "Return"),
        ("window", QUESTION), keys("y"), ("gone", QUESTION), *NOTHING_ELSE_SENT], {}),
    ("Alt+F R and Alt+F M open the board's answer in the forms", [("type", "r 1"), keys("Return"),
        ("sent", b"r 1\r"), ("receive", BOARD_NTS),
        keys("alt+f", "r"), ("window", NTS), keys("alt+f", "x"), ("window", MAIN), ("type", "r 2"),
        keys("Return"), ("sent", b"r 2\r"),
        ("receive", BOARD_ARES),
        keys("alt+f", "m"), ("window", TORMEL), keys("alt+f", "x"), ("window", MAIN), *NOTHING_ELSE_SENT], {}),
    ("Alt+F E opens the clipboard editor", [keys("alt+f", "e"), ("window", "^Vellicor Clipboard$")], {}),
    ("Alt+F P prints the selected text", [keys("alt+f", "p"), ("holds", "prints/*.pdf", b"%PDF")], {}),
    ("Alt+F F opens Find", [keys("alt+f", "f"), ("type", "zz"), keys("Return"), *NOTHING_ELSE_SENT], {}),
    ("Alt+F L shows the log folder", [keys("alt+f", "l"), ("holds", "opened", b"/Vellicor/logs")], {}),
    ("Alt+F X: No keeps the program, Yes ends it", [keys("alt+f", "x"), ("window", QUESTION), keys("n"),
        ("window", MAIN), *NOTHING_ELSE_SENT, keys("alt+f", "x"), ("window", QUESTION), keys("y"),
        ("sent", ENDED), ("exits",)], {}),
    ("close box: Escape answers No, Return answers Yes", [keys("alt+F4"), ("window", QUESTION), keys("Escape"),
        ("window", MAIN), *NOTHING_ELSE_SENT, keys("alt+F4"), ("window", QUESTION), keys("Return"),
        ("sent", ENDED), ("exits",)], {}),
    ("Alt+O, Enter asks to clear the screen", [keys("alt+o", "Return"), ("window", QUESTION), keys("Escape"),
        ("window", MAIN)], {}),
    ("Alt+O C opens Communications; Escape cancels", [keys("alt+o", "c"), ("window", PROPERTIES),
        keys("Escape"), ("gone", PROPERTIES)], {}),
    ("Alt+O P opens Preferences; Return keeps them", [keys("alt+o", "p"), ("window", PROPERTIES), keys("Return"),
        ("gone", PROPERTIES), ("holds", "config/Vellicor/Vellicor.ini", b"Echo=")], {}),
    ("Alt+O I U runs the start-up script", [keys("alt+o", "i", "u"), ("sent", b"READY\r")], {}),
    ("Alt+O I D runs the shut-down script", [keys("alt+o", "i", "d"), ("sent", ENDED)], {}),
    ("Alt+O I S runs a custom script", [*CUSTOM_SCRIPT, ("type", "{home}/Custom.txt"), keys("Return"),
        ("sent", b"CUSTOM\r")], {"Custom.txt": "CUSTOM\n"}),
    ("Alt+O A sends autobaud characters", [keys("alt+o", "a"), ("sent", b"*")], {}),
    ("Alt+O L stops the session log", [keys("alt+o", "l"),
        ("holds", "config/Vellicor/Vellicor.ini", b"SessionLog=False")], {}),
    ("Alt+M with a letter chooses a mode", [keys("alt+m", "p"), ("sent", b"READY\r")], {}),
    ("a Mode menu cleared by a script loses its items at once", [*CUSTOM_SCRIPT, ("type", "{home}/Modes.txt"),
        keys("Return"), ("sent", b"CLEARED\r"), keys("alt+m", "p", "Escape", "alt+m", "b"), ("sent", b"BETA\r"),
        *NOTHING_ELSE_SENT], {"Modes.txt": "$MODE MENU CLEAR\n$MODE MENU=&Beta\n$MODE FUNC=BETA\nCLEARED\n"
                                           + "#\n" * 40}),
    ("Alt+H C and Alt+H M open the help", [keys("alt+h", "c"), ("window", HELP), keys("alt+F4"), ("gone", HELP),
        ("window", MAIN), keys("alt+h", "m"), ("window", HELP)], {}),
    ("Alt+H A opens About; Return and Escape close it", [keys("alt+h", "a"), ("window", "^About Vellicor"),
        keys("Return"), ("gone", "^About Vellicor"), keys("alt+h", "a"), ("window", "^About Vellicor"),
        keys("Escape"), ("gone", "^About Vellicor")], {}),
    ("SIGTERM ends with the shut-down script and no question", [("signal", signal.SIGTERM), ("sent", ENDED),
        ("exits",), ("holds", "data/Vellicor/logs/*.log", b"> BYE NOW")], {}),
    ("SIGHUP ends with the shut-down script, also with a form open", [*OPEN_NTS, ("signal", signal.SIGHUP),
        ("sent", ENDED), ("exits",)], {}),
    ("SIGINT ends with the shut-down script, also while the exit question waits", [keys("alt+f", "x"),
        ("window", QUESTION), ("signal", signal.SIGINT), ("sent", ENDED), ("exits",)], {}),
    ("NTS form: Tab goes through the fields in order", [*OPEN_NTS, *fields(
        "5", "Q", "ZZ", "W1AW", "2", "DENVER", "1430Z", "12/05/2026", "JOHN DOE", "12 MAIN ST", "BOULDER", "CO",
        "80302", "3035551212", "ARRIVED SAFE", "MARY"), *SEND_WITH_YES, ("sent", NTS_SENT), ("window", QUESTION),
        keys("Return"), ("gone", NTS)], {}),
    ("TORMEL form: Tab goes through the fields in order", [*OPEN_TORMEL, keys("BackSpace"), *fields(
        "P", "Shelter status", "12/05/2026", "14:05", "EOC", "Net control", "SHELTER1", "Red Cross", "Need cots",
        "14:20", "N1CALL"), *SEND_WITH_YES, ("sent", TORMEL_SENT), ("window", QUESTION), keys("Return"),
        ("gone", TORMEL)], {}),
    ("TORMEL form: Ctrl+P prints", [*OPEN_TORMEL, keys("ctrl+p"), ("holds", "prints/*.pdf", b"%PDF")], {}),
    *message_form_journeys("NTS", OPEN_NTS, NTS, "n", [("type", "7")], "NTS7.txt", b"007\r\n"),
    *message_form_journeys("TORMEL", OPEN_TORMEL, TORMEL, "t", [keys("BackSpace"), ("type", "E")],
                           "TORMELM1.txt", b"E, \r\n"),
]


def start_display(home):
    """Xvfb on a free display, with openbox managing its windows."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                               "-nolisten", "tcp"], pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        display = ":" + pipe.readline().strip()
    env = dict(os.environ, DISPLAY=display, HOME=home)
    manager = subprocess.Popen(["openbox", "--sm-disable"], env=env, stderr=subprocess.DEVNULL)
    await_state("openbox", lambda: "window id" in run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK", env=env))
    return display, [manager, server]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--vellicor", required=True)
    parser.add_argument("-k", default="")
    arguments = parser.parse_args()
    if missing := [tool for tool in ("Xvfb", "openbox", "xdotool", "xprop") if not shutil.which(tool)]:
        print(f"SKIPPED: the journeys need {', '.join(missing)} (tools/install-deps.sh --for-tests installs them)")
        return 77
    home = tempfile.mkdtemp(prefix="vellicor-journeys-")
    display, servers = start_display(home)
    failures = 0
    try:
        for name, steps, files in JOURNEYS:
            if arguments.k.lower() not in name.lower():
                continue
            began, journey = time.monotonic(), Journey(display, arguments.vellicor, files)
            try:
                for step, *values in [("started",), *steps]:
                    getattr(journey, step)(*values)
                print(f"ok    {time.monotonic() - began:4.1f} s  {name}", flush=True)
            except Failed as failure:
                failures += 1
                print(f"FAIL  {name}: {failure}\n      the TNC got {journey.peer.unread()!r}", flush=True)
                print(journey.close(), flush=True)
            finally:
                journey.close()
    finally:
        for process in servers:
            process.terminate()
            process.wait()
        shutil.rmtree(home, ignore_errors=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
