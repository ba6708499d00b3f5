#!/usr/bin/env python3
"""Generate the built-in steel section tables (src/tables/steel_tables_data.cpp).

Every value comes from the AISC shapes database (a CSV export, US units, AISC's
own column names), from a textbook formula applied to database values, or from
an exact geometric computation on a section's dimensions; the few rows whose
properties were fixed earlier by hand are overridden field by field. Each row
records where it came from, and docs/steel-tables-provenance.md explains the
rules. The CSV is not part of the repository.

Usage: tools/gen_steel_tables.py --csv PATH [--out FILE]

PATH is the AISC shapes database as a CSV export in US units: one header row with AISC's column
names (AISC_Manual_Label, Type, W, A, d, bf, tw, tf, kdes, Ix, Zx, Sx, rx, Iy, ...), then one row per
shape; a value the database does not give for a shape is "-". FILE defaults to
src/tables/steel_tables_data.cpp.
"""

import argparse
import csv
import math
import os
import sys
from decimal import Decimal, ROUND_HALF_UP
from fractions import Fraction

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import steel_geometry as geo  # noqa: E402
from steel_geometry import sig  # noqa: E402

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_OUT = os.path.join(REPO, "src", "tables", "steel_tables_data.cpp")

# ------------------------------------------------------------------ row lists
# The rows of each table in table order. "W40: 593, 503" stands for W40x593 and
# W40x503; "L 8 x 8: 1.125, 1" for "L 8 x 8 x 1.125" and "L 8 x 8 x 1".

W_ROWS = """W44: 335, 290, 262, 230; W40: 593, 503, 431, 372, 321, 297, 277, 249, 215, 199, 174, 466, 392, 331, 278, 264, 235, 211, 183, 167, 149; W36: 848, 798, 650, 527, 439, 393, 359, 328, 300, 280, 260, 245, 230, 256, 232, 210, 194, 182, 170, 160, 150, 135; W33: 354, 318, 291, 263, 241, 221, 201, 169, 152, 141, 130, 118; W30: 477, 391, 326, 292, 261, 235, 211, 191, 173, 148, 132, 124, 116, 108, 99, 90; W27: 539, 448, 368, 307, 258, 235, 217, 194, 178, 161, 146, 129, 114, 102, 94, 84; W24: 492, 408, 335, 279, 250, 229, 207, 192, 176, 162, 146, 131, 117, 104, 103, 94, 84, 76, 68, 62, 55; W21: 201, 182, 166, 147, 132, 122, 111, 101, 93, 83, 73, 68, 62, 57, 50, 44; W18: 311, 283, 258, 234, 211, 192, 175, 158, 143, 130, 119, 106, 97, 86, 76, 71, 65, 60, 55, 50, 46, 40, 35; W16: 100, 89, 77, 67, 57, 50, 45, 40, 36, 31, 26; W14: 808, 730, 665, 605, 550, 500, 455, 426, 398, 370, 342, 311, 283, 257, 233, 211, 193, 176, 159, 145, 132, 120, 109, 99, 90, 82, 74, 68, 61, 53, 48, 43, 38, 34, 30, 26, 22; W12: 336, 305, 279, 252, 230, 210, 190, 170, 152, 136, 120, 106, 96, 87, 79, 72, 65, 58, 53, 50, 45, 40, 35, 30, 26, 22, 19, 16, 14; W10: 112, 100, 88, 77, 68, 60, 54, 49, 45, 39, 33, 30, 26, 22, 19, 17, 15, 12; W8: 67, 58, 48, 40, 35, 31, 28, 24, 21, 18, 15, 13, 10; W6: 25, 20, 15, 16, 12, 9; W5: 19, 16; W4: 13; M12: 11.8, 10.8; M10: 9, 8; M8: 6.5; M5: 18.9; S24: 121, 106, 100, 90, 80; S20: 96, 86, 75, 66; S18: 70, 54.7; S15: 50, 42.9; S12: 50, 40.8, 35, 31.8; S10: 35, 25.4; S8: 23, 18.4; S6: 17.25, 12.5; S5: 10; S4: 9.5, 7.7; S3: 7.5, 5.7"""

CHANNEL_ROWS = """C15: 50, 40, 33.9; C12: 30, 25, 20.7; C10: 30, 25, 20, 15.3; C9: 20, 15, 13.4; C8: 18.75, 13.75, 11.5; C7: 14.75, 12.25, 9.8; C6: 13, 10.5, 8.2; C5: 9, 6.7; C4: 7.25, 5.4; C3: 6, 5, 4.1; MC18: 58, 51.9, 45.8, 42.7; MC13: 50, 40, 35, 31.8; MC12: 50, 45, 40, 35, 31, 10.6; MC10: 41.1, 33.6, 28.5, 25, 22, 8.4; MC9: 25.4, 23.9; MC8: 22.8, 21.4, 20, 18.7, 8.5; MC7: 22.7, 19.1; MC6: 18, 16.3, 15.1, 12"""

