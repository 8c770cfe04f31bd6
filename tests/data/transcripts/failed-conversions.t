A failed conversion exits with 1, names its code and its file, and writes
no file of the user's but the completion file asked for. Standard output
carries data only: messages, errors included, go to standard error.

  $ dxfelem convert missing.dxf out.txt
  dxfelem: cannot open or write missing.dxf (code 8)
  [1]
  $ printf 'just some notes\n' > notes.dxf
  $ dxfelem convert notes.dxf out.txt
  dxfelem: notes.dxf is not a DXF file in text form: no "0" line followed by "SECTION" in its first 32 lines (code 13)
  dxfelem: notes.dxf, line 1: "just some notes" is not a group code
  [1]
  $ printf '0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n' > empty.dxf
  $ dxfelem convert empty.dxf out.txt
  dxfelem: nothing in empty.dxf became an element: no entity that can be converted, or none selected (code 41)
  [1]
  $ ls
  empty.dxf
  notes.dxf
  $ dxfelem convert empty.dxf out.txt --done done --json 2>/dev/null
  {
    "returned": 0,
    "status": 541,
    "hasFileName": 0,
    "fileName": "",
    "reservedText2": "",
    "reservedText3": "",
    "reservedValue1": 0,
    "reservedValue2": 0,
    "reservedText4": "",
    "errorCode": 41
  }
  [1]
  $ cat done
  1 (no-eol)
  $ dxfelem convert missing.dxf out.txt 2>/dev/null
  [1]

A name with quotes and backslashes, and names in a drawing's code page
(Latin-1 "Küche" beside UTF-8 "Bäder"), still make valid JSON that gives
the names back.

  $ dxfelem convert 'a"b\c.dxf' x.txt --json 2>/dev/null | python3 -c 'import json, sys; r = json.load(sys.stdin); print(r["fileName"], r["hasFileName"])'
  a"b\c.dxf 1
  $ printf '0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\nK\374che\n70\n0\n0\nLAYER\n2\nB\303\244der\n70\n0\n0\nENDTAB\n0\nENDSEC\n0\nEOF\n' > names.dxf
  $ dxfelem layers names.dxf --json 2>/dev/null
  [
    "K\xc3\xbcche", (esc)
    "B\xc3\xa4der" (esc)
  ]
  $ dxfelem info names.dxf --json 2>/dev/null | python3 -c 'import json, sys; print(*json.load(sys.stdin)["layers"])'
  K\xc3\xbcche B\xc3\xa4der (esc)

A conversion that succeeds: the record as JSON on standard output, the
message on standard error.

  $ printf '0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\n0\n70\n0\n0\nLAYER\n2\nWALLS\n70\n0\n0\nENDTAB\n0\nENDSEC\n' > a.dxf
  $ printf '0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nL\n10\n0\n20\n0\n11\n0\n21\n10\n0\nENDSEC\n0\nEOF\n' >> a.dxf
  $ dxfelem convert a.dxf out.txt --json 2>/dev/null
  {
    "returned": 1,
    "status": 500,
    "hasFileName": 0,
    "fileName": "",
    "reservedText2": "",
    "reservedText3": "",
    "reservedValue1": 0,
    "reservedValue2": 0,
    "reservedText4": "",
    "errorCode": 0
  }
  $ dxfelem convert a.dxf out.txt --json >/dev/null
  dxfelem: converted a.dxf into out.txt
  $ dxfelem layers a.dxf 2>/dev/null
  0
  WALLS

A failed write to standard output fails the run.

  $ dxfelem layers a.dxf > /dev/full
  dxfelem: listed 2 layers of a.dxf
  dxfelem: cannot write to standard output: No space left on device
  [1]
  $ dxfelem --help > /dev/full
  dxfelem: cannot write to standard output: No space left on device
  [1]
  $ dxfelem convert a.dxf o.txt --json > /dev/full
  dxfelem: converted a.dxf into o.txt
  dxfelem: cannot write to standard output: No space left on device
  [1]
