Entities, polylines, inserts and attributes through the whole conversion
(the hand-worked element files of every basic entity are in
tests/data/worked). Each element line is shown by its first seven fields,
without the padding: code, number, x, y, z, value, layer.

  $ cat > fields <<'EOF'
  > cut -d, -f1-7 "$1" | tr -d ' \r'
  > EOF

Extrusion (0, 0, -1) in 3D is face 2: worked out in the plane seen from
above, mirrored in y about the centre, each arc turned round. With
ArchiEllisse 1 the ellipse of radii 2 and 1 is four arcs through the
points at y = +-0.5 (x = +-sqrt(3) = 1.73 on the grid), one number.

  $ printf '0\nSECTION\n2\nENTITIES\n0\nELLIPSE\n8\nE\n10\n0\n20\n0\n30\n0\n11\n2\n21\n0\n31\n0\n40\n0.5\n41\n0\n42\n6.283185307179586\n210\n0\n220\n0\n230\n-1\n0\nENDSEC\n0\nEOF\n' > ellipse.dxf
  $ printf '[P]\nConnect=0\nAltezza3D=1\nArchiEllisse=1\nDecimaliTxt=3\nSideInp2=DOWN,0;\n' > p.ini
  $ dxfelem convert ellipse.dxf a.txt --params p.ini --section P --quiet 2>/dev/null; sh fields a.txt
  INI,1,2.000,0.000,0.000,0.000,EDOWN
  MED,1,1.730,-0.500,0.000,0.000,EDOWN
  FIN,1,0.000,-1.000,0.000,0.000,EDOWN
  INI,1,0.000,1.000,0.000,0.000,EDOWN
  MED,1,1.730,0.500,0.000,0.000,EDOWN
  FIN,1,2.000,0.000,0.000,0.000,EDOWN
  INI,1,-2.000,0.000,0.000,0.000,EDOWN
  MED,1,-1.730,0.500,0.000,0.000,EDOWN
  FIN,1,0.000,1.000,0.000,0.000,EDOWN
  INI,1,0.000,-1.000,0.000,0.000,EDOWN
  MED,1,-1.730,-0.500,0.000,0.000,EDOWN
  FIN,1,-2.000,0.000,0.000,0.000,EDOWN

An inch drawing ($INSUNITS 1) with UnitaMisura 2 works in inches and
writes its settings back in millimetres: RadiusMin 5 mm is 0.19685 in, so a
circle of radius 1 (inch) is an arc, not a hole. In millimetres
($INSUNITS 4) it is a hole, and UnitaMisuraVal goes back to 0; UnitaMisura
1 converts whatever the header says.

  $ for units in 1 4; do printf '0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n%s\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nCIRCLE\n8\nC\n10\n0\n20\n0\n40\n1\n0\nENDSEC\n0\nEOF\n' $units > units$units.dxf; done
  $ printf '[P]\nUnitaMisura=2\nRadiusMin=5\nTollerance=0.254\nSpazioFont=2.54\n' > p.ini
  $ dxfelem convert units1.dxf a.txt --params p.ini --section P --quiet 2>/dev/null; head -c 3 a.txt; echo
  INI
  $ grep -e RadiusMin= -e Tollerance= -e SpazioFont= -e UnitaMisuraVal= p.ini
  RadiusMin=5.00
  Tollerance=0.25400
  SpazioFont=2.54000
  UnitaMisuraVal=1
  $ printf '[P]\nUnitaMisura=2\nRadiusMin=5\nUnitaMisuraVal=1\n' > p.ini
  $ dxfelem convert units4.dxf a.txt --params p.ini --section P --quiet 2>/dev/null; head -c 3 a.txt; echo
  ISO
  $ grep UnitaMisuraVal= p.ini
  UnitaMisuraVal=0
  $ printf '[P]\nUnitaMisura=1\nRadiusMin=5\n' > p.ini
  $ dxfelem convert units4.dxf a.txt --params p.ini --section P --quiet 2>/dev/null; head -c 3 a.txt; echo
  INI
  $ grep -e RadiusMin= -e UnitaMisuraVal= p.ini
  RadiusMin=5.00
  UnitaMisuraVal=1

