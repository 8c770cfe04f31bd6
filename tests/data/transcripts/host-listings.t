The hosts' listings of the layers and of the block references of a
drawing (--host), written by the library as the hosts' functions write
them: one name a line, CR LF (cat -A shows the CR as ^M and the line's end
as $); the tool exits with 1 where the entry point answers 0.

  $ cat > show <<'EOF'
  > if [ -s list.txt ]; then cat -A list.txt; elif [ -f list.txt ]; then echo "(an empty list file)"; else echo "(no list file)"; fi
  > rm -f list.txt
  > EOF

The layers in table order, duplicates kept, blanks around names removed.

  $ printf '0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLTYPE\n70\n1\n0\nLTYPE\n2\nCONTINUOUS\n70\n0\n0\nENDTAB\n0\nTABLE\n2\nLAYER\n70\n3\n' > r12.dxf
  $ printf '0\nLAYER\n2\n0\n70\n0\n62\n7\n6\nCONTINUOUS\n0\nLAYER\n2\nWALLS   \n70\n0\n62\n1\n6\nCONTINUOUS\n0\nLAYER\n2\n  WALLS\n70\n0\n' >> r12.dxf
  $ printf '0\nENDTAB\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n' >> r12.dxf
  $ dxfelem layers r12.dxf list.txt --host || echo "exit status $?"; sh show
  dxfelem: listed r12.dxf
  0^M$
  WALLS^M$
  WALLS^M$

R2000 tables carry handles and subclass markers; the lister does not pair
them, so the table's handle "2" makes the "330" after it a name.

  $ printf '0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n5\n2\n330\n0\n100\nAcDbSymbolTable\n70\n2\n' > r2000.dxf
  $ printf '0\nLAYER\n5\n10\n330\n2\n100\nAcDbSymbolTableRecord\n100\nAcDbLayerTableRecord\n2\n0\n70\n0\n62\n7\n6\nCONTINUOUS\n' >> r2000.dxf
  $ printf '0\nLAYER\n5\n11\n330\n2\n100\nAcDbSymbolTableRecord\n100\nAcDbLayerTableRecord\n2\nCUT 1\n70\n0\n0\nENDTAB\n0\nENDSEC\n0\nEOF\n' >> r2000.dxf
  $ dxfelem layers r2000.dxf list.txt --host || echo "exit status $?"; sh show
  dxfelem: listed r2000.dxf
  330^M$
  0^M$
  CUT 1^M$

No TABLES section: success, and no list file. Not a DXF file: code 13. A
name still pending when the file ends is never written.

  $ printf '0\nSECTION\n2\nENTITIES\n0\nLINE\n0\nENDSEC\n0\nEOF\n' > none.dxf
  $ dxfelem layers none.dxf list.txt --host || echo "exit status $?"; sh show
  dxfelem: listed none.dxf
  (no list file)
  $ printf 'hello\n' > hello.dxf
  $ dxfelem layers hello.dxf list.txt --host || echo "exit status $?"; sh show
  dxfelem: hello.dxf is not a DXF file in text form: no "0" line followed by "SECTION" in its first 32 lines (code 13)
  exit status 1
  (no list file)
  $ printf '0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\nHALF' > half.dxf
  $ dxfelem layers half.dxf list.txt --host || echo "exit status $?"; sh show
  dxfelem: listed half.dxf
  (an empty list file)

The blocks of every INSERT of the ENTITIES section, in file order, whatever
its layer (not those inside block definitions, not an MTEXT's text).

  $ printf '0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nNESTED\n0\nINSERT\n2\nINNER\n0\nENDBLK\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n' > b.dxf
  $ printf '0\nINSERT\n8\nUNSELECTED\n2\nA\n0\nINSERT\n2\nA\n0\nMTEXT\n8\nT\n1\nnot an entity here\n0\nINSERT\n2\nA\n' >> b.dxf
  $ printf '0\nINSERT\n2\nB\n41\n2\n0\nENDSEC\n0\nEOF\n' >> b.dxf
  $ dxfelem blocks b.dxf list.txt --host || echo "exit status $?"; sh show
  dxfelem: listed b.dxf
  A^M$
  A^M$
  A^M$
  B^M$

The section scan fails on a truncated header: code 14; a broken pass: 4,
with the names found before it; a list file that cannot be made: 4.

  $ printf '0\nSECTION\n2\nHEADER\n9\n$ACADVER\n' > header.dxf
  $ dxfelem blocks header.dxf list.txt --host || echo "exit status $?"; sh show
  dxfelem: the HEADER or TABLES section of header.dxf cannot be read (code 14)
  exit status 1
  (no list file)
  $ printf '0\nSECTION\n2\nENTITIES\n0\nINSERT\n2\nA\n0\nVERTEX\n0\nENDSEC\n0\nEOF\n' > broken.dxf
  $ dxfelem blocks broken.dxf list.txt --host || echo "exit status $?"; sh show
  dxfelem: the list file cannot be written, or the entities of broken.dxf cannot be read (code 4)
  exit status 1
  A^M$
  $ dxfelem blocks b.dxf no/folder/list.txt --host
  dxfelem: the list file cannot be written, or the entities of b.dxf cannot be read (code 4)
  [1]
