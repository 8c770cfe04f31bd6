#!/bin/sh
# Builds the Debian packages with cpack and checks them as apt would see
# them: names, file lists, dependencies (every library the shared object
# needs is in a package it depends on), that apt can install them all on
# this system, and that the tool and the Python module work from the
# unpacked files.
#   tests/install/check_deb.sh BUILD_DIR SOURCE_DIR
set -eu
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check_deb: $*"; exit 1; }
version=$(sed -n 's/^#define DXFELEM_VERSION_STRING "\(.*\)"$/\1/p' "$build/generated/include/dxfelem/dxfelem_version.h")
major=${version%%.*}
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/debs" >/dev/null
arch=$(dpkg --print-architecture)
runtime="$work/debs/libdxfelem${major}_${version}_$arch.deb"
dev="$work/debs/libdxfelem-dev_${version}_$arch.deb"
tool="$work/debs/dxfelem_${version}_$arch.deb"
python="$work/debs/python3-dxfelem_${version}_all.deb"
for deb in "$runtime" "$dev" "$tool" "$python"; do [ -f "$deb" ] || fail "$deb was not made"; done

# What each package holds, and nothing of another's.
contains() { dpkg-deb -c "$1" | awk '{print $6}' | grep -qx "$2" || fail "$(basename "$1") lacks $2"; }
lacks() { ! dpkg-deb -c "$1" | awk '{print $6}' | grep -q "$2" || fail "$(basename "$1") holds $2"; }
contains "$runtime" "./usr/lib/libdxfelem.so.$major"
contains "$runtime" "./usr/lib/libdxfelem.so.$version"
lacks "$runtime" "libdxfelem.so\$"
lacks "$runtime" "include"
contains "$dev" "./usr/lib/libdxfelem.so"
contains "$dev" "./usr/include/dxfelem/dxfelem.h"
contains "$dev" "./usr/include/dxfelem/dxfelem_version.h"
contains "$dev" "./usr/lib/cmake/dxfelem/dxfelemConfig.cmake"
contains "$dev" "./usr/lib/pkgconfig/dxfelem.pc"
lacks "$dev" "libdxfelem.so.$version"
contains "$tool" "./usr/bin/dxfelem"
contains "$python" "./usr/lib/python3/dist-packages/dxfelem/__init__.py"
contains "$python" "./usr/lib/python3/dist-packages/dxfelem/_location.py"
dpkg-deb -e "$runtime" "$work/control"
grep -q "^libdxfelem $major libdxfelem$major" "$work/control/shlibs" || fail "no shlibs entry"

# Every library the shared object needs comes from a package the runtime
# package depends on.
depends=$(dpkg-deb -f "$runtime" Depends)
dpkg-deb -x "$runtime" "$work/root"
for needed in $(objdump -p "$work/root/usr/lib/libdxfelem.so.$version" | awk '/NEEDED/ {print $2}'); do
  path=$(ldconfig -p | awk -v lib="$needed" '$1 == lib {print $NF; exit}')
  [ -n "$path" ] || fail "$needed is not on this system"
  owner=$(dpkg -S "$(readlink -f "$path")" 2>/dev/null | head -n 1 | cut -d: -f1) || true
  [ -n "$owner" ] || owner=$(dpkg -S "$path" | head -n 1 | cut -d: -f1)
  echo "$depends" | grep -q "\b$owner\b" || fail "$needed ($owner) is not among the dependencies: $depends"
done
for package in "$dev" "$tool"; do
  dpkg-deb -f "$package" Depends | grep -q "libdxfelem$major (= $version)" || fail "$(basename "$package") does not depend on the library"
done

# apt can install all four here (simulated: the test changes nothing on the system).
apt-get install -s -qq "$runtime" "$dev" "$tool" "$python" >"$work/apt.txt" 2>&1 || { cat "$work/apt.txt"; fail "apt would not install the packages"; }

# Unpacked together, the tool finds its library and the module finds it too.
for deb in "$dev" "$tool" "$python"; do dpkg-deb -x "$deb" "$work/root"; done
"$work/root/usr/bin/dxfelem" convert "$source/examples/panel.dxf" "$work/panel.txt" --quiet 2>/dev/null
[ -s "$work/panel.txt" ] || fail "the packaged tool converted nothing"
pythons=/usr/bin/python3
[ -x "$pythons" ] || pythons=python3
DXFELEM_TOOL="$work/root/usr/bin/dxfelem" PYTHONPATH="$work/root/usr/lib/python3/dist-packages" "$pythons" -m unittest discover -q -s "$source/python/tests" \
  2>"$work/python.txt" || { cat "$work/python.txt"; fail "the Python tests fail against the packaged module"; }
echo "check_deb: libdxfelem$major, libdxfelem-dev, dxfelem, python3-dxfelem $version: contents, dependencies, installable, working"
