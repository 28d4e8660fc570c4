"""Where `scripts/mutate` plants its faults in C++ sources, and how it names each of them.

Candidate sites are every binary arithmetic, bitwise, comparison and logical operator, every
number and truth constant, every call made as a statement of its own, every `!` and every
if/while condition; comments, strings, characters and preprocessor lines are left alone.
"""

import decimal
import re

KEYWORDS = {"return", "if", "for", "while", "switch", "case", "delete", "throw", "using", "else",
            "do", "new", "const", "static", "auto", "constexpr", "class", "struct", "namespace",
            "template", "typedef", "enum", "public", "private", "protected", "friend", "virtual",
            "explicit", "inline", "default", "break", "continue", "goto", "sizeof", "operator"}
SWAPS = {"+": ["-"], "-": ["+"], "*": ["/"], "/": ["*"], "%": ["*"], "<": ["<=", ">"],
         "<=": ["<", ">"], ">": [">=", "<"], ">=": [">", "<"], "==": ["!="], "!=": ["=="],
         "&&": ["||"], "||": ["&&"], "<<": [">>"], ">>": ["<<"], "&": ["|"], "|": ["&"],
         "^": ["|"], "+=": ["-="], "-=": ["+="], "*=": ["/="], "/=": ["*="], "|=": ["&="],
         "&=": ["|="], "^=": ["|="]}
PUNCT = sorted(["<<=", ">>=", "->", "::", "++", "--", "<=", ">=", "==", "!=", "&&", "||", "<<",
                ">>", "+=", "-=", "*=", "/=", "|=", "&=", "^=", "%="], key=len, reverse=True)
TOKEN = re.compile(r"""
    (?P<space>\s+)
  | (?P<comment>//[^\n]*|/\*.*?\*/)
  | (?P<string>R"(?P<delim>[^(\s]*)\(.*?\)(?P=delim)"|"(?:\\.|[^"\\\n])*"|'(?:\\.|[^'\\\n])*')
  | (?P<number>0[xX][0-9a-fA-F']+[uUlL]*|(?:\d[\d']*\.?\d*|\.\d+)(?:[eE][+-]?\d+)?[fFuUlL]*)
  | (?P<ident>[A-Za-z_]\w*)
  | (?P<punct>""" + "|".join(re.escape(p) for p in PUNCT) + r"""|.)
""", re.S | re.X)


class Token:
    def __init__(self, kind, text, start):
        self.kind, self.text, self.start, self.end = kind, text, start, start + len(text)


def tokens(source):
    """Significant tokens; preprocessor lines, comments and blanks dropped."""
    out, pos, line_start = [], 0, True
    while pos < len(source):
        if line_start and source[pos] == "#":
            end = pos
            while True:  # a directive with its continuation lines
                end = source.find("\n", end)
                if end < 0 or source[end - 1] != "\\":
                    break
                end += 1
            pos = len(source) if end < 0 else end
            continue
        match = TOKEN.match(source, pos)
        kind, text = match.lastgroup, match.group(0)
        if kind == "delim":
            kind = "string"
        if kind == "space":
            line_start = line_start or "\n" in text
        else:
            line_start = False
            if kind != "comment":
                out.append(Token(kind, text, pos))
        pos = match.end()
    return out


