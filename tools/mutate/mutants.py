"""The mutants: seeded one-line faults in the program's .cpp files.

Every operator works on a masked copy of each line, in which comments and the
insides of string and character literals are blanked, so a fault is only ever
planted in code. Preprocessor lines are left alone.
"""
import dataclasses
import re


@dataclasses.dataclass(frozen=True, order=True)
class Mutant:
    path: str      # relative to the source root, e.g. "src/tnc/TncCommands.cpp"
    line: int      # 1-based
    operator: str
    original: str  # the whole line, without its line end
    mutated: str

    def describe(self):
        return f"{self.path}:{self.line}: {self.original.strip()} -> {self.mutated.strip()}"


def mask_lines(text):
    """Returns the file's lines with comments and literal contents blanked."""
    masked = []
    in_block = False
    raw_end = None  # the closing ')delim"' of a raw string spanning lines
    for line in text.split("\n"):
        out = list(line)
        i = 0
        n = len(line)
        while i < n:
            if raw_end is not None:
                j = line.find(raw_end, i)
                stop = n if j < 0 else j
                out[i:stop] = " " * (stop - i)
                if j < 0:
                    i = n
                else:
                    i = j + len(raw_end)
                    raw_end = None
                continue
            if in_block:
                j = line.find("*/", i)
                stop = n if j < 0 else j + 2
                out[i:stop] = " " * (stop - i)
                in_block = j < 0
                i = stop
                continue
            c = line[i]
            if line.startswith("//", i):
                out[i:] = " " * (n - i)
                break
            if line.startswith("/*", i):
                in_block = True
                continue
            if c == '"' and _raw_prefix(line, i):
                m = re.match(r'"([^()\\\s]{0,16})\(', line[i:])
                raw_end = ")" + (m.group(1) if m else "") + '"'
                i += len(m.group(0)) if m else 1
                continue
            if c == "'" and i > 0 and line[i - 1].isalnum() and i + 1 < n and line[i + 1].isalnum():
                i += 1  # a digit separator, 1'000
                continue
            if c in "\"'":
                j = i + 1
                while j < n and line[j] != c:
                    j += 2 if line[j] == "\\" else 1
                stop = min(j, n)
                out[i + 1:stop] = " " * (stop - i - 1)
                i = stop + 1
                continue
            i += 1
        masked.append("".join(out))
    return masked


def _raw_prefix(line, i):
    m = re.search(r"(?:^|[^\w])(?:u8|u|U|L)?R$", line[:i])
    return m is not None


# Lines that only log or assert, or only space and frame the controls of a
# layout: a fault there changes no text, byte or file, so tells nothing about
# the tests.
_SKIP_LINE = re.compile(r"\b(static_assert|Q_ASSERT\w*|Q_UNUSED|qDebug|qInfo|qWarning|qCritical|qCDebug"
                        r"|setContentsMargins|setSpacing|setHorizontalSpacing|setVerticalSpacing"
                        r"|addSpacing|addStretch|setFrameShape|setFrameShadow)\b")

# Binary operators are written with a space on each side; that tells a
# comparison from a template's angle brackets and from << and >>.
_COMPARISON = re.compile(r"(?<=\s)(<=|>=|==|!=|<|>)(?=\s)")
_FLIPPED = {"<": ">=", ">=": "<", ">": "<=", "<=": ">", "==": "!=", "!=": "=="}
_LITERAL = r"(?<![\w.])(-?)(0[xX][0-9A-Fa-f]+|\d+)([uUlL]*)(?![\w.'])"
_BOUND_NEAR_COMPARISON = [
    re.compile(r"(?<=\s)(?:<=|>=|==|!=|<|>)\s+" + _LITERAL),
    re.compile(_LITERAL + r"(?=\s+(?:<=|>=|==|!=|<|>)\s)"),
]
_INDEX = re.compile(r"\[[^\[\]]*\]|\.(?:at|mid|left|right|sliced|chopped|chop|first|last|truncate)\([^()]*\)")
_CONDITION = re.compile(r"\b(if|while)\s*\(")
_DECLARATION = re.compile(r"^\s*(const\s+)?[\w:<>]+[\s*&]+\w+\s*[={]")
_CONSTANTS = [
    (re.compile(r"\btrue\b"), "false"),
    (re.compile(r"\bfalse\b"), "true"),
    (re.compile(r"(?<=\s)&&(?=\s)"), "||"),
    (re.compile(r"(?<=\s)\|\|(?=\s)"), "&&"),
]
_RETURN = re.compile(r"^(\s*)return\s+(.+);\s*$")
# Returned values `return {};` would not change (or the constant swap covers).
_EMPTY_VALUE = re.compile(r"^(\{\}|nullptr|false|true|0|std::nullopt|[\w:]+(\(\)|\{\}))$")
_KEYWORDS = {"return", "if", "else", "for", "while", "do", "switch", "case", "default", "break",
             "continue", "goto", "throw", "delete", "new", "using", "typedef", "namespace",
             "class", "struct", "enum", "template", "co_return", "co_await", "co_yield"}
_CALL_PREFIX = re.compile(r"^(?:emit\s+)?([A-Za-z_][\w:]*)(?:(?:\.|->|::)[A-Za-z_]\w*|\[[^\]]*\]|\(\))*$")
_ASSIGNMENT = re.compile(r"^(\*?[A-Za-z_][\w:]*(?:(?:\.|->)[A-Za-z_]\w*|\[[^\]]*\]|\(\))*)\s*"
                         r"(=|\+=|-=|\*=|/=|%=|&=|\|=|\^=|<<=|>>=)\s*[^=].*;$")
