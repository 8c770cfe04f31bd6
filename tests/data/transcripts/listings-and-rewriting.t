Listings and rewriting. The layers are the LAYER table's, padding trimmed;
the hosts' block list has one line per INSERT, written by the library; the
drawing's own list counts the insertions of each block.

  $ printf '0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n70\n2\n0\nLAYER\n2\n0\n70\n0\n0\nLAYER\n2\nWALLS  \n70\n0\n0\nENDTAB\n0\nENDSEC\n' > a.dxf
  $ printf '0\nSECTION\n2\nENTITIES\n0\nINSERT\n8\n0\n2\nA\n0\nINSERT\n2\nB\n0\nLINE\n8\nL\n10\n0\n20\n0\n11\n0\n21\n10\n0\nENDSEC\n0\nEOF\n' >> a.dxf
  $ dxfelem layers a.dxf
  dxfelem: listed 2 layers of a.dxf
  0
  WALLS
  $ dxfelem blocks a.dxf blocks.txt --host
  dxfelem: listed a.dxf
  $ cat blocks.txt
  A\r (esc)
  B\r (esc)
  $ dxfelem blocks a.dxf --json
  dxfelem: listed 2 blocks of a.dxf
  {
    "A": 1,
    "B": 1
  }
  $ dxfelem layers missing.dxf --host
  dxfelem: cannot open or write missing.dxf (code 8)
  [1]
  $ dxfelem layers missing.dxf
  dxfelem: cannot read missing.dxf
  [1]

Rewriting an element file in place: the directions are a question and
change nothing; extend-end moves the end of the line by 5; an operation the
library does not know is its code 19.

  $ dxfelem convert a.dxf a.txt
  dxfelem: converted a.dxf into a.txt
  dxfelem: skipped
            2 INSERT: blocks A, B are defined nowhere in the drawing, nor named in McrBlock, SubBlock or OprBlock
  $ dxfelem rewrite a.txt --layer L --op directions
  dxfelem: rewrote a.txt
  start 90.000000 end 90.000000
  $ dxfelem rewrite a.txt --layer L --op extend-end --b 5
  dxfelem: rewrote a.txt
  $ cat a.txt
  INI,     1,0.00000     ,0.00000     ,0.00000     ,0.00000     ,L                                                               ,*                                                               \r (esc)
  VER,     1,0.00000     ,10.00000    ,0.00000     ,0.00000     ,L                                                               ,*                                                               \r (esc)
  FIN,     1,0.00000     ,15.00000    ,0.00000     ,0.00000     ,L                                                               ,*                                                               \r (esc)
  $ dxfelem rewrite a.txt --layer L --op 7
  dxfelem: unknown operation: a.txt was written back unchanged (code 19)

With three decimals, a rewrite with the default five would change every
line: a question leaves the file as it was, and a layer without elements is
an error with nothing on standard output (no "start 0.000000 end 0.000000"
that looks like a real 0°).

  $ printf 'INI,     1,0.000       ,0.000       ,0.000       ,0.000       ,L%63s,*%63s\r\n' > e.txt
  $ printf 'FIN,     1,0.000       ,10.000      ,0.000       ,0.000       ,L%63s,*%63s\r\n' >> e.txt
  $ cp e.txt before.txt
  $ dxfelem rewrite e.txt --layer L --op directions
  dxfelem: rewrote e.txt
  start 90.000000 end 90.000000
  $ dxfelem rewrite e.txt --layer WALLS --op extend-end --b 5
  dxfelem: no element of e.txt is on layer "WALLS": nothing was changed
  [1]
  $ dxfelem rewrite e.txt --layer WALLS --op directions 2>/dev/null
  [1]
  $ cmp e.txt before.txt

What is not an element file is refused, with the line where it stops being
one, and left as it was; --force leaves the judgement to the user.

  $ printf 'INI,     1,0.00000     ,0.00000     ,0.00000     ,0.00000     ,L%63s,*%63s\r\n' > good.txt
  $ printf 'FIN,     1,0.00000     ,10.00000    ,0.00000     ,0.00000     ,L%63s,*%63s\r\n' >> good.txt
  $ printf '\211PNG\r\n\032\n\0\0\0\rIHDR' > png.txt
  $ cp a.dxf drawing.txt
  $ { cat good.txt; printf 'HOL,     1,0.00000     ,10.00000    ,0.00000     ,0.00000     ,L%63s,*%63s\r\n'; } > mnemonic.txt
  $ { cat good.txt; printf 'ISO,     1,0.0,0.0,0.0,L,*\r\n'; } > field.txt
  $ { cat good.txt; printf 'ISO,     1,zero,0.0,0.0,0.0,L,*\r\n'; } > word.txt
  $ { cat good.txt; printf 'ISO,     1,0.0,0.0,0.0,0.0,%0300d,*\r\n' 0; } > long.txt
  $ { cat good.txt; head -1 good.txt; } > unfinished.txt
  $ for name in png drawing mnemonic field word long unfinished; do
  >   cp $name.txt before.txt
  >   dxfelem rewrite $name.txt --layer L --op extend-end --b 5
  >   cmp $name.txt before.txt
  > done
  dxfelem: png.txt is not an element file: line 1 has 1 fields where an element line has 8; it was left as it was (--force rewrites it all the same)
  dxfelem: drawing.txt is not an element file: line 1 has 1 fields where an element line has 8; it was left as it was (--force rewrites it all the same)
  dxfelem: mnemonic.txt is not an element file: line 3 starts with "HOL", which is not a node mnemonic; it was left as it was (--force rewrites it all the same)
  dxfelem: field.txt is not an element file: line 3 has 7 fields where an element line has 8; it was left as it was (--force rewrites it all the same)
  dxfelem: word.txt is not an element file: line 3 has no number in field 3; it was left as it was (--force rewrites it all the same)
  dxfelem: long.txt is not an element file: line 3 is longer than 255 bytes; it was left as it was (--force rewrites it all the same)
  dxfelem: unfinished.txt is not an element file: line 3 leaves its element unfinished: the file ends there; it was left as it was (--force rewrites it all the same)
  $ dxfelem rewrite mnemonic.txt --layer L --op extend-end --b 5 --force
  dxfelem: rewrote mnemonic.txt
  $ grep FIN mnemonic.txt | cut -c1-30
  FIN,     1,0.00000     ,15.000
  $ dxfelem rewrite mistyped.txt --layer L --op extend-end --b 5
  dxfelem: cannot read mistyped.txt
  [1]
  $ ls mistyped.txt
  ls: cannot access 'mistyped.txt': No such file or directory
  [2]
