The picture of the example: the legend names every layer with its
elements; the panel's rounded corner is an arc of radius 40 at 1000 / 600
pixels a unit (66.67), counter-clockwise in the drawing, so sweep 0 on the
page; the groove is open (dashed), the holes are circles, the hinge is
labelled. The same picture on standard output, for a pipe; rsvg renders it.

  $ cp "$SOURCE/examples/panel.ini" panel.ini
  $ dxfelem convert "$SOURCE/examples/panel.dxf" panel.txt --params panel.ini --section Panel --preview panel.svg --quiet
  dxfelem: converted $SOURCE/examples/panel.dxf into panel.txt
  $ grep -o -e 'PANELSide1  1' -e 'HOLESSide1  6' -e 'LABELSide1  8' -e 'A 66.69[0-9.]* 66.69[0-9.]* 0 0 0' -e 'stroke-dasharray' -e 'MCR HINGE' panel.svg | sort | uniq -c
        1 A 66.691 66.691 0 0 0
        1 HOLESSide1  6
        1 LABELSide1  8
        1 MCR HINGE
        1 PANELSide1  1
        1 stroke-dasharray
  $ grep -c '<circle' panel.svg
  3
  $ dxfelem preview panel.txt 2>/dev/null | cmp - panel.svg
  $ dxfelem preview missing.txt
  dxfelem: cannot read missing.txt
  [1]
  $ rsvg-convert panel.svg -o panel.png && test $(stat -c %s panel.png) -gt 5000 && echo rendered
  rendered

preview and todxf refuse what is not an element file (--force draws what
can be read) and leave out nodes no drawing can hold (not a number,
infinite, beyond any size); the picture is well-formed XML whatever the
names hold: markup, quotes, control characters, bytes that are not UTF-8.
In the DXF, the names are made valid, and each renaming is told.

  $ printf '\211PNG\r\n\032\n\0\0\0\rIHDRrandom' > noise.txt
  $ for command in preview todxf; do dxfelem $command noise.txt; echo "exit status $?"; dxfelem $command noise.txt --force > /dev/null 2>&1 && echo forced; done
  dxfelem: noise.txt is not an element file: line 1 has 1 fields where an element line has 8; nothing was drawn (--force draws what can be read)
  exit status 1
  forced
  dxfelem: noise.txt is not an element file: line 1 has 1 fields where an element line has 8; nothing was drawn (--force draws what can be read)
  exit status 1
  forced
  $ python3 -c 'import sys
  > name = b"a<b>&\"c\\d:e;f=g|h\x01i\xff\xfej\xc3\xa4"
  > nodes = [(b"INI", b"0", b"0", name), (b"FIN", b"10", b"0", name), (b"INI", b"nan", b"0", b"L"), (b"FIN", b"inf", b"-inf", b"L"),
  >          (b"ISO", b"1e308", b"0", b"L"), (b"ISO", b"5", b"5", b"L"), (b"MCR", b"1", b"1", b"M"), (b"APL", b"1", b"1", b"M")]
  > for code, x, y, layer in nodes:
  >     tag = b"BLOCK<1>" if code == b"MCR" else b"*"
  >     sys.stdout.buffer.write(code + b",     1," + x + b"," + y + b",0,0," + layer + b"," + tag + b"\r\n")' > e.txt
  $ dxfelem preview e.txt -o e.svg
  dxfelem: warning: 3 nodes of e.txt are left out: a coordinate or value is not a finite number, or beyond 1e100
  dxfelem: drew e.txt into e.svg
  $ grep -c -e nan -e inf -e 'e+' e.svg
  0
  [1]
  $ python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1]); print("well-formed")' e.svg
  well-formed
  $ dxfelem todxf e.txt -o e.dxf
  dxfelem: warning: 3 nodes of e.txt are left out: a coordinate or value is not a finite number, or beyond 1e100
  dxfelem: warning: block BLOCK<1> is named BLOCK_1_ in the DXF: DXF names may not hold control characters or any of < > / \ " : ; ? * | = `
  dxfelem: warning: layer a<b>&"c\\d:e;f=g|h\x01i\xff\xfej\xc3\xa4 is named a_b_&_c_d_e_f_g_h_i\xff\xfej\xc3\xa4 in the DXF: DXF names may not hold control characters or any of < > / \\ " : ; ? * | = ` (esc)
  dxfelem: wrote e.txt as e.dxf
  $ grep -c -e nan -e inf e.dxf
  0
  [1]
  $ /usr/bin/python3 -c 'import sys, ezdxf; from ezdxf.lldxf import validator; d = ezdxf.readfile(sys.argv[1])
  > names = [e.dxf.layer for e in d.modelspace()] + [e.dxf.name for e in d.modelspace().query("INSERT")]
  > print(len(names), "names,", sum(validator.is_valid_layer_name(n) for n in names), "valid")' e.dxf
  4 names, 4 valid

The element file as a plain DXF, read back with ezdxf (Debian's
python3-ezdxf, tests/support/check_todxf.py): the same geometry within 1e-6.

  $ for drawing in "$SOURCE/examples/panel.dxf" "$DATA/corpus/r2004-inches-bulges.dxf" "$DATA/corpus/r13-duplicate-handles-dos850.dxf"; do
  >   dxfelem convert "$drawing" d.txt --params panel.ini --section Panel --quiet 2>/dev/null &&
  >   dxfelem todxf d.txt -o d.dxf 2>/dev/null &&
  >   /usr/bin/python3 "$SOURCE/tests/support/check_todxf.py" d.txt d.dxf
  > done
  same 245
  same 323
  same 9188

The documents made for people (a picture, a DXF, a list) go into their
file or onto standard output alike; never onto their source, even through
a link; and a folder that does not exist is code 8, naming the output.

  $ dxfelem convert "$SOURCE/examples/panel.dxf" doc.txt --quiet 2>/dev/null; cp doc.txt doc.before; ln -s doc.txt link.txt
  $ for command in preview todxf; do
  >   dxfelem $command doc.txt -o into.file 2>/dev/null; dxfelem $command doc.txt 2>/dev/null | cmp - into.file && echo "$command: the same document either way"
  >   dxfelem $command doc.txt -o doc.txt; dxfelem $command doc.txt -o link.txt
  >   dxfelem $command doc.txt -o no/such/folder/doc
  > done
  preview: the same document either way
  dxfelem: the picture doc.txt is the element file doc.txt: it would replace it
  dxfelem: the picture link.txt is the element file doc.txt: it would replace it
  dxfelem: cannot write no/such/folder/doc (an old file of that name is as it was)
  todxf: the same document either way
  dxfelem: the DXF doc.txt is the element file doc.txt: it would replace it
  dxfelem: the DXF link.txt is the element file doc.txt: it would replace it
  dxfelem: cannot write no/such/folder/doc (an old file of that name is as it was)
  [1]
  $ cmp doc.txt doc.before
  $ dxfelem layers "$SOURCE/examples/panel.dxf" list.txt 2>/dev/null; dxfelem layers "$SOURCE/examples/panel.dxf" 2>/dev/null | cmp - list.txt && echo "layers: the same list either way"
  layers: the same list either way
  $ dxfelem layers "$SOURCE/examples/panel.dxf" no/such/folder/list.txt
  dxfelem: cannot write no/such/folder/list.txt (an old file of that name is as it was)
  [1]