ANGLE_ROWS = """L 8 x 8: 1.125, 1, 0.875, 0.75, 0.625, 0.5625, 0.5; L 8 x 6: 1, 0.875, 0.75, 0.625, 0.5625, 0.5, 0.4375; L 8 x 4: 1, 0.875, 0.75, 0.625, 0.5625, 0.5, 0.4375; L 7 x 4: 0.75, 0.625, 0.5, 0.4375, 0.375; L 6 x 6: 1, 0.875, 0.75, 0.625, 0.5625, 0.5, 0.4375, 0.375, 0.3125; L 6 x 4: 0.875, 0.75, 0.625, 0.5625, 0.5, 0.4375, 0.375, 0.3125; L 6 x 3.5: 0.5, 0.375, 0.3125; L 5 x 5: 0.875, 0.75, 0.625, 0.5, 0.4375, 0.375, 0.3125; L 5 x 3.5: 0.75, 0.625, 0.5, 0.375, 0.3125, 0.25; L 5 x 3: 0.5, 0.4375, 0.375, 0.3125, 0.25; L 4 x 4: 0.75, 0.625, 0.5, 0.4375, 0.375, 0.3125, 0.25; L 4 x 3.5: 0.5, 0.375, 0.3125, 0.25; L 4 x 3: 0.625, 0.5, 0.4375, 0.375, 0.3125, 0.25; L 3.5 x 3.5: 0.5, 0.4375, 0.375, 0.3125, 0.25; L 3.5 x 3: 0.5, 0.375, 0.3125, 0.25; L 3.5 x 2.5: 0.5, 0.375, 0.25; L 3 x 3: 0.5, 0.4375, 0.375, 0.3125, 0.25, 0.1875; L 3 x 2.5: 0.5, 0.375, 0.3125, 0.25, 0.1875; L 3 x 2: 0.5, 0.375, 0.3125, 0.25, 0.1875; L 2.5 x 2.5: 0.5, 0.375, 0.3125, 0.25, 0.1875; L 2.5 x 2: 0.375, 0.3125, 0.25, 0.1875; L 2 x 2: 0.375, 0.3125, 0.25, 0.1875, 0.125; 2L 8 x 8: 1.125, 1, 0.875, 0.75, 0.625, 0.5; 2L 6 x 6: 1, 0.875, 0.75, 0.625, 0.5, 0.375; 2L 5 x 5: 0.875, 0.75, 0.5, 0.375, 0.3125; 2L 4 x 4: 0.75, 0.625, 0.5, 0.375, 0.3125, 0.25; 2L 3.5 x 3.5: 0.375, 0.3125, 0.25; 2L 3 x 3: 0.5, 0.375, 0.3125, 0.25, 0.1875; 2L 2.5 x 2.5: 0.375, 0.3125, 0.25, 0.1875; 2L 2 x 2: 0.375, 0.3125, 0.25, 0.1875, 0.125; 2L 8 x 6: 1, 0.75, 0.5; 2L 8 x 4: 1, 0.75, 0.5; 2L 7 x 4: 0.75, 0.5, 0.375; 2L 6 x 4: 0.75, 0.625, 0.5, 0.375; 2L 6 x 3.5: 0.375, 0.3125; 2L 5 x 3.5: 0.75, 0.625, 0.5, 0.375, 0.3125; 2L 5 x 3: 0.625, 0.5, 0.375, 0.3125, 0.25; 2L 4 x 3.5: 0.5, 0.375, 0.3125, 0.25; 2L 4 x 3: 0.5, 0.375, 0.3125, 0.25; 2L 3.5 x 3: 0.375, 0.3125, 0.25; 2L 3.5 x 2.5: 0.375, 0.25; 2L 3 x 2.5: 0.375, 0.25, 0.3125; 2L 3 x 2: 0.375, 0.3125, 0.25, 0.1875; 2L 2.5 x 2: 0.375, 0.3125, 0.25, 0.1875; 2L 6 x 8: 1, 0.75, 0.5; 2L 4 x 8: 1, 0.75, 0.5; 2L 4 x 7: 0.75, 0.5, 0.375; 2L 4 x 6: 0.75, 0.625, 0.5, 0.375; 2L 3.5 x 6: 0.375, 0.3125; 2L 3.5 x 5: 0.75, 0.5, 0.375, 0.3125; 2L 3 x 5: 0.5, 0.375, 0.3125, 0.25; 2L 3.5 x 4: 0.5, 0.375, 0.3125, 0.25; 2L 3 x 4: 0.5, 0.375, 0.3125, 0.25; 2L 3 x 3.5: 0.375, 0.3125, 0.25; 2L 2.5 x 3.5: 0.375, 0.25; 2L 2.5 x 3: 0.375, 0.25, 0.1875; 2L 2 x 3: 0.375, 0.3125, 0.25, 0.1875; 2L 2 x 2.5: 0.375, 0.3125, 0.25, 0.1875"""

