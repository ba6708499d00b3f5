#!/usr/bin/env python3
"""Builds the lumber and glulam tables of the wood subsystem from the reference document.

The reference document is the project's markdown description of the program, whose wood sections
carry the 1991 NDS Supplement design values (Tables 4A, 4D and 5A) as markdown tables. This script
copies them mechanically, so no value is typed by hand:

  python3 tools/gen_wood_tables.py REFERENCE.md

writes src/wood/wood_tables_data.cpp, the compiled-in tables (species, grades, sizes, glulam). The
tests check a handful of rows against the published tables, typed by hand.
"""

import re
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
KIND = {"S": "Structural", "Stud": "Stud", "CS": "ConstructionStandard", "Util": "Utility"}
COLUMNS = ["Fb", "Ft", "Fv", "FcX", "Fc", "E"]


def num(text):
    return float(text.replace(",", "").strip())


def unquote(text):
    text = text.strip()
    assert text.startswith('"') and text.endswith('"'), text
    return text[1:-1]


def cells(line):
    return [c.strip() for c in line.strip().strip("|").split("|")]


def section(lines, start_title, end_title):
    """The lines from the top-level heading that names start_title to the one that names end_title."""
    def heading(line, title):
        return line.startswith("# ") and line.rstrip().endswith(title)
    start = next(i for i, l in enumerate(lines) if heading(l, start_title))
    end = next(i for i in range(start + 1, len(lines)) if heading(lines[i], end_title))
    return lines[start:end]


def table_after(lines, i):
    """Data rows of the markdown table that starts after line i."""
    j = i + 1
    while not lines[j].startswith("|"):
        j += 1
    rows = []
    j += 2  # heading and rule
    while j < len(lines) and lines[j].startswith("|"):
        rows.append(cells(lines[j]))
        j += 1
    return rows, j


def parse_lumber(lines):
    species = []
    for i, line in enumerate(lines):
        if line.startswith("| Index | Name"):
            rows, _ = table_after(lines, i - 1)
            for r in rows:
                species.append({"name": unquote(r[1]), "ends": [int(r[2]), int(r[3]), int(r[4])]})
            break
    assert len(species) == 7
    grades = {}
    verbatim = []
    header = re.compile(r'^Species (\d), "([^"]+)", agency "([^"]+)"')
    for i, line in enumerate(lines):
        m = header.match(line)
        if not m:
            continue
        verbatim.append(line)
        idx, agency = int(m.group(1)), m.group(3)
        if "the same" in line:
            base = int(re.search(r"as species (\d)", line).group(1))
            rows = [dict(r, agency=agency) for r in grades[base]]
            for clause in line.split("row ")[1:]:
                row = int(re.match(r"(\d+)", clause).group(1))
                name = re.search(r'"([^"]+)"', clause).group(1)
                assert rows[row]["name"] == name, (idx, row, name)
                for key, value in re.findall(r"\b(Fb|Ft|Fv|FcX|Fc|E) =? ?([\d,]+)", clause.split('"')[2]):
                    rows[row][key] = num(value)
            grades[idx] = rows
        else:
            table, end = table_after(lines, i)
            verbatim.extend(lines[i + 1:end])
            rows = []
            for n, r in enumerate(table):
                assert int(r[0]) == n
                row = {"name": unquote(r[1]), "kind": KIND[r[2]], "agency": agency}
                for k, v in zip(COLUMNS, r[3:9]):
                    row[k] = num(v)
                rows.append(row)
            grades[idx] = rows
    for idx, sp in enumerate(species):
        assert len(grades[idx]) == sp["ends"][2], idx
    size_line = next(l for l in lines if l.startswith("- 2x-4x sizes"))
    verbatim.append(size_line)
    sizes2 = [(a, num(b), num(d)) for a, b, d in re.findall(r'"([^"]+)" (\d+(?:\.\d+)?) x (\d+(?:\.\d+)?)', size_line)]
    assert len(sizes2) == 31
    for marker in ("| Kind | Nominal depth", "| Wet class |"):
        i = next(k for k, l in enumerate(lines) if l.startswith(marker))
        _, end = table_after(lines, i - 1)
        verbatim.extend(lines[i:end])
    return species, grades, sizes2, verbatim


def dressed(nominal):
    return 4.5 if nominal == 5 else nominal - 0.5


def timber_sizes():
    labels = ["5x5"]
    for width in range(6, 25, 2):
        first = 12 if width == 14 else width
        labels += [f"{width}x{d}" for d in range(first, 25, 2)]
        if width == 16:
            # The second run of 16x rows is kept: stored row numbers depend on it.
            labels += [f"16x{d}" for d in range(18, 25, 2)]
    rows = []
    for label in labels:
        w, d = (int(x) for x in label.split("x"))
        rows.append((label, dressed(w), dressed(d)))
    assert len(rows) == 61
    return rows


