#!/usr/bin/env python3
"""Journeys: the real vellicor program driven the way an operator drives it.

Each journey starts build/src/app/vellicor with a profile of its own under a
private X server (Xvfb) with a window manager (openbox), presses real keys
with xdotool, and watches what a person or the TNC would see: the bytes that
reach the TNC (a recording TCP peer on Com2), the windows that open (by
title), and files on disk.

    journeys.py --vellicor PATH [-k TEXT]    (-k runs the journeys whose name has TEXT)

Exits 77 (skipped) when Xvfb, openbox, xdotool or xprop is missing.
"""

import argparse
import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import threading
import time

WAIT = 15.0  # the longest any awaited state may take
MAIN = "^Vellicor - Version "
QUESTION = "^Vellicor$"
NTS, TORMEL = "^Vellicor NTS Message $", "^Vellicor TORMEL Message $"
CONNECT, TACTICAL = "^Vellicor Connect Screen$", "^Vellicor Tactical Call$"
PROPERTIES, HELP = "^Properties$", "^Vellicor Help$"
ENDED = b"BYE NOW\r"  # what the shut-down script sends
CHANNEL_A = b"\x01A"  # Alt+U, A: nothing may have gone out before it

STARTUP = """$MODE MENU CLEAR
$MODE MENU=&Packet
$MODE FUNC=READY
""" + "".join(f"$BUTTON CAPTION=K{k}\n$BUTTON FUNCTION=K{k}\n" for k in range(5, 13)) + "$MODE DEFAULT=1\n"


class Failed(Exception):
    pass


def await_state(what, check, timeout=WAIT):
    deadline = time.monotonic() + timeout
    while True:
        result = check()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failed(f"waited {timeout:.0f} s for {what}")
        time.sleep(0.05)


def run(*command, env=None):
    return subprocess.run(command, env=env, capture_output=True, text=True).stdout


class Peer:
    """The TNC on Com2: records every byte the program writes."""

    def __init__(self):
        self.server = socket.create_server(("127.0.0.1", 0))
        self.port = self.server.getsockname()[1]
        self.bytes, self.consumed, self.link = bytearray(), 0, None
        threading.Thread(target=self._serve, daemon=True).start()

    def _serve(self):
        try:
            while True:
                self.link, _ = self.server.accept()
                while chunk := self.link.recv(4096):
                    self.bytes += chunk
        except OSError:
            pass

    def unread(self):
        return bytes(self.bytes[self.consumed:])

    def close(self):
        for end in (self.link, self.server):
            if end:
                end.close()


