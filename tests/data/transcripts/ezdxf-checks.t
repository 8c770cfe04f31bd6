Curves and placements checked against ezdxf (Debian's python3-ezdxf), an
evaluation that is not ours.

The SPLINEs of drawings saved by a CAD program (control points; fit points
with end tangents), converted with SplineArchi 1: the arcs stay within the
tolerance of ezdxf's evaluation of every curve
(tests/support/check_spline_arcs.py).

  $ for drawing in qcad-splines fit-points-with-tangents; do for tolerance in 0.01 0.001; do
  >   printf '[S]\nConnect=0\nDecimaliTxt=7\nSplineArchi=1\nSplineToll=%s\n' $tolerance > s.ini
  >   dxfelem convert "$DATA/splines/$drawing.dxf" e.txt --params s.ini --section S 2>&1 | grep followed
  >   /usr/bin/python3 "$SOURCE/tests/support/check_spline_arcs.py" "$DATA/splines/$drawing.dxf" e.txt $tolerance | tail -1
  > done; done
  dxfelem: 6 SPLINEs followed by arcs within SplineToll
  within
  dxfelem: 6 SPLINEs followed by arcs within SplineToll
  within
  dxfelem: 3 SPLINEs followed by arcs within SplineToll
  within
  dxfelem: 3 SPLINEs followed by arcs within SplineToll
  within

A drawing of every kind of placement (tests/data/blocks/SOURCES.md), with
EsplodiBlocchi 1: every element lies within 0.015 of ezdxf's explosion of
the INSERTs.

  $ cp "$DATA/blocks/every-placement.dxf" blocks.dxf
  $ printf '[S]\nEsplodiBlocchi=1\nConnect=0\nTesto=0\nSplineArchi=1\nMcrBlock1=MAC;\n' > b.ini
  $ dxfelem convert blocks.dxf blocks.txt --params b.ini --section S --quiet
  dxfelem: converted blocks.dxf into blocks.txt
  $ /usr/bin/python3 "$SOURCE/tests/support/check_block_drawing.py" check blocks.dxf blocks.txt 0.015 | head -1
  within curves 100 pieces 489

The corpus drawings gain an element for each entity ezdxf's explosion
draws, nested blocks included (LINE and ARC: 6712 and 43 in the
architecture drawing, 324 LINEs in the nested one; HATCH and TEXT make no
element here).

  $ for drawing in r2000-architecture-metres r2013-nested-inserts; do
  >   /usr/bin/python3 "$SOURCE/tests/support/check_block_drawing.py" count "$DATA/corpus/$drawing.dxf"
  > done
  ARC 43
  HATCH 4
  LINE 6712
  LINE 324
  TEXT 108

  $ for drawing in r2000-architecture-metres r2013-nested-inserts; do for explode in 0 1; do
  >   printf '[S]\nConnect=0\nTesto=0\nEsplodiBlocchi=%s\n' $explode > c.ini
  >   dxfelem convert "$DATA/corpus/$drawing.dxf" c.txt --params c.ini --section S --quiet 2>/dev/null
  >   echo "$drawing EsplodiBlocchi=$explode: $(grep -c ^INI c.txt) elements"
  > done; done
  r2000-architecture-metres EsplodiBlocchi=0: 656 elements
  r2000-architecture-metres EsplodiBlocchi=1: 7411 elements
  r2013-nested-inserts EsplodiBlocchi=0: 6 elements
  r2013-nested-inserts EsplodiBlocchi=1: 330 elements
