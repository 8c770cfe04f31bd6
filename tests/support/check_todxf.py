"""Reads an element file and the DXF that `dxfelem todxf` wrote of it with
ezdxf, and checks that the DXF holds the same geometry within 1e-6: every
segment a LINE between the same points, every three-point arc an ARC through
the same ends whose circle passes the middle point, every hole a CIRCLE of
its radius and a POINT, every block call an INSERT. Prints "same N" with the
number of entities checked, or the first difference."""
import math
import sys

import ezdxf

TOLERANCE = 1e-6


def elements(path):
    result = []
    for raw in open(path, encoding="latin-1").read().split("\n"):
        fields = raw.rstrip("\r").split(",")
        if len(fields) < 8:
            continue
        code = fields[0]
        node = (code, float(fields[2]), float(fields[3]), float(fields[5]), fields[7].strip())
        layer = fields[6].strip()
        if not result or code not in ("VER", "MED", "FIN", "SPL") or result[-1][0] != layer:
            result.append((layer, []))
        result[-1][1].append(node)
    return result


def expected(path):
    """The entities the DXF must hold, in order."""
    out = []
    for layer, nodes in elements(path):
        first = nodes[0]
        if first[0] == "INI":
            previous, middle = first, None
            for node in nodes[1:]:
                if node[0] == "MED":
                    middle = node
                    continue
                if middle is None:
                    out.append(("LINE", layer, previous, node))
                elif math.hypot(previous[1] - node[1], previous[2] - node[2]) < 1e-9:
                    out.append(("CIRCLE", layer, ((previous[1] + middle[1]) / 2, (previous[2] + middle[2]) / 2),
                                math.hypot(previous[1] - middle[1], previous[2] - middle[2]) / 2))
                elif abs(2 * (previous[1] * (middle[2] - node[2]) + middle[1] * (node[2] - previous[2]) +
                              node[1] * (previous[2] - middle[2]))) < 1e-12:
                    out.append(("LINE", layer, previous, node))  # an arc of no sagitta
                else:
                    out.append(("ARC", layer, previous, middle, node))
                previous, middle = node, None
        elif first[0] in ("ISO", "ITP", "NUL"):
            if first[3] > 0:
                out.append(("CIRCLE", layer, (first[1], first[2]), first[3]))
            out.append(("POINT", layer, first))
        elif first[0] == "MCR":
            out.append(("INSERT", layer, first))
    return out


def near(a, b):
    return abs(a - b) <= TOLERANCE * max(1.0, abs(a), abs(b))


def main():
    wanted = expected(sys.argv[1])
    found = list(ezdxf.readfile(sys.argv[2]).modelspace())
    if len(wanted) != len(found):
        print("counts differ: %d expected, %d in the DXF" % (len(wanted), len(found)))
        return 1
    for index, (want, entity) in enumerate(zip(wanted, found)):
        kind, layer = want[0], want[1]
        if entity.dxftype() != kind or entity.dxf.layer != layer:
            print("entity %d: %s on %s, expected %s on %s" % (index, entity.dxftype(), entity.dxf.layer, kind, layer))
            return 1
        if kind == "LINE":
            ok = all(near(p, q) for p, q in ((entity.dxf.start.x, want[2][1]), (entity.dxf.start.y, want[2][2]),
                                             (entity.dxf.end.x, want[3][1]), (entity.dxf.end.y, want[3][2])))
        elif kind == "ARC":
            c, r = entity.dxf.center, entity.dxf.radius
            ends = []
            for angle in (entity.dxf.start_angle, entity.dxf.end_angle):
                ends.append((c.x + r * math.cos(math.radians(angle)), c.y + r * math.sin(math.radians(angle))))
            a, m, b = want[2], want[3], want[4]
            same = [(a[1], a[2]), (b[1], b[2])]
            ok = (all(near(p[0], q[0]) and near(p[1], q[1]) for p, q in zip(ends, same)) or
                  all(near(p[0], q[0]) and near(p[1], q[1]) for p, q in zip(ends, reversed(same))))
            ok = ok and near(math.hypot(m[1] - c.x, m[2] - c.y), r)
        elif kind == "CIRCLE":
            ok = near(entity.dxf.center.x, want[2][0]) and near(entity.dxf.center.y, want[2][1]) and \
                near(entity.dxf.radius, want[3])
        elif kind == "POINT":
            ok = near(entity.dxf.location.x, want[2][1]) and near(entity.dxf.location.y, want[2][2])
        else:
            ok = entity.dxf.name == want[2][4] and near(entity.dxf.insert.x, want[2][1])
        if not ok:
            print("entity %d (%s) differs" % (index, kind))
            return 1
    print("same %d" % len(found))
    return 0


sys.exit(main())
