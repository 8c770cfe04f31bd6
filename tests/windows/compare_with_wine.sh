#!/bin/sh
# Runs the Windows DLL (built as 64-bit code for wine64) on the inputs the
# Linux tests use and compares what it writes with what the Linux library
# writes; compares the Linux private-profile layer with Wine's functions on
# awkward INI files. Needs build/ (Linux) and build-win64/ (Windows) built.
# Where this machine can run 32-bit code (wine with its 32-bit loader), the
# 32-bit DLL of build-win32/ is run the same way: DXFELEM_WINDOWS_BUILD
# chooses the build (build-win64 by default).
set -eu
cd "$(dirname "$0")/../.."
top=$(pwd)
export WINEPREFIX="${DXFELEM_WINEPREFIX:-$top/build-win64/wineprefix}"
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
build=${DXFELEM_WINDOWS_BUILD:-build-win64}
wine=/usr/lib/wine/wine64
[ "$build" = build-win32 ] && wine=/usr/lib/wine/wine
# The kernel's messages look for their file under ZIZAVE: an empty folder
# keeps any message box from appearing in an unattended run.
work=$(mktemp -d)
trap 'rm -rf "$work"; /usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT
mkdir -p "$work/zizave/MSG" "$work/linux" "$work/windows"
export ZIZAVE="$work/zizave"
[ -d "$WINEPREFIX" ] || "$wine" wineboot -i >/dev/null 2>&1
# One wine server for the whole run: started and stopped between the
# hundreds of runs below, a run now and then came up while the last server
# was going away and wrote nothing. The one the first start of the prefix
# left running is replaced by one that stays.
/usr/lib/wine/wineserver -k 2>/dev/null || true
/usr/lib/wine/wineserver -w
/usr/lib/wine/wineserver -p

winpath() { printf 'Z:%s' "$1" | sed 's|/|\\|g'; }
runner() { "$wine" "$top/$build/dll_runner.exe" "$(winpath "$top/$build/dxfelem.dll")" "$@" | tr -d '\r'; }
failures=0
differ() { echo "DIFFERENT: $*"; failures=$((failures + 1)); }
same_text() { cmp -s "$1" "$2" || { tr -d '\r' < "$1" > "$1.lf"; tr -d '\r' < "$2" > "$2.lf"; cmp -s "$1.lf" "$2.lf"; }; }

# The example's settings without texts: the outlines of a text are the
# font's, whose digits the two font systems round a little differently; they
# are compared as shapes further down. Everything else must be the same bytes.
sed 's/^Testo=1/Testo=0/' examples/panel.ini > "$work/no-text.ini"
grep -q '^Testo=0' "$work/no-text.ini"

