# cpack -G DEB: the Debian way of splitting a library, so that a program
# linked against it needs only the runtime package, and a new major version
# can be installed beside the old one.
#   libdxfelem0      the shared library
#   libdxfelem-dev   header, libdxfelem.so link, CMake package, pkg-config file
#   dxfelem          the command-line tool
#   python3-dxfelem  the Python module (Debian names Python modules so)
set(CPACK_PACKAGE_NAME dxfelem)
set(CPACK_PACKAGE_VENDOR "dxfelem developers")
set(CPACK_PACKAGE_CONTACT "dxfelem developers <dxfelem@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "DXF drawings into panel-machining element files")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL runtime development tool python)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_STRIP_FILES ON)

# The dependencies of the library are those of what it links (checked by
# tests/install/check_deb.sh against the library's NEEDED entries).
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libdxfelem${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
# A shlibs file and the ldconfig calls, as every Debian library package has
# (only the runtime package holds a shared object).
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS
    "libc6 (>= 2.34), libfreetype6 (>= 2.10), libfontconfig1 (>= 2.13), libstdc++6 (>= 12), libgcc-s1 (>= 3.0)")
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION
    "DXF drawings into panel-machining element files (library)\\n The shared library: six C functions that convert DXF drawings (text form) into element files.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libdxfelem-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "libdxfelem${PROJECT_VERSION_MAJOR} (= ${PROJECT_VERSION})")
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION
    "DXF drawings into panel-machining element files (development files)\\n The header, the CMake package dxfelem::dxfelem and the pkg-config file.")

set(CPACK_DEBIAN_TOOL_PACKAGE_NAME dxfelem)
set(CPACK_DEBIAN_TOOL_PACKAGE_DEPENDS
    "libdxfelem${PROJECT_VERSION_MAJOR} (= ${PROJECT_VERSION}), libc6 (>= 2.34), libstdc++6 (>= 12), libgcc-s1 (>= 3.0)")
set(CPACK_COMPONENT_TOOL_DESCRIPTION
    "DXF drawings into panel-machining element files (command-line tool)\\n dxfelem convert, info, layers, blocks, rewrite, preview and todxf.")

set(CPACK_DEBIAN_PYTHON_PACKAGE_NAME python3-dxfelem)
set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
set(CPACK_DEBIAN_PYTHON_PACKAGE_ARCHITECTURE all)
set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS "libdxfelem${PROJECT_VERSION_MAJOR} (>= ${PROJECT_VERSION}), python3 (>= 3.7)")
set(CPACK_COMPONENT_PYTHON_DESCRIPTION
    "DXF drawings into panel-machining element files (Python module)\\n import dxfelem, then dxfelem.convert(dxf, out), through ctypes.")
include(CPack)
