#!/usr/bin/env python3
"""Two Dire Wolf packet engines that hear each other with no sound card.

Each engine transmits into an ALSA "file" PCM (a "null" slave writing into a
FIFO, set in a private .asoundrc) and listens on a UDP audio port. The relay
here plays each engine's bursts to the other one's UDP port at real-time pace
in 10 ms datagrams, with silence between bursts.

Usage: direwolf_loop.py FOLDER
Prints "agw PORT_A PORT_B" once both engines take AGW clients, and ends both
engines at the end of its input.
"""
import fcntl
import os
import random
import signal
import socket
import subprocess
import sys
import threading
import time

RATE = 22050
TICKS_PER_SECOND = 100
CHUNK = RATE // TICKS_PER_SECOND * 2  # 16-bit mono samples
# Each engine draws its own random numbers for channel access; the same seed
# and the same settings would make them collide on every retry.
ACCESS = {"A": "DWAIT 0\nSLOTTIME 10\nPERSIST 63\n", "B": "DWAIT 5\nSLOTTIME 7\nPERSIST 127\n"}


# A port free now, below 49152: Dire Wolf takes no higher one.
def free_port(kind):
    while True:
        with socket.socket(socket.AF_INET, kind) as s:
            try:
                s.bind(("127.0.0.1", random.randrange(20000, 49152)))
                return s.getsockname()[1]
            except OSError:
                pass


class Engine:
    def __init__(self, folder, name):
        self.folder, self.name = folder, name
        self.agw, self.udp = free_port(socket.SOCK_STREAM), free_port(socket.SOCK_DGRAM)
        self.fifo = os.path.join(folder, "tx-" + name)
        os.mkfifo(self.fifo)
        self.tx = os.open(self.fifo, os.O_RDONLY | os.O_NONBLOCK)
        fcntl.fcntl(self.tx, fcntl.F_SETPIPE_SZ, 4096)  # keeps the engine close to real time
        self.heard, self.playing, self.grew = bytearray(), False, False
        self.process = None

    def asound(self):
        return 'pcm.dw%s { type file; slave.pcm "null"; file "%s"; format "raw" }\n' % (self.name, self.fifo)

    def start(self):
        conf = os.path.join(self.folder, "direwolf-%s.conf" % self.name)
        with open(conf, "w") as f:
            f.write("ADEVICE UDP:%d dw%s\nARATE %d\nACHANNELS 1\nCHANNEL 0\nMYCALL N0DW%s\nMODEM 1200\n"
                    "%sAGWPORT %d\nKISSPORT 0\n" % (self.udp, self.name, RATE, self.name, ACCESS[self.name], self.agw))
        log = open(os.path.join(self.folder, "direwolf-%s.log" % self.name), "a")
        env = dict(os.environ, HOME=self.folder)
        self.process = subprocess.Popen(["direwolf", "-c", conf, "-t", "0", "-q", "hd"], stdout=log,
                                        stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL, env=env)
        while self.process.poll() is None:
            try:
                socket.create_connection(("127.0.0.1", self.agw), timeout=1).close()
                return True
            except OSError:
                time.sleep(0.05)  # the engine is still starting up
        return False

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    def take_transmitted(self):
        self.grew = False
        while len(self.heard) < 10 * CHUNK:
            try:
                data = os.read(self.tx, 65536)
            except BlockingIOError:
                return
            if not data:  # the engine is gone
                return
            self.heard += data
            self.grew = True

    # The next 10 ms of what this engine sends: a burst starts once 30 ms
    # of it are in (or a shorter one has ended) and plays to its end.
    def next_chunk(self):
        if not self.playing and (len(self.heard) >= 3 * CHUNK or (self.heard and not self.grew)):
            self.playing = True
        if not self.playing:
            return bytes(CHUNK)
        piece = bytes(self.heard[:CHUNK])
        del self.heard[:CHUNK]
        if len(piece) < CHUNK:
            self.playing = False
        return piece.ljust(CHUNK, b"\0")


def relay(engines, out):
    start, sent = time.monotonic(), 0
    while True:
        for engine in engines:
            engine.take_transmitted()
        due = int((time.monotonic() - start) * TICKS_PER_SECOND)
        while sent < due:  # catches up after a late wake-up without a gap in the sound
            for engine, other in ((engines[0], engines[1]), (engines[1], engines[0])):
                out.sendto(engine.next_chunk(), ("127.0.0.1", other.udp))
            sent += 1
        time.sleep(max(0.0, start + (sent + 1) / TICKS_PER_SECOND - time.monotonic()))


def main():
    folder = os.path.abspath(sys.argv[1])
    engines = [Engine(folder, "A"), Engine(folder, "B")]
    with open(os.path.join(folder, ".asoundrc"), "w") as f:
        f.write("".join(e.asound() for e in engines))
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    try:
        threading.Thread(target=relay, args=(engines, socket.socket(socket.AF_INET, socket.SOCK_DGRAM)),
                         daemon=True).start()
        if not all(e.start() for e in engines):
            print("direwolf did not start; see %s/direwolf-*.log" % folder, flush=True)
            return 1
        print("agw %d %d" % (engines[0].agw, engines[1].agw), flush=True)
        sys.stdin.read()
    finally:
        for engine in engines:
            engine.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main())