class Journey:
    """One run of the program with its own profile, peer and files."""

    def __init__(self, display, vellicor, files):
        self.home = tempfile.mkdtemp(prefix="vellicor-journey-")
        self.peer = Peer()
        self.data = os.path.join(self.home, "data", "Vellicor")
        self.ini = os.path.join(self.home, "config", "Vellicor", "Vellicor.ini")
        self.prints = os.path.join(self.home, "prints")
        self.opened = os.path.join(self.home, "opened")
        profile = {"VellicorStartup.txt": STARTUP, "VellicorShutdown.txt": "BYE NOW\n",
                   "VellicorConnects.txt": "N0BBS;practice board\nN0NET\n",
                   "../../config/Vellicor/Vellicor.ini":
                       f"[Properties]\nCommPort=2\n[Ports]\nCom2=tcp://127.0.0.1:{self.peer.port}\n",
                   "../../bin/xdg-open": f"#!/bin/sh\necho \"$@\" > '{self.opened}'\n"}
        profile.update(files)
        for name, text in profile.items():
            self.write(name, text)
        os.chmod(os.path.join(self.home, "bin", "xdg-open"), 0o755)
        runtime = os.path.join(self.home, "runtime")
        os.mkdir(runtime, 0o700)
        self.env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", HOME=self.home, XDG_RUNTIME_DIR=runtime,
                        XDG_CONFIG_HOME=os.path.join(self.home, "config"),
                        XDG_DATA_HOME=os.path.join(self.home, "data"), VELLICOR_PRINT_DIR=self.prints,
                        PATH=os.path.join(self.home, "bin") + os.pathsep + os.environ.get("PATH", ""))
        self.log = open(os.path.join(self.home, "vellicor.out"), "w+")
        self.program = subprocess.Popen([vellicor], env=self.env, stdout=self.log, stderr=subprocess.STDOUT)
        self.window(MAIN)
        self.sent(b"READY\r")

    def write(self, name, text):
        path = os.path.normpath(os.path.join(self.data, name))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="cp1252", newline="\r\n" if name.endswith(".txt") else "\n") as file:
            file.write(text)

    def windows(self, title):
        found = run("xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.program.pid),
                    "--name", title, env=self.env)
        return found.split()

    def window(self, title):
        """Waits until a window with this title is shown and has the keyboard."""
        def active():
            shown = self.windows(title)
            return shown and run("xdotool", "getactivewindow", env=self.env).strip() in shown
        await_state(f"the active window '{title}'", active)

    def modal(self, title):
        """The window system was told the window is modal: the others wait for it."""
        state = run("xprop", "-id", self.windows(title)[0], "_NET_WM_STATE", env=self.env)
        if "_NET_WM_STATE_MODAL" not in state:
            raise Failed(f"'{title}' is not modal ({state.strip()})")

    def gone(self, title):
        await_state(f"'{title}' to close", lambda: not self.windows(title))

    def keys(self, *keys):
        run("xdotool", "key", "--delay", "40", *keys, env=self.env)

    def type(self, text):
        run("xdotool", "type", "--delay", "20", text, env=self.env)

    def sent(self, expected):
        """The next bytes at the TNC are exactly these."""
        await_state(f"{expected!r} at the TNC", lambda: len(self.peer.unread()) >= len(expected))
        got = self.peer.unread()[:len(expected)]
        if got != expected:
            raise Failed(f"the TNC got {got!r}, not {expected!r}")
        self.peer.consumed += len(expected)

    def file(self, path, check, what):
        def holds():
            try:
                with open(path, "rb") as file:
                    return check(file.read())
            except OSError:
                return False
        await_state(what, holds)

    def exits(self):
        await_state("the program to end", lambda: self.program.poll() is not None)
        if self.program.returncode != 0:
            raise Failed(f"the program ended with {self.program.returncode}")

    def close(self):
        if self.program.poll() is None:
            self.program.kill()
            self.program.wait()
        self.peer.close()
        self.log.close()
        shutil.rmtree(self.home, ignore_errors=True)

    def output(self):
        self.log.seek(0)
        return self.log.read()[-2000:]


# The steps a journey is made of; each runs against a Journey.
def keys(*names): return lambda j: j.keys(*names)
def type_(text): return lambda j: j.type(text.format(home=j.home))
def window(title): return lambda j: j.window(title)
def gone(title): return lambda j: j.gone(title)
def sent(data): return lambda j: j.sent(data)
def receive(data): return lambda j: j.peer.link.sendall(data)
def kill(number): return lambda j: j.program.send_signal(number)
def exits(): return lambda j: j.exits()
def nothing_else_sent(): return [keys("alt+u", "a"), sent(CHANNEL_A)]
def modal(title): return lambda j: j.modal(title)
def removed(name): return lambda j: os.remove(os.path.join(j.home, name))


def click_receive_pane():
    def click(j):
        main = j.windows(MAIN)[0]
        run("xdotool", "mousemove", "--window", main, "300", "200", "click", "1", env=j.env)
    return click


def logged(text):
    """The session log holds this text (so the program has handled it)."""
    def check(j):
        folder = os.path.join(j.data, "logs")
        def holds():
            return any(text in open(os.path.join(folder, name), encoding="utf-8").read()
                       for name in os.listdir(folder)) if os.path.isdir(folder) else False
        await_state(f"'{text}' in the session log", holds)
    return check


def file_holds(relative, text):
    wanted = text.encode("cp1252") if isinstance(text, str) else text
    return lambda j: j.file(os.path.join(j.home, relative), lambda content: wanted in content,
                            f"{text!r} in {relative}")


def printed():
    def check(j):
        await_state("a printout", lambda: os.path.isdir(j.prints) and os.listdir(j.prints))
    return check


def ini_holds(line):
    return lambda j: j.file(j.ini, lambda content: line.encode() in content, f"'{line}' in Vellicor.ini")


def fields(*values):
    """Types each value into the focused field, then Tab to the next one."""
    steps = []
    for value in values:
        steps += [type_(value), keys("Tab")]
    return steps


def save_as(title, name):
    return [keys("alt+f", "a"), window("^Save As$"), type_("{home}/" + name), keys("Return"), window(title)]