TUBE_ROWS = """HSS 32 x 24: 0.625, 0.500, 0.375; HSS 30 x 24: 0.625, 0.500, 0.375; HSS 28 x 24: 0.625, 0.500, 0.375; HSS 26 x 24: 0.625, 0.500, 0.375; HSS 24 x 22: 0.625, 0.500, 0.375; HSS 22 x 20: 0.625, 0.500, 0.375; HSS 20 x 18: 0.625, 0.500, 0.375; HSS 20 x 16: 0.625, 0.500, 0.375; HSS 20 x 12: 0.625, 0.500, 0.375, 0.313; HSS 20 x 8: 0.625, 0.500, 0.375, 0.313; HSS 20 x 4: 0.500, 0.375, 0.313; HSS 18 x 12: 0.625, 0.500, 0.375; HSS 18 x 6: 0.625, 0.500, 0.375, 0.313, 0.250; HSS 16 x 12: 0.625, 0.500, 0.375, 0.313; HSS 16 x 8: 0.625, 0.500, 0.375, 0.313; HSS 16 x 4: 0.500, 0.375, 0.313; HSS 14 x 12: 0.500, 0.375; HSS 14 x 10: 0.625, 0.500, 0.375, 0.313, 0.250; HSS 14 x 6: 0.625, 0.500, 0.375, 0.313, 0.250, 0.188; HSS 14 x 4: 0.625, 0.500, 0.375, 0.313, 0.250, 0.188; HSS 12 x 10: 0.500, 0.375, 0.313, 0.250; HSS 12 x 8: 0.625, 0.500, 0.375, 0.313, 0.250, 0.188; HSS 12 x 6: 0.625, 0.500, 0.375, 0.313, 0.250, 0.188; HSS 12 x 4: 0.625, 0.500, 0.375; HSS 13 x 4: 0.313; HSS 12 x 4: 0.250, 0.188; HSS 12 x 3.5: 0.375, 0.313; HSS 12 x 3: 0.313, 0.250, 0.188; HSS 12 x 2: 0.250, 0.188; HSS 10 x 8: 0.500, 0.375, 0.313, 0.250, 0.188; HSS 10 x 6: 0.625, 0.500, 0.375, 0.313, 0.250, 0.188; HSS 10 x 5: 0.375, 0.313, 0.250, 0.188; HSS 10 x 4: 0.625, 0.500, 0.375, 0.313, 0.250, 0.188; HSS 10 x 3.5: 0.188; HSS 10 x 3: 0.375, 0.313, 0.250, 0.188, 0.125; HSS 10 x 2: 0.375, 0.313, 0.250, 0.188; HSS 9 x 7: 0.625, 0.500, 0.375, 0.313, 0.250, 0.188; HSS 9 x 5: 0.625, 0.500, 0.375, 0.313, 0.250, 0.188; HSS 9 x 3: 0.500, 0.375, 0.313, 0.250, 0.188; HSS 8 x 6: 0.625, 0.500, 0.375, 0.313, 0.250, 0.188; HSS 8 x 4: 0.625, 0.500, 0.375, 0.313, 0.250, 0.188, 0.125; HSS 8 x 3: 0.500, 0.375, 0.313, 0.250, 0.188, 0.125; HSS 8 x 2: 0.375, 0.313, 0.250, 0.188, 0.125; HSS 7 x 5: 0.625, 0.500, 0.375, 0.313, 0.250, 0.188, 0.125; HSS 7 x 4: 0.500, 0.375, 0.313, 0.250, 0.188, 0.125; HSS 7 x 3: 0.500, 0.375, 0.313, 0.250, 0.188, 0.125; HSS 6 x 5: 0.375, 0.313, 0.250, 0.188; HSS 6 x 4: 0.500, 0.375, 0.313, 0.250, 0.188, 0.125; HSS 6 x 3: 0.500, 0.375, 0.313, 0.250, 0.188, 0.125; HSS 6 x 2: 0.375, 0.313, 0.250, 0.188, 0.125; HSS 5 x 4: 0.500, 0.375, 0.313, 0.250, 0.188; HSS 5 x 3: 0.500, 0.375, 0.313, 0.250, 0.188, 0.125; HSS 5 x 2.5: 0.250, 0.188, 0.125; HSS 5 x 2: 0.375, 0.313, 0.250, 0.188, 0.125; HSS 4 x 3: 0.375, 0.313, 0.250, 0.188, 0.125; HSS 4 x 2.5: 0.313, 0.250, 0.188; HSS 4 x 2: 0.375, 0.313, 0.250, 0.188, 0.125; HSS 3.5 x 2.5: 0.375, 0.313, 0.250, 0.188, 0.125; HSS 3 x 2.5: 0.313, 0.250, 0.188, 0.125; HSS 3 x 2: 0.313, 0.250, 0.188, 0.125; HSS 3 x 1.5: 0.250, 0.188, 0.125; HSS 3 x 1: 0.125; HSS 2.5 x 1.5: 0.250, 0.188, 0.125; HSS 2 x 1.500: 0.188; HSS 2 x 1: 0.188, 0.125; HSS 32 x 32: 0.625, 0.500, 0.375; HSS 30 x 30: 0.625, 0.500, 0.375; HSS 28 x 28: 0.625, 0.500, 0.375; HSS 26 x 26: 0.625, 0.500, 0.375; HSS 24 x 24: 0.625, 0.500, 0.375; HSS 22 x 22: 0.625, 0.500, 0.375; HSS 20 x 20: 0.625, 0.500, 0.375; HSS 18 x 18: 0.625, 0.500, 0.375; HSS 16 x 16: 0.625, 0.500, 0.375, 0.313; HSS 14 x 14: 0.625, 0.500, 0.375, 0.313; HSS 12 x 12: 0.625, 0.500, 0.375, 0.313, 0.250; HSS 10 x 10: 0.625, 0.500, 0.375, 0.313, 0.250, 0.188; HSS 8 x 8: 0.625, 0.500, 0.375, 0.313, 0.250, 0.188; HSS 7 x 7: 0.625, 0.500, 0.375, 0.313, 0.250, 0.188; HSS 6 x 6: 0.625, 0.500, 0.375, 0.313, 0.250, 0.188, 0.125; HSS 5.5 x 5.5: 0.375, 0.313, 0.250, 0.188, 0.125; HSS 5 x 5: 0.500, 0.375, 0.313, 0.250, 0.188, 0.125; HSS 4.5 x 4.5: 0.500, 0.375, 0.313, 0.250, 0.188, 0.125; HSS 4 x 4: 0.500, 0.375, 0.313, 0.250, 0.188, 0.125; HSS 3.5 x 3.5: 0.375, 0.313, 0.250, 0.188, 0.125; HSS 3 x 3: 0.375, 0.313, 0.250, 0.188, 0.125; HSS 2.5 x 2.5: 0.313, 0.250, 0.188, 0.125; HSS 2.250 x 2.250: 0.250, 0.188, 0.125; HSS 2 x 2: 0.250, 0.188, 0.125; HSS 1.750 x 1.750: 0.188; HSS 1.625 x 1.625: 0.188, 0.125; HSS 1.5 x 1.5: 0.188, 0.125; HSS 1.250 x 1.250: 0.188, 0.125"""

PIPE_ROWS = """P 1/2, P 3/4, P 1, P 1-1/4, P 1-1/2, P 2, P 2-1/2, P 3, P 3-1/2, P 4, P 5, P 6, P 8, P 10, P 12, P 14, P 16, P 18, P 20, P 22, P 24, P 26, P 30, P 34, P 36, P 42, PX 1/2, PX 3/4, PX 1, PX 1-1/4, PX 1-1/2, PX 2, PX 2-1/2, PX 3, PX 3-1/2, PX 4, PX 5, PX 6, PX 8, PX 10, PX 12, PXX 2, PXX 2-1/2, PXX 3, PXX 4, PXX 5, PXX 6, PXX 8"""

