What the tool tells of real drawings (tests/data/corpus; the counts match
those of SOURCES.md, made with another reader): the kinds of entities, the
layers and blocks, and what a conversion leaves out and why.

  $ dxfelem info "$DATA/corpus/r2000-architecture-metres.dxf"
  drawing    $DATA/corpus/r2000-architecture-metres.dxf
  version    AC1015 (R2000)
  units      $INSUNITS 6 (metres), $MEASUREMENT 1 (metric)
  extents    (-0.0256332, -0.0181263) to (43.1062, 32.6123)
  layers     13 in the LAYER table
             0
             wall high
             wall low
             texture
             equipment
             nivel
             doorswindows
             projection
             names
             Defpoints
             topography
             plants
             Ceco.NET 53
  entities
    ARC                              9
    CIRCLE                          18
    DIMENSION                        6
    HATCH                            4
    INSERT                          29
    LINE                           628
    LWPOLYLINE                       1
    MTEXT                           12
    POINT                            4
  entities per layer
    0                                1
    Ceco.NET 53                     29
    doorswindows                    54
    equipment                       22
    names                           11
    nivel                           53
    plants                          11
    projection                      91
    texture                         39
    topography                     207
    wall high                       99
    wall low                        94
  blocks     10; inserts
    PUERTA                           3
    SOFA                            10
    MESACENTRO                       1
    _ArchTick                        0
    ARBRE10                          4
    ARBRE11                          4
    ARBUST10                         3
    start                            2
    arrow                            1
    ARBOL                            1
  a conversion with these settings skips
            6 DIMENSION: this kind is not converted
            4 HATCH: this kind is not converted
           29 INSERT: blocks ARBOL, ARBRE10, ARBRE11, ARBUST10, MESACENTRO, PUERTA, SOFA, arrow and 1 more are not named in McrBlock, SubBlock or OprBlock: the 6759 entities they draw are left out (EsplodiBlocchi=1 draws them)
  $ dxfelem info "$DATA/corpus/r2000-polyface-inches.dxf" | grep POLYLINE
    POLYLINE                         4
            4 POLYLINE meshes: meshes are surfaces: they make nothing
  $ dxfelem info "$DATA/corpus/r12-all-polyline-types.dxf" | grep 'not a unit vector'
           30 POLYLINE with an extrusion that is not a unit vector: such an entity is never kept
  $ printf '[S]\nTesto=0\n' > p.ini
  $ dxfelem info "$DATA/corpus/r2013-nested-inserts.dxf" --params p.ini --section S | grep -e TEXT -e INSERT:
    TEXT                            12
           12 TEXT: Testo is 0
            6 INSERT: block arrows_lv1 is not named in McrBlock, SubBlock or OprBlock: the 432 entities it draws are left out (EsplodiBlocchi=1 draws them)
  $ dxfelem info "$DATA/corpus/r2018-text-mtext-attrib-extrusion-minus1.dxf" --json 2>/dev/null | python3 -c 'import json, sys; i = json.load(sys.stdin); print(i["entities"]["TEXT"], i["layers"], [s for s in i["skipped"] if s["what"] == "ATTDEF"])'
  62 ['0', 'Defpoints'] [{'count': 4, 'what': 'ATTDEF', 'why': 'this kind is not converted'}]

The true layer list of a drawing is its LAYER table, in order; the hosts'
listing runs into group codes and other tables.

  $ dxfelem layers "$DATA/corpus/r2013-nested-inserts.dxf"
  dxfelem: listed 2 layers of $DATA/corpus/r2013-nested-inserts.dxf
  0
  Defpoints
  $ dxfelem layers "$DATA/corpus/r2013-nested-inserts.dxf" --host
  dxfelem: listed $DATA/corpus/r2013-nested-inserts.dxf
  330
  0
  Defpoints
  STYLE
  Standard
  DYN_DIM
  VIEW
  $ dxfelem layers "$DATA/corpus/r2000-architecture-metres.dxf" --host 2>/dev/null | head -3
  330
  0
  wall high
  $ dxfelem blocks "$DATA/corpus/r2000-architecture-metres.dxf" 2>/dev/null | grep -c -e SOFA -e Model_Space
  1

A conversion says on standard error what it left out, unless told not to;
with the summary, the elements and nodes per layer, then the skips per
layer, on standard output.

  $ dxfelem convert "$DATA/corpus/r2000-architecture-metres.dxf" a.txt
  dxfelem: converted $DATA/corpus/r2000-architecture-metres.dxf into a.txt
  dxfelem: skipped
            6 DIMENSION: this kind is not converted
            4 HATCH: this kind is not converted
           29 INSERT: blocks ARBOL, ARBRE10, ARBRE11, ARBUST10, MESACENTRO, PUERTA, SOFA, arrow and 1 more are not named in McrBlock, SubBlock or OprBlock: the 6759 entities they draw are left out (EsplodiBlocchi=1 draws them)
  $ dxfelem convert "$DATA/corpus/r2000-architecture-metres.dxf" a.txt --quiet
  dxfelem: converted $DATA/corpus/r2000-architecture-metres.dxf into a.txt
  $ dxfelem convert "$DATA/corpus/r2000-architecture-metres.dxf" a.txt --summary --quiet
  dxfelem: converted $DATA/corpus/r2000-architecture-metres.dxf into a.txt
  layer                             elements     nodes
  Ceco.NET 53                             38       438
  doorswindows                            51        98
  equipment                               22        44
  names                                   98      1523
  nivel                                   53       106
  projection                              91       189
  texture                                 19        54
  topography                             207       414
  wall high                               99       198
  wall low                                94       190
  all layers                             772      3254
  skipped, per layer of the drawing
  Ceco.NET 53
            4 HATCH: this kind is not converted
  texture
            6 DIMENSION: this kind is not converted

