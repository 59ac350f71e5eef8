"""Runs test executables side by side and stops at the first that fails."""
import os
import signal
import subprocess
import time


class Test:
    def __init__(self, name, command, environment, directory):
        self.name = name
        self.command = command
        self.environment = environment
        self.directory = directory
        self.seconds = None  # its time on the unmutated build

    def timeout(self):
        # A fault that makes a test hang counts as found once the test takes
        # several times its usual time.
        return max(30.0, 5 * (self.seconds or 30.0))

    def start(self):
        environment = dict(os.environ)
        environment.update(self.environment)
        return subprocess.Popen(self.command, cwd=self.directory or None, env=environment,
                                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, start_new_session=True)


def _stop(process):
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    process.wait()


def run_until_failure(tests, jobs):
    """Runs `tests` in order, `jobs` at a time. Returns (first failing test's
    name or None, why it failed, {name: seconds} of the tests that passed)."""
    waiting = list(tests)
    running = {}  # Popen -> (test, start time)
    passed = {}
    try:
        while waiting or running:
            while waiting and len(running) < jobs:
                test = waiting.pop(0)
                running[test.start()] = (test, time.monotonic())
            time.sleep(0.02)
            for process, (test, started) in list(running.items()):
                elapsed = time.monotonic() - started
                code = process.poll()
                if code is None and elapsed > test.timeout():
                    del running[process]
                    _stop(process)
                    return test.name, "timed out", passed
                if code is None:
                    continue
                del running[process]
                if code != 0:
                    return test.name, ("crashed" if code < 0 else "failed"), passed
                passed[test.name] = elapsed
        return None, None, passed
    finally:
        for process in running:
            _stop(process)
