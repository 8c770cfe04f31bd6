#!/bin/sh
# Installs the build into a temporary prefix and builds two consumers of the
# installed library, one with find_package(dxfelem) and one with pkg-config,
# then runs them, the installed tool and the Python module's tests.
#   tests/install/check_install.sh BUILD_DIR SOURCE_DIR
set -eu
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
libdir=$(ls -d "$prefix"/lib*/ | head -n 1)
libdir=${libdir%/}

# The library with its SONAME links, the headers, the package files, the tool.
for file in "$libdir/libdxfelem.so" "$libdir/libdxfelem.so.0" "$prefix/include/dxfelem/dxfelem.h" \
    "$prefix/include/dxfelem/dxfelem_version.h" "$libdir/cmake/dxfelem/dxfelemConfig.cmake" \
    "$libdir/cmake/dxfelem/dxfelemConfigVersion.cmake" "$libdir/pkgconfig/dxfelem.pc" "$prefix/bin/dxfelem"; do
  [ -e "$file" ] || { echo "check_install: $file is not installed"; exit 1; }
done
objdump -p "$libdir/libdxfelem.so" | grep -q 'SONAME *libdxfelem.so.0$' || { echo "check_install: no SONAME"; exit 1; }

# find_package
cmake -S "$source/tests/install/consumer" -B "$work/cmake-consumer" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/cmake-consumer" >/dev/null
LD_LIBRARY_PATH="$libdir" "$work/cmake-consumer/consumer" "$source/examples/panel.dxf" "$work/a.txt"

# pkg-config
# The flags are words of their own.
# shellcheck disable=SC2046
PKG_CONFIG_PATH="$libdir/pkgconfig" cc -o "$work/pc-consumer" "$source/tests/install/consumer/main.c" \
  $(PKG_CONFIG_PATH="$libdir/pkgconfig" pkg-config --cflags --libs dxfelem)
LD_LIBRARY_PATH="$libdir" "$work/pc-consumer" "$source/examples/panel.dxf" "$work/b.txt"
cmp "$work/a.txt" "$work/b.txt"

# The installed tool finds its library beside it, without help.
"$prefix/bin/dxfelem" --version
"$prefix/bin/dxfelem" convert "$source/examples/panel.dxf" "$work/c.txt" --quiet 2>/dev/null
cmp "$work/a.txt" "$work/c.txt"
# The Python module, from the prefix, finds the library relative to itself.
python=/usr/bin/python3
[ -x "$python" ] || python=python3
DXFELEM_TOOL="$prefix/bin/dxfelem" PYTHONPATH="$prefix/lib/python3/dist-packages" "$python" -m unittest discover -q -s "$source/python/tests" 2>"$work/python.txt" ||
  { cat "$work/python.txt"; echo "check_install: the Python tests fail against the installed module"; exit 1; }
echo "check_install: installed, found by find_package and pkg-config, run, and called from Python"
