#!/usr/bin/env python3
"""Generate the AISC 360-22 section table (src/aisc360/shapes_data.cpp and .h).

Every row of the AISC shapes database becomes one row of the table, in the
database's order, with the database's own values: nothing is substituted,
computed or rounded. docs/aisc360-tables-provenance.md explains the mapping.

Input format: the AISC shapes database as CSV in US units (UTF-8, optionally
with a byte-order mark), one header row naming AISC's columns (Type,
AISC_Manual_Label, W, A, d, bf, tw, tf, kdes, x, y, eo, bf/2tf, b/t, b/tdes,
h/tw, h/tdes, D/t, Ix, Zx, Sx, rx, Iy, Zy, Sy, ry, Iz, rz, Iw, tan(α), J, Cw,
C, ro, H, rts, ho, Ht, h, B, b, OD, t, tnom, tdes), then one row per shape.
A cell with "-" (the en dash AISC prints) or nothing means the shape has no
such value; it is stored as 0. Type is one of W M S HP C MC WT MT ST L 2L HSS
PIPE; an HSS row with an OD is round, else rectangular (square when Ht = B).
"""

import argparse
import csv
import os
import sys
from fractions import Fraction

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT_DIR = os.path.join(REPO, "src", "aisc360")

# (C++ member, database column, comment). Order is the struct's order.
FIELDS = [
    ("W", "W", "nominal weight, lb/ft"),
    ("A", "A", "area, in^2"),
    ("d", "d", "depth (I-shapes, channels, tees); angle, 2L: one leg (b the other)"),
    ("bf", "bf", "flange width"),
    ("tw", "tw", "web (stem) thickness"),
    ("tf", "tf", "flange thickness"),
    ("kdes", "kdes", "design k"),
    ("x", "x", "channel, angle: centroid from the back of the web / vertical leg"),
    ("y", "y", "tee, angle, 2L: centroid from the flange face / back of horizontal leg"),
    ("eo", "eo", "channel: shear centre from the back of the web"),
    ("bf2tf", "bf/2tf", "bf/2tf"),
    ("bt", "b/t", "channel bf/tf; angle larger leg / t"),
    ("btdes", "b/tdes", "rectangular HSS: flat width / design wall"),
    ("htw", "h/tw", "h/tw"),
    ("htdes", "h/tdes", "rectangular HSS: flat depth / design wall"),
    ("Dt", "D/t", "round HSS, pipe: OD / design wall; tee: d/tw"),
    ("Ix", "Ix", "in^4"),
    ("Zx", "Zx", "in^3"),
    ("Sx", "Sx", "in^3"),
    ("rx", "rx", "in"),
    ("Iy", "Iy", "in^4"),
    ("Zy", "Zy", "in^3"),
    ("Sy", "Sy", "in^3"),
    ("ry", "ry", "in (2L: at the row's spacing)"),
    ("Iz", "Iz", "angle: minor principal axis, in^4"),
    ("rz", "rz", "angle: minor principal axis, in"),
    ("Iw", "Iw", "angle: major principal axis, in^4"),
    ("tanAlpha", "tan(\u03b1)", "angle: tangent of the principal axis angle"),
    ("J", "J", "torsional constant, in^4"),
    ("Cw", "Cw", "warping constant, in^6"),
    ("C", "C", "HSS torsional constant, in^3"),
    ("ro", "ro", "polar radius of gyration about the shear centre, in"),
    ("H", "H", "flexural constant"),
    ("rts", "rts", "effective radius of gyration, in"),
    ("ho", "ho", "distance between flange centroids, in"),
    ("Ht", "Ht", "rectangular HSS: overall depth"),
    ("h", "h", "rectangular HSS: flat depth"),
    ("B", "B", "rectangular HSS: overall width"),
    ("b", "b", "rectangular HSS: flat width; angle, 2L: the other leg"),
    ("OD", "OD", "round HSS, pipe: outside diameter"),
    ("t", "t", "angle thickness"),
    ("tnom", "tnom", "HSS, pipe: nominal wall"),
    ("tdes", "tdes", "HSS, pipe: design wall"),
]

FAMILIES = {"W": "W", "M": "M", "S": "S", "HP": "HP", "C": "C", "MC": "MC", "WT": "WT", "MT": "MT",
            "ST": "ST", "L": "L", "2L": "DoubleL", "PIPE": "Pipe"}


def missing(text):
    t = text.strip()
    return t in ("", "\u2013", "-", "\u2014")


def literal(text, label, column):
    """The database text as a float literal, digit for digit."""
    t = text.strip()
    if missing(t):
        return "0"
    try:
        float(t)
    except ValueError:
        sys.exit(f"{label}: column {column} is not a number: {text!r}")
    if not any(c in t for c in ".eE"):
        t += ".0"
    if t.startswith("."):
        t = "0" + t
    return t + "f"


def family(row):
    kind = row["Type"].strip()
    if kind == "HSS":
        return "HssRound" if not missing(row["OD"]) else "HssRect"
    if kind not in FAMILIES:
        sys.exit(f"{row['AISC_Manual_Label']}: unknown Type {kind!r}")
    return FAMILIES[kind]