# Conversions with those settings, of the example and of every real drawing.
for dxf in examples/panel.dxf tests/data/corpus/*.dxf; do
  name=$(basename "$dxf" .dxf)
  for side in linux windows; do cp "$work/no-text.ini" "$work/$side/$name.ini"; done
  build/dxfelem convert "$dxf" "$work/linux/$name.txt" --params "$work/linux/$name.ini" --section Panel \
    >/dev/null 2>&1 || true
  runner convert "$(winpath "$work/windows/$name.ini")" Panel "$(winpath "$top/$dxf")" \
    "$(winpath "$work/windows/$name.txt")" > "$work/windows/$name.outcome"
  if [ -f "$work/linux/$name.txt" ]; then
    cmp -s "$work/linux/$name.txt" "$work/windows/$name.txt" || differ "element file of $name"
  fi
  same_text "$work/linux/$name.ini" "$work/windows/$name.ini" || differ "parameter file after $name"
  for list in layers blocks; do
    build/dxfelem "$list" "$dxf" "$work/linux/$name.$list" --host >/dev/null 2>&1 || true
    runner "$list" "$(winpath "$work/windows/$name.ini")" Panel "$(winpath "$top/$dxf")" \
      "$(winpath "$work/windows/$name.$list")" >/dev/null
    if [ -f "$work/linux/$name.$list" ]; then
      cmp -s "$work/linux/$name.$list" "$work/windows/$name.$list" || differ "$list of $name"
    fi
  done
done

# The same drawings with their texts: per layer, the same number of
# profiles, nearly the same number of nodes (1%: the two hinters round a
# little differently, and a piece may fall either side of the clean-up's
# 0.01) and the same extent within 0.05 plus 0.5% of its size.
shapes() {
  awk -F, '{ layer = $7; gsub(/ /, "", layer); x = $3 + 0; y = $4 + 0
             if (!(layer in nodes)) { minx[layer] = maxx[layer] = x; miny[layer] = maxy[layer] = y }
             nodes[layer]++; if ($1 == "INI") profiles[layer]++
             if (x < minx[layer]) minx[layer] = x; if (x > maxx[layer]) maxx[layer] = x
             if (y < miny[layer]) miny[layer] = y; if (y > maxy[layer]) maxy[layer] = y }
       END { for (l in nodes) print l, profiles[l] + 0, nodes[l], minx[l], maxx[l], miny[l], maxy[l] }' "$1" | sort
}
same_shapes() {
  shapes "$1" > "$1.shapes"
  shapes "$2" > "$2.shapes"
  join "$1.shapes" "$2.shapes" | awk -v expected="$(wc -l < "$1.shapes")" '
    function near(a, b, size) { d = a - b; if (d < 0) d = -d; return d <= 0.05 + 0.005 * size }
    { n++
      if ($2 != $8) bad = bad " " $1 ": " $2 " and " $8 " profiles"
      d = $3 - $9; if (d < 0) d = -d; if (d > 0.01 * $3 + 1) bad = bad " " $1 ": " $3 " and " $9 " nodes"
      sx = $5 - $4; sy = $7 - $6
      if (!near($4, $10, sx) || !near($5, $11, sx) || !near($6, $12, sy) || !near($7, $13, sy)) bad = bad " " $1 ": extents" }
    END { if (n != expected || bad != "") { print "shapes differ:" bad; exit 1 } }'
}
texts=0
for dxf in examples/panel.dxf tests/data/corpus/*.dxf; do
  name=$(basename "$dxf" .dxf)
  grep -q -E '^ *M?TEXT.?$' "$dxf" || continue
  for side in linux windows; do cp examples/panel.ini "$work/$side/$name.text.ini"; done
  build/dxfelem convert "$dxf" "$work/linux/$name.text.txt" --params "$work/linux/$name.text.ini" --section Panel \
    >/dev/null 2>&1 || true
  runner convert "$(winpath "$work/windows/$name.text.ini")" Panel "$(winpath "$top/$dxf")" \
    "$(winpath "$work/windows/$name.text.txt")" >/dev/null
  [ -f "$work/linux/$name.text.txt" ] || continue
  same_shapes "$work/linux/$name.text.txt" "$work/windows/$name.text.txt" || differ "text outlines of $name"
  texts=$((texts + 1))
done
echo "compare_with_wine: $texts drawings with texts compared as shapes"

# Every rewriting operation on the example's element file.
for op in 1 2 3 4 5 6 7; do
  for side in linux windows; do cp "$work/linux/panel.txt" "$work/$side/rewrite$op.txt"; done
  linux=$(build/dxfelem rewrite "$work/linux/rewrite$op.txt" --layer GROOVESide1 --op "$op" --a 3 --b -4 \
    --params examples/panel.ini --section Panel 2>&1 | grep -o 'start.*' || true)
  windows=$(runner rewrite "$(winpath "$top/examples/panel.ini")" Panel "$(winpath "$work/windows/rewrite$op.txt")" \
    GROOVESide1 "$op" 3 -4)
  cmp -s "$work/linux/rewrite$op.txt" "$work/windows/rewrite$op.txt" || differ "rewrite $op"
  if [ "$op" = 4 ]; then
    echo "$windows" | grep -q "$(echo "$linux" | awk '{print $2}')" || differ "directions: '$linux' and '$windows'"
  fi
done

# Reading awkward INI files: the private-profile functions against ours.
# Left out: "Hex=0x10", which Wine's GetPrivateProfileIntA reads as 16; the
# settings are read as decimal integers, and the conformance tests of the
# Windows functions show no hexadecimal case to settle it.
for ini in tests/windows/ini/*.ini; do
  for query in "Panel Connect" "Panel Quoted" "Panel Single" "Panel Mixed" "Panel Equals" "Panel Empty" \
      "Panel Bare" "Panel Number" "Panel Plus" "Panel Big" "Panel Tabs" "Panel Long" "Panel Late" \
      "Spaced_Section Key" "Other Key" "Panel NoSection" "Panel Hash" "Panel Key_With_Spaces" "Panel2 Broken" \
      "Missing Key"; do
    section=$(echo "$query" | cut -d' ' -f1 | tr '_' ' ')
    key=$(echo "$query" | cut -d' ' -f2 | tr '_' ' ')
    for size in 260 5; do
      ours=$(build/ini_query "$ini" "$section" "$key" "dflt  " "$size")
      # Every answer prints at least its count: a run that printed nothing
      # did not run (a wine server now and then drops a start) and is run again.
      for _ in 1 2; do
        theirs=$("$wine" "$top/$build/dll_runner.exe" - ini "$(winpath "$top/$ini")" "$section" "$key" "dflt  " \
          "$size" | tr -d '\r')
        [ -n "$theirs" ] && break
      done
      [ "$ours" = "$theirs" ] || differ "$ini [$section] $key ($size): ours $ours, Windows $theirs"
    done
  done
done

# Glyph outlines of the same text in the same face: GDI under Wine and
# FreeType hint each in their own way, so the structure must be the same
# and every coordinate within 0.05 of an em of 50 (boxes within 1 unit).
text="IOabgq&%8"
build/glyph_dump "DejaVu Sans" "$text" > "$work/linux/glyphs"
"$wine" "$top/$build/glyph_dump.exe" "DejaVu Sans" "$text" | tr -d '\r' > "$work/windows/glyphs"
if ! awk -v tolerance=0.05 '
    NR == FNR { ours[FNR] = $0; lines = FNR; next }
    {
      if (!(FNR in ours)) { print "extra line: " $0; bad = 1; next }
      n = split(ours[FNR], a, /[ ,]+/); m = split($0, b, /[ ,]+/)
      if (n != m) { print "ours: " ours[FNR] "\nGDI:  " $0; bad = 1; next }
      for (i = 1; i <= n; i++) {
        if (a[i] == b[i]) continue
        if (a[i] ~ /^-?[0-9.]+$/ && b[i] ~ /^-?[0-9.]+$/) {
          limit = (a[i] ~ /\./) ? tolerance : 1
          d = a[i] - b[i]; if (d < 0) d = -d
          if (d <= limit + 1e-9) continue
        }
        print "ours: " ours[FNR] "\nGDI:  " $0; bad = 1; break
      }
    }
    END { if (FNR != lines) { print "line counts differ"; bad = 1 } exit bad }' \
    "$work/linux/glyphs" "$work/windows/glyphs"; then
  differ "glyph outlines of $text"
fi

[ "$failures" = 0 ] || { echo "compare_with_wine: $failures differences"; exit 1; }
echo "compare_with_wine: the Windows DLL of $build writes what the Linux library writes"
