#!/bin/sh
# Checks the 32-bit Windows DLL without running it: the six undecorated
# exports, imports of Windows' own DLLs only, every export removing its own
# arguments (__stdcall: "ret" with the byte count of its arguments), and the
# version resource.
set -e
dll=${1:-build-win32/dxfelem.dll}
objdump=i686-w64-mingw32-objdump
fail() { echo "check_dll: $*" >&2; exit 1; }

exports=$($objdump -p "$dll" | sed -n '/Ordinal\/Name Pointer\] Table/,/^$/p' | awk '/^\t\[/ {print $NF}' | sort | tr '\n' ' ')
[ "$exports" = "DxfToBlocksNet DxfToLayersNet DxfToTxt DxfToTxtNet TxtToTxt TxtToTxtNet " ] ||
  fail "exports are '$exports'"

for imported in $($objdump -p "$dll" | awk '/DLL Name:/ {print toupper($3)}'); do
  case "$imported" in
    KERNEL32.DLL|USER32.DLL|GDI32.DLL|MSVCRT.DLL|ADVAPI32.DLL) ;;
    *) fail "imports $imported, which Windows does not ship" ;;
  esac
done

# The entry points and the bytes their callers push: six pointers or
# integers for the DXF calls, ten for the rewriting calls.
disassembly=$($objdump -d "$dll")
for entry in DxfToTxt:24 DxfToTxtNet:24 DxfToLayersNet:24 DxfToBlocksNet:24 TxtToTxt:40 TxtToTxtNet:40; do
  name=${entry%%:*}
  bytes=${entry##*:}
  returns=$(printf '%s\n' "$disassembly" | awk -v label="<_${name}@${bytes}>:" '
    $2 == label {inside = 1; next}
    inside && /^$/ {exit}
    inside && /\tret/ {print $NF}')
  [ -n "$returns" ] || fail "$name@$bytes not found"
  expected=$(printf '$0x%x' "$bytes")
  for instruction in $returns; do
    [ "$instruction" = "$expected" ] || fail "$name returns with '$instruction', not 'ret $expected'"
  done
done

strings -el "$dll" | grep -qx "dxfelem" || fail "no version resource with the product name"
echo "check_dll: $dll exports the six entry points, __stdcall, imports only Windows DLLs"