EXPECTED_COUNTS = {"W": 302, "Tee": 302, "Channel": 62, "Angle": 259, "Tube": 381, "Pipe": 48}

# ------------------------------------------------------------------ choices

# W shapes the current database no longer lists and whose dimensions are not at
# hand: each row holds a current shape of the same nominal depth whose weight is
# within 1 % of the row's name (the nearest such), or else the next lighter one.
# A heavier stand-in would overstate strength, stiffness and base-plate size.
SUBSTITUTE_TOLERANCE = 0.01


def w_substitute(db, family, depth, weight):
    prefix = f"{family}{depth}X"
    current = []
    for lab in db.rows:
        if lab.startswith(prefix) and db.rows[lab]["Type"] == family:
            try:
                current.append((float(lab[len(prefix):]), lab))
            except ValueError:
                pass
    close = [c for c in current if abs(c[0] - weight) <= SUBSTITUTE_TOLERANCE * weight]
    if close:
        return min(close, key=lambda c: abs(c[0] - weight))[1]
    lighter = [c for c in current if c[0] < weight]
    if not lighter:
        raise KeyError(f"no substitute for {prefix}{g(weight)}")
    return max(lighter)[1]

# Nominal pipe sizes: outside diameters of ASME B36.10. The database prints
# them to three figures; the generator checks each against it.
PIPE_OD = {
    "1/2": 0.840, "3/4": 1.050, "1": 1.315, "1-1/4": 1.660, "1-1/2": 1.900,
    "2": 2.375, "2-1/2": 2.875, "3": 3.500, "3-1/2": 4.000, "4": 4.500,
    "5": 5.563, "6": 6.625, "8": 8.625, "10": 10.750, "12": 12.750,
}
PIPE_LARGE_WALL = 0.375   # standard wall above 12 in.

# Depth part of the metric (ASTM A6M) designation of W, M, S, C and MC shapes:
# the nominal depth in mm to the nearest 10 mm, except the sizes A6M names
# otherwise: 1100, 1000, 920, 310 and 75.
METRIC_DEPTH_EXCEPTIONS = {44: 1100, 40: 1000, 36: 920, 12: 310, 3: 75}
KG_PER_M_PER_LB_PER_FT = 1.48816394

# Values fixed by hand in an earlier edition of the tables, kept as they were.
OVERRIDES = {
    ("W", "W44x335"): dict(nominal=44, weight=335, A=98.3, d=44.02, tw=1.02, bf=15.95, tf=1.77,
                           k=2.5625, bf2tf=4.5, htw=38.1, dtw=43.2, X1=2430, X2=0.00511, rT=4.12,
                           dAf=1.56, Ixx=31100, Sxx=1410, rxx=17.8, Syy=150, ryy=3.49, Zxx=1620,
                           Zyy=236, J=74.4, Cw=536000, Wno=168, kdet16=42, k1_16=17, T8=310,
                           kdes=2.56),
    ("W", "W14x90"): dict(dtw=31.9, bf2tf=10.2, htw=25.9, k=1.375, X1=2900),
    ("Channel", "C15x50"): dict(nominal=15, weight=50, A=14.7, d=15.0, tw=0.716, bf=3.716, tf=0.65,
                                k=1.4375, dAf=6.21, Ixx=404, Sxx=53.8, rxx=5.24, Iyy=11.0, Syy=3.78,
                                ryy=0.867, Zxx=68.2, Zyy=8.17, xbar=0.798, eo=0.583),
    ("Angle", "2L 8 x 8 x 1.125"): dict(weight=114, A=33.5, leg1=8, leg2=8, t=1.125, ybar=2.41,
                                        ryy0=3.42, ro0=4.58, ryy38=3.55, ro38=4.68,
                                        H38=0.844, ryy34=3.69, ro34=4.79, H34=0.851, rzz=1.56,
                                        Ixx=195, Sxx=35.1, rxx=2.42, J=7.13, Cw=32.5),
    ("Tube", "HSS 32 x 24 x 0.625"): dict(weight=225.8, A=66.4, d=32, t=0.625, b=24, bt=35.4, ht=48.2,
                                          Ixx=9880, Sxx=617, rxx=12.2, Iyy=6390, Syy=533, ryy=9.81,
                                          Zxx=733, Zyy=604, J=12600, C=913, surface=9.01),
    ("Pipe", "P 4"): dict(nominal=4, weight=10.79, A=3.17, D=4.5, t=0.237, Di=4.026, Ixx=7.23,
                          Sxx=3.21, rxx=1.51, Iyy=7.23, Syy=3.21, ryy=1.51, Zxx=4.31, Zyy=4.31,
                          J=14.5),
}

# SectionRecord fields in declaration order (must match section_record.h).
INT_FIELDS = {"X1", "kdet16", "k1_16", "T8"}
FIELDS = ["nominal", "weight", "A",
          "d", "tw", "bf", "tf", "k", "bf2tf", "htw", "dtw", "X1", "X2", "rT", "dAf",
          "Ixx", "Sxx", "rxx", "Iyy", "Syy", "ryy", "Zxx", "Zyy", "J", "Cw", "Wno",
          "kdet16", "k1_16", "T8", "kdes",
          "ybar", "yp", "xbar", "eo",
          "leg1", "t", "leg2", "rzz",
          "ryy0", "ro0", "H0", "ryy38", "ro38", "H38", "ryy34", "ro34", "H34",
          "b", "bt", "ht", "C", "surface",
          "D", "Di"]


# ------------------------------------------------------------------ helpers

def groups(text):
    for group in text.split(";"):
        head, values = group.split(":")
        yield head.strip(), [v.strip() for v in values.split(",")]


