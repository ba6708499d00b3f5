#!/usr/bin/env python3
"""Checks the generator's geometry against the AISC shapes database: each
formula used for a row the database lacks must reproduce the published values
of the shapes it does have. Skips (exit 0) when the CSV is not at hand."""

import argparse
import difflib
import math
import os
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import gen_steel_tables as gen  # noqa: E402
import steel_geometry as geo  # noqa: E402

CSV = ""  # set from --csv


def have_db():
    return bool(CSV) and os.path.exists(CSV)


def rel(a, b):
    return abs(a / b - 1.0)


class GeometryAgainstDatabase(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if not have_db():
            raise unittest.SkipTest(f"AISC shapes database not at {CSV}")
        cls.db = gen.Db(CSV)

    def rows(self, kind):
        return [r for r in self.db.rows.values() if r["Type"] == kind]

    def test_rectangular_hss_within_one_percent(self):
        keys = [("A", "A"), ("Ix", "Ix"), ("Iy", "Iy"), ("Sx", "Sx"), ("Sy", "Sy"), ("rx", "rx"),
                ("ry", "ry"), ("Zx", "Zx"), ("Zy", "Zy"), ("J", "J"), ("C", "C"), ("weight", "W"),
                ("b/t", "b/tdes"), ("h/t", "h/tdes")]
        n = 0
        for r in self.rows("HSS"):
            if r["OD"] != "–":
                continue
            p = geo.rect_hss(float(r["Ht"]), float(r["B"]), float(r["tdes"]), float(r["tnom"]))
            for mine, theirs in keys:
                with self.subTest(shape=r["AISC_Manual_Label"], prop=mine):
                    self.assertLess(rel(p[mine], float(r[theirs])), 0.01)
            n += 1
        self.assertGreater(n, 250)

    def test_pipe_ring_formulas_within_one_percent(self):
        # The database tabulates pipes at the design wall 0.93 tnom, and its
        # areas do not all follow the ring exactly (Pipe10STD is 3.3 % above
        # it); the ring formula is held to 3.5 % on the database's pipes.
        for r in self.rows("PIPE"):
            size = r["AISC_Manual_Label"][4:].replace("XXS", "").replace("XS", "").replace("STD", "")
            D = gen.PIPE_OD[size]
            self.assertLessEqual(abs(D - float(r["OD"])), gen.printed_half_unit(r["OD"]))
            p = geo.pipe(D, float(r["tdes"]))
            for mine, theirs in [("A", "A"), ("I", "Ix"), ("S", "Sx"), ("r", "rx"), ("Z", "Zx"), ("J", "J")]:
                with self.subTest(shape=r["AISC_Manual_Label"], prop=mine):
                    self.assertLess(rel(p[mine], float(r[theirs])), 0.035)

    def test_double_angle_assembly_within_one_percent(self):
        # Spacing properties from the single angle's published values.
        n = 0
        for lab, r in self.db.rows.items():
            if r["Type"] != "2L" or "X3/" in lab:
                continue
            one = self.db.get("L" + lab[2:].replace("LLBB", "").replace("SLBB", ""))
            if one is None:
                continue
            t = float(gen.label_fraction(lab[2:].replace("LLBB", "").replace("SLBB", "").split("X")[2]))
            s = dict(A=float(one["A"]), Ix=float(one["Ix"]), Iy=float(one["Iy"]), x=float(one["x"]),
                     y=float(one["y"]), a=float(one["b"]), b=float(one["d"]))
            if lab.endswith("SLBB"):
                s = dict(s, Ix=s["Iy"], Iy=s["Ix"], x=s["y"], y=s["x"], a=s["b"], b=s["a"])
            for spacing, label in [(0.0, lab), (0.375, gen_spaced(lab, "X3/8")), (0.75, gen_spaced(lab, "X3/4"))]:
                p = geo.double_angle(s, t, spacing)
                for key in ("ry", "ro", "H"):
                    with self.subTest(shape=label, prop=key):
                        self.assertLess(rel(p[key], float(self.db[label][key])), 0.01)
            n += 1
        self.assertGreater(n, 140)

    def test_angle_geometry_on_the_computed_angles_families(self):
        # The two computed angles are L4x3x7/16 and L5x3x5/8. Their families'
        # published rows, recomputed from legs, thickness and root fillet.
        # Sharp toes make the thin legs' extreme-fibre values run high, so
        # section moduli and plastic moduli are held to 3 %, the torsion
        # constant (Roark's fillet formula) to 4.5 %, the rest to 1.5 %.
        limits = {"A": 0.015, "x": 0.015, "y": 0.015, "Ix": 0.015, "Iy": 0.02, "rz": 0.015,
                  "Sx": 0.02, "Sy": 0.02, "Zx": 0.03, "Zy": 0.03, "J": 0.045, "Cw": 0.01}
        for prefix in ("L4X3X", "L5X3X"):
            for lab, r in self.db.rows.items():
                if not lab.startswith(prefix):
                    continue
                t = gen.label_fraction(lab[len(prefix):])
                if t < gen.Fraction(3, 8):
                    continue
                radius = float(r["kdes"]) - float(t)
                p = geo.angle(float(r["b"]), float(r["d"]), float(t), radius)
                for key, limit in limits.items():
                    with self.subTest(shape=lab, prop=key):
                        self.assertLess(rel(p[key], float(r[key])), limit)

    def test_generated_source_is_current(self):
        committed = os.path.join(gen.REPO, "src", "tables", "steel_tables_data.cpp")
        with tempfile.TemporaryDirectory() as tmp:
            out = os.path.join(tmp, "steel_tables_data.cpp")
            gen.emit(gen.build_all(self.db), CSV, out)
            with open(out, encoding="utf-8") as a, open(committed, encoding="utf-8") as b:
                fresh, kept = a.read(), b.read()
        if fresh != kept:
            diff = "".join(list(difflib.unified_diff(kept.splitlines(True), fresh.splitlines(True)))[:40])
            self.fail("src/tables/steel_tables_data.cpp is out of date; run tools/gen_steel_tables.py\n" + diff)


class Formulas(unittest.TestCase):
    def test_w44x335_factors(self):
        # Tabulated values of an earlier edition: X1 2430, X2 0.00511 (its Iy ~ 1200).
        self.assertEqual(int(gen.sig(geo.w_x1(1410, 74.4, 98.3))), 2430)
        self.assertAlmostEqual(geo.w_x2(536000, 1200, 1410, 74.4), 0.00511, delta=0.00002)
        self.assertAlmostEqual(geo.w_daf(44.02, 15.95, 1.77), 1.56, delta=0.005)
        self.assertLess(rel(geo.w_rt(44.02, 15.95, 1.77, 1.02), 4.12), 0.01)

    def test_pipe_p4(self):
        p = geo.pipe(4.5, 0.237)
        self.assertEqual(gen.sig(p["A"]), 3.17)
        self.assertEqual(round(p["weight"], 2), 10.79)
        self.assertEqual(gen.sig(p["I"]), 7.23)
        self.assertEqual(gen.sig(p["Z"]), 4.31)
        self.assertEqual(gen.sig(p["J"]), 14.5)

    def test_metric_designations(self):
        self.assertEqual(gen.metric_mass(335), "499")
        self.assertEqual(gen.metric_mass(50), "74")
        self.assertEqual(gen.metric_mass(4.1), " 6.1")
        self.assertEqual(gen.metric_depth(44), 1100)
        self.assertEqual(gen.metric_depth(15), 380)
        self.assertEqual(gen.metric_depth(3), 75)
        self.assertEqual(gen.mm(gen.Fraction(9, 8), 1), "28.6")
        self.assertEqual(gen.mm(gen.Fraction(5, 2)), "64")

    def test_sharp_square_tube_limit(self):
        # With no corner radius the tube is two nested rectangles.
        a, i, z = geo._rounded_rect(10.0, 6.0, 0.0)
        self.assertAlmostEqual(a, 60.0)
        self.assertAlmostEqual(i, 6.0 * 1000 / 12)
        self.assertAlmostEqual(z, 6.0 * 100 / 4)


def gen_spaced(label, spacing):
    for sfx in ("LLBB", "SLBB"):
        if label.endswith(sfx):
            return label[: -len(sfx)] + spacing + sfx
    return label + spacing


if __name__ == "__main__":
    ap = argparse.ArgumentParser()
    ap.add_argument("--csv", required=True, help="the AISC shapes database, CSV export in US units")
    args, rest = ap.parse_known_args()
    CSV = args.csv
    unittest.main(argv=[sys.argv[0]] + rest)
