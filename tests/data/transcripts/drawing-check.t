dxfelem check: one line per kind at the end, exit status 3 when something
was found and 0 when nothing was; the same findings as JSON. The drawings
are LINEs on layer CUT, written by a small script: each argument x0,y0,x1,y1
is a line.

  $ cat > lines.py <<'EOF'
  > import sys
  > print("0\nSECTION\n2\nENTITIES")
  > for line in sys.argv[1:]:
  >     x0, y0, x1, y1 = line.split(",")
  >     print(f"0\nLINE\n8\nCUT\n10\n{x0}\n20\n{y0}\n11\n{x1}\n21\n{y1}")
  > print("0\nENDSEC\n0\nEOF")
  > EOF
  $ printf '[S]\nTollerance=0.01\nConnect=1\n' > c.ini
  $ python3 lines.py 0,0,10,0 10,0,10,10 10,10,0,10 0,10,0,0.0195 > open.dxf
  $ dxfelem check open.dxf --params c.ini --section S
  dxfelem: checked open.dxf
  CUTSide1
    open profile: from (0, 0) to (0, 0.0195), its ends 0.0195 apart
    advice: Tollerance=0.02 would close 1 of the 1 open profiles of layer CUTSide1
  1 open profile
  [3]
  $ dxfelem check open.dxf --params c.ini --section S --json 2>/dev/null
  {
    "drawing": "open.dxf",
    "findings": [
      {"kind":"open profile","layer":"CUTSide1","text":"from (0, 0) to (0, 0.0195), its ends 0.0195 apart","x":0.0,"y":0.0,"figure":0.0195},
      {"kind":"advice","layer":"CUTSide1","text":"Tollerance=0.02 would close 1 of the 1 open profiles of layer CUTSide1","x":0.0,"y":0.0,"figure":0.02}
    ],
    "counts": {"open profile":1}
  }
  [3]

A finding's figure and place: the tiny piece's length and start.

  $ printf '[S]\nTollerance=0.0001\nConnect=1\n' > t.ini
  $ python3 lines.py 0,0,10,0 10,0,10,10 10,10,0,10 0,10,0,0.001 0,0.001,0,0 > tiny.dxf
  $ dxfelem check tiny.dxf --params t.ini --section S --min-length 0.01 --json 2>/dev/null
  {
    "drawing": "tiny.dxf",
    "findings": [
      {"kind":"tiny piece","layer":"CUTSide1","text":"a segment of 0.001 at (0, 0.001)","x":0.0,"y":0.001,"figure":0.001}
    ],
    "counts": {"tiny piece":1}
  }
  [3]
  $ python3 lines.py 0,0,10,0 10,0,10,10 10,10,0,10 0,10,0,0 > closed.dxf
  $ dxfelem check closed.dxf --params c.ini --section S
  dxfelem: checked closed.dxf
  nothing found
  $ dxfelem check missing.dxf
  dxfelem: cannot open or write missing.dxf (code 8)
  [1]

Twenty findings of a kind per layer, then how many more; --all lists every
one.

  $ python3 lines.py $(for i in $(seq 0 21); do echo 0,$((i * 10)),5,$((i * 10)); done) > many.dxf
  $ dxfelem check many.dxf --params c.ini --section S 2>/dev/null | tail -4
    open profile: from (0, 180) to (5, 180), its ends 5 apart
    open profile: from (0, 190) to (5, 190), its ends 5 apart
    open profile: 2 more on this layer (--all lists them)
  22 open profile
  $ dxfelem check many.dxf --params c.ini --section S --all 2>/dev/null | tail -3
    open profile: from (0, 200) to (5, 200), its ends 5 apart
    open profile: from (0, 210) to (5, 210), its ends 5 apart
  22 open profile

