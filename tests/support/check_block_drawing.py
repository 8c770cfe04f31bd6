"""Checks the blocks an element file draws against ezdxf's own explosion of
the INSERTs (Insert.virtual_entities() and multi_insert(), an independent
implementation of the DXF reference's placement).

    check_block_drawing.py check DRAWING.dxf ELEMENTS.txt TOLERANCE
        ELEMENTS.txt was converted with EsplodiBlocchi=1, Connect=0, Testo=0,
        SplineArchi=1 and McrBlock1=MAC. Prints "within" when every point of every curve
        ezdxf draws lies within TOLERANCE of an element, and every node of an
        element within it of a curve; "outside ..." otherwise.
    check_block_drawing.py count DRAWING.dxf [NAMED,...]
        prints "KIND COUNT" per kind of entity the drawing's INSERTs of
        blocks not named draw (nested ones drawn too, to a depth of 16).
"""
import math
import sys

import ezdxf
from ezdxf import path as ezpath
from ezdxf.math import Vec3

#The distances to an element's pieces, as the spline check measures them.
from check_spline_arcs import circle, to_arc, to_segment

DEEPEST = 16


def drawn(entity, named, depth=0):
    """What an entity draws: itself, or the entities of its block."""
    if entity.dxftype() != "INSERT" or entity.dxf.name in named:
        yield entity
        return
    places = entity.multi_insert() if entity.mcount > 1 else [entity]
    for place in places:
        for inner in place.virtual_entities():
            if inner.dxftype() == "INSERT" and inner.dxf.name not in named and depth + 1 >= DEEPEST:
                continue
            yield from drawn(inner, named, depth + 1 if inner.dxftype() == "INSERT" else depth)


def drawn_by_inserts(doc, named):
    for entity in doc.modelspace():
        if entity.dxftype() == "INSERT" and entity.dxf.name not in named:
            yield from drawn(entity, named)


def count(drawing, named):
    counts = {}
    for entity in drawn_by_inserts(ezdxf.readfile(drawing), named):
        counts[entity.dxftype()] = counts.get(entity.dxftype(), 0) + 1
    for kind in sorted(counts):
        print(kind, counts[kind])


def element_pieces(target):
    """The segments and three-point arcs of an element file's elements."""
    pieces, nodes, previous = [], [], None
    for line in open(target, encoding="latin-1"):
        fields = [f.strip() for f in line.split(",")]
        code, node = fields[0], Vec3(float(fields[2]), float(fields[3]), float(fields[4]))
        if code in ("MCR", "APL", "ISO"):
            previous = None
            continue
        nodes.append(node)
        if code == "MED":
            middle = node
            continue
        if previous is not None:
            pieces.append((previous, middle, node) if middle is not None else (previous, node))
        middle = None
        previous = None if code == "FIN" else node
    return pieces, nodes


def to_piece(q, piece):
    if len(piece) == 2:
        return to_segment(q, *piece)
    a, m, b = piece
    if a.distance(b) < 1e-9:
#A full circle : its middle node lies opposite its start.
        centre = (a + m) / 2
        return abs(q.distance(centre) - a.distance(centre))
    if (b - a).cross(m - a).magnitude_square == 0:
        return to_segment(q, a, b)
    return to_arc(q, a, m, b)


def box_of(points):
    xs, ys = [p.x for p in points], [p.y for p in points]
    return min(xs), min(ys), max(xs), max(ys)


def box_distance(q, box):
    dx = max(box[0] - q.x, 0.0, q.x - box[2])
    dy = max(box[1] - q.y, 0.0, q.y - box[3])
    return math.hypot(dx, dy)


def piece_box(piece):
    if len(piece) == 3:
        a, m, b = piece
        if a.distance(b) < 1e-9:
            centre, r = (a + m) / 2, a.distance(m) / 2
        elif (b - a).cross(m - a).magnitude_square > 0:
            centre, r = circle(a, m, b)
        else:
            r = math.inf
        if math.isfinite(r) and r < 1e9:
            return centre.x - r, centre.y - r, centre.x + r, centre.y + r
    return box_of(piece)


def nearest(q, items, distance):
    """The least distance from q to the items (box, thing), boxes first."""
    best = math.inf
    for box, thing in items:
        if box_distance(q, box) < best:
            best = min(best, distance(q, thing))
    return best


def check(drawing, target, tolerance):
    doc = ezdxf.readfile(drawing)
    curves = []
    for entity in doc.modelspace():
        for piece in drawn(entity, {"MAC"}):
            if piece.dxftype() in ("INSERT", "TEXT", "MTEXT", "POINT"):
                continue
            curves.append([Vec3(q) for q in ezpath.make_path(piece).flattening(0.002)])
    pieces, nodes = element_pieces(target)
    boxed_pieces = [(piece_box(piece), piece) for piece in pieces]
    worst = 0.0
    for points in curves:
        for q in points:
            worst = max(worst, nearest(q, boxed_pieces, to_piece))
#Every node on a curve : the curves as the polylines of their points.
    segments = [(box_of([a, b]), (a, b)) for points in curves for a, b in zip(points, points[1:])]
    for node in nodes:
        worst = max(worst, nearest(node, segments, lambda q, ab: to_segment(q, *ab)) - 0.002)
    print("within" if worst <= tolerance else f"outside: worst {worst:.5f}", f"curves {len(curves)}",
          f"pieces {len(pieces)}")


if __name__ == "__main__":
    if sys.argv[1] == "count":
        count(sys.argv[2], set(sys.argv[3].split(",")) if len(sys.argv) > 3 else set())
    else:
        check(sys.argv[2], sys.argv[3], float(sys.argv[4]))