NTS_FIELDS = fields("5", "Q", "ZZ", "W1AW", "2", "DENVER", "1430Z", "12/05/2026", "JOHN DOE", "12 MAIN ST",
                    "BOULDER", "CO", "80302", "3035551212", "ARRIVED SAFE", "MARY")
NTS_SENT = (b"\x03CONV\rST 80302 @NTSCO\rQTC 1 BOULDER, CO\r005 Q ZZ W1AW 2 DENVER 1430Z 12/05/2026\r\r"
            b"JOHN DOE\r12 MAIN ST\rBOULDER, CO, 80302\r(303) 555-1212  BT\r\rARRIVED SAFE\r\n  BT\r\rMARY\r\x1a\r")
TORMEL_FIELDS = [keys("BackSpace")] + fields("P", "Shelter status", "12/05/2026", "14:05", "EOC", "Net control",
                                             "SHELTER1", "Red Cross", "Need cots", "14:20", "N1CALL")
TORMEL_SENT = (b"\x03CONV\rS EOC\rP, Shelter status\r12/05/2026    14:05\r\rTO:   (EOC) Net control\r"
               b"FROM: (SHELTER1) Red Cross\r\rNeed cots\r\n\rEND MSG SENT 14:20    BY N1CALL\r\x1a\r")
SEND_NOTE = [window(QUESTION), keys("Return")]


def in_form(opening, title, *steps):
    """Opens a message form from the main window's menu bar, then the steps."""
    return [keys(*opening), window(title), *steps]


OPEN_NTS, OPEN_TORMEL = ("alt+n",), ("alt+t", "Return")


def message_form_journeys(name, opening, title, formatter_key, typing, file_name, saved):
    """The menus both message forms share, by their access keys."""
    def journey(what, *steps):
        return (f"{name} form: {what}", in_form(opening, title, *steps), {})
    return [
        journey("Alt+F N asks; Alt+F X hides", keys("alt+f", "n"), window(QUESTION), keys("n"), window(title),
                keys("alt+f", "x"), gone(title)),
        journey("Alt+F A saves, Alt+F S saves again, Alt+F O opens", *typing, *save_as(title, file_name),
                file_holds(file_name, saved), removed(file_name), keys("alt+f", "s"), file_holds(file_name, saved),
                keys("alt+f", "o"), window("^Open$"), keys("Escape"), window(title)),
        journey("Alt+F P prints", keys("alt+f", "p"), printed()),
        journey("Alt+O options: Return and Escape close them", keys("alt+o"), window("Options"), keys("Return"),
                window(title), keys("alt+o"), window("Options"), keys("Escape"), window(title)),
        journey("Alt+S asks before sending", keys("alt+s"), window(QUESTION), keys("n"), window(title),
                keys("alt+f", "x"), window(MAIN), *nothing_else_sent()),
        journey(f"Alt+H C and Alt+H {formatter_key.upper()} open the help", keys("alt+h", "c"), window(HELP),
                keys("alt+F4"), window(title), keys("alt+h", formatter_key), window(HELP)),
    ]


def suspended_then_cleared(*suspend):
    """Data arriving while scrolling is suspended makes Clear Screen warn."""
    return [*suspend, receive(b"HELD\r\n"), logged("HELD"), keys("alt+o", "Return"), window(QUESTION),
            keys("y"), window("^Vellicor Warning$"), keys("n"), gone("Warning"), *nothing_else_sent()]


