Blocks drawn where their INSERTs place them (EsplodiBlocchi 1); the
placements, nesting included, are worked by hand in tests/data/worked.
Every layer gets face 1's name (Side1); three decimals are rounded to two.
Each element line is shown by its first seven fields, without the padding.

  $ cat > fields <<'EOF'
  > cut -d, -f1-7 "$1" | tr -d ' \r'
  > EOF
  $ printf '[P]\nConnect=0\nDecimaliTxt=3\nEsplodiBlocchi=1\n' > p.ini

The blocks: SQ with its base at (1, 0) holds a LINE on layer 0, a LINE on
its own layer and a quarter arc about (1, 0); SELF draws a line and itself,
moved up by 1.

  $ printf '0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n8\n0\n2\nSQ\n70\n0\n10\n1\n20\n0\n30\n0\n0\nLINE\n8\n0\n10\n1\n20\n0\n11\n11\n21\n0\n' > blocks
  $ printf '0\nLINE\n8\nOWN\n10\n1\n20\n0\n11\n1\n21\n5\n0\nARC\n8\n0\n10\n1\n20\n0\n40\n1\n50\n0\n51\n90\n0\nENDBLK\n' >> blocks
  $ printf '0\nBLOCK\n2\nSELF\n0\nLINE\n10\n0\n20\n0\n11\n1\n21\n0\n0\nINSERT\n2\nSELF\n10\n0\n20\n1\n0\nENDBLK\n0\nENDSEC\n' >> blocks

An array of 2 columns 20 apart and 2 rows 15 apart, along the axes turned
a quarter: four places of the line on OWN.

  $ { cat blocks; printf '0\nSECTION\n2\nENTITIES\n0\nINSERT\n8\nA\n2\nSQ\n50\n90\n70\n2\n71\n2\n44\n20\n45\n15\n0\nENDSEC\n0\nEOF\n'; } > array.dxf
  $ dxfelem convert array.dxf a.txt --params p.ini --section P --quiet 2>/dev/null; sh fields a.txt | grep '^INI.*OWN'
  INI,2,0.000,0.000,0.000,0.000,OWNSide1
  INI,5,0.000,20.000,0.000,0.000,OWNSide1
  INI,8,-15.000,0.000,0.000,0.000,OWNSide1
  INI,11,-15.000,20.000,0.000,0.000,OWNSide1

A block inserting itself is drawn 16 deep: 16 lines of two nodes, the last
at y = 15.

  $ { cat blocks; printf '0\nSECTION\n2\nENTITIES\n0\nINSERT\n8\nS\n2\nSELF\n0\nENDSEC\n0\nEOF\n'; } > self.dxf
  $ dxfelem convert self.dxf a.txt --params p.ini --section P --quiet 2>/dev/null; sh fields a.txt | tail -2; wc -l < a.txt
  INI,16,0.000,15.000,0.000,0.000,SSide1
  FIN,16,1.000,15.000,0.000,0.000,SSide1
  32

Without the setting (absent, 0 or anything but 1) a block is not drawn,
and the key is written back only by a section that has it.

  $ { cat blocks; printf '0\nSECTION\n2\nENTITIES\n0\nINSERT\n8\nA\n2\nSQ\n0\nLINE\n8\nL\n11\n1\n0\nENDSEC\n0\nEOF\n'; } > setting.dxf
  $ for setting in '' EsplodiBlocchi=0 EsplodiBlocchi=2 EsplodiBlocchi=yes EsplodiBlocchi=1; do
  >   printf '[P]\nConnect=0\nDecimaliTxt=3\n%s\n' $setting > s.ini
  >   dxfelem convert setting.dxf a.txt --params s.ini --section P --quiet 2>/dev/null
  >   echo "${setting:-absent}: $(wc -l < a.txt) lines, written back: [$(grep EsplodiBlocchi s.ini)]"
  > done
  absent: 2 lines, written back: []
  EsplodiBlocchi=0: 2 lines, written back: [EsplodiBlocchi=0]
  EsplodiBlocchi=2: 2 lines, written back: [EsplodiBlocchi=0]
  EsplodiBlocchi=yes: 2 lines, written back: [EsplodiBlocchi=0]
  EsplodiBlocchi=1: 9 lines, written back: [EsplodiBlocchi=1]

