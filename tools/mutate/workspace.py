"""The mutation area: a private copy of the sources and its build.

The copy lives in <area>/source and is built in <area>/build (Debug, no
optimisation, the folders' libraries built shared), so a mutant costs one
compile and one library link, and the working tree is never touched.
"""
import json
import os
import pathlib
import re
import shutil
import subprocess

# The copy builds every library of src/ shared; executables are not relinked
# when a library they load changes (CMAKE_LINK_DEPENDS_NO_SHARED).
_STATIC_LIBRARY = re.compile(r"(add_library\(\s*\w+\s+)STATIC\b")


def _copied_text(relative, data):
    if relative.startswith("src/") and relative.endswith("CMakeLists.txt"):
        return _STATIC_LIBRARY.sub(r"\1SHARED", data.decode("utf-8")).encode("utf-8")
    return data


class Workspace:
    def __init__(self, root, area):
        self.root = pathlib.Path(root)
        self.area = pathlib.Path(area)
        self.source = self.area / "source"
        self.build = self.area / "build"

    # --- the private copy -------------------------------------------------

    def tracked_files(self):
        """The tree's files as git sees them (untracked ones too, ignored ones
        not); outside a git checkout, every file but build output."""
        listed = subprocess.run(
            ["git", "-C", str(self.root), "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
            capture_output=True)
        if listed.returncode == 0:
            names = set(listed.stdout.decode("utf-8").split("\0"))
        else:
            names = {p.relative_to(self.root).as_posix() for p in self.root.rglob("*")
                     if not any(part.startswith(("build", ".git", "__pycache__"))
                                for part in p.relative_to(self.root).parts)}
        return sorted(f for f in names if f and (self.root / f).is_file())

    def sync(self):
        """Makes the copy equal the working tree. Only files whose bytes differ
        are written, with a new time, so the build recompiles exactly those
        (a fault left by an interrupted run included)."""
        wanted = set()
        for relative in self.tracked_files():
            wanted.add(relative)
            data = _copied_text(relative, (self.root / relative).read_bytes())
            target = self.source / relative
            if not target.is_file() or target.read_bytes() != data:
                target.parent.mkdir(parents=True, exist_ok=True)
                write_file(target, data)
        for path in list(self.source.rglob("*")):
            if path.is_file() and path.relative_to(self.source).as_posix() not in wanted:
                path.unlink()

    def differing_files(self, relatives):
        """Those of `relatives` whose copy no longer equals the working tree's file."""
        return [r for r in relatives
                if (self.source / r).read_bytes() != _copied_text(r, (self.root / r).read_bytes())]

    # --- the build ----------------------------------------------------------

    def configure(self):
        if (self.build / "build.ninja").is_file():
            # CMake runs again first when a CMakeLists.txt changed, so the
            # tests and targets read next are those of today's sources.
            subprocess.run(["ninja", "-C", str(self.build), "build.ninja"], check=True, stdout=subprocess.DEVNULL)
            return
        command = ["cmake", "-S", str(self.source), "-B", str(self.build), "-G", "Ninja",
                   "-DCMAKE_BUILD_TYPE=Debug", "-DCMAKE_CXX_FLAGS_DEBUG=-O0",
                   "-DCMAKE_LINK_DEPENDS_NO_SHARED=ON"]
        if "CMAKE_CXX_COMPILER_LAUNCHER" not in os.environ and shutil.which("ccache"):
            command.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
        subprocess.run(command, check=True, stdout=subprocess.DEVNULL)

    def ninja(self, targets, jobs):
        """Builds `targets`; returns (succeeded, output)."""
        result = subprocess.run(["ninja", "-C", str(self.build), f"-j{jobs}", *sorted(targets)],
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, errors="replace")
        return result.returncode == 0, result.stdout

    def tests(self):
        """ctest's tests: name -> (command, environment, working directory)."""
        out = subprocess.run(["ctest", "--test-dir", str(self.build), "--show-only=json-v1"],
                             check=True, capture_output=True, text=True).stdout
        tests = {}
        for test in json.loads(out).get("tests", []):
            properties = {p["name"]: p["value"] for p in test.get("properties", [])}
            command = test.get("command") or []
            environment = dict(e.split("=", 1) for e in properties.get("ENVIRONMENT", []))
            directory = properties.get("WORKING_DIRECTORY") or (os.path.dirname(command[0]) if command else "")
            tests[test["name"]] = (command, environment, directory)
        return tests

    def targets(self):
        """The names ninja can build, CMake's targets among them."""
        out = subprocess.run(["ninja", "-C", str(self.build), "-t", "targets", "all"],
                             check=True, capture_output=True, text=True).stdout
        return {line.split(":", 1)[0] for line in out.splitlines()}

    def is_built_here(self, path):
        path = pathlib.Path(path)
        return path.is_absolute() and self.build in path.parents

    def file_targets(self):
        """Source file (relative to the copy) -> the CMake targets compiling it."""
        entries = json.loads((self.build / "compile_commands.json").read_text())
        targets = {}
        for entry in entries:
            match = re.search(r"CMakeFiles/([^/]+)\.dir/", entry.get("output", "") or entry.get("command", ""))
            path = pathlib.Path(entry["directory"], entry["file"]).resolve()
            if match and self.source in path.parents:
                relative = path.relative_to(self.source).as_posix()
                targets.setdefault(relative, set()).add(match.group(1))
        return targets

    def loaded_targets(self, executable):
        """The executable's own target and every library of this build it loads."""
        libraries = {p.name: p for p in self.build.rglob("lib*.so")}
        seen = set()
        queue = [pathlib.Path(executable)]
        while queue:
            for name in _needed(queue.pop()):
                if name in libraries and name not in seen:
                    seen.add(name)
                    queue.append(libraries[name])
        return {pathlib.Path(executable).name} | {n[len("lib"):-len(".so")] for n in seen}


def _needed(binary):
    out = subprocess.run(["readelf", "-d", str(binary)], capture_output=True, text=True).stdout
    return re.findall(r"\(NEEDED\)\s+Shared library: \[([^\]]+)\]", out)


def write_file(path, data):
    """Writes `data` with a fresh modification time, through a temporary file
    and a rename so an interrupted write cannot leave half a file."""
    temporary = path.with_name(path.name + ".mutate-tmp")
    temporary.write_bytes(data)
    os.replace(temporary, path)