_STEP = re.compile(r"^(\+\+|--)[A-Za-z_][\w.\->\[\]]*;$|^[A-Za-z_][\w.\->\[\]]*(\+\+|--);$")


def _balanced(text):
    depth = {"(": 0, "[": 0, "{": 0}
    closing = {")": "(", "]": "[", "}": "{"}
    for c in text:
        if c in depth:
            depth[c] += 1
        elif c in closing:
            depth[closing[c]] -= 1
            if depth[closing[c]] < 0:
                return False
    return all(v == 0 for v in depth.values())


def _closing_paren(text, open_at):
    depth = 0
    for i in range(open_at, len(text)):
        if text[i] == "(":
            depth += 1
        elif text[i] == ")":
            depth -= 1
            if depth == 0:
                return i
    return -1


def _starts_statement(previous):
    """Whether a line following `previous` (a masked code line) starts a statement."""
    p = previous.strip()
    if not p or p.endswith((";", "{", "}")) or p == "else":
        return True
    if p.endswith(":") and not p.endswith("::"):
        return True  # a label or case
    return p.endswith(")") and re.match(r"^(\}\s*)?(else\s+)?(if|for|while)\b", p) is not None


def _replace(line, start, end, text):
    return line[:start] + text + line[end:]


def _comparison_flips(line, code):
    for m in _COMPARISON.finditer(code):
        yield "flip comparison", _replace(line, m.start(), m.end(), _FLIPPED[m.group(1)])


def _shifted(sign, digits, suffix, delta):
    value = int(digits, 0) * (-1 if sign else 1) + delta
    if digits.lower().startswith("0x"):
        text = ("-" if value < 0 else "") + "0x%0*X" % (len(digits) - 2, abs(value))
    else:
        text = str(value)
    return text + suffix


def _literal_spans(code):
    spans = set()
    for pattern in _BOUND_NEAR_COMPARISON:
        for m in pattern.finditer(code):
            spans.add((m.start(1), m.end(3), m.group(1), m.group(2), m.group(3)))
    for index in _INDEX.finditer(code):
        if _declares_array(code[:index.start()]):
            continue
        inner = index.group(0)
        for m in re.finditer(_LITERAL, inner):
            base = index.start()
            spans.add((base + m.start(1), base + m.end(3), m.group(1), m.group(2), m.group(3)))
    return sorted(spans)


def _declares_array(before):
    """Whether a `[` after `before` gives an array's size, as in `char bytes[16]`."""
    m = re.search(r"(?:^|[;{(,]\s*)([A-Za-z_][\w:<>]*)\s+[A-Za-z_]\w*$", before.strip())
    return m is not None and m.group(1) not in _KEYWORDS


def _bound_shifts(line, code):
    for start, end, sign, digits, suffix in _literal_spans(code):
        for delta in (1, -1):
            yield "shift bound", _replace(line, start, end, _shifted(sign, digits, suffix, delta))


def _negated_conditions(line, code):
    for m in _CONDITION.finditer(code):
        open_at = m.end() - 1
        close_at = _closing_paren(code, open_at)
        if close_at < 0:
            continue
        condition = code[open_at + 1:close_at]
        if ";" in condition or _DECLARATION.match(condition) or not condition.strip():
            continue
        original = line[open_at + 1:close_at]
        yield "negate condition", _replace(line, open_at + 1, close_at, "!(" + original + ")")


def _constant_swaps(line, code):
    for pattern, replacement in _CONSTANTS:
        for m in pattern.finditer(code):
            yield "swap constant", _replace(line, m.start(), m.end(), replacement)


def _is_call_or_assignment(statement):
    if not statement.endswith(";") or not _balanced(statement):
        return False
    if _ASSIGNMENT.match(statement) or _STEP.match(statement):
        return True
    if not statement.endswith(");"):
        return False
    prefix = statement[:statement.index("(")].rstrip()
    m = _CALL_PREFIX.match(prefix)
    if not m:
        return False
    name = m.group(1)
    return name not in _KEYWORDS and not re.match(r"^[A-Z][A-Z0-9_]*$", name)


def _dropped_statements(line, code, previous):
    statement = code.strip()
    if _starts_statement(previous) and _is_call_or_assignment(statement):
        indent = line[:len(line) - len(line.lstrip())]
        yield "drop statement", indent + ";"


def _early_returns(line, code, previous):
    m = _RETURN.match(code)
    if not m or not _starts_statement(previous) or not _balanced(m.group(2)):
        return
    if _EMPTY_VALUE.match(m.group(2).strip()):
        return
    yield "return default", m.group(1) + "return {};"


def line_mutations(line, code, previous):
    """(operator, mutated line) for every fault one line can take."""
    yield from _comparison_flips(line, code)
    yield from _bound_shifts(line, code)
    yield from _negated_conditions(line, code)
    yield from _constant_swaps(line, code)
    yield from _dropped_statements(line, code, previous)
    yield from _early_returns(line, code, previous)


def file_mutants(path, text):
    """Every mutant of one .cpp file, in line order, each mutated line once."""
    lines = text.split("\n")
    previous = ""
    continued = False  # a preprocessor line ending in a backslash
    for number, (line, code) in enumerate(zip(lines, mask_lines(text)), start=1):
        directive = continued or code.lstrip().startswith("#")
        continued = directive and code.rstrip().endswith("\\")
        if directive or not code.strip():
            continue
        if not _SKIP_LINE.search(code):
            seen = set()
            for operator, mutated in line_mutations(line, code, previous):
                if mutated != line and mutated not in seen:
                    seen.add(mutated)
                    yield Mutant(path, number, operator, line, mutated)
        previous = code
