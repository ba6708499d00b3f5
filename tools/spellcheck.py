#!/usr/bin/env python3
"""Spell-checks the program's own texts: the string literals of src/ (labels, titles, messages,
report lines), the script examples and the README.

Words are checked against the system word list (/usr/share/dict/american-english, Debian package
wamerican) and tools/spelling_words.txt, the technical terms and abbreviations of structural
engineering the general list lacks. Exit status 1 lists each unknown word as FILE:LINE: WORD.

Usage: tools/spellcheck.py [FILE...]   (default: every source file, examples/ and README.md)
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SYSTEM_WORDS = pathlib.Path("/usr/share/dict/american-english")
OWN_WORDS = ROOT / "tools" / "spelling_words.txt"
# Generated tables: section designations and species names, not prose.
SKIP = re.compile(r"(_data\.cpp|shapes_data\.cpp)$")

# A C++ string literal (plain or raw), not inside a comment.
LITERAL = re.compile(r'R"(?P<delim>[^(\s]*)\((?P<raw>.*?)\)(?P=delim)"|"(?P<plain>(?:[^"\\\n]|\\.)*)"', re.S)
COMMENT = re.compile(r"//[^\n]*|/\*.*?\*/", re.S)
FORMAT = re.compile(r"%[-+ #0]*(\d+|\*)?(\.(\d+|\*))?(hh|h|ll|l|L|z|j|t)?[diouxXeEfFgGaAcspn%]")
ESCAPE = re.compile(r"\\(x[0-9a-fA-F]+|u[0-9a-fA-F]{4}|[0-7]{1,3}|.)")
WORD = re.compile(r"[A-Za-z]+(?:'[A-Za-z]+)*")


def load_words():
    words = set()
    if SYSTEM_WORDS.exists():
        words.update(w.strip().lower() for w in SYSTEM_WORDS.read_text(encoding="utf-8", errors="replace").split())
    else:
        sys.exit(f"spellcheck: {SYSTEM_WORDS} is missing (Debian package wamerican; scripts/install-deps.sh)")
    for line in OWN_WORDS.read_text(encoding="utf-8").splitlines():
        line = line.split("#", 1)[0].strip()
        if line:
            words.add(line.lower())
    return words


def blank_comments(text):
    """Comments become blanks (newlines kept), so string literals keep their line numbers."""
    out, pos = [], 0
    for m in re.finditer(r'//[^\n]*|/\*.*?\*/|R"([^(\s]*)\(.*?\)\1"|"(?:[^"\\\n]|\\.)*"|\'(?:[^\'\\\n]|\\.)*\'', text, re.S):
        out.append(text[pos:m.start()])
        token = m.group(0)
        out.append(re.sub(r"[^\n]", " ", token) if token.startswith("/") else token)
        pos = m.end()
    out.append(text[pos:])
    return "".join(out)


def texts_of_source(path):
    """(line, text) of every string literal of a C++ file, outside #include lines and outside the
    lines between "// spellcheck: off" and "// spellcheck: on" (old misspelled names kept on purpose)."""
    original = path.read_text(encoding="utf-8", errors="replace")
    skipped, off = set(), False
    for number, line in enumerate(original.splitlines(), 1):
        if "spellcheck: off" in line:
            off = True
        elif "spellcheck: on" in line:
            off = False
        if off:
            skipped.add(number)
    text = blank_comments(original)
    for m in LITERAL.finditer(text):
        line = text.count("\n", 0, m.start()) + 1
        if line in skipped:
            continue
        start = text.rfind("\n", 0, m.start()) + 1
        if text[start:m.start()].lstrip().startswith("#"):
            continue  # #include "...", #define names
        body = m.group("raw") if m.group("raw") is not None else m.group("plain")
        if re.search(r'</|=\\"', body):
            continue  # markup (SVG, XML) the program writes, not words it shows
        body = ESCAPE.sub(" ", body)  # in a raw text, a shown "\n" of a shell example
        for offset, piece in enumerate(body.split("\n")):
            yield line + offset, piece


def texts_of_plain(path):
    for number, line in enumerate(path.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
        line = re.sub(r"\d+(\.\d+)?%", " ", line)  # "0.75%" is a number, not a format
        yield number, re.sub(r"`[^`]*`|https?://\S+|\([^)]*\.(png|md|txt)\)", " ", line)


def candidates(text):
    text = FORMAT.sub(" ", text)
    text = re.sub(r"&(?!&)", "", text)  # "E&xit": a mnemonic marker inside a word
    for token in re.split(r"\s+", text):
        # Identifiers, keys, file names and templates are names, not words: WMS_Box, sawnSpecieNum, cbm.wri.
        if "_" in token or re.search(r"[a-z][A-Z]", token) or re.search(r"\w\.\w", token) or "/" in token[1:-1] and "://" in token:
            continue
        for w in WORD.findall(token):
            if len(w) > 2:
                yield w


def known(word, words):
    lower = word.lower()
    if lower in words:
        return True
    # Possessives and plurals of known words and abbreviations.
    for suffix in ("'s", "s", "es"):
        if lower.endswith(suffix) and lower[: -len(suffix)] in words:
            return True
    return False


def main(argv):
    words = load_words()
    if argv:
        files = [pathlib.Path(a).resolve() for a in argv]
    else:
        files = sorted(p for p in (ROOT / "src").rglob("*") if p.suffix in (".cpp", ".h") and not SKIP.search(p.name))
        files += sorted((ROOT / "examples").rglob("*.txt")) + [ROOT / "README.md"]
    unknown = 0
    for path in files:
        reader = texts_of_source if path.suffix in (".cpp", ".h") else texts_of_plain
        for line, text in reader(path):
            for w in candidates(text):
                if not known(w, words):
                    print(f"{path.relative_to(ROOT)}:{line}: {w}")
                    unknown += 1
    if unknown:
        print(f"{unknown} unknown words: correct them, or add real terms to tools/spelling_words.txt", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