def dim(text):
    """"1-1/8" -> 1.125, "3/8" -> 0.375, "8" -> 8."""
    whole, _, frac = text.partition("-")
    if "/" in whole:
        return float(Fraction(whole))
    return float(Fraction(whole) + (Fraction(frac) if frac else 0))


def double_angle(label):
    """Spacing (in) and leg arrangement of a 2L label: 2L8X6X1X3/8LLBB -> (0.375, 'Long')."""
    body = label[2:]
    legs = "Equal"
    for suffix, name in (("LLBB", "LongBackToBack"), ("SLBB", "ShortBackToBack")):
        if body.endswith(suffix):
            body, legs = body[: -len(suffix)], name
    parts = body.split("X")
    if len(parts) not in (3, 4):
        sys.exit(f"{label}: cannot read the double-angle designation")
    spacing = dim(parts[3]) if len(parts) == 4 else 0.0
    if legs == "Equal" and dim(parts[0]) != dim(parts[1]):
        sys.exit(f"{label}: unequal legs without LLBB or SLBB")
    return spacing, legs


def read(path):
    try:
        with open(path, encoding="utf-8-sig", newline="") as f:
            rows = list(csv.DictReader(f))
    except (OSError, UnicodeDecodeError, csv.Error) as e:
        sys.exit(f"{path}: {e}")
    if not rows:
        sys.exit(f"{path}: no rows")
    need = {"Type", "AISC_Manual_Label"} | {c for _, c, _ in FIELDS}
    absent = sorted(need - set(rows[0].keys()))
    if absent:
        sys.exit(f"{path}: missing columns {', '.join(absent)}")
    labels = [r["AISC_Manual_Label"].strip() for r in rows]
    dup = {l for l in labels if labels.count(l) > 1}
    if dup:
        sys.exit(f"{path}: duplicate labels {sorted(dup)}")
    return rows


def emit_header(path, count):
    w = []
    w.append("#pragma once")
    w.append("// Generated by tools/gen_aisc360_tables.py from the AISC shapes database; do not edit.")
    w.append("// Every row of the database, with its own values (docs/aisc360-tables-provenance.md).")
    w.append("#include <cstddef>")
    w.append("#include <cstdint>")
    w.append("")
    w.append("namespace vd::aisc360 {")
    w.append("")
    w.append("enum class Family : std::uint8_t { " + ", ".join(
        ["W", "M", "S", "HP", "C", "MC", "WT", "MT", "ST", "L", "DoubleL", "HssRect", "HssRound", "Pipe"]) + " };")
    w.append("")
    w.append("// How the legs of a double angle are joined.")
    w.append("enum class Legs : std::uint8_t { Equal, LongBackToBack, ShortBackToBack };")
    w.append("")
    w.append("// One database row. Units: in, in^2, in^3, in^4, in^6, lb/ft. A value the database does not")
    w.append("// give for the shape is 0. The values are the database's, as 4-byte floats.")
    w.append("struct Shape {")
    w.append("  const char* label;  // AISC_Manual_Label")
    w.append("  Family family;")
    w.append("  Legs legs;          // 2L only")
    w.append("  float spacing;      // 2L: gap between the angles, from the label, in")
    for name, _, comment in FIELDS:
        w.append(f"  float {name};".ljust(18) + f"  // {comment}")
    w.append("};")
    w.append("")
    w.append(f"inline constexpr std::size_t kShapeCount = {count};")
    w.append("extern const Shape kShapes[kShapeCount];")
    w.append("")
    w.append("}  // namespace vd::aisc360")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(w) + "\n")


def emit_source(path, rows, csv_name):
    w = []
    w.append("// Generated by tools/gen_aisc360_tables.py from " + csv_name + "; do not edit.")
    w.append("#include \"aisc360/shapes_data.h\"")
    w.append("")
    w.append("namespace vd::aisc360 {")
    w.append("")
    w.append("constexpr Shape kShapes[kShapeCount] = {")
    for r in rows:
        label = r["AISC_Manual_Label"].strip()
        fam = family(r)
        spacing, legs = double_angle(label) if fam == "DoubleL" else (0.0, "Equal")
        values = ", ".join(literal(r[c], label, c) for _, c, _ in FIELDS)
        w.append(f"    {{\"{label}\", Family::{fam}, Legs::{legs}, {spacing!r}f, {values}}},")
    w.append("};")
    w.append("")
    w.append("}  // namespace vd::aisc360")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(w) + "\n")


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("csv", help="the AISC shapes database, CSV (format above)")
    ap.add_argument("--out-dir", default=OUT_DIR, help="where shapes_data.cpp and shapes_data.h go")
    args = ap.parse_args()
    rows = read(args.csv)
    os.makedirs(args.out_dir, exist_ok=True)
    emit_header(os.path.join(args.out_dir, "shapes_data.h"), len(rows))
    emit_source(os.path.join(args.out_dir, "shapes_data.cpp"), rows, os.path.basename(args.csv))
    counts = {}
    for r in rows:
        counts[family(r)] = counts.get(family(r), 0) + 1
    print(f"{len(rows)} rows: " + ", ".join(f"{k} {v}" for k, v in counts.items()))


if __name__ == "__main__":
    main()