def frac_text(x):
    """1.125 -> '1-1/8', 0.5 -> '1/2', 8 -> '8' (AISC label style)."""
    f = Fraction(x).limit_denominator(16)
    whole, rest = divmod(f, 1)
    if rest == 0:
        return str(whole)
    if whole == 0:
        return f"{rest.numerator}/{rest.denominator}"
    return f"{whole}-{rest.numerator}/{rest.denominator}"


def thickness(text):
    """Wall and leg thickness texts are three-decimal sixteenths (0.313 = 5/16)."""
    return Fraction(text).limit_denominator(16)


def parse_fraction(text):
    """Detailing texts such as '43  5/8 ', ' 7/8 ', '2', '1 13/16'."""
    parts = text.split()
    total = Fraction(0)
    for p in parts:
        total += Fraction(p)
    return total


def label_fraction(text):
    """Fraction of an AISC label part: '1-1/8' -> 9/8, '3/8' -> 3/8."""
    return sum((Fraction(p) for p in text.split("-")), Fraction(0))


def printed_half_unit(text):
    """Half a unit in the last printed digit: the database prints three figures."""
    text = text.strip()
    places = len(text.split(".")[1]) if "." in text else 0
    return 0.5 * 10.0 ** -places + 1e-9


def num(row, key):
    v = row[key].strip()
    if v in ("", "–", "-"):
        raise KeyError(f"{row['AISC_Manual_Label']} has no {key}")
    return float(v)


def half_up(x, places=0):
    q = Decimal(1).scaleb(-places)
    return Decimal(repr(x)).quantize(q, rounding=ROUND_HALF_UP)


def mm(inches, places=0):
    return str(half_up(float(inches) * 25.4, places))


def metric_depth(nominal):
    n = int(nominal)
    if n in METRIC_DEPTH_EXCEPTIONS:
        return METRIC_DEPTH_EXCEPTIONS[n]
    return int(half_up(nominal * 25.4 / 10.0)) * 10


def metric_mass(weight):
    """Whole kg/m from 10 kg/m up, else one decimal in four columns ("C75x 6.1")."""
    m = float(weight) * KG_PER_M_PER_LB_PER_FT
    tenths = half_up(m, 1)
    if tenths >= 10:
        return str(half_up(m))
    return "%4.1f" % float(tenths)


def g(x):
    return "%g" % x


class Row:
    def __init__(self, type_, us, metric, values, origin, label, note=""):
        self.type = type_
        self.us = us
        self.metric = metric
        self.values = values
        self.origin = origin        # Database, Substituted or Computed
        self.label = label          # database row the values came from
        self.note = note
        self.overridden = []


class Db:
    def __init__(self, path):
        with open(path, encoding="utf-8", newline="") as f:
            self.rows = {r["AISC_Manual_Label"]: r for r in csv.DictReader(f)}

    def get(self, label):
        return self.rows.get(label)

    def __getitem__(self, label):
        return self.rows[label]


# ------------------------------------------------------------------ tables

def w_values(r, family):
    A, d, tw, bf, tf = (num(r, k) for k in ("A", "d", "tw", "bf", "tf"))
    Sx, J, Iy, Cw = num(r, "Sx"), num(r, "J"), num(r, "Iy"), num(r, "Cw")
    v = dict(weight=num(r, "W"), A=A, d=d, tw=tw, bf=bf, tf=tf, k=num(r, "kdes"),
             bf2tf=num(r, "bf/2tf"), htw=num(r, "h/tw"), dtw=sig(d / tw),
             X1=int(sig(geo.w_x1(Sx, J, A))), X2=sig(geo.w_x2(Cw, Iy, Sx, J)),
             rT=sig(geo.w_rt(d, bf, tf, tw)), dAf=sig(geo.w_daf(d, bf, tf)),
             Ixx=num(r, "Ix"), Sxx=Sx, rxx=num(r, "rx"), Iyy=Iy, Syy=num(r, "Sy"),
             ryy=num(r, "ry"), Zxx=num(r, "Zx"), Zyy=num(r, "Zy"), J=J, Cw=Cw, Wno=num(r, "Wno"))
    if family == "W":
        kdet = parse_fraction(r["kdet"])
        tee = parse_fraction(r["ddet"]) - 2 * kdet
        v.update(kdet16=int(kdet * 16), k1_16=int(parse_fraction(r["k1"]) * 16),
                 T8=int(round(tee * 8)), kdes=num(r, "kdes"))
    return v


def build_w(db):
    rows, sources = [], []
    for head, weights in groups(W_ROWS):
        family, depth = head[0], head[1:]
        for wt in weights:
            us = f"{family}{depth}x{wt}"
            label = f"{family}{depth}X{wt}"
            origin, note = "Database", ""
            if db.get(label) is None:
                label = w_substitute(db, family, depth, float(wt))
                origin, note = "Substituted", f"not in the database; values of {label}"
            r = db[label]
            v = w_values(r, family)
            v["nominal"] = float(depth)
            metric = f"{family}{metric_depth(float(depth))}x{metric_mass(float(wt))}"
            rows.append(Row(family, us, metric, v, origin, label, note))
            sources.append((family, depth, wt, label))
    return rows, sources


def find_tee(db, family, depth, weight):
    label = f"{family}T{g(depth / 2)}X{g(weight / 2)}"
    if db.get(label) is not None:
        return label
    # The database rounds a few tee weights (ST3X8.6 for the tee of S6X17.25).
    prefix = f"{family}T{g(depth / 2)}X"
    for lab, r in db.rows.items():
        if lab.startswith(prefix) and abs(float(lab[len(prefix):]) - weight / 2) < 0.05:
            return lab
    raise KeyError(label)