Built-in settings: no face names; the circle (radius above RadiusMin 0) is
a three-node arc, the point one node.

  $ printf '0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nA\n11\n1\n0\nCIRCLE\n8\nB\n40\n1\n0\nPOINT\n8\nB\n0\nENDSEC\n0\nEOF\n' > a.dxf
  $ dxfelem convert a.dxf out.txt --summary
  dxfelem: converted a.dxf into out.txt
  layer                             elements     nodes
  A                                        1         2
  B                                        2         4
  all layers                               3         6

When nothing becomes an element the skips say why; a broken drawing is
named with the line where it breaks, and info reads it up to the break.

  $ dxfelem convert "$DATA/corpus/r2000-polyface-inches.dxf" b.txt
  dxfelem: nothing in $DATA/corpus/r2000-polyface-inches.dxf became an element: no entity that can be converted, or none selected (code 41)
  dxfelem: skipped
            1 VIEWPORT: this kind is not converted
            4 POLYLINE meshes: meshes are surfaces: they make nothing
  [1]
  $ printf '0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nL\n10\n' > cut.dxf
  $ dxfelem convert cut.dxf c.txt
  dxfelem: the entities of cut.dxf could not be read (or memory ran out) (code 4)
  dxfelem: cut.dxf, line 9: a group code without its value, at the end of the file
  [1]
  $ dxfelem info missing.dxf
  dxfelem: cannot read missing.dxf
  [1]
  $ printf 'AutoCAD Binary DXF\r\n\032\0\001\002' > b.dxf
  $ dxfelem info b.dxf
  dxfelem: b.dxf is a binary DXF: only DXF in text form is read; save it as DXF in text form (ASCII)
  [1]
  $ printf '0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nA\nnot a code\nx\n' > c.dxf
  $ dxfelem info c.dxf
  dxfelem: warning: c.dxf: line 9: "not a code" is not a group code; what follows it was not read
  drawing    c.dxf
  version    not given
  units      $INSUNITS not given, $MEASUREMENT not given
  layers     0 in the LAYER table
  entities
    LINE                             1
  entities per layer
    A                                1
  blocks     0; inserts
  a conversion with these settings skips nothing it reads

A setting that makes an element file far larger than any machine needs is
told by info and convert, for the entities it concerns: ArchiEllisse beyond
1250 (10000 points an ellipse), only when there are ellipses.

  $ printf '0\nSECTION\n2\nENTITIES\n0\nELLIPSE\n8\nE\n10\n0\n20\n0\n11\n10\n21\n0\n40\n0.5\n0\nENDSEC\n0\nEOF\n' > e.dxf
  $ printf '0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nL\n11\n1\n0\nENDSEC\n0\nEOF\n' > l.dxf
  $ for points in 1250 1251; do
  >   printf '[S]\nArchiEllisse=%s\n' $points > p.ini
  >   dxfelem info e.dxf --params p.ini --section S | grep warning
  >   dxfelem convert e.dxf o.txt --params p.ini --section S 2>&1 | grep warning
  > done
  dxfelem: warning: ArchiEllisse 1251 draws each of the 1 ELLIPSEs through 10008 points (more than 10000 nodes an ellipse; 8, the default, draws 64)
  dxfelem: warning: ArchiEllisse 1251 draws each of the 1 ELLIPSEs through 10008 points (more than 10000 nodes an ellipse; 8, the default, draws 64)
  $ printf '[S]\nArchiEllisse=2147483647\n' > p.ini
  $ dxfelem info l.dxf --params p.ini --section S | grep -c warning
  0
  [1]

The picture convert draws beside the element file never takes the place of
the drawing or of the element file.

  $ cp a.dxf a.before
  $ dxfelem convert a.dxf out.txt --quiet && cp out.txt out.before
  dxfelem: converted a.dxf into out.txt
  $ dxfelem convert a.dxf out.txt --preview a.dxf
  dxfelem: the picture a.dxf is the drawing a.dxf: it would replace it
  [1]
  $ dxfelem convert a.dxf out.txt --preview out.txt
  dxfelem: the picture out.txt is the element file out.txt: it would replace it
  [1]
  $ cmp a.dxf a.before && cmp out.txt out.before

The elements and nodes per layer that the summary tells are the element
file's: its lines per layer (the seventh field), and its elements (a line
that is neither INI, VER, MED nor SPL ends one) per layer.

  $ cp "$SOURCE/examples/panel.ini" panel.ini
  $ for drawing in "$SOURCE/examples/panel.dxf" "$DATA/corpus/r2000-architecture-metres.dxf"; do
  >   dxfelem convert "$drawing" e.txt --params panel.ini --section Panel --summary --quiet 2>/dev/null | sed -n '2,/^all layers/p' | grep -v '^all layers' | sed 's/  */ /g' > told.txt
  >   awk -F, '{ layer = $7; sub(/ +$/, "", layer); nodes[layer]++; if ($1 !~ /^(INI|VER|MED|SPL)$/) elements[layer]++ }
  >            END { for (l in nodes) print l, elements[l] + 0, nodes[l] }' e.txt | sort > counted.txt
  >   sort told.txt | diff - counted.txt && echo "$(wc -l < told.txt) layers as the file holds them"
  > done
  4 layers as the file holds them
  10 layers as the file holds them