# One table: a name, the steps, and the profile files that differ from the default.
JOURNEYS = [
    ("a typed line goes to the TNC on Return", [type_("mycall n0call"), keys("Return"),
        sent(b"mycall n0call\r")], {}),
    ("Ctrl+F goes to the TNC, Ctrl+Shift+F opens Find", [keys("ctrl+f"), sent(b"\x06"), keys("ctrl+shift+f"),
        type_("zz"), keys("Return"), *nothing_else_sent()], {}),
    ("Alt+T, Enter opens the TORMEL form", [keys("alt+t", "Return"), window(TORMEL), keys("alt+f", "x"),
        window(MAIN), *nothing_else_sent()], {}),
    ("Alt+T, Alt+T, Enter opens Tactical Call", [keys("alt+t", "alt+t", "Return"), window(TACTICAL)], {}),
    ("Alt+T, Escape and arrows belong to the menu bar", [keys("alt+t", "Escape"), type_("Q"), keys("Return"),
        sent(b"Q\r"), keys("alt+t", "Right", "Return"), window(NTS)], {}),
    ("Alt+N opens the NTS form", [keys("alt+n"), window(NTS)], {}),
    ("Alt+C opens the connect list; Return connects", [keys("alt+c"), window(CONNECT), keys("Return"),
        gone(CONNECT), sent(b"\x03C N0BBS\r")], {}),
    ("connect list: keypad Enter connects to a typed station", [keys("alt+c"), window(CONNECT), type_("w1aw"),
        keys("KP_Enter"), sent(b"\x03C W1AW\r")], {}),
    ("connect list: Escape cancels", [keys("alt+c"), window(CONNECT), keys("Escape"), gone(CONNECT),
        *nothing_else_sent()], {}),
    ("tactical call: modal; Return sets, the box keeps it, Escape cancels", [keys("alt+t", "alt+t", "Return"),
        window(TACTICAL), modal(TACTICAL), type_("shelter1"), keys("Return"), gone(TACTICAL),
        sent(b"SET/ALIAS SHELTER1\rSWITCH\r"), keys("alt+t", "alt+t", "Return"), window(TACTICAL),
        keys("Escape"), gone(TACTICAL), *nothing_else_sent(), keys("alt+t", "alt+t", "Return"), window(TACTICAL),
        keys("Return"), sent(b"SET/ALIAS SHELTER1\rSWITCH\r"), keys("alt+t", "alt+t", "Return"),
        window(TACTICAL), keys("ctrl+a", "BackSpace", "Return"), sent(b"SWITCH\rSET/NOALIAS\r")], {}),
    ("Alt+U with a letter switches channel", [keys(*[k for c in "abcdefghij" for k in ("alt+u", c)]),
        sent(b"".join(b"\x01" + c.encode() for c in "ABCDEFGHIJ"))], {}),
    ("F3 to F12 press the buttons", [keys("F3"), sent(b"\x03"), keys("F4"), sent(b"\x03CONV\r"),
        keys(*[f"F{k}" for k in range(5, 13)]), sent(b"".join(b"K%d\r" % k for k in range(5, 13)))], {}),
    ("keys typed into the receive pane go to the send box", [click_receive_pane(), type_("abc"),
        keys("F5", "Return"), sent(b"K5\rabc\r")], {}),
    ("PageUp suspends scrolling", suspended_then_cleared(keys("Prior")), {}),
    ("Up suspends scrolling", suspended_then_cleared(keys("Up")), {}),
    ("Alt+F A activates scrolling again", [keys("Prior"), receive(b"HELD\r\n"), logged("HELD"),
        keys("alt+f", "a", "alt+o", "Return"), window(QUESTION), keys("y"), gone(QUESTION),
        *nothing_else_sent()], {}),
    ("Alt+F E opens the clipboard editor", [keys("alt+f", "e"), window("^Vellicor Clipboard$")], {}),
    ("Alt+F P prints the selected text", [keys("alt+f", "p"), printed()], {}),
    ("Alt+F F opens Find", [keys("alt+f", "f"), type_("zz"), keys("Return"), *nothing_else_sent()], {}),
    ("Alt+F L shows the log folder", [keys("alt+f", "l"), file_holds("opened", "/Vellicor/logs")], {}),
    ("Alt+F X: No keeps the program, Yes ends it", [keys("alt+f", "x"), window(QUESTION), keys("n"),
        window(MAIN), *nothing_else_sent(), keys("alt+f", "x"), window(QUESTION), keys("y"), sent(ENDED),
        exits()], {}),
    ("close box: Escape answers No, Return answers Yes", [keys("alt+F4"), window(QUESTION), keys("Escape"),
        window(MAIN), *nothing_else_sent(), keys("alt+F4"), window(QUESTION), keys("Return"), sent(ENDED),
        exits()], {}),
    ("Alt+O, Enter asks to clear the screen", [keys("alt+o", "Return"), window(QUESTION), keys("Escape"),
        window(MAIN)], {}),
    ("Alt+O C opens Communications; Escape cancels", [keys("alt+o", "c"), window(PROPERTIES), keys("Escape"),
        gone(PROPERTIES)], {}),
    ("Alt+O P opens Preferences; Return keeps them", [keys("alt+o", "p"), window(PROPERTIES), keys("Return"),
        gone(PROPERTIES), ini_holds("Echo=")], {}),
    ("Alt+O I U runs the start-up script", [keys("alt+o", "i", "u"), sent(b"READY\r")], {}),
    ("Alt+O I D runs the shut-down script", [keys("alt+o", "i", "d"), sent(ENDED)], {}),
    ("Alt+O I S runs a custom script", [keys("alt+o", "i", "s"), window("^Custom Script$"),
        type_("{home}/data/Vellicor/Custom.txt"), keys("Return"), sent(b"CUSTOM\r")], {"Custom.txt": "CUSTOM\n"}),
    ("Alt+O A sends autobaud characters", [keys("alt+o", "a"), sent(b"*")], {}),
    ("Alt+O L stops the session log", [keys("alt+o", "l"), ini_holds("SessionLog=False")], {}),
    ("Alt+M with a letter chooses a mode", [keys("alt+m", "p"), sent(b"READY\r")], {}),
    ("a Mode menu cleared by a script loses its items at once", [keys("alt+o", "i", "s"),
        window("^Custom Script$"), type_("{home}/data/Vellicor/Modes.txt"), keys("Return"), sent(b"CLEARED\r"),
        keys("alt+m", "p", "Escape", "alt+m", "b"), sent(b"BETA\r"), *nothing_else_sent()],
        {"Modes.txt": "$MODE MENU CLEAR\n$MODE MENU=&Beta\n$MODE FUNC=BETA\nCLEARED\n" + "#\n" * 40}),
    ("Alt+H C and Alt+H M open the help", [keys("alt+h", "c"), window(HELP), keys("alt+F4"), gone(HELP),
        window(MAIN), keys("alt+h", "m"), window(HELP)], {}),
    ("Alt+H A opens About; Return and Escape close it", [keys("alt+h", "a"), window("^About Vellicor"),
        keys("Return"), gone("^About Vellicor"), keys("alt+h", "a"), window("^About Vellicor"),
        keys("Escape"), gone("^About Vellicor")], {}),
    ("SIGTERM ends with the shut-down script and no question", [kill(signal.SIGTERM), sent(ENDED), exits(),
        logged("> BYE NOW")], {}),
    ("SIGHUP ends with the shut-down script, also with a form open", [keys("alt+n"), window(NTS),
        kill(signal.SIGHUP), sent(ENDED), exits()], {}),
    ("SIGINT ends with the shut-down script, also while the exit question waits", [keys("alt+f", "x"),
        window(QUESTION), kill(signal.SIGINT), sent(ENDED), exits()], {}),
    ("NTS form: Tab goes through the fields in order", [*in_form(OPEN_NTS, NTS), *NTS_FIELDS, keys("alt+s"),
        window(QUESTION), keys("y"), sent(NTS_SENT), *SEND_NOTE, gone(NTS)], {}),
    ("TORMEL form: Tab goes through the fields in order", [*in_form(OPEN_TORMEL, TORMEL), *TORMEL_FIELDS,
        keys("alt+s"), window(QUESTION), keys("y"), sent(TORMEL_SENT), *SEND_NOTE, gone(TORMEL)], {}),
    ("TORMEL form: Ctrl+P prints", in_form(OPEN_TORMEL, TORMEL, keys("ctrl+p"), printed()), {}),
    *message_form_journeys("NTS", OPEN_NTS, NTS, "n", [type_("7")], "NTS7.txt", b"007\r\n"),
    *message_form_journeys("TORMEL", OPEN_TORMEL, TORMEL, "t", [keys("BackSpace"), type_("E")], "TORMELM1.txt",
                           b"E, \r\n"),
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
    missing = [tool for tool in ("Xvfb", "openbox", "xdotool", "xprop") if not shutil.which(tool)]
    if missing:
        print(f"SKIPPED: the journeys need {', '.join(missing)} (tools/install-deps.sh --for-tests installs them)")
        return 77
    home = tempfile.mkdtemp(prefix="vellicor-journeys-")
    display, servers = start_display(home)
    failures = 0
    try:
        for name, steps, files in JOURNEYS:
            if arguments.k.lower() not in name.lower():
                continue
            began, journey = time.monotonic(), None
            try:
                journey = Journey(display, arguments.vellicor, files)
                for step in steps:
                    step(journey)
                print(f"ok    {time.monotonic() - began:4.1f} s  {name}", flush=True)
            except Failed as failure:
                failures += 1
                print(f"FAIL  {name}: {failure}", flush=True)
                if journey:
                    print(f"      the TNC got {journey.peer.unread()!r}\n{journey.output()}", flush=True)
            finally:
                if journey:
                    journey.close()
    finally:
        for process in servers:
            process.terminate()
            process.wait()
        shutil.rmtree(home, ignore_errors=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