def build_tee(db, w_rows, w_sources):
    rows = []
    for wrow, (family, depth, wt, wlabel) in zip(w_rows, w_sources):
        src = db[wlabel]
        label = find_tee(db, family, float(depth), num(src, "W"))
        r = db[label]
        d, tw = num(r, "d"), num(r, "tw")
        v = dict(nominal=float(depth) / 2, weight=num(r, "W"), A=num(r, "A"), d=d, tw=tw,
                 bf=num(r, "bf"), tf=num(r, "tf"), k=num(r, "kdes"), dtw=sig(d / tw),
                 Ixx=num(r, "Ix"), Sxx=num(r, "Sx"), rxx=num(r, "rx"), Iyy=num(r, "Iy"),
                 Syy=num(r, "Sy"), ryy=num(r, "ry"), Zxx=num(r, "Zx"), Zyy=num(r, "Zy"),
                 ybar=num(r, "y"), yp=num(r, "yp"))
        us = f"{family}T {g(float(depth) / 2)} x {g(float(wt) / 2)}"
        wmetric = wrow.metric[len(family):]
        mdepth, mmass = wmetric.split("x")
        metric = f"{family}T {g(int(mdepth) / 2)} x {g(float(mmass) / 2)}"
        note = wrow.note and f"tee of the substitute {wlabel}"
        rows.append(Row(family + "T", us, metric, v, wrow.origin, label, note))
    return rows


def build_channel(db):
    rows = []
    for head, weights in groups(CHANNEL_ROWS):
        family = head.rstrip("0123456789")
        depth = head[len(family):]
        for wt in weights:
            label = f"{family}{depth}X{wt}"
            r = db[label]
            d, bf, tf = num(r, "d"), num(r, "bf"), num(r, "tf")
            v = dict(nominal=float(depth), weight=num(r, "W"), A=num(r, "A"), d=d, tw=num(r, "tw"),
                     bf=bf, tf=tf, k=num(r, "kdes"), dAf=sig(geo.w_daf(d, bf, tf)),
                     Ixx=num(r, "Ix"), Sxx=num(r, "Sx"), rxx=num(r, "rx"), Iyy=num(r, "Iy"),
                     Syy=num(r, "Sy"), ryy=num(r, "ry"), Zxx=num(r, "Zx"), Zyy=num(r, "Zy"),
                     xbar=num(r, "x"), eo=num(r, "eo"))
            metric = f"{family}{metric_depth(float(depth))}x{metric_mass(float(wt))}"
            rows.append(Row(family, f"{family}{depth}x{wt}", metric, v, "Database", label))
    return rows


def single_angle_label(a, b, t):
    big, small = max(a, b), min(a, b)
    return f"L{frac_text(big)}X{frac_text(small)}X{frac_text(t)}"


def double_angle_labels(db, a, b, t):
    """Labels of the 0, 3/8 and 3/4 in. spacings; leg a is the joined leg."""
    base = f"2L{frac_text(max(a, b))}X{frac_text(min(a, b))}X{frac_text(t)}"
    if a == b:
        suffixes = [""]
    elif a > b:
        suffixes = ["", "LLBB"]
    else:
        suffixes = ["SLBB"]
    for suffix in suffixes:
        labels = [base + suffix, base + "X3/8" + suffix, base + "X3/4" + suffix]
        if all(db.get(x) is not None for x in labels):
            return labels
    raise KeyError(base)


def computed_angle(db, a, b, t):
    """An angle the database lacks, from its legs, thickness and the root
    fillet radius (kdes - t) shared by the other thicknesses of its size."""
    prefix = f"L{frac_text(max(a, b))}X{frac_text(min(a, b))}X"
    radii = {round((num(r, "kdes") - float(label_fraction(lab[len(prefix):]))) * 16) / 16
             for lab, r in db.rows.items() if lab.startswith(prefix)}
    if len(radii) != 1:
        raise ValueError(f"no single fillet radius for {prefix}: {radii}")
    r = radii.pop()
    p = geo.angle(float(max(a, b)), float(min(a, b)), float(t), r)
    return p, r, prefix


def computed_double_angle(db, us, metric, a, b, t):
    """A double angle whose single angle the database lacks as well."""
    p, radius, prefix = computed_angle(db, a, b, t)
    single = p if a >= b else dict(p, Ix=p["Iy"], Iy=p["Ix"], x=p["y"], y=p["x"], a=p["b"], b=p["a"])
    spaced = [geo.double_angle(single, float(t), s) for s in (0.0, 0.375, 0.75)]
    pair = spaced[0]
    v = dict(weight=2 * p["weight"], A=pair["A"], ybar=single["y"],
             ryy0=spaced[0]["ry"], ro0=spaced[0]["ro"], H0=spaced[0]["H"],
             ryy38=spaced[1]["ry"], ro38=spaced[1]["ro"], H38=spaced[1]["H"],
             ryy34=spaced[2]["ry"], ro34=spaced[2]["ro"], H34=spaced[2]["H"],
             rzz=p["rz"], Ixx=pair["Ix"], Sxx=pair["Sx"], rxx=pair["rx"], J=p["J"], Cw=p["Cw"])
    v = {k: (round(x, 1) if k == "weight" else sig(x)) for k, x in v.items()}
    v.update(leg1=float(a), leg2=float(b), t=float(t))
    note = (f"computed: two {frac_text(max(a, b))} x {frac_text(min(a, b))} x {frac_text(t)} angles, "
            f"root fillet radius {radius:g} in. as the other {prefix}.. angles")
    return Row("2L", us, metric, v, "Computed", "", note)