Every kind drawn through an INSERT (at (10, 0), turned a quarter, doubled)
gives the element file of the same entity written where the INSERT places
it: p goes to (10 - 2 p.y, 2 p.x). Each line of cases holds the kind, the
entity in the block and the entity in place.

  $ cat > cases <<'EOF'
  > TEXT|0\nTEXT\n8\nT\n10\n1\n20\n0\n40\n2\n50\n0\n1\nAB\n|0\nTEXT\n8\nT\n10\n10\n20\n2\n40\n4\n50\n90\n1\nAB\n
  > MTEXT|0\nMTEXT\n8\nT\n10\n1\n20\n0\n40\n2\n11\n1\n21\n0\n1\nAB\n|0\nMTEXT\n8\nT\n10\n10\n20\n2\n40\n4\n11\n0\n21\n2\n1\nAB\n
  > POINT|0\nPOINT\n8\nP\n10\n1\n20\n2\n|0\nPOINT\n8\nP\n10\n6\n20\n2\n
  > SOLID|0\nSOLID\n8\nS\n10\n0\n20\n0\n11\n1\n21\n0\n12\n0\n22\n1\n13\n1\n23\n1\n|0\nSOLID\n8\nS\n10\n10\n20\n0\n11\n10\n21\n2\n12\n8\n22\n0\n13\n8\n23\n2\n
  > 3DFACE|0\n3DFACE\n8\nF\n10\n0\n20\n0\n11\n1\n21\n0\n12\n1\n22\n1\n13\n0\n23\n1\n|0\n3DFACE\n8\nF\n10\n10\n20\n0\n11\n10\n21\n2\n12\n8\n22\n2\n13\n8\n23\n0\n
  > CIRCLE|0\nCIRCLE\n8\nC\n10\n1\n20\n1\n40\n0.5\n|0\nCIRCLE\n8\nC\n10\n8\n20\n2\n40\n1\n
  > ARC|0\nARC\n8\nC\n10\n0\n20\n0\n40\n1\n50\n0\n51\n90\n|0\nARC\n8\nC\n10\n10\n20\n0\n40\n2\n50\n90\n51\n180\n
  > ELLIPSE|0\nELLIPSE\n8\nE\n10\n1\n20\n0\n11\n1\n21\n0\n40\n0.5\n41\n0\n42\n6.283185307179586\n|0\nELLIPSE\n8\nE\n10\n10\n20\n2\n11\n0\n21\n2\n40\n0.5\n41\n0\n42\n6.283185307179586\n
  > LWPOLYLINE|0\nLWPOLYLINE\n8\nW\n10\n0\n20\n0\n42\n0.5\n10\n1\n20\n0\n10\n1\n20\n1\n|0\nLWPOLYLINE\n8\nW\n10\n10\n20\n0\n42\n0.5\n10\n10\n20\n2\n10\n8\n20\n2\n
  > POLYLINE|0\nPOLYLINE\n8\nH\n66\n1\n70\n8\n0\nVERTEX\n10\n0\n20\n0\n30\n1\n0\nVERTEX\n10\n1\n20\n1\n0\nSEQEND\n|0\nPOLYLINE\n8\nH\n66\n1\n70\n8\n0\nVERTEX\n10\n10\n20\n0\n30\n2\n0\nVERTEX\n10\n8\n20\n2\n0\nSEQEND\n
  > INSERT of a named block|0\nINSERT\n8\nM\n2\nMAC\n10\n1\n20\n1\n|0\nINSERT\n8\nM\n2\nMAC\n10\n8\n20\n2\n41\n2\n42\n2\n43\n2\n50\n90\n
  > EOF
  $ printf '[P]\nConnect=0\nDecimaliTxt=3\nEsplodiBlocchi=1\nMcrBlock1=MAC;\nAltezza3D=1\n' > k.ini
  $ while IFS='|' read -r kind block place; do
  >   printf "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nK\n10\n0\n20\n0\n${block}0\nENDBLK\n0\nENDSEC\n" > drawn.dxf
  >   printf '0\nSECTION\n2\nENTITIES\n0\nINSERT\n8\nI\n2\nK\n10\n10\n41\n2\n42\n2\n43\n2\n50\n90\n0\nENDSEC\n0\nEOF\n' >> drawn.dxf
  >   printf "0\nSECTION\n2\nENTITIES\n${place}0\nENDSEC\n0\nEOF\n" > place.dxf
  >   dxfelem convert drawn.dxf drawn.txt --params k.ini --section P --quiet 2>/dev/null
  >   dxfelem convert place.dxf place.txt --params k.ini --section P --quiet 2>/dev/null
  >   cmp -s drawn.txt place.txt && echo "$kind: the same $(wc -l < drawn.txt) lines"
  > done < cases
  TEXT: the same 115 lines
  MTEXT: the same 115 lines
  POINT: the same 1 lines
  SOLID: the same 8 lines
  3DFACE: the same 5 lines
  CIRCLE: the same 3 lines
  ARC: the same 3 lines
  ELLIPSE: the same 96 lines
  LWPOLYLINE: the same 4 lines
  POLYLINE: the same 2 lines
  INSERT of a named block: the same 2 lines

