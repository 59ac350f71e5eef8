#!/usr/bin/env python3
"""Code lines of the program and of its tests: lines of .cpp, .h and .py
files that are neither blank nor only a comment, per top folder, and the
tests' share of both together.

    tools/code-lines.py            # src/ and tests/ of this checkout
"""
import pathlib
import re
import sys

COMMENT = {".cpp": "//", ".h": "//", ".py": "#"}


def code_lines(path):
    marker = COMMENT.get(path.suffix)
    if not marker:
        return 0
    text = path.read_text(encoding="utf-8", errors="replace")
    if marker == "//":
        text = re.sub(r"/\*.*?\*/", "", text, flags=re.S)
    return sum(1 for line in text.splitlines() if line.strip() and not line.strip().startswith(marker))


def per_folder(root):
    counts = {}
    for path in sorted(root.rglob("*")):
        if path.is_file():
            folder = path.relative_to(root).parts[0]
            counts[folder] = counts.get(folder, 0) + code_lines(path)
    return counts


def main():
    checkout = pathlib.Path(__file__).resolve().parents[1]
    totals = {}
    for name in ("src", "tests"):
        counts = per_folder(checkout / name)
        totals[name] = sum(counts.values())
        print(f"{name}: {totals[name]:,}  " + ", ".join(f"{k} {v:,}" for k, v in sorted(counts.items()) if v))
    share = totals["tests"] / (totals["src"] + totals["tests"])
    print(f"tests are {share:.1%} of src and tests together")
    return 0


if __name__ == "__main__":
    sys.exit(main())