def build_angle(db):
    rows = []
    for head, thicknesses in groups(ANGLE_ROWS):
        family, dims = head.split(" ", 1)
        a_txt, b_txt = [x.strip() for x in dims.split("x")]
        a, b = Fraction(a_txt), Fraction(b_txt)
        for t_txt in thicknesses:
            t = thickness(t_txt)
            us = f"{family} {a_txt} x {b_txt} x {t_txt}"
            metric = f"{family} {mm(a)} x {mm(b)} x {mm(t, 1)}"
            single = single_angle_label(a, b, t)
            if family == "L":
                r = db.get(single)
                if r is not None:
                    v = dict(weight=num(r, "W"), A=num(r, "A"), xbar=num(r, "x"), ybar=num(r, "y"),
                             rzz=num(r, "rz"), Ixx=num(r, "Ix"), Sxx=num(r, "Sx"), rxx=num(r, "rx"),
                             Iyy=num(r, "Iy"), Syy=num(r, "Sy"), ryy=num(r, "ry"), Zxx=num(r, "Zx"),
                             Zyy=num(r, "Zy"), J=num(r, "J"), Cw=num(r, "Cw"))
                    origin, label, note = "Database", single, ""
                else:
                    p, radius, prefix = computed_angle(db, a, b, t)
                    v = dict(weight=round(p["weight"], 2), A=p["A"], xbar=p["x"], ybar=p["y"],
                             rzz=p["rz"], Ixx=p["Ix"], Sxx=p["Sx"], rxx=p["rx"], Iyy=p["Iy"],
                             Syy=p["Sy"], ryy=p["ry"], Zxx=p["Zx"], Zyy=p["Zy"], J=p["J"],
                             Cw=p["Cw"])
                    v = {k: (x if k == "weight" else sig(x)) for k, x in v.items()}
                    origin, label = "Computed", ""
                    note = (f"computed: legs {a_txt} and {b_txt}, t {t_txt}, root fillet radius "
                            f"{radius:g} in. as the other {prefix}.. angles")
                v.update(leg1=float(a), leg2=float(b), t=float(t))
                rows.append(Row("L", us, metric, v, origin, label, note))
            else:
                try:
                    labels = double_angle_labels(db, a, b, t)
                except KeyError:
                    rows.append(computed_double_angle(db, us, metric, a, b, t))
                    continue
                r0, r38, r34 = (db[x] for x in labels)
                one = db[single]
                v = dict(weight=num(r0, "W"), A=num(r0, "A"), leg1=float(a), t=float(t), leg2=float(b),
                         ybar=num(r0, "y"),
                         ryy0=num(r0, "ry"), ro0=num(r0, "ro"), H0=num(r0, "H"),
                         ryy38=num(r38, "ry"), ro38=num(r38, "ro"), H38=num(r38, "H"),
                         ryy34=num(r34, "ry"), ro34=num(r34, "ro"), H34=num(r34, "H"),
                         rzz=num(one, "rz"), Ixx=num(r0, "Ix"), Sxx=num(r0, "Sx"), rxx=num(r0, "rx"),
                         J=num(one, "J"), Cw=num(one, "Cw"))
                note = f"spacings from {labels[1]} and {labels[2]}; rzz, J, Cw from {single}"
                rows.append(Row("2L", us, metric, v, "Database", labels[0], note))
    return rows


def build_tube(db):
    rows = []
    for head, thicknesses in groups(TUBE_ROWS):
        dims = head.split(" ", 1)[1]
        h_txt, b_txt = [x.strip() for x in dims.split("x")]
        H, B = Fraction(h_txt), Fraction(b_txt)
        for t_txt in thicknesses:
            tn = thickness(t_txt)
            us = f"HSS {h_txt} x {b_txt} x {t_txt}"
            metric = f"HSS {mm(H)} x {mm(B)} x {mm(tn, 1)}"
            label = f"HSS{frac_text(H)}X{frac_text(B)}X{frac_text(tn)}"
            r = db.get(label)
            if r is not None:
                tdes = num(r, "tdes")
                p = geo.rect_hss(float(H), float(B), tdes, float(tn))
                v = dict(weight=num(r, "W"), A=num(r, "A"), d=num(r, "Ht"), t=tdes, b=num(r, "B"),
                         bt=num(r, "b/tdes"), ht=num(r, "h/tdes"), Ixx=num(r, "Ix"), Sxx=num(r, "Sx"),
                         rxx=num(r, "rx"), Iyy=num(r, "Iy"), Syy=num(r, "Sy"), ryy=num(r, "ry"),
                         Zxx=num(r, "Zx"), Zyy=num(r, "Zy"), J=num(r, "J"), C=num(r, "C"),
                         surface=sig(p["surface"]))
                rows.append(Row("HSS", us, metric, v, "Database", label, "surface computed"))
                continue
            # Sizes beyond the ASTM A500 range in the database are taken at their
            # full nominal wall; the others at AISC's 0.93 t for A500 tubing.
            tdes = float(tn) if max(H, B) >= 18 else round(0.93 * float(tn), 3)
            p = geo.rect_hss(float(H), float(B), tdes, float(tn))
            v = dict(weight=round(p["weight"], 2), A=p["A"], d=float(H), t=tdes, b=float(B),
                     bt=p["b/t"], ht=p["h/t"], Ixx=p["Ix"], Sxx=p["Sx"], rxx=p["rx"], Iyy=p["Iy"],
                     Syy=p["Sy"], ryy=p["ry"], Zxx=p["Zx"], Zyy=p["Zy"], J=p["J"], C=p["C"],
                     surface=p["surface"])
            v = {k: (x if k in ("weight", "d", "b", "t") else sig(x)) for k, x in v.items()}
            note = f"computed: {h_txt} x {b_txt}, design wall {tdes:g}, outside corner radius 2t"
            rows.append(Row("HSS", us, metric, v, "Computed", "", note))
    return rows


