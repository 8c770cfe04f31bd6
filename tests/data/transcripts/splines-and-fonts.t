info tells which SPLINEs would be followed by arcs, and why not.

  $ printf '[S]\nSplineArchi=1\n' > on.ini
  $ dxfelem info "$DATA/splines/qcad-splines.dxf" | grep SPLINE
    SPLINE                           6
            6 SPLINE: this kind is not converted unless SplineArchi is 1
  $ dxfelem info "$DATA/splines/qcad-splines.dxf" --params on.ini --section S | grep -i spline
  drawing    $DATA/splines/qcad-splines.dxf
    SPLINE                           6
  splines    6 followed by arcs within SplineToll

Degree 0, and knots running backwards: left out, each with its reason; the
reading per layer (the survey) finds the same reasons. Only the LINE is
converted.

  $ printf '0\nSECTION\n2\nENTITIES\n0\nSPLINE\n8\nA\n71\n0\n40\n0\n40\n1\n10\n0\n20\n0\n' > broken.dxf
  $ printf '0\nSPLINE\n8\nA\n71\n1\n40\n0\n40\n0\n40\n2\n40\n1\n10\n0\n20\n0\n10\n1\n20\n1\n' >> broken.dxf
  $ printf '0\nLINE\n8\nA\n10\n0\n20\n0\n11\n1\n21\n0\n0\nENDSEC\n0\nEOF\n' >> broken.dxf
  $ dxfelem convert broken.dxf b.txt --params on.ini --section S --summary
  dxfelem: converted broken.dxf into b.txt
  dxfelem: skipped
            1 SPLINE: cannot be followed by arcs: degree below 1 or above 10
            1 SPLINE: cannot be followed by arcs: knots that are not non-decreasing
  layer                             elements     nodes
  ASide1                                   1         2
  all layers                               1         2
  skipped, per layer of the drawing
  A
            1 SPLINE: cannot be followed by arcs: degree below 1 or above 10
            1 SPLINE: cannot be followed by arcs: knots that are not non-decreasing
  $ grep -c INI b.txt
  1

The splines of one drawing share a budget of arcs (one per byte of the
drawing, at least 200000): two zigzags of 1000 points (up and down by 5 at
every step of 10) at a tolerance of 0.000002, in a drawing of 60 KB, would
make about 127500 each; the first is followed, the second left out with its
reason, and the element file (two lines an arc) stays within the budget.

  $ python3 -c 'print("0\nSECTION\n2\nENTITIES")
  > for spline in range(2):
  >     print("0\nSPLINE\n8\nS\n70\n8\n71\n3")
  >     for k in range(1004): print("40\n%d" % min(max(k - 3, 0), 997))
  >     for i in range(1000): print("10\n%d\n20\n%d\n30\n0" % (i * 10, (i % 2) * 5 + spline * 1000))
  > print("0\nENDSEC\n0\nEOF")' > zigzags.dxf
  $ printf '[S]\nConnect=0\nSplineArchi=1\nSplineToll=0.000002\n' > z.ini
  $ dxfelem convert zigzags.dxf z.txt --params z.ini --section S
  dxfelem: converted zigzags.dxf into z.txt
  dxfelem: skipped
            1 SPLINE: cannot be followed by arcs: more arcs than the drawing's curves may still make (one per byte of the drawing in all, at least 200000)
  dxfelem: 1 SPLINEs followed by arcs within SplineToll
  $ grep -c 'INI,     1,' z.txt; grep -c 'INI,     2,' z.txt; wc -l < z.txt
  1
  0
  255097

A text whose font cannot be loaded (no font at all for fontconfig) makes
nothing, and the tool says so.

  $ printf '<?xml version="1.0"?>\n<fontconfig><cachedir>%s/cache</cachedir></fontconfig>\n' "$PWD" > fonts.conf
  $ printf '0\nSECTION\n2\nENTITIES\n0\nTEXT\n8\nT\n40\n5\n1\nAB\n0\nLINE\n8\nL\n11\n1\n0\nENDSEC\n0\nEOF\n' > t.dxf
  $ FONTCONFIG_FILE="$PWD/fonts.conf" dxfelem convert t.dxf t.txt
  dxfelem: converted t.dxf into t.txt
  dxfelem: skipped
            1 TEXT: its font (Txt) could not be loaded

convert reads the drawing once: what it tells of skips is what the
conversion counted, not a second reading.

  $ printf '0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nL\n11\n1\n0\nHATCH\n8\nH\n70\n0\n0\nENDSEC\n0\nEOF\n' > once.dxf
  $ LD_PRELOAD="$FAILING_OPEN" DXFELEM_FAIL_OPEN_NAME=once.dxf DXFELEM_COUNT_OPEN_LOG=openings dxfelem convert once.dxf o.txt
  dxfelem: converted once.dxf into o.txt
  dxfelem: skipped
            1 HATCH: this kind is not converted
  $ cat openings
  opened