The picture marks each end of the open profile with a ring and its gap; it
never takes the drawing's place.

  $ dxfelem check open.dxf --params c.ini --section S --preview open.svg >/dev/null
  dxfelem: checked open.dxf and drew it into open.svg
  [3]
  $ grep -c '<g fill="none" stroke="red">' open.svg; grep -o 'r="9"' open.svg | wc -l; grep -o '>0.0195</text>' open.svg
  1
  2
  >0.0195</text>
  $ cp open.dxf open.before
  $ dxfelem check open.dxf --params c.ini --section S --preview open.dxf
  dxfelem: the picture open.dxf is the drawing open.dxf: it would replace it
  [1]
  $ cmp open.dxf open.before

The counts the guide (docs/cli.md) shows for the check of the architecture
drawing with the example's settings are the tool's: the block shown after
the command's own, its lines of a count and a kind.

  $ dxfelem check "$DATA/corpus/r2000-architecture-metres.dxf" --params "$SOURCE/examples/panel.ini" --section Panel 2>/dev/null > tool.txt; echo "exit status $?"
  exit status 3
  $ sed -n '/^\$ dxfelem check architecture.dxf/,$p' "$SOURCE/docs/cli.md" | awk '/^```/ { fences++; if (fences == 3) exit; next } fences == 2' > guide.txt
  $ grep -E '^[0-9]+ [a-z ]+$' guide.txt > guide-counts.txt; grep -E '^[0-9]+ [a-z ]+$' tool.txt | diff guide-counts.txt - && cat guide-counts.txt
  5 double cut
  15 double cut across layers
  158 open profile
  1 text
  1679 tiny piece
  1 units

The search for crossings on crowded drawings (every finding listed with
--all). A crowd of small pieces among large ones: the cell they share (the
grid follows the 1000 long sides) is split until they spread, and every
crossing is still told once. 150 diamonds of radius 5 whose centres lie
half a unit apart on the x axis: each crosses the 19 after it twice and
touches the 20th at a corner, 19 * 131 + 18 * 19 / 2 = 2660 pairs. The
first and the 20th cross where x + |y| = 5 meets x - |y| = 4.5.

  $ cat > shapes.py <<'EOF'
  > import sys
  > def closed(*points):
  >     print("0\nLWPOLYLINE\n8\nQ\n70\n1")
  >     for x, y in points: print(f"10\n{x}\n20\n{y}")
  > def square(x, y): closed((x, y), (x + 1, y), (x + 1, y + 1), (x, y + 1))
  > if sys.argv[1] in ("piled", "huge"):
  >     print("0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nSQ\n10\n0\n20\n0")
  >     square(0, 0)
  >     print("0\nENDBLK\n0\nENDSEC")
  > print("0\nSECTION\n2\nENTITIES")
  > if sys.argv[1] == "crowd":
  >     for i in range(250): closed((3000 * i, 5000), (3000 * i + 1000, 5000), (3000 * i + 1000, 6000), (3000 * i, 6000))
  >     for i in range(150): closed((0.5 * i - 5, 0), (0.5 * i, -5), (0.5 * i + 5, 0), (0.5 * i, 5))
  > elif sys.argv[1] == "long":
  >     for k in range(1, 401): square(2 * k, 2 * k)
  >     closed((0, 0.5), (1000, 1000.5), (1000, 0.5))
  > elif sys.argv[1] == "piled":
  >     print("0\nINSERT\n8\nQ\n2\nSQ\n10\n0\n20\n0\n70\n30\n71\n30\n44\n0\n45\n0")
  > else:
  >     for i in range(50): square(0.5 * i, 0.5 * i)
  >     print("0\nINSERT\n8\nQ\n2\nSQ\n10\n0\n20\n0\n41\n1e300\n42\n1e300")
  > print("0\nENDSEC\n0\nEOF")
  > EOF
  $ python3 shapes.py crowd > crowd.dxf
  $ dxfelem check crowd.dxf --params c.ini --section S --all 2>/dev/null > found.txt; grep -c '^  crossing: .*(2 crossings)$' found.txt
  2660
  $ grep -F 'from (-5, 0) and from (4.5, 0)' found.txt
    crossing: the closed profiles from (-5, 0) and from (4.5, 0) cross at (4.75, -0.25) (2 crossings)