def build_pipe(db):
    rows = []
    suffix = {"P": "STD", "PX": "XS", "PXX": "XXS"}
    for item in PIPE_ROWS.split(","):
        family, size = item.split()
        nominal = sum(Fraction(p) for p in size.replace("-", " ").split())
        if size in PIPE_OD:
            label = f"Pipe{size}{suffix[family]}"
            r = db[label]
            D, t = PIPE_OD[size], num(r, "tnom")
            if abs(D - num(r, "OD")) > printed_half_unit(r["OD"]):
                raise ValueError(f"{label}: outside diameter {D} disagrees with {r['OD']}")
            note = f"computed from OD {D:g} and nominal wall {t:g} of {label}"
        else:
            label, D, t = "", float(nominal), PIPE_LARGE_WALL
            note = f"computed: OD {D:g}, standard wall {t:g}"
        p = geo.pipe(D, t)
        v = dict(nominal=float(nominal), weight=round(p["weight"], 2), A=sig(p["A"]), D=D, t=t,
                 Di=round(p["Di"], 4), Ixx=sig(p["I"]), Sxx=sig(p["S"]), rxx=sig(p["r"]),
                 Iyy=sig(p["I"]), Syy=sig(p["S"]), ryy=sig(p["r"]), Zxx=sig(p["Z"]),
                 Zyy=sig(p["Z"]), J=sig(p["J"]))
        metric = f"{family} {mm(nominal)}"
        rows.append(Row(family, item.strip(), metric, v, "Computed", label, note))
    return rows


def apply_overrides(tables):
    for (table, us), values in OVERRIDES.items():
        hits = [row for row in tables[table] if row.us == us]
        if len(hits) != 1:
            raise KeyError(f"override target {table} {us}")
        row = hits[0]
        for k, x in values.items():
            if row.values.get(k) != x:
                row.overridden.append(k)
            row.values[k] = x


# ------------------------------------------------------------------ output

def cfloat(x):
    s = repr(float(x))
    if "e" in s or "E" in s:
        s = "%.9g" % x
        if "." not in s and "e" not in s:
            s += ".0"
    return s + "f"


def cstr(s):
    return '"' + s.replace("\\", "\\\\").replace('"', '\\"') + '"'


def emit(tables, csv_path, out_path):
    names = {"W": "W", "Tee": "Tee", "Channel": "Channel", "Angle": "Angle", "Tube": "Tube", "Pipe": "Pipe"}
    out = []
    w = out.append
    w("// Steel section tables: generated by tools/gen_steel_tables.py. Do not edit;")
    w("// change the generator and run it again.")
    w("//")
    w("// Source: the AISC shapes database (US units, AISC column names), read from")
    w(f"// {os.path.basename(csv_path)}; the file is not kept in the repository.")
    w("// Each row below says where its values came from:")
    w("//   db LABEL       the database row LABEL, as published; d/tw, d/Af, X1, X2 and rT")
    w("//                  are derived from it by their textbook definitions, the detailing")
    w("//                  k, k1 and T from its fractional texts, HSS surface from its size;")
    w("//   substitute     the listed shape is not in the database and its dimensions are")
    w("//                  not at hand: the row holds the nearest current shape's values;")
    w("//   computed       exact geometry of the section's published dimensions;")
    w("//   override       fields kept at the values of an earlier edition of the tables.")
    w("// docs/steel-tables-provenance.md gives the rules in full.")
    w("")
    w('#include "tables/steel_tables_data.h"')
    w("")
    w("namespace vd::steel_data {")
    w("")
    for key, rows in tables.items():
        n = names[key]
        w(f"constexpr SectionRecord k{n}Rows[{len(rows)}] = {{")
        for i, row in enumerate(rows):
            parts = [f'.type = "{row.type}"']
            for f in FIELDS:
                if f in row.values and row.values[f] != 0:
                    x = row.values[f]
                    parts.append(f".{f} = {int(x)}" if f in INT_FIELDS else f".{f} = {cfloat(x)}")
            src = {"Database": f"db {row.label}", "Substituted": f"substitute {row.label}",
                   "Computed": "computed"}[row.origin]
            if row.overridden:
                src += "; override " + " ".join(row.overridden)
            w(f"    // {i}: {row.us} -- {src}")
            w("    {" + ", ".join(parts) + "},")
        w("};")
        w("")
        w(f"constexpr const char* k{n}Us[{len(rows)}] = {{")
        for row in rows:
            w(f"    {cstr(row.us)},")
        w("};")
        w("")
        w(f"constexpr const char* k{n}Metric[{len(rows)}] = {{")
        for row in rows:
            w(f"    {cstr(row.metric)},")
        w("};")
        w("")
        w(f"constexpr RowSource k{n}Source[{len(rows)}] = {{")
        for row in rows:
            w(f"    {{RowOrigin::{row.origin}, {cstr(row.label)}, {cstr(' '.join(row.overridden))}, "
              f"{cstr(row.note)}}},")
        w("};")
        w("")
    w("const TableData kTables[6] = {")
    for key, rows in tables.items():
        n = names[key]
        w(f"    {{k{n}Rows, k{n}Us, k{n}Metric, k{n}Source, {len(rows)}}},")
    w("};")
    w("")
    w("}  // namespace vd::steel_data")
    with open(out_path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(out) + "\n")


def build_all(db):
    w_rows, w_sources = build_w(db)
    tables = {
        "W": w_rows,
        "Tee": build_tee(db, w_rows, w_sources),
        "Channel": build_channel(db),
        "Angle": build_angle(db),
        "Tube": build_tube(db),
        "Pipe": build_pipe(db),
    }
    apply_overrides(tables)
    for key, rows in tables.items():
        if len(rows) != EXPECTED_COUNTS[key]:
            raise ValueError(f"{key}: {len(rows)} rows, expected {EXPECTED_COUNTS[key]}")
    return tables


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--csv", required=True, help="the AISC shapes database, CSV export in US units (format above)")
    ap.add_argument("--out", default=DEFAULT_OUT)
    args = ap.parse_args()
    tables = build_all(Db(args.csv))
    emit(tables, args.csv, args.out)
    for key, rows in tables.items():
        counts = {}
        for row in rows:
            counts[row.origin] = counts.get(row.origin, 0) + 1
        print(f"{key}: {len(rows)} rows {counts}")


if __name__ == "__main__":
    main()
