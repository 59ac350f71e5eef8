"""Plants seeded one-line faults in a private copy of src/, rebuilds, runs the
tests that load the changed file and counts the faults they find.

    tools/mutate.sh --seed N --count M [--folder F]... [--list]
    tools/mutate.sh --ci

See the README's "Mutation check" section.
"""
import argparse
import os
import pathlib
import random
import signal
import sys
import time

import mutants
import report
from report import KILLED, SURVIVED, NOT_COMPILED
from runner import Test, run_until_failure
from workspace import Workspace, write_file

FOLDERS = ["app", "terminal", "tnc", "traffic/common", "traffic/nts", "traffic/ares", "windows", "platform"]
# Not unit or widget tests: the journeys drive the real program under Xvfb for
# about a minute, the soak runs stress it, the package test builds a .deb.
SLOW_TESTS = {"journeys", "test_soak_receive", "test_soak_link_faults", "test_soak_save_faults",
              "test_deb_package", "test_e2e_direwolf"}
CI_SEED, CI_COUNT, CI_FOLDER = 1, 6, "terminal"
CANARY = "[[maybe_unused]] static const int vellicorMutateCanary = (__builtin_trap(), 0);"


def parse_arguments():
    parser = argparse.ArgumentParser(description="Mutation check of Vellicor's tests.")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--count", type=int, default=60)
    parser.add_argument("--folder", action="append", choices=FOLDERS,
                        help="a folder of src/ to mutate (repeatable; default all)")
    parser.add_argument("--list", action="store_true", help="print the chosen mutants and stop")
    parser.add_argument("--ci", action="store_true",
                        help=f"the CI sample: {CI_COUNT} mutants of src/{CI_FOLDER} against its own tests")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--area", help="the mutation folder (default build-mutate/)")
    arguments = parser.parse_args()
    if arguments.ci:
        arguments.seed, arguments.count, arguments.folder = CI_SEED, CI_COUNT, [CI_FOLDER]
    arguments.folder = arguments.folder or FOLDERS
    return arguments


def choose_mutants(workspace, folders, seed, count):
    """The same `count` mutants for the same seed and the same sources."""
    candidates = []
    for folder in folders:
        base = workspace.source / "src" / folder
        for path in sorted(base.rglob("*.cpp")):
            relative = path.relative_to(workspace.source).as_posix()
            candidates.extend(mutants.file_mutants(relative, path.read_bytes().decode("latin-1")))
    candidates.sort()
    chosen = random.Random(seed).sample(candidates, min(count, len(candidates)))
    return sorted(chosen), len(candidates)


class Session:
    """One run: the tests, the targets each loads, and the build kept in step with the copy."""

    def __init__(self, workspace, jobs):
        self.workspace = workspace
        self.jobs = jobs
        self.tests = {}       # name -> Test
        self.loads = {}       # test name -> targets it loads
        self.file_targets = {}
        self.pending = set()  # targets to rebuild from restored files

    def build_baseline(self, files, only_folder=None):
        """Builds the tests (those of `only_folder` of tests/, or all but the
        slow ones) and the files' targets, then learns what each test loads."""
        wanted = {name for name, (_, _, directory) in self.workspace.tests().items()
                  if name not in SLOW_TESTS and (not only_folder or directory.endswith("/tests/" + only_folder))}
        self.file_targets = self.workspace.file_targets()
        targets = wanted & self.workspace.targets()
        for path in files:
            targets |= self.file_targets.get(path, set())
        ok, output = self.workspace.ninja(targets, self.jobs)
        if not ok:
            sys.exit("The unmutated copy does not build:\n" + output[-3000:])
        for name, (command, environment, directory) in self.workspace.tests().items():
            if name in wanted and command and self.workspace.is_built_here(command[0]):
                self.tests[name] = Test(name, command, environment, directory)
                self.loads[name] = self.workspace.loaded_targets(command[0])

    def covering(self, path):
        """The tests loading `path`'s code: its own folder's tests first, then the quickest."""
        targets = self.file_targets.get(path, set())
        tests = [t for name, t in self.tests.items() if self.loads[name] & targets]
        own = "/tests/" + report.folder_of(path) + "/"
        return sorted(tests, key=lambda t: (own not in t.command[0], t.seconds or 0, t.name))

    def run_baseline(self, paths):
        needed = {t.name: t for p in paths for t in self.covering(p)}
        for test in sorted(needed.values(), key=lambda t: t.name):
            failed, why, passed = run_until_failure([test], 1)
            if failed:
                print(f"warning: {test.name} {why} without any fault; it is left out", file=sys.stderr)
                del self.tests[test.name]
            else:
                test.seconds = passed[test.name]

    def build(self, path):
        ok, output = self.workspace.ninja(self.file_targets.get(path, set()) | self.pending, self.jobs)
        if ok:
            self.pending.clear()
        return ok, output

    def judge(self, path):
        """(outcome, why) for the copy as it stands, `path` holding a fault."""
        ok, output = self.build(path)
        if not ok:
            errors = [l for l in output.splitlines() if "error:" in l]
            return NOT_COMPILED, (errors[0].split("error:", 1)[1].strip() if errors else "build failed")
        tests = self.covering(path)
        if not tests:
            return SURVIVED, "no test loads this file"
        failed, why, _ = run_until_failure(tests, self.jobs)
        return (KILLED, f"{failed} {why}") if failed else (SURVIVED, None)

    def restore(self, path, original):
        write_file(self.workspace.source / path, original)
        self.pending |= self.file_targets.get(path, set())

    def finish(self):
        if self.pending:
            ok, output = self.workspace.ninja(self.pending, self.jobs)
            if not ok:
                sys.exit("The restored copy does not build:\n" + output[-3000:])
            self.pending.clear()