Long pieces among many small ones go to the cells along them: the side
y = x + 0.5 of a large triangle crosses 400 unit squares at (2k, 2k), each
where it enters on the left and leaves at the top.

  $ python3 shapes.py long > long.dxf
  $ dxfelem check long.dxf --params c.ini --section S --all 2>/dev/null > found.txt; grep -c '(2 crossings)$' found.txt
  400
  $ grep -F 'from (800, 800) and from (0, 0.5)' found.txt
    crossing: the closed profiles from (800, 800) and from (0, 0.5) cross at (800, 800.5) (2 crossings)

900 copies of one square in one place (an array of 30 by 30 with no
spacing): every pair of their sides would be met; the search for crossings
stops and says so, and the other checks still tell theirs. A block drawn
10^300 times its size beside unit squares: its sides have no finite length,
and the cells along them stay a few per step; the check ends at once and
tells the squares' crossings with it.

  $ printf '[S]\nTollerance=0.01\nConnect=1\nEsplodiBlocchi=1\n' > e.ini
  $ python3 shapes.py piled > piled.dxf
  $ dxfelem check piled.dxf --params e.ini --section S --all 2>/dev/null | grep -e 'cut short' -e 'cut twice over 1 from (0, 0) to (1, 0)$' | sort -u
    check cut short: crossings were looked for in part: the drawing piles so many pieces onto one place that meeting every pair of them would take hours; those told are crossings, others may be missing
    double cut: cut twice over 1 from (0, 0) to (1, 0)
  1 check cut short
  $ python3 shapes.py huge > huge.dxf
  $ dxfelem check huge.dxf --params e.ini --section S --all 2>/dev/null | grep -F 'from (0, 0) and from (0.5, 0.5)'
    crossing: the closed profiles from (0, 0) and from (0.5, 0.5) cross at (0.5, 1) (2 crossings)

Texts: a face the font system does not have is told with the one it gave
in its place (which depends on the machine's fonts), and letters lower
than the gap between them (a drawing in metres with settings in
millimetres); a letter gap below the text's height is no finding.

  $ { python3 lines.py 0,0,10,0 10,0,10,10 10,10,0,10 0,10,0,0 | head -n -4; printf '0\nTEXT\n8\nT\n10\n0\n20\n0\n40\n0.2\n1\nAB\n0\nENDSEC\n0\nEOF\n'; } > text.dxf
  $ for gap in 5 0.1; do
  >   printf '[S]\nTesto=1\nSpazioFont=%s\n' $gap > t.ini
  >   dxfelem check text.dxf --params t.ini --section S 2>/dev/null | grep text | sed 's/drawn in .*, which/drawn in (a face), which/'
  > done
    text: the face Txt was asked for; the texts were drawn in (a face), which the font system gave in its place
    text: 1 text is lower than the gap between letters (SpazioFont 5), the lowest 0.2: a word spreads far wider than it is high
  2 text
    text: the face Txt was asked for; the texts were drawn in (a face), which the font system gave in its place
  1 text

Header codes that no whole number holds ($INSUNITS 1e10, 11e308 run into
the next line: a fuzzer's find, kept in tests/data/regressions) are held
to the largest code, or leave the header unreadable, and never go further.

  $ printf '0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n1e10\n9\n$MEASUREMENT\n70\n-1e300\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nA\n10\n0\n20\n0\n11\n1\n21\n0\n0\nENDSEC\n0\nEOF\n' > units.dxf
  $ dxfelem info units.dxf | grep '^units'
  units      $INSUNITS 2147483647, $MEASUREMENT not given
  $ dxfelem check units.dxf > /dev/null; echo "exit status $?"
  dxfelem: checked units.dxf
  exit status 3
  $ cd "$DATA/regressions" && dxfelem check check-units-overflow-27936667.dxf
  dxfelem: the HEADER or TABLES section of check-units-overflow-27936667.dxf cannot be read (code 14)
  [1]
