A batch of conversions: worker processes convert drawing after drawing,
two at once; a broken drawing fails alone, named, and the others are
converted. The settings are read from copies: the user's file stays as it
was.

  $ for i in $(seq 0 17); do printf '0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nL\n11\n%d\n0\nENDSEC\n0\nEOF\n' $((i + 1)) > part$i.dxf; done
  $ printf 'just notes\n' > notes.dxf
  $ printf '0\nSECTION\n2\nENTITIES\n0\nLINE\n' > cut.dxf
  $ printf '[P]\nConnect=0\nDecimaliTxt=3\n' > p.ini
  $ dxfelem convert part*.dxf notes.dxf cut.dxf --out-dir out -j 2 --params p.ini --section P 2>&1 >/dev/null | sort
  dxfelem: 18 of 20 drawings converted into out
  dxfelem: failed: cut.dxf: the entities of cut.dxf could not be read (or memory ran out) (code 4)
  dxfelem: failed: notes.dxf: notes.dxf is not a DXF file in text form: no "0" line followed by "SECTION" in its first 32 lines (code 13)
  $ for i in $(seq 0 17); do grep -c "^FIN,     1,$((i + 1)).000 " out/part$i.txt; done | uniq -c
       18 1
  $ head -c 12 out/part0.txt; echo
  INI,     1,0
  $ cat p.ini
  [P]
  Connect=0
  DecimaliTxt=3

A worker converts job after job in one process and answers each as it
ends: a drawing that fails is told as failed in its own folder, and the
next one is still converted.

  $ printf '0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nL\n11\n7\n0\nENDSEC\n0\nEOF\n' > good.dxf
  $ printf '0\0j0\0good.dxf\0a.txt\0001\0j1\0notes.dxf\0b.txt\0002\0j2\0good.dxf\0c.txt\0' > jobs
  $ dxfelem --batch-worker '' '' < jobs 3> answers
  $ cat answers
  0 0
  1 1
  2 0
  $ grep -c 'FIN,     1,7.000' c.txt
  1
  $ cat j1/messages
  dxfelem: notes.dxf is not a DXF file in text form: no "0" line followed by "SECTION" in its first 32 lines (code 13)
  dxfelem: notes.dxf, line 1: "just notes" is not a group code
  $ ls b.txt
  ls: cannot access 'b.txt': No such file or directory
  [2]

Drawings that would share an element file are refused, and so is a batch
of no workers.

  $ mkdir a && printf '0\nEOF\n' > a/x.dxf && printf '0\nEOF\n' > x.dxf
  $ dxfelem convert a/x.dxf x.dxf --out-dir o
  dxfelem: two drawings would both be written to o/x.txt: nothing was converted
  [1]
  $ dxfelem convert a.dxf --out-dir o -j 0
  dxfelem: -j: Value 0 not in range 1 to 64 (dxfelem --help lists the commands; dxfelem convert --help its options)
  [2]

The batch's working folder is its own: a folder another user made in
TMPDIR under any name the batch might have chosen, with a link named
"messages" to a file of the user's, changes nothing. A parameter file
named "messages" meets none of the batch's own files (its settings apply),
and nothing is left in TMPDIR. (The folders are made for the 400 process
numbers that follow the shell's, in the command that starts the batch.)

  $ printf "the user's own file" > victim
  $ printf 'no drawing' > broken.dxf
  $ printf '[P]\nConnect=0\nDecimaliTxt=3\n' > messages
  $ python3 -c 'import os, sys
  > for pid in range(int(sys.argv[1]), int(sys.argv[1]) + 400):
  >     os.makedirs("tmp/dxfelem-batch-%d/0" % pid)
  >     os.symlink(os.path.abspath("victim"), "tmp/dxfelem-batch-%d/0/messages" % pid)' $$ &&
  > TMPDIR=tmp dxfelem convert good.dxf broken.dxf --out-dir out2 --params messages --section P
  dxfelem: failed: broken.dxf: broken.dxf is not a DXF file in text form: no "0" line followed by "SECTION" in its first 32 lines (code 13)
  dxfelem: 1 of 2 drawings converted into out2
  [1]
  $ cat victim; echo; ls tmp | wc -l
  the user's own file
  400
  $ cut -c1-40 out2/good.txt
  INI,     1,0.000       ,0.000       ,0.0
  FIN,     1,7.000       ,0.000       ,0.0

A TMPDIR that is missing, or is not a folder: the batch names it and the
reason, and converts nothing.

  $ touch file
  $ TMPDIR=missing dxfelem convert good.dxf --out-dir out3
  dxfelem: cannot make a working folder in missing (No such file or directory; set TMPDIR to a folder you may write in): nothing was converted
  [1]
  $ TMPDIR=file dxfelem convert good.dxf --out-dir out3
  dxfelem: cannot make a working folder in file (Not a directory; set TMPDIR to a folder you may write in): nothing was converted
  [1]
  $ ls out3