def run_mutants(session, chosen):
    results = []
    by_file = {}
    for mutant in chosen:
        by_file.setdefault(mutant.path, []).append(mutant)
    done = 0
    for path, group in by_file.items():
        file = session.workspace.source / path
        original = file.read_bytes()
        lines = original.decode("latin-1").split("\n")
        try:
            for mutant in group:
                changed = list(lines)
                changed[mutant.line - 1] = mutant.mutated
                write_file(file, "\n".join(changed).encode("latin-1"))
                started = time.monotonic()
                outcome, why = session.judge(path)
                results.append((mutant, outcome, why))
                done += 1
                print(f"[{done}/{len(chosen)}] {outcome:<12} {mutant.describe()}"
                      f"   ({time.monotonic() - started:.0f} s{'; ' + why if why else ''})", flush=True)
        finally:
            session.restore(path, original)
    return results


def run_canary(session, path):
    """A fault every test loading `path` must find: its library traps when loaded."""
    file = session.workspace.source / path
    original = file.read_bytes()
    try:
        write_file(file, original + b"\n" + CANARY.encode() + b"\n")
        return session.judge(path)
    finally:
        session.restore(path, original)


def save_report(area, header, table, survivors, details):
    text = "\n".join(header + [""] + table + ["", "Survivors:"] + (survivors or ["(none)"]) + [""])
    write_file(area / "mutate-report.txt", text.encode("utf-8"))
    write_file(area / "mutate-details.txt", ("\n".join(details) + "\n").encode("utf-8"))
    return text


def main():
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    arguments = parse_arguments()
    root = pathlib.Path(__file__).resolve().parents[2]
    area = pathlib.Path(arguments.area or root / "build-mutate").resolve()
    workspace = Workspace(root, area)
    workspace.sync()
    chosen, candidates = choose_mutants(workspace, arguments.folder, arguments.seed, arguments.count)
    if arguments.list:
        for mutant in chosen:
            print(f"{mutant.operator:<17} {mutant.describe()}")
        print(f"{len(chosen)} of {candidates} mutants")
        return 0

    started = time.monotonic()
    workspace.configure()
    session = Session(workspace, arguments.jobs)
    paths = sorted({m.path for m in chosen})
    session.build_baseline(paths, only_folder=CI_FOLDER if arguments.ci else None)
    session.run_baseline(paths)
    print(f"{len(chosen)} of {candidates} mutants (seed {arguments.seed}) in {len(paths)} files; "
          f"{len(session.tests)} tests", flush=True)

    canary = run_canary(session, paths[0]) if arguments.ci else None
    if canary:
        print(f"canary (the library of {paths[0]} traps when loaded): {canary[0]}, {canary[1]}", flush=True)
    mutants_started = time.monotonic()
    results = run_mutants(session, chosen)
    session.finish()
    per_mutant = (time.monotonic() - mutants_started) / max(1, len(chosen))
    elapsed = time.monotonic() - started

    header = [f"Mutation check, seed {arguments.seed}, {len(chosen)} of {candidates} mutants in src/ "
              f"({', '.join(arguments.folder)}): {per_mutant:.0f} s per mutant, "
              f"{elapsed / 60:.1f} min in all with the build and a run of the unmutated tests"]
    layers = report.figures(results, report.LAYERS, title="layer",
                            key=lambda path: report.layer_of(session.file_targets.get(path, set())))
    text = save_report(area, header, report.figures(results, arguments.folder) + [""] + layers,
                       report.survivors(results), report.details(results))
    print("\n" + text + f"\nSaved in {area / 'mutate-report.txt'} (every mutant: mutate-details.txt)")
    return check(workspace, paths, results, canary)


def check(workspace, paths, results, canary):
    """Whether the tool itself worked: the copy is restored, something
    compiled, and (in the CI sample) the canary was found."""
    problems = []
    if workspace.differing_files(paths):
        problems.append("the copy was not restored: " + ", ".join(workspace.differing_files(paths)))
    if results and all(outcome == NOT_COMPILED for _, outcome, _ in results):
        problems.append("no mutant compiled")
    if canary and canary[0] != KILLED:
        problems.append(f"a library that traps when loaded was not found by the tests ({canary[0]}: {canary[1]})")
    for problem in problems:
        print("mutate: " + problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except KeyboardInterrupt:
        sys.exit("mutate: stopped; the copy holds no fault")