def changed_number(text):
    """Other values for a number, suffix and base kept: 0 becomes 1, 1 becomes 0 or 2, 2 to 9
    one more or less, larger integers and every fraction double or half."""
    hexadecimal = text.lower().startswith("0x")
    body = text.rstrip("uUlL" if hexadecimal else "fFuUlL")
    suffix = text[len(body):]
    if hexadecimal:
        value = int(body.replace("'", ""), 16)
        return ["0x%X%s" % (v, suffix) for v in (value + 1, value - 1) if v >= 0]
    clean = body.replace("'", "")
    if re.fullmatch(r"\d+", clean):
        n = int(clean)
        values = [1] if n == 0 else [0, 2] if n == 1 else [n + 1, n - 1] if n < 10 \
            else [2 * n, n // 2]
        return ["%d%s" % (v, suffix) for v in values]
    value = decimal.Decimal(clean)
    if value == 0:
        return ["1.0" + suffix]
    texts = [format(v.normalize(), "f") for v in (value * 2, value / 2)]
    return [t + ("" if "." in t else ".0") + suffix for t in texts]


def sites(path, source):
    """Every place a fault can be planted: (start, end, [replacements])."""
    toks = tokens(source)
    found = []
    for i, t in enumerate(toks):
        before = source[t.start - 1:t.start]
        after = source[t.end:t.end + 1]
        if t.kind == "punct" and t.text in SWAPS and before.isspace() and after.isspace():
            found.append((t.start, t.end, SWAPS[t.text]))
        elif t.kind == "punct" and t.text == "!" and i + 1 < len(toks) and not after.isspace():
            found.append((t.start, t.end, [""]))
        elif t.kind == "number":
            found.append((t.start, t.end, changed_number(t.text)))
        elif t.kind == "ident" and t.text in ("true", "false"):
            found.append((t.start, t.end, ["false" if t.text == "true" else "true"]))
        elif t.kind == "ident" and t.text in ("if", "while") and toks[i + 1].text == "(":
            close = matching(toks, i + 1)
            inner = toks[i + 2:close]
            if close and inner and inner[0].text not in ("const", "auto", "constexpr") \
                    and not any(x.text == ";" for x in inner):
                found.append((toks[i + 1].end, toks[close].start,
                              ["!(" + source[toks[i + 1].end:toks[close].start] + ")"]))
        elif t.kind == "ident" and t.text not in KEYWORDS and statement_start(source, toks, i):
            end = call_statement_end(toks, i)
            if end is not None:
                found.append((t.start, toks[end].end, [";"]))
    return [(path, start, end, options) for start, end, options in found if options]


def matching(toks, open_index):
    opening = toks[open_index].text
    closing = {"(": ")", "[": "]", "{": "}"}[opening]
    depth = 0
    for k in range(open_index, len(toks)):
        depth += {opening: 1, closing: -1}.get(toks[k].text, 0)
        if depth == 0:
            return k
    return None


def statement_start(source, toks, i):
    if i == 0 or toks[i - 1].text not in (";", "{", "}", ")", "else"):
        return False
    if toks[i - 1].text != ")":
        return True
    line_begin = source.rfind("\n", 0, toks[i].start) + 1
    return source[line_begin:toks[i].start].isspace() or line_begin == toks[i].start


def call_statement_end(toks, i):
    """The index of the ';' ending `name(.chain)(...);` that starts at toks[i], else None."""
    k = i
    while k + 2 < len(toks):
        if toks[k + 1].text == "[":
            k = matching(toks, k + 1)
        elif toks[k + 1].text in (".", "->", "::") and toks[k + 2].kind == "ident":
            k += 2
        else:
            break
        if k is None:
            return None
    if k + 1 >= len(toks) or toks[k + 1].text != "(":
        return None
    close = matching(toks, k + 1)
    if close is None or close + 1 >= len(toks) or toks[close + 1].text != ";":
        return None
    return close + 1


def line_of(source, offset):
    return source.count("\n", 0, offset) + 1


def anchor(path, source, start, end, replacement):
    """`file: before => after`: the lines the mutant changes as they read before and after, blanks
    run together, with as many lines above them as make the text before unique in the file."""
    lines = source.split("\n")
    first, last = source.count("\n", 0, start), source.count("\n", 0, end)
    flat = [" ".join(line.split()) for line in lines]

    def text(a, b):
        return " ".join(t for t in flat[a:b + 1] if t)

    span = last - first
    while first > 0 and sum(text(i, i + span) == text(first, first + span)
                            for i in range(len(lines) - span)) > 1:
        first -= 1
        span += 1
    begin = sum(len(line) + 1 for line in lines[:first])
    stop = sum(len(line) + 1 for line in lines[:last + 1]) - 1
    after = source[begin:start] + replacement + source[end:stop]
    return "%s: %s => %s" % (path, text(first, last), " ".join(after.split()))
