"""Exact section properties of the steel shapes the generator has to compute.

Used by gen_steel_tables.py for the rows the AISC shapes database does not
carry, and by test_steel_geometry.py, which checks every formula here against
the database rows that do exist. Units: inches, pounds, kips.
"""

import math

E_KSI = 29000.0
G_KSI = 11200.0
# Steel at 490 lb/ft^3 gives lb/ft per in^2 of area.
STEEL_LB_PER_FT_PER_IN2 = 490.0 / 144.0
# Nominal pipe weights are quoted by the pipe standards at 3.4 lb/ft per in^2.
PIPE_LB_PER_FT_PER_IN2 = 3.4


def sig(x, n=3):
    """Round to n significant figures, the way AISC tabulates properties."""
    if x == 0 or not math.isfinite(x):
        return x
    return float(f"{x:.{n}g}")


# ---------------------------------------------------------------- W shapes

def w_x1(Sx, J, A):
    """Beam buckling factor X1 = (pi/Sx) sqrt(E G J A / 2), ksi."""
    return math.pi / Sx * math.sqrt(E_KSI * G_KSI * J * A / 2.0)


def w_x2(Cw, Iy, Sx, J):
    """Beam buckling factor X2 = 4 (Cw/Iy) (Sx/(G J))^2, 1/ksi^2."""
    return 4.0 * (Cw / Iy) * (Sx / (G_KSI * J)) ** 2


def w_rt(d, bf, tf, tw):
    """Radius of gyration about the web axis of the compression flange plus
    one third of the compression web (one sixth of the clear web)."""
    hw = (d - 2.0 * tf) / 6.0
    inertia = tf * bf ** 3 / 12.0 + hw * tw ** 3 / 12.0
    area = bf * tf + hw * tw
    return math.sqrt(inertia / area)


def w_daf(d, bf, tf):
    return d / (bf * tf)


# ---------------------------------------------------------------- pipes

def pipe(D, t):
    """Round pipe of outside diameter D and wall t."""
    Di = D - 2.0 * t
    A = math.pi / 4.0 * (D ** 2 - Di ** 2)
    I = math.pi / 64.0 * (D ** 4 - Di ** 4)
    return {
        "A": A,
        "Di": Di,
        "I": I,
        "S": I / (D / 2.0),
        "r": math.sqrt(I / A),
        "Z": (D ** 3 - Di ** 3) / 6.0,
        "J": 2.0 * I,
        "weight": PIPE_LB_PER_FT_PER_IN2 * A,
    }


# ---------------------------------------------------------------- HSS

def _spandrel(R):
    """Area, centroid offset from the corner lines, and own inertia of the
    material a corner of radius R removes from a sharp corner."""
    if R <= 0:
        return 0.0, 0.0, 0.0
    a_sq = R * R
    a_q = math.pi * R * R / 4.0
    area = a_sq - a_q
    cq = R - 4.0 * R / (3.0 * math.pi)          # quarter-circle centroid from the corner line
    c = (a_sq * R / 2.0 - a_q * cq) / area
    i_q_own = math.pi * R ** 4 / 16.0 - a_q * (4.0 * R / (3.0 * math.pi)) ** 2
    i_edge = R ** 4 / 3.0 - (i_q_own + a_q * cq * cq)
    return area, c, i_edge - area * c * c


def _rounded_rect(depth, width, R):
    """Solid rectangle with rounded corners: area, inertia and plastic
    modulus about the axis parallel to `width`."""
    a_sp, c, i_sp = _spandrel(R)
    arm = depth / 2.0 - c
    area = depth * width - 4.0 * a_sp
    inertia = width * depth ** 3 / 12.0 - 4.0 * (i_sp + a_sp * arm * arm)
    plastic = width * depth ** 2 / 4.0 - 4.0 * a_sp * arm
    return area, inertia, plastic


def rect_hss(H, B, t, tnom=None):
    """Rectangular HSS of outside depth H, width B and design wall t, with
    the outside corner radius 2t that AISC uses for its property tables.
    The weight uses the nominal wall, as AISC's tabulated weights do."""
    if tnom is None:
        tnom = t
    Ro, Ri = 2.0 * t, t
    ao, ixo, zxo = _rounded_rect(H, B, Ro)
    ai, ixi, zxi = _rounded_rect(H - 2 * t, B - 2 * t, Ri)
    _, iyo, zyo = _rounded_rect(B, H, Ro)
    _, iyi, zyi = _rounded_rect(B - 2 * t, H - 2 * t, Ri)
    A = ao - ai
    Ix, Iy = ixo - ixi, iyo - iyi
    # Torsion: Bredt's thin-wall formula on the wall's mid-line.
    Rm = Ro - t / 2.0
    Am = (B - t) * (H - t) - (4.0 - math.pi) * Rm * Rm
    p = 2.0 * ((B - t) + (H - t)) - (8.0 - 2.0 * math.pi) * Rm
    J = 4.0 * Am * Am * t / p
    C = 2.0 * t * (B - t) * (H - t) - 4.5 * (4.0 - math.pi) * t ** 3
    a_nom = (_rounded_rect(H, B, 2 * tnom)[0]
             - _rounded_rect(H - 2 * tnom, B - 2 * tnom, tnom)[0])
    return {
        "A": A,
        "Ix": Ix, "Sx": Ix / (H / 2.0), "rx": math.sqrt(Ix / A), "Zx": zxo - zxi,
        "Iy": Iy, "Sy": Iy / (B / 2.0), "ry": math.sqrt(Iy / A), "Zy": zyo - zyi,
        "J": J, "C": C,
        "b/t": (B - 3.0 * t) / t, "h/t": (H - 3.0 * t) / t,
        "weight": STEEL_LB_PER_FT_PER_IN2 * a_nom,
        "surface": (2.0 * (B + H) - (8.0 - 2.0 * math.pi) * Ro) / 12.0,
    }


