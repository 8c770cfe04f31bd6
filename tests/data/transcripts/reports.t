What a conversion reads and leaves out, and why, as the people's API
reports it and the tool tells it. One entity of every reason to leave
something out, and two lines that make elements; the vertices and the end
of a POLYLINE are parts of it; an ELLIPSE of no axis after the elements
above makes nothing.

  $ printf '0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nL\n10\n0\n20\n0\n11\n10\n21\n0\n' > d.dxf
  $ printf '0\nLINE\n8\nL\n10\n0\n20\n0\n11\n10\n21\n0\n210\n0.6\n220\n0.8\n230\n0\n0\nHATCH\n8\nH\n70\n0\n' >> d.dxf
  $ printf '0\nSPLINE\n8\nS\n71\n1\n40\n0\n40\n0\n40\n1\n40\n1\n10\n0\n20\n0\n10\n5\n20\n5\n' >> d.dxf
  $ printf '0\nPOLYLINE\n8\nP\n70\n16\n0\nVERTEX\n8\nP\n10\n0\n20\n0\n0\nSEQEND\n' >> d.dxf
  $ printf '0\nINSERT\n8\nI\n2\nDOOR\n10\n1\n20\n1\n0\nINSERT\n8\nI\n2\nDOOR\n10\n2\n20\n1\n' >> d.dxf
  $ printf '0\nTEXT\n8\nT\n40\n5\n1\nAB\n0\nMTEXT\n8\nT\n40\n5\n3\nthe first part \n1\nand the last\n' >> d.dxf
  $ printf '0\nLINE\n8\nL\n10\n20\n20\n0\n11\n30\n21\n0\n0\nELLIPSE\n8\nE\n40\n0.5\n0\nENDSEC\n0\nEOF\n' >> d.dxf
  $ dxfelem convert d.dxf o.txt
  dxfelem: converted d.dxf into o.txt
  dxfelem: skipped
            1 HATCH: this kind is not converted
            1 SPLINE: this kind is not converted unless SplineArchi is 1
            1 POLYLINE meshes: meshes are surfaces: they make nothing
            1 LINE with an oblique extrusion: kept only when Altezza3D is not 0
            1 MTEXT with its text in chunks: only the last chunk (group 1) is drawn, as on the hosts; the text before it (group 3) is not
            2 INSERT: block DOOR is defined nowhere in the drawing, nor named in McrBlock, SubBlock or OprBlock
            1 ELLIPSE: made nothing: its layer is not selected (YesLayer, NoLayer), or it has nothing to draw
  $ dxfelem info d.dxf --json 2>/dev/null | python3 -c 'import json, sys; print(json.load(sys.stdin)["entities"])'
  {'ELLIPSE': 1, 'HATCH': 1, 'INSERT': 2, 'LINE': 3, 'MTEXT': 1, 'POLYLINE': 1, 'SPLINE': 1, 'TEXT': 1}

info tells the same of a trial conversion, and writes no file at all.

  $ rm o.txt; dxfelem info d.dxf 2>/dev/null | sed -n '/skips/,$p'; ls *.txt
  a conversion with these settings skips
            1 HATCH: this kind is not converted
            1 SPLINE: this kind is not converted unless SplineArchi is 1
            1 POLYLINE meshes: meshes are surfaces: they make nothing
            1 LINE with an oblique extrusion: kept only when Altezza3D is not 0
            1 MTEXT with its text in chunks: only the last chunk (group 1) is drawn, as on the hosts; the text before it (group 3) is not
            2 INSERT: block DOOR is defined nowhere in the drawing, nor named in McrBlock, SubBlock or OprBlock
            1 ELLIPSE: made nothing: its layer is not selected (YesLayer, NoLayer), or it has nothing to draw
  ls: cannot access '*.txt': No such file or directory
  [2]

Settings read as a parameter file's keys: texts off, the spline followed,
blocks excluded; an ArchiEllisse beyond 1250 is told for a drawing with
ellipses.

  $ printf '[S]\nTesto=0\nSplineArchi=1\nEscludeBlocchi= 1 \nArchiEllisse=2000\n' > s.ini
  $ dxfelem convert d.dxf o.txt --params s.ini --section S
  dxfelem: warning: ArchiEllisse 2000 draws each of the 1 ELLIPSEs through 16000 points (more than 10000 nodes an ellipse; 8, the default, draws 64)
  dxfelem: converted d.dxf into o.txt
  dxfelem: skipped
            1 HATCH: this kind is not converted
            1 POLYLINE meshes: meshes are surfaces: they make nothing
            1 LINE with an oblique extrusion: kept only when Altezza3D is not 0
            1 MTEXT: Testo is 0
            1 TEXT: Testo is 0
            2 INSERT: EscludeBlocchi is not 0
            1 ELLIPSE: made nothing: its layer is not selected (YesLayer, NoLayer), or it has nothing to draw
  dxfelem: 1 SPLINEs followed by arcs within SplineToll

