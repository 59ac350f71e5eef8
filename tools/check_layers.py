#!/usr/bin/env python3
"""Checks that the libraries under src/ keep to their layers.

    app -> windows and forms (ui) -> logic -> platform/api
    platform/qt implements platform/api; only the program links it.

Each library's layer is listed below. The check reads the libraries, their
sources and what they link from the CMakeLists.txt files, and fails on
  - a library linking one it may not build on,
  - a logic or api library linking a Qt module beyond Core and Gui,
  - an #include of a program header from a library the includer does not
    build on (an include that points up or sideways into a window),
  - an include of a Qt module's header that its layer may not use,
  - a source file that belongs to no library.
Usage: check_layers.py SRC_FOLDER
"""
import pathlib
import re
import sys

LAYERS = {
    "vellicor_platform_api": "api",
    "vellicor_agw": "api",
    "vellicor_platform_qt": "platform",
    "vellicor_terminal": "logic",
    "vellicor_tnc": "logic",
    "vellicor_traffic_common": "logic",
    "vellicor_nts": "logic",
    "vellicor_ares": "logic",
    "vellicor_windows": "logic",
    "vellicor_tnc_ui": "ui",
    "vellicor_traffic_common_ui": "ui",
    "vellicor_nts_ui": "ui",
    "vellicor_ares_ui": "ui",
    "vellicor_windows_ui": "ui",
    "vellicor_app": "app",
    "vellicor_practice": "tool",
}

MAY_LINK = {
    "api": set(),
    "platform": {"api"},
    "logic": {"api", "logic"},
    "ui": {"api", "logic", "ui"},
    "app": {"api", "platform", "logic", "ui"},
    "tool": {"api"},
}

QT_ALLOWED = {
    "api": {"Core"},
    "logic": {"Core", "Gui"},
}

# Headers the build generates, and the library they belong to.
GENERATED = {"app/Version.h": "vellicor_app"}

SOURCE_SUFFIXES = {".h", ".cpp"}


def cmake_calls(text, command):
    for match in re.finditer(command + r"\s*\(([^)]*)\)", text):
        yield match.group(1).split()


def read_libraries(src):
    sources, links = {}, {}
    for cmake in sorted(src.rglob("CMakeLists.txt")):
        folder = cmake.parent
        text = re.sub(r"#.*", "", cmake.read_text())
        for words in cmake_calls(text, "add_library"):
            name = words[0]
            files = [w for w in words[1:] if pathlib.Path(w).suffix in SOURCE_SUFFIXES]
            sources[name] = {(folder / f).resolve().relative_to(src).as_posix() for f in files}
        for words in cmake_calls(text, "target_link_libraries"):
            name = words[0]
            links.setdefault(name, set()).update(
                w for w in words[1:] if w not in ("PUBLIC", "PRIVATE", "INTERFACE"))
    return sources, links


def closure(name, links):
    seen, todo = set(), [name]
    while todo:
        for dep in links.get(todo.pop(), ()):
            if dep not in seen:
                seen.add(dep)
                todo.append(dep)
    return seen


def check(src):
    faults = []
    sources, links = read_libraries(src)
    owner = dict(GENERATED)
    for lib, files in sources.items():
        if lib not in LAYERS:
            faults.append(f"{lib}: library has no layer in tools/check_layers.py")
            continue
        for f in files:
            owner[f] = lib

    for path in sorted(src.rglob("*")):
        relative = path.relative_to(src).as_posix()
        if path.suffix in SOURCE_SUFFIXES and relative not in owner and path.name != "main.cpp":
            faults.append(f"{relative}: belongs to no library")

    for lib, layer in LAYERS.items():
        reach = closure(lib, links)
        for dep in sorted(links.get(lib, ())):
            if dep in LAYERS and LAYERS[dep] not in MAY_LINK[layer]:
                faults.append(f"{lib} ({layer}) links {dep} ({LAYERS[dep]})")
        if layer in QT_ALLOWED:
            for dep in sorted(reach):
                module = dep.removeprefix("Qt6::")
                if dep.startswith("Qt6::") and module not in QT_ALLOWED[layer]:
                    faults.append(f"{lib} ({layer}) links {dep}")
        visible = {lib} | {d for d in reach if d in LAYERS}
        for f in sorted(sources.get(lib, ())):
            text = (src / f).read_text(encoding="utf-8", errors="replace")
            for line_number, line in enumerate(text.splitlines(), 1):
                faults += include_faults(f, line_number, line, lib, layer, visible, owner)
    return faults


def include_faults(f, line_number, line, lib, layer, visible, owner):
    where = f"{f}:{line_number}"
    quoted = re.match(r'\s*#\s*include\s+"([^"]+)"', line)
    if quoted:
        header = quoted.group(1)
        if "/" not in header:
            return []  # a generated moc or ui file beside the source
        target = owner.get(header)
        if target is None:
            return [f"{where}: includes {header}, which belongs to no library"]
        if target not in visible:
            return [f"{where}: {lib} ({layer}) includes {header} of {target} ({LAYERS[target]})"]
        return []
    angled = re.match(r"\s*#\s*include\s+<Qt(\w+)/", line)
    if angled and layer in QT_ALLOWED and angled.group(1) not in QT_ALLOWED[layer]:
        return [f"{where}: {lib} ({layer}) includes a Qt{angled.group(1)} header"]
    return []


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src").resolve()
    faults = check(src)
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} layer fault(s)")
        return 1
    print(f"layers kept: {len(LAYERS)} libraries")
    return 0


if __name__ == "__main__":
    sys.exit(main())