Bad numbers give defined results: an infinite start leaves its LINE out,
NaN reads as 0, a huge radius, no radius (a point-like arc), an ellipse of
no axis makes nothing. A layer of 254 characters, the longest that fits a
read with its line feed, gets its face name whole; one character more and
the line feed is read as a line of its own: the groups fall out of step and
the pass reaches the end of the file inside the entities (code 4).

  $ printf '0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nA\n10\nabc\n20\n1e999\n11\n1\n21\n1\n0\nCIRCLE\n8\nB\n10\nnan\n20\n0\n40\n1e308\n' > bad.dxf
  $ printf '0\nARC\n8\nC\n10\n0\n20\n0\n40\n0\n50\n0\n51\n90\n0\nELLIPSE\n8\nE\n10\n0\n20\n0\n11\n0\n21\n0\n40\n0.5\n' >> bad.dxf
  $ printf '0\nPOINT\n8\n%0254d\n10\n1\n0\nENDSEC\n0\nEOF\n' 0 >> bad.dxf
  $ printf '[P]\nDecimaliTxt=3\n' > p.ini
  $ dxfelem convert bad.dxf a.txt --params p.ini --section P --quiet 2>/dev/null; sh fields a.txt | sed 's/0\{254\}/(254 zeros)/'
  ISO,5,1.000,0.000,0.000,0.000,(254 zeros)Side1
  $ printf '0\nSECTION\n2\nENTITIES\n0\nPOINT\n8\n%0255d\n10\n1\n0\nENDSEC\n0\nEOF\n' 0 > long.dxf
  $ dxfelem convert long.dxf a.txt --params p.ini --section P
  dxfelem: the entities of long.dxf could not be read (or memory ran out) (code 4)
  [1]

With Connect 0 the elements are as the readers make them, unjoined.
EscludeBlocchi suppresses every insert of the worked drawing
named-blocks-attributes; its attributes remain. With no block named, an
INSERT alone makes nothing: the block test of the attribute builder passes
every block with YesLogic 0.

  $ printf '[P]\nConnect=0\nDecimaliTxt=3\nSideInp1=F1,0;\nMcrBlock1=HINGE;\nEscludeBlocchi=1\n' > p.ini
  $ dxfelem convert "$DATA/worked/named-blocks-attributes.dxf" a.txt --params p.ini --section P --quiet 2>/dev/null; sh fields a.txt
  PAR,0,0.000,0.000,0.000,0.000,FIRST
  PAR,0,0.000,0.000,0.000,0.000,POS
  PAR,0,0.000,0.000,0.000,0.000,TAG
  $ printf '[P]\nConnect=0\nDecimaliTxt=3\nSideInp1=F1,0;\n' > p.ini
  $ printf '0\nSECTION\n2\nENTITIES\n0\nINSERT\n8\nH\n2\nHINGE\n0\nENDSEC\n0\nEOF\n' > insert.dxf
  $ dxfelem convert insert.dxf a.txt --params p.ini --section P
  dxfelem: nothing in insert.dxf became an element: no entity that can be converted, or none selected (code 41)
  dxfelem: skipped
            1 INSERT: block HINGE is defined nowhere in the drawing, nor named in McrBlock, SubBlock or OprBlock
  [1]

A mesh is a surface: polygon meshes (16, closed in N: 32) and polyface
meshes (64, with face records of no coordinates) make nothing, their
vertices and SEQEND are read and dropped, and the entity after them is
read as usual, with the first number: a mesh takes none. A mesh alone:
nothing became an element.

  $ for flags in 16 32 48 64 65 72; do
  >   printf '0\nSECTION\n2\nENTITIES\n0\nPOLYLINE\n8\nM\n66\n1\n70\n%s\n71\n4\n72\n1\n' $flags > mesh.dxf
  >   printf '0\nVERTEX\n8\nM\n10\n1\n20\n2\n30\n3\n70\n192\n0\nVERTEX\n8\nM\n10\n4\n20\n5\n30\n6\n70\n192\n' >> mesh.dxf
  >   printf '0\nVERTEX\n8\nM\n10\n7\n20\n8\n30\n9\n70\n192\n0\nVERTEX\n8\nM\n10\n0\n20\n0\n30\n0\n70\n128\n71\n1\n72\n2\n73\n3\n0\nSEQEND\n' >> mesh.dxf
  >   cp mesh.dxf alone.dxf; printf '0\nENDSEC\n0\nEOF\n' >> alone.dxf
  >   printf '0\nLINE\n8\nL\n11\n1\n0\nENDSEC\n0\nEOF\n' >> mesh.dxf
  >   dxfelem convert mesh.dxf a.txt --params p.ini --section P --quiet 2>/dev/null; echo "$flags: $(sh fields a.txt | tr '\n' ' ')"
  > done
  16: INI,1,0.000,0.000,0.000,0.000,LF1 FIN,1,1.000,0.000,0.000,0.000,LF1 
  32: INI,1,0.000,0.000,0.000,0.000,LF1 FIN,1,1.000,0.000,0.000,0.000,LF1 
  48: INI,1,0.000,0.000,0.000,0.000,LF1 FIN,1,1.000,0.000,0.000,0.000,LF1 
  64: INI,1,0.000,0.000,0.000,0.000,LF1 FIN,1,1.000,0.000,0.000,0.000,LF1 
  65: INI,1,0.000,0.000,0.000,0.000,LF1 FIN,1,1.000,0.000,0.000,0.000,LF1 
  72: INI,1,0.000,0.000,0.000,0.000,LF1 FIN,1,1.000,0.000,0.000,0.000,LF1 
  $ dxfelem convert alone.dxf a.txt --params p.ini --section P
  dxfelem: nothing in alone.dxf became an element: no entity that can be converted, or none selected (code 41)
  dxfelem: skipped
            1 POLYLINE meshes: meshes are surfaces: they make nothing
  [1]