The strict reading of a drawing (the survey): its facts, its blocks
(defined or only inserted), its entities per layer, what the settings leave
out per layer ($ORTHOMODE's group 70 is its own, not the units'); with a
LINE added, a conversion tells what was left out on each layer.

  $ printf '0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1009\n9\n$INSUNITS\n70\n6\n9\n$MEASUREMENT\n70\n1\n9\n$ORTHOMODE\n70\n0\n' > w.dxf
  $ printf '9\n$EXTMIN\n10\n-1.5\n20\n2\n9\n$EXTMAX\n10\n30\n20\n40\n0\nENDSEC\n0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n' >> w.dxf
  $ printf '0\nLAYER\n2\nB\n70\n0\n0\nLAYER\n2\nA\n70\n0\n0\nENDTAB\n0\nENDSEC\n0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\n*Model_Space\n0\nENDBLK\n' >> w.dxf
  $ printf '0\nBLOCK\n2\nDOOR\n0\nLINE\n8\n0\n0\nENDBLK\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n' >> w.dxf
  $ printf '0\nINSERT\n8\nA\n2\nDOOR\n0\nINSERT\n8\nA\n2\nGHOST\n0\nTEXT\n8\nA\n1\nt\n0\nHATCH\n8\nB\n' >> w.dxf
  $ printf '0\nPOLYLINE\n8\nB\n70\n64\n0\nVERTEX\n8\nB\n0\nSEQEND\n8\nB\n' >> w.dxf
  $ cp w.dxf whole.dxf; printf '0\nENDSEC\n0\nEOF\n' >> whole.dxf
  $ printf '[S]\nTesto=0\n' > t.ini
  $ dxfelem info whole.dxf --params t.ini --section S
  drawing    whole.dxf
  version    AC1009 (R12)
  units      $INSUNITS 6 (metres), $MEASUREMENT 1 (metric)
  extents    (-1.5, 2) to (30, 40)
  layers     2 in the LAYER table
             B
             A
  entities
    HATCH                            1
    INSERT                           2
    POLYLINE                         1
    TEXT                             1
  entities per layer
    A                                3
    B                                2
  blocks     2; inserts
    DOOR                             1
    GHOST                            1 (not defined)
  a conversion with these settings skips
            1 HATCH: this kind is not converted
            1 POLYLINE meshes: meshes are surfaces: they make nothing
            1 TEXT: Testo is 0
            1 INSERT: block DOOR is not named in McrBlock, SubBlock or OprBlock: the 1 entities it draws are left out (EsplodiBlocchi=1 draws them)
            1 INSERT: block GHOST is defined nowhere in the drawing, nor named in McrBlock, SubBlock or OprBlock
  $ { cat w.dxf; printf '0\nLINE\n8\nA\n11\n1\n0\nENDSEC\n0\nEOF\n'; } > lined.dxf
  $ dxfelem convert lined.dxf o.txt --params t.ini --section S --summary --quiet
  dxfelem: converted lined.dxf into o.txt
  layer                             elements     nodes
  ASide1                                   1         2
  all layers                               1         2
  skipped, per layer of the drawing
  A
            1 TEXT and MTEXT: Testo is 0
  B
            1 HATCH: this kind is not converted
            1 POLYLINE meshes: meshes are surfaces: they make nothing

Broken drawings are read up to the break, which is named with its line
(line 121 follows the 120 lines above).

  $ { cat w.dxf; printf 'oops\nLINE\n'; } > b1.dxf
  $ { cat w.dxf; printf '0\n'; } > b2.dxf
  $ { cat w.dxf; printf '1'; head -c 3145728 /dev/zero | tr '\0' x; echo; } > b3.dxf
  $ for b in b1 b2 b3; do dxfelem info $b.dxf 2>&1 | sed -n -e '/warning/p' -e '/per layer/,/B  /p'; done
  dxfelem: warning: b1.dxf: line 121: "oops" is not a group code; what follows it was not read
  entities per layer
    A                                3
    B                                2
  dxfelem: warning: b2.dxf: line 121: a group code without its value, at the end of the file; what follows it was not read
  entities per layer
    A                                3
    B                                2
  dxfelem: warning: b3.dxf: line 121: "1xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx" is not a group code; what follows it was not read
  entities per layer
    A                                3
    B                                2

A name after a "0" that no reader takes is an entity kind when it holds a
letter, A to Z or a to z, the first and last of each included: info and
the conversion count it, and the conversion tells it was left out.

  $ printf '0\nSECTION\n2\nENTITIES\n0\nA\n8\nL\n0\nZ9\n8\nL\n0\na\n8\nL\n0\nz\n8\nL\n0\nLINE\n8\nL\n11\n1\n0\nENDSEC\n0\nEOF\n' > kinds.dxf
  $ dxfelem info kinds.dxf 2>&1 | sed -n '/^entities$/,/^entities per layer/p'
  entities
    A                                1
    LINE                             1
    Z9                               1
    a                                1
    z                                1
  entities per layer
  $ dxfelem convert kinds.dxf k.txt
  dxfelem: converted kinds.dxf into k.txt
  dxfelem: skipped
            1 A: this kind is not converted
            1 Z9: this kind is not converted
            1 a: this kind is not converted
            1 z: this kind is not converted