# ---------------------------------------------------------------- angles

def _simpson(f, a, b, n=2000):
    if b <= a:
        return 0.0
    h = (b - a) / n
    s = f(a) + f(b)
    for i in range(1, n):
        s += (4 if i % 2 else 2) * f(a + i * h)
    return s * h / 3.0


def _angle_strips(a, b, t, r):
    """Width of an angle at height y above its heel: vertical leg a,
    horizontal leg b, thickness t, root fillet radius r (toes left square)."""
    def w(y):
        if y < t:
            return b
        if y < t + r:
            dy = t + r - y
            return t + r - math.sqrt(max(r * r - dy * dy, 0.0))
        return t
    return w, [0.0, t, t + r, a]


def _integrate(f, breaks):
    return sum(_simpson(f, breaks[i], breaks[i + 1]) for i in range(len(breaks) - 1))


def _axis_props(a, b, t, r):
    w, br = _angle_strips(a, b, t, r)
    A = _integrate(w, br)
    ybar = _integrate(lambda y: y * w(y), br) / A
    I = _integrate(lambda y: y * y * w(y), br) - A * ybar * ybar
    xbar = _integrate(lambda y: w(y) ** 2 / 2.0, br) / A
    ixy = _integrate(lambda y: y * w(y) ** 2 / 2.0, br) - A * xbar * ybar
    # Plastic neutral axis: the height that halves the area.
    lo, hi = 0.0, a
    for _ in range(60):
        mid = (lo + hi) / 2.0
        if _integrate(w, [x for x in br if x < mid] + [mid]) < A / 2.0:
            lo = mid
        else:
            hi = mid
    yp = (lo + hi) / 2.0
    cut = sorted(set(br + [yp]))
    Z = _integrate(lambda y: abs(y - yp) * w(y), cut)
    return A, ybar, I, ixy, Z, yp


def angle(a, b, t, r):
    """Single angle, leg a along y (vertical), leg b along x, thickness t,
    root fillet radius r. x-axis properties are about the horizontal axis."""
    A, ybar, Ix, ixy, Zx, yp = _axis_props(a, b, t, r)
    _, xbar, Iy, _, Zy, xp = _axis_props(b, a, t, r)
    half = (Ix + Iy) / 2.0
    Iz = half - math.sqrt(((Ix - Iy) / 2.0) ** 2 + ixy * ixy)
    # Saint-Venant torsion of an L with a root fillet (Roark, L-section):
    # two rectangular legs plus the junction term alpha * D^4.
    c_len = b - t
    K1 = a * t ** 3 * (1.0 / 3.0 - 0.21 * (t / a) * (1.0 - t ** 4 / (12.0 * a ** 4)))
    K2 = c_len * t ** 3 * (1.0 / 3.0 - 0.105 * (t / c_len) * (1.0 - t ** 4 / (192.0 * c_len ** 4)))
    alpha = 0.07 + 0.076 * r / t
    D = 2.0 * (2.0 * t + 3.0 * r - math.sqrt(2.0 * (2.0 * r + t) ** 2))
    J = K1 + K2 + alpha * D ** 4
    # Warping constant of an angle from its mid-line leg lengths.
    Cw = t ** 3 / 36.0 * ((a - t / 2.0) ** 3 + (b - t / 2.0) ** 3)
    return {
        "A": A, "x": xbar, "y": ybar,
        "Ix": Ix, "Sx": Ix / (a - ybar), "rx": math.sqrt(Ix / A), "Zx": Zx, "yp": yp,
        "Iy": Iy, "Sy": Iy / (b - xbar), "ry": math.sqrt(Iy / A), "Zy": Zy, "xp": xp,
        "Iz": Iz, "rz": math.sqrt(Iz / A),
        "J": J, "Cw": Cw,
        "weight": STEEL_LB_PER_FT_PER_IN2 * A,
        "a": a, "b": b,
    }


def double_angle(single, t, spacing):
    """Two angles back to back, `spacing` apart, joined by the leg that the
    single angle's x-axis properties were computed with vertical (leg a).
    Returns the pair's ry, ro (about the shear centre) and flexural constant H."""
    A = 2.0 * single["A"]
    Ix = 2.0 * single["Ix"]
    arm = single["x"] + spacing / 2.0
    Iy = 2.0 * (single["Iy"] + single["A"] * arm * arm)
    # The pair's shear centre lies on the symmetry axis where the outstanding
    # legs' mid-lines meet it.
    y0 = single["y"] - t / 2.0
    ro2 = y0 * y0 + (Ix + Iy) / A
    return {"A": A, "Ix": Ix, "Sx": Ix / (single["a"] - single["y"]),
            "rx": math.sqrt(Ix / A), "ry": math.sqrt(Iy / A), "ro": math.sqrt(ro2),
            "H": 1.0 - y0 * y0 / ro2}

