"""Figures per folder and the survivors, as printed and as saved."""
import collections

KILLED, SURVIVED, NOT_COMPILED = "killed", "survived", "not compiled"


def folder_of(path):
    """The reported folder: src/traffic/nts/X.cpp -> traffic/nts, src/platform/qt/X.cpp -> platform."""
    parts = path.split("/")
    return "/".join(parts[1:3]) if parts[1] == "traffic" else parts[1]


def layer_of(targets):
    """The layer of a file, from the libraries compiling it: window code links
    widgets (the program's own library and every `_ui` one), platform/qt
    implements the platform, the rest is logic."""
    if any(t.endswith("_ui") or t == "vellicor_app" for t in targets):
        return "window code"
    return "platform/qt" if "vellicor_platform_qt" in targets else "logic"


LAYERS = ["logic", "window code", "platform/qt"]


def figures(results, folders, key=folder_of, title="folder"):
    """The table of killed, survived and not compiled per folder (or per
    whatever `key` groups the files by), and in all."""
    counts = collections.defaultdict(collections.Counter)
    for mutant, outcome, _ in results:
        counts[key(mutant.path)][outcome] += 1
        counts["all"][outcome] += 1
    lines = [f"{title:<16}{'killed':>8}{'survived':>10}{'not compiled':>14}{'killed %':>10}"]
    for folder in [f for f in folders if counts[f]] + ["all"]:
        c = counts[folder]
        judged = c[KILLED] + c[SURVIVED]
        share = f"{100 * c[KILLED] / judged:.0f}%" if judged else "-"
        lines.append(f"{folder:<16}{c[KILLED]:>8}{c[SURVIVED]:>10}{c[NOT_COMPILED]:>14}{share:>10}")
    return lines


def survivors(results):
    lines = []
    for mutant, outcome, why in sorted(results, key=lambda r: (r[0].path, r[0].line)):
        if outcome == SURVIVED:
            lines.append(mutant.describe() + (f"   ({why})" if why else ""))
    return lines


def details(results):
    """One line per mutant: its outcome and the test that found it or the compiler's complaint."""
    return [f"{outcome:<13} {mutant.operator:<17} {mutant.describe()}" + (f"   [{why}]" if why else "")
            for mutant, outcome, why in sorted(results, key=lambda r: (r[0].path, r[0].line))]
