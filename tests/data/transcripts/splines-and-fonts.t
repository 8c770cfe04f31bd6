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

A closed cubic by control points, on an extrusion of (0, 0, -1), then a
LINE. Without SplineArchi (or with 0) splines stay skipped, and a section
without the keys does not get them.

  $ printf '0\nSECTION\n2\nENTITIES\n0\nSPLINE\n8\nS\n210\n0\n220\n0\n230\n-1\n70\n9\n71\n3\n' > closed.dxf
  $ printf '40\n0\n40\n0\n40\n0\n40\n0\n40\n1\n40\n2\n40\n2\n40\n2\n40\n2\n' >> closed.dxf
  $ printf '10\n0\n20\n0\n10\n10\n20\n-10\n10\n20\n20\n0\n10\n10\n20\n10\n10\n0\n20\n0\n' >> closed.dxf
  $ printf '0\nLINE\n8\nL\n10\n0\n20\n0\n11\n5\n21\n0\n0\nENDSEC\n0\nEOF\n' >> closed.dxf
  $ printf '[P]\nConnect=0\nDecimaliTxt=3\n' > off.ini
  $ dxfelem convert closed.dxf off.txt --params off.ini --section P --quiet; cut -d, -f1,7 off.txt | tr -d ' \r'; grep -c Spline off.ini
  dxfelem: converted closed.dxf into off.txt
  INI,LSide1
  FIN,LSide1
  0
  [1]
  $ printf '[P]\nConnect=0\nDecimaliTxt=3\nSplineArchi=0\n' > zero.ini
  $ dxfelem convert closed.dxf zero.txt --params zero.ini --section P --quiet; cmp off.txt zero.txt; grep Spline zero.ini
  dxfelem: converted closed.dxf into zero.txt
  SplineArchi=0
  SplineToll=0.01

With it, the closed spline is one closed profile in drawing coordinates
(a SPLINE's points are not moved by its extrusion): it starts and ends at
the first control point, not mirrored; the LINE after it is number 2.

  $ printf '[P]\nConnect=0\nDecimaliTxt=4\nSplineArchi=1\nSplineToll=0.001\n' > on.ini
  $ dxfelem convert closed.dxf on.txt --params on.ini --section P --quiet 2>/dev/null
  $ cut -d, -f1-4 on.txt | tr -d ' ' | sed -n -e 1p -e '/FIN/p'; cut -c1-3 on.txt | sort | uniq -c; grep Spline on.ini
  INI,1,0.0000,0.0000
  FIN,1,0.0000,0.0000
  FIN,2,5.0000,0.0000
        2 FIN
        2 INI
       48 MED
       47 VER
  SplineArchi=1
  SplineToll=0.001

The tolerance is written back as the next read takes it: one just above
the smallest allowed stays itself, and one out of range becomes the default.

  $ for given in 0 0.000001 11 abc 0.0000011 10 0.1234567891; do
  >   printf '[P]\nConnect=0\nSplineArchi=1\nSplineToll=%s\n' $given > t.ini
  >   dxfelem convert closed.dxf t.txt --params t.ini --section P --quiet 2>/dev/null
  >   echo "$given: $(grep SplineToll t.ini)"
  > done
  0: SplineToll=0.01
  0.000001: SplineToll=0.01
  11: SplineToll=0.01
  abc: SplineToll=0.01
  0.0000011: SplineToll=0.0000011
  10: SplineToll=10
  0.1234567891: SplineToll=0.1234567891