def parse_glulam(lines):
    combos = []
    verbatim = []
    i = next(k for k, l in enumerate(lines) if l.startswith("| Index | Combination"))
    table, end = table_after(lines, i - 1)
    verbatim.extend(lines[i:end])
    for n, r in enumerate(table):
        assert int(r[0]) == n
        combos.append({"name": unquote(r[1]), "species": unquote(r[2]),
                       "values": [num(v) for v in r[3:16]], "note": int(r[16])})
    assert len(combos) == 40
    i = next(k for k, l in enumerate(lines) if l.startswith("| Width b"))
    table, end = table_after(lines, i - 1)
    verbatim.extend(lines[i:end])
    widths = []
    for r in table:
        b = num(r[0])
        first, last, count = unquote(r[1]), unquote(r[2]), int(r[3])
        prefix = re.match(r"^(.*?x ?)", first).group(1)
        widths.append((b, prefix, depth_of(first), depth_of(last), count))
    return combos, widths, verbatim


def depth_of(label):
    tail = re.split(r"x ?", label, maxsplit=1)[1].strip()
    whole, _, frac = tail.partition("-")
    return int(whole) + (0.5 if frac == "1/2" else 0.0)


def depth_label(d):
    return f"{int(d)}-1/2" if d != int(d) else f"{int(d)}"


def glulam_sizes(b, prefix, first, last, count):
    rows = []
    d = first
    while d <= last + 1e-9:
        rows.append((prefix + depth_label(d), b, d))
        d += 1.5
    assert len(rows) == count, (b, len(rows), count)
    return rows


def c_string(s):
    return '"' + s.replace("\\", "\\\\").replace('"', '\\"') + '"'


def g(x):
    text = repr(float(x))
    return text


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    lines = Path(sys.argv[1]).read_text(encoding="utf-8").splitlines()
    lumber = section(lines, "Lumber species and grade tables", "Sawn beam design")
    glulam = section(lines, "Glulam tables and glulam beam design", "Solid wood columns")
    species, grades, sizes2, _ = parse_lumber(lumber)
    combos, widths, _ = parse_glulam(glulam)

    out = []
    w = out.append
    w("// Generated by tools/gen_wood_tables.py; do not edit by hand.")
    w("// Design values of the 1991 NDS Supplement: visually graded dimension lumber (Table 4A), visually")
    w("// graded timbers (Table 4D) and structural glued-laminated softwood timber (Table 5A); psi and in.")
    w('#include "wood/wood_tables.h"')
    w("")
    w("namespace vd {")
    w("")
    w("namespace {")
    w("")
    for idx in range(7):
        w(f"const GradeRecord kGrades{idx}[] = {{")
        for r in grades[idx]:
            vals = ", ".join(g(r[k]) for k in COLUMNS)
            w(f"    {{{c_string(r['name'])}, GradeKind::{r['kind']}, {vals}, {c_string(r['agency'])}}},")
        w("};")
        w("")
    w("}  // namespace")
    w("")
    w("const SpeciesRecord kSpecies[kSpeciesCount] = {")
    for idx, sp in enumerate(species):
        e = sp["ends"]
        w(f"    {{{c_string(sp['name'])}, {e[0]}, {e[1]}, {e[2]}, kGrades{idx}}},")
    w("};")
    w("")
    w(f"const LumberSize kDimensionSizes[{len(sizes2)}] = {{")
    for label, b, d in sizes2:
        w(f"    {{{c_string(label)}, {g(b)}, {g(d)}}},")
    w("};")
    w("")
    t = timber_sizes()
    w(f"const LumberSize kTimberSizes[{len(t)}] = {{")
    for label, b, d in t:
        w(f"    {{{c_string(label)}, {g(b)}, {g(d)}}},")
    w("};")
    w("")
    w(f"const GlulamCombination kGlulamCombinations[{len(combos)}] = {{")
    for c in combos:
        vals = ", ".join(g(v) for v in c["values"])
        w(f"    {{{c_string(c['name'])}, {c_string(c['species'])}, {{{vals}}}, {c['note']}}},")
    w("};")
    w("")
    w("namespace {")
    w("")
    for n, (b, prefix, first, last, count) in enumerate(widths):
        w(f"const GlulamSize kGlulamWidth{n}[] = {{")
        for label, bb, d in glulam_sizes(b, prefix, first, last, count):
            w(f"    {{{c_string(label)}, {g(bb)}, {g(d)}}},")
        w("};")
        w("")
    w("}  // namespace")
    w("")
    w(f"const GlulamSizeTable kGlulamSizeTables[{len(widths)}] = {{")
    for n, (b, prefix, first, last, count) in enumerate(widths):
        w(f"    {{{g(b)}, kGlulamWidth{n}, {count}}},")
    w("};")
    w("")
    w("}  // namespace vd")
    (ROOT / "src/wood/wood_tables_data.cpp").write_text("\n".join(out) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()
