The parameter file: a section named in another case, the piece variables
and the side texts from ROZOZ.INI beside it, every key written back
(tests/data/parameters/SOURCES.md). Nothing in the drawing: the settings
are still written back.

  $ printf '0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n' > empty.dxf
  $ cp "$DATA/parameters/piece-variables.ini" p.ini
  $ printf '[Pelvor]\r\nSide2=left\r\nPieceVars=p;q\r\n' > ROZOZ.INI
  $ dxfelem convert empty.dxf out.txt --params p.ini --section panel
  dxfelem: nothing in empty.dxf became an element: no entity that can be converted, or none selected (code 41)
  [1]
  $ cmp p.ini "$DATA/parameters/piece-variables.after.ini"

Settings that do not apply are mentioned: a section the file does not have
(section names ignore case, as on the hosts), a file that does not exist,
which the write-back makes, as the hosts' own functions do.

  $ printf '0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\n0\n70\n0\n0\nLAYER\n2\nWALLS\n70\n0\n0\nENDTAB\n0\nENDSEC\n' > a.dxf
  $ printf '0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nL\n10\n0\n20\n0\n11\n0\n21\n10\n0\nENDSEC\n0\nEOF\n' >> a.dxf
  $ printf '[Panel]\nConnect=0\n' > panel.ini
  $ dxfelem convert a.dxf o.txt --params panel.ini --section Pannel
  dxfelem: warning: panel.ini has no section [Pannel]: the default settings are used, and the section is added to the file
  dxfelem: converted a.dxf into o.txt
  $ dxfelem convert a.dxf o.txt --params panel.ini --section panel
  dxfelem: converted a.dxf into o.txt
  $ dxfelem convert a.dxf o.txt --params new.ini --section Panel
  dxfelem: warning: new.ini does not exist: it is created, with the default settings in section [Panel]
  dxfelem: converted a.dxf into o.txt
  $ head -2 new.ini
  [Panel]\r (esc)
  Side1=\r (esc)

An output that is an input is refused, and the inputs stay as they were.

  $ cp a.dxf a.before; cp panel.ini panel.before
  $ dxfelem convert a.dxf panel.ini --params panel.ini --section Panel
  dxfelem: the element file panel.ini is the parameter file: it would replace it
  [1]
  $ dxfelem layers a.dxf a.dxf
  dxfelem: the list file a.dxf is the drawing a.dxf: it would replace it
  [1]
  $ cmp a.dxf a.before && cmp panel.ini panel.before

Every opening of the parameter file in turn fails (EMFILE 24, EACCES 13,
EIO 5), as when the process runs out of descriptors or a share goes away:
whichever it is, the file keeps every line it had (the first 64 bytes, up
to the last line's end), and a file that was not updated is reported. When the tool's own first read fails, nothing is done.

  $ printf '; my comment\r\n[Other]\r\nKeep=1\r\n[Panel]\r\nConnect=0\r\nDecimaliTxt=4\r\n' > original.ini
  $ for error in 24 13 5; do for at in 1 2 3 4; do
  >   cp original.ini p.ini
  >   echo "open $at fails with errno $error:"
  >   LD_PRELOAD="$FAILING_OPEN" DXFELEM_FAIL_OPEN_NAME=p.ini DXFELEM_FAIL_OPEN_AT=$at DXFELEM_FAIL_OPEN_ERRNO=$error dxfelem convert a.dxf o.txt --params p.ini --section Panel || echo "exit status $?"
  >   if cmp -s p.ini original.ini; then echo unchanged; else cmp -n 64 p.ini original.ini && echo "old lines kept, then $(grep -c = p.ini) keys"; fi
  > done; done
  open 1 fails with errno 24:
  dxfelem: cannot read the parameter file p.ini (Too many open files): nothing was done, and the file is as it was
  exit status 1
  unchanged
  open 2 fails with errno 24:
  dxfelem: p.ini cannot be read (Too many open files): it is left as it was, and no setting is written to it
  dxfelem: converted a.dxf into o.txt
  unchanged
  open 3 fails with errno 24:
  dxfelem: p.ini cannot be written (Too many open files): it is left as it was
  dxfelem: converted a.dxf into o.txt
  unchanged
  open 4 fails with errno 24:
  dxfelem: converted a.dxf into o.txt
  old lines kept, then 29 keys
  open 1 fails with errno 13:
  dxfelem: cannot read the parameter file p.ini (Permission denied): nothing was done, and the file is as it was
  exit status 1
  unchanged
  open 2 fails with errno 13:
  dxfelem: p.ini cannot be read (Permission denied): it is left as it was, and no setting is written to it
  dxfelem: converted a.dxf into o.txt
  unchanged
  open 3 fails with errno 13:
  dxfelem: p.ini cannot be written (Permission denied): it is left as it was
  dxfelem: converted a.dxf into o.txt
  unchanged
  open 4 fails with errno 13:
  dxfelem: converted a.dxf into o.txt
  old lines kept, then 29 keys
  open 1 fails with errno 5:
  dxfelem: cannot read the parameter file p.ini (Input/output error): nothing was done, and the file is as it was
  exit status 1
  unchanged
  open 2 fails with errno 5:
  dxfelem: p.ini cannot be read (Input/output error): it is left as it was, and no setting is written to it
  dxfelem: converted a.dxf into o.txt
  unchanged
  open 3 fails with errno 5:
  dxfelem: p.ini cannot be written (Input/output error): it is left as it was
  dxfelem: converted a.dxf into o.txt
  unchanged
  open 4 fails with errno 5:
  dxfelem: converted a.dxf into o.txt
  old lines kept, then 29 keys

Two conversions at once on one parameter file, each with its section: each
writes its settings back into the file as the other left it, so both
sections are there after every round, each with its keys once.

  $ python3 -c 'print("0\nSECTION\n2\nENTITIES", *("0\nLINE\n8\nL\n10\n%d\n20\n0\n11\n%d\n21\n0" % (i, i + 1) for i in range(3000)), "0\nENDSEC\n0\nEOF", sep="\n")' > lines.dxf
  $ for round in 1 2 3 4; do
  >   printf '[JobA]\nDecimaliTxt=3\n[JobB]\nDecimaliTxt=4\n' > p.ini
  >   dxfelem convert lines.dxf a.txt --params p.ini --section JobA --quiet 2>/dev/null &
  >   dxfelem convert lines.dxf b.txt --params p.ini --section JobB --quiet 2>/dev/null; wait
  >   grep -c 'Tollerance=' p.ini; sed -n '1,2p' p.ini; grep -A1 JobB p.ini
  > done
  2
  [JobA]
  DecimaliTxt=3
  [JobB]
  DecimaliTxt=4
  2
  [JobA]
  DecimaliTxt=3
  [JobB]
  DecimaliTxt=4
  2
  [JobA]
  DecimaliTxt=3
  [JobB]
  DecimaliTxt=4
  2
  [JobA]
  DecimaliTxt=3
  [JobB]
  DecimaliTxt=4

A parameter file larger than any INI file (its section at the top, then
17 MB of comments) is refused: a conversion would run on the built-in
settings instead of the user's.

  $ { printf '[Panel]\nDecimaliTxt=3\n'; head -c 17825792 /dev/zero | tr '\0' ';'; echo; } > huge.ini
  $ cp huge.ini huge.before
  $ dxfelem convert a.dxf h.txt --params huge.ini --section Panel
  dxfelem: the parameter file huge.ini is larger than 16 MiB, more than a parameter file can be: nothing was done, and the file is as it was
  [1]
  $ ls h.txt; cmp huge.ini huge.before
  ls: cannot access 'h.txt': No such file or directory