Broken polylines: a VERTEX without its POLYLINE breaks the pass (code 4);
a POLYLINE never closed by SEQEND is dropped, and meshes make nothing
(code 41). No vertex: nothing, but a number. One vertex: a start point
alone. NaN and enormous bulges make straight pieces; 1e30 a finite arc.

  $ printf '0\nSECTION\n2\nENTITIES\n0\nVERTEX\n10\n1\n0\nENDSEC\n0\nEOF\n' > vertex.dxf
  $ dxfelem convert vertex.dxf a.txt --params p.ini --section P
  dxfelem: the entities of vertex.dxf could not be read (or memory ran out) (code 4)
  [1]
  $ printf '0\nSECTION\n2\nENTITIES\n0\nPOLYLINE\n8\nP\n0\nVERTEX\n10\n1\n0\nVERTEX\n10\n2\n0\nPOLYLINE\n70\n16\n0\nVERTEX\n10\n1\n0\nVERTEX\n10\n2\n0\nSEQEND\n0\nENDSEC\n0\nEOF\n' > unclosed.dxf
  $ dxfelem convert unclosed.dxf a.txt --params p.ini --section P
  dxfelem: nothing in unclosed.dxf became an element: no entity that can be converted, or none selected (code 41)
  dxfelem: skipped
            1 POLYLINE meshes: meshes are surfaces: they make nothing
            1 POLYLINE: no SEQEND ends it: its vertices are dropped
  [1]
  $ printf '0\nSECTION\n2\nENTITIES\n0\nPOLYLINE\n8\nP\n0\nSEQEND\n0\nPOLYLINE\n8\nP\n70\n1\n0\nSEQEND\n0\nLWPOLYLINE\n8\nP\n20\n5\n42\n1\n10\n3\n' > odd.dxf
  $ printf '0\nLWPOLYLINE\n8\nP\n10\n0\n42\nnan\n10\n1\n42\n1e200\n10\n2\n42\n1e30\n10\n3\n0\nENDSEC\n0\nEOF\n' >> odd.dxf
  $ dxfelem convert odd.dxf a.txt --params p.ini --section P --quiet 2>/dev/null; sh fields a.txt
  INI,2,3.000,0.000,0.000,0.000,PF1
  INI,4,0.000,0.000,0.000,0.000,PF1
  VER,4,1.000,0.000,0.000,0.000,PF1
  VER,4,2.000,0.000,0.000,0.000,PF1
  MED,4,2.500,-500000000000000080311056596992.000,0.000,0.000,PF1
  FIN,4,3.000,0.000,0.000,0.000,PF1

Hostile inserts and attributes: a block name of 100000 characters is read
255 at a time: the rest of it is taken for groups without use, the insert
names no block of the tables, and the pass ends at the ENDSEC. An
attribute list that never ends: the file ends inside the pass.

  $ printf '[P]\nConnect=0\nDecimaliTxt=3\nSideInp1=F1,0;\nMcrBlock1=HINGE;\n' > p.ini
  $ printf '0\nSECTION\n2\nENTITIES\n0\nINSERT\n8\nH\n2\n%0100000d\n10\n1\n0\nENDSEC\n0\nEOF\n' 0 > name.dxf
  $ dxfelem convert name.dxf a.txt --params p.ini --section P 2>&1 | sed 's/0\{255\}/(255 zeros)/'
  dxfelem: nothing in name.dxf became an element: no entity that can be converted, or none selected (code 41)
  dxfelem: skipped
            1 INSERT: block (255 zeros) is defined nowhere in the drawing, nor named in McrBlock, SubBlock or OprBlock
  $ printf '0\nSECTION\n2\nENTITIES\n0\nATTRIB\n2\nT\n1\nV\n2\nT\n1\nV\n' > endless.dxf
  $ dxfelem convert endless.dxf a.txt --params p.ini --section P
  dxfelem: the entities of endless.dxf could not be read (or memory ran out) (code 4)
  [1]

The bundled example with its own parameter file: its shapes are the
hand-worked element file tests/data/worked/example-panel-shapes.txt (20
lines, SOURCES.md there tells how each was worked out); its label's
letters, "DXFELEM", follow as closed outlines on its layer, one a letter
and the D's counter (the font decides their digits).

  $ cp "$SOURCE/examples/panel.ini" panel.ini
  $ dxfelem convert "$SOURCE/examples/panel.dxf" panel.txt --params panel.ini --section Panel --quiet 2>/dev/null
  $ head -20 panel.txt | cmp - "$DATA/worked/example-panel-shapes.txt" && tail -n +21 panel.txt | cut -d, -f1,7 | tr -d ' \r' | sort | uniq -c | awk '{ print $2 ($2 ~ /^INI/ ? ": " $1 " outlines" : "") }' | sort -u
  FIN,LABELSide1
  INI,LABELSide1: 8 outlines
  MED,LABELSide1
  VER,LABELSide1
