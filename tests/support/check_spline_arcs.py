"""Checks the arcs an element file holds for the SPLINEs of a drawing
against ezdxf's own evaluation of the curves (an independent NURBS code).

    check_spline_arcs.py DRAWING.dxf ELEMENTS.txt TOLERANCE

The element file was converted with Connect=0 and SplineArchi=1, so the
k-th element is the k-th SPLINE. Prints one line per spline ("arcs N worst
D") and "within" when every dense point of every curve lies within the
tolerance (plus the element file's rounding) of its arcs, and every arc's
middle point within it of the curve; "outside ..." otherwise.
"""
import math
import sys

import ezdxf
from ezdxf.math import Vec3


def circle(a, b, c):
    ab, ac = b - a, c - a
    n = ab.cross(ac)
    off = (n.cross(ab) * ac.magnitude_square + ac.cross(n) * ab.magnitude_square) / (2 * n.magnitude_square)
    return a + off, off.magnitude


def to_segment(q, a, b):
    ab = b - a
    ll = ab.magnitude_square
    s = 0.0 if ll == 0 else max(0.0, min(1.0, (q - a).dot(ab) / ll))
    return q.distance(a + ab * s)


def to_arc(q, a, m, b):
    centre, r = circle(a, m, b)
    if not math.isfinite(r) or r > 1e9:
        return to_segment(q, a, b)
    e1 = (a - centre) / r
    n = (a - centre).cross(m - centre).normalize()
    e2 = n.cross(e1)

    def angle(p):
        x = math.atan2((p - centre).dot(e2), (p - centre).dot(e1))
        return x + 2 * math.pi if x < 0 else x

    h = (q - centre).dot(n)
    p = q - n * h
    if angle(p) <= angle(b):
        return math.hypot(h, p.distance(centre) - r)
    return min(q.distance(a), q.distance(b))


def elements(path):
    result = []
    current = []
    for line in open(path, encoding="latin-1"):
        fields = [f.strip() for f in line.split(",")]
        code, node = fields[0], Vec3(float(fields[2]), float(fields[3]), float(fields[4]))
        current.append((code, node))
        if code in ("FIN", "ISO"):
            result.append(current)
            current = []
    return result


def pieces(element):
    out = []
    i = 0
    while i + 1 < len(element):
        if element[i + 1][0] == "MED":
            out.append(("arc", element[i][1], element[i + 1][1], element[i + 2][1]))
            i += 2
        else:
            out.append(("line", element[i][1], None, element[i + 1][1]))
            i += 1
    return out


def main():
    drawing, element_file, tolerance = sys.argv[1], sys.argv[2], float(sys.argv[3])
    splines = list(ezdxf.readfile(drawing).modelspace().query("SPLINE"))
    found = elements(element_file)
    if len(found) != len(splines):
        print(f"outside: {len(found)} elements for {len(splines)} splines")
        return 1
    slack = tolerance + 2e-6  # DecimaliTxt=7: every coordinate rounded to 1e-6
    ok = True
    for spline, element in zip(splines, found):
        curve = spline.construction_tool()
        dense = list(curve.approximate(4000))
        parts = pieces(element)
#Both run along the curve in its order : the nearest piece of a dense
#point, and the nearest dense point of an arc, are looked for a few
#places around the last one.
        worst = 0.0
        at = 0
        for q in dense:
            window = range(max(0, at - 3), min(len(parts), at + 12))
            d, at = min(((to_arc(q, a, m, b) if kind == "arc" else to_segment(q, a, b)), j)
                        for j, (kind, a, m, b) in ((j, parts[j]) for j in window))
            worst = max(worst, d)
        back = 0.0
        at = 0
        for kind, a, m, b in parts:
            if kind != "arc":
                continue
            window = range(max(0, at - 20), min(len(dense) - 1, at + 1000))
            d, at = min((to_segment(m, dense[i], dense[i + 1]), i) for i in window)
            back = max(back, d)
        print(f"spline {spline.dxf.handle}: arcs {sum(1 for p in parts if p[0] == 'arc')} "
              f"segments {sum(1 for p in parts if p[0] == 'line')} worst {worst:.6f} back {back:.6f}")
        ok = ok and worst <= slack and back <= slack
    print("within" if ok else "outside")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