What cannot be drawn is refused by the conversion's failure path: an array
of ten billion places of an empty block, without a wait.

  $ printf '0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nE\n0\nENDBLK\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nINSERT\n2\nE\n70\n100000\n71\n100000\n0\nLINE\n11\n1\n0\nENDSEC\n0\nEOF\n' > huge.dxf
  $ dxfelem convert huge.dxf a.txt --params p.ini --section P
  dxfelem: the blocks of this drawing draw more entities than a conversion takes: draw fewer of them (EsplodiBlocchi=0 keeps them as blocks)
  dxfelem: the entities of huge.dxf could not be read (or memory ran out) (code 4)
  [1]

What is drawn is bounded by the bytes it carries, not by its entities: a
LINE with a comment of 30000 bytes, drawn at ten thousand places, is ten
thousand entities and 300 MB, and is refused.

  $ printf '0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nW\n10\n0\n20\n0\n0\nLINE\n999\n%s\n11\n1\n0\nENDBLK\n0\nENDSEC\n' "$(head -c 30000 /dev/zero | tr '\0' x)" > wide.dxf
  $ printf '0\nSECTION\n2\nENTITIES\n0\nINSERT\n8\nA\n2\nW\n70\n100\n71\n100\n44\n2\n45\n2\n0\nENDSEC\n0\nEOF\n' >> wide.dxf
  $ dxfelem convert wide.dxf a.txt --params p.ini --section P
  dxfelem: the blocks of this drawing draw more entities than a conversion takes: draw fewer of them (EsplodiBlocchi=0 keeps them as blocks)
  dxfelem: the entities of wide.dxf could not be read (or memory ran out) (code 4)
  [1]

The same LINE at a hundred places (3 MB) is drawn: two nodes a place.

  $ sed 's/^100$/10/' wide.dxf > narrow.dxf
  $ dxfelem convert narrow.dxf a.txt --params p.ini --section P --quiet 2>/dev/null; wc -l < a.txt
  200

A BLOCK is named by its first group 2: a second one in its header is
passed over, so the block is drawn by the first name and the second names
nothing.

  $ printf '0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nFIRST\n2\nSECOND\n10\n0\n20\n0\n0\nLINE\n8\n0\n10\n0\n20\n0\n11\n1\n21\n0\n0\nENDBLK\n0\nENDSEC\n' > twice.dxf
  $ printf '0\nSECTION\n2\nENTITIES\n0\nINSERT\n8\nA\n2\nFIRST\n10\n5\n20\n5\n0\nINSERT\n8\nB\n2\nSECOND\n10\n9\n20\n9\n0\nENDSEC\n0\nEOF\n' >> twice.dxf
  $ dxfelem convert twice.dxf a.txt --params p.ini --section P; sh fields a.txt
  dxfelem: converted twice.dxf into a.txt
  dxfelem: skipped
            1 INSERT: block SECOND is defined nowhere in the drawing, nor named in McrBlock, SubBlock or OprBlock
  INI,1,5.000,5.000,0.000,0.000,ASide1
  FIN,1,6.000,5.000,0.000,0.000,ASide1
