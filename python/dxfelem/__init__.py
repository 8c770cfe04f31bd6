"""dxfelem: DXF drawings (text form) into panel-machining element files.

A thin ctypes layer over the installed library (libdxfelem.so.0): no
compiler is needed. Every function reads and writes files, as the library
does, and raises DxfelemError when the call fails.

    import dxfelem
    result = dxfelem.convert("panel.dxf", "panel.txt", params="cam.ini", section="Panel")
    print(result.status)           # 500: done
    print(dxfelem.layers("panel.dxf"))

The library keeps process-wide settings and takes no lock: one call at a
time per process (this module serialises its own calls with a lock).
"""

from __future__ import annotations

import ctypes
import dataclasses
import os
import tempfile
import threading
from typing import List, Optional, Tuple, Union

__all__ = ["Result", "DxfelemError", "convert", "layers", "blocks", "rewrite", "OPERATIONS", "version"]

PathName = Union[str, bytes, "os.PathLike[str]", "os.PathLike[bytes]"]

# The rewriting operations by name, as the tool names them.
OPERATIONS = {
    "extend-start": 1,
    "extend-end": 2,
    "extend-both": 3,
    "directions": 4,
    "lead-in": 5,
    "lead-out": 6,
}

# Error codes and what they mean (status = 500 + code).
MESSAGES = {
    0: "done",
    4: "no memory for the job, or the drawing's entities could not be read",
    8: "a file cannot be opened or written",
    13: "not a DXF file in text form",
    14: "the drawing's header or tables cannot be read",
    19: "unknown rewriting operation",
    41: "nothing in the drawing became an element",
    49: "the operation failed on an element",
}


class _Record(ctypes.Structure):
    """The library's packed 1044-byte result record."""

    _pack_ = 1
    _fields_ = [
        ("status", ctypes.c_int32),
        ("hasFileName", ctypes.c_int32),
        ("fileName", ctypes.c_char * 256),
        ("reservedText2", ctypes.c_char * 256),
        ("reservedText3", ctypes.c_char * 256),
        ("reservedValue1", ctypes.c_int32),
        ("reservedValue2", ctypes.c_int32),
        ("reservedText4", ctypes.c_char * 256),
        ("errorCode", ctypes.c_int32),
    ]


assert ctypes.sizeof(_Record) == 1044


@dataclasses.dataclass(frozen=True)
class Result:
    """What a call reported: status is 500 + error_code; file_name names the
    file concerned when has_file_name is true. value1 and value2 are the
    directions of a rewrite with 'directions' (otherwise what was passed)."""

    returned: int
    status: int
    error_code: int
    has_file_name: bool
    file_name: str
    value1: float = 0.0
    value2: float = 0.0

    @property
    def ok(self) -> bool:
        return self.returned == 1


class DxfelemError(Exception):
    """A call that failed: the error code, the file concerned (or None) and
    the whole result."""

    def __init__(self, code: int, file_name: Optional[str], result: Optional[Result] = None):
        self.code = code
        self.file_name = file_name
        self.result = result
        what = MESSAGES.get(code, "error")
        super().__init__(f"{what} (code {code})" + (f": {file_name}" if file_name else ""))


def _library_candidates() -> List[str]:
    candidates = []
    explicit = os.environ.get("DXFELEM_LIBRARY")
    if explicit:
        candidates.append(explicit)
    try:  # where cmake --install put the library, relative to this package
        from . import _location

        here = os.path.dirname(os.path.abspath(__file__))
        candidates.append(os.path.normpath(os.path.join(here, _location.LIBRARY_FROM_PACKAGE)))
    except ImportError:
        pass
    candidates.append("libdxfelem.so.0")  # the dynamic linker's search
    return candidates


def _load() -> ctypes.CDLL:
    failures = []
    for candidate in _library_candidates():
        try:
            library = ctypes.CDLL(candidate)
            break
        except OSError as error:
            failures.append(str(error))
    else:
        raise ImportError("dxfelem: the library libdxfelem.so.0 cannot be loaded (set DXFELEM_LIBRARY): "
                          + "; ".join(failures))
    text = ctypes.c_char_p
    for name in ("DxfToTxt",):
        function = getattr(library, name)
        function.argtypes = [text, text, text, text, text, ctypes.POINTER(_Record)]
        function.restype = ctypes.c_int32
    for name in ("DxfToLayersNet", "DxfToBlocksNet"):
        function = getattr(library, name)
        function.argtypes = [text, text, text, text, text, ctypes.POINTER(ctypes.c_int32)]
        function.restype = ctypes.c_int32
    library.TxtToTxt.argtypes = [text, text, text, text, text, ctypes.c_int32, ctypes.POINTER(ctypes.c_double),
                                 ctypes.POINTER(ctypes.c_double), ctypes.c_int32, ctypes.POINTER(_Record)]
    library.TxtToTxt.restype = ctypes.c_int32
    return library


_library = _load()
_one_call_at_a_time = threading.Lock()


def _name(path: Optional[PathName]) -> bytes:
    return b"" if path is None else os.fsencode(path)


def _settings(params: Optional[PathName], section: Optional[str]) -> Tuple[bytes, bytes]:
    if (params is None) != (section is None):
        raise ValueError("params and section go together: the settings are a section of the parameter file")
    return _name(params), b"" if section is None else os.fsencode(section)


def _field(raw: bytes) -> str:
    return os.fsdecode(raw.split(b"\0", 1)[0])


def _result(returned: int, record: _Record, value1: float = 0.0, value2: float = 0.0) -> Result:
    result = Result(returned=returned, status=record.status, error_code=record.errorCode,
                    has_file_name=record.hasFileName == 1, file_name=_field(bytes(record.fileName)),
                    value1=value1, value2=value2)
    # An unknown operation is answered with success and code 19: a failure all the same.
    if returned != 1 or result.error_code != 0:
        raise DxfelemError(result.error_code, result.file_name if result.has_file_name else None, result)
    return result


def convert(dxf: PathName, out: PathName, params: Optional[PathName] = None, section: Optional[str] = None,
            done: Optional[PathName] = None) -> Result:
    """Converts the drawing dxf into the element file out. Without params
    and section the built-in settings are used and nothing but out is
    written; with them the settings of that section are used and written
    back into the parameter file, as the hosts expect. done names the
    completion file ("1" when the call has ended)."""
    parameter_file, section_name = _settings(params, section)
    record = _Record()
    with _one_call_at_a_time:
        returned = _library.DxfToTxt(parameter_file, section_name, _name(dxf), _name(out), _name(done),
                                     ctypes.byref(record))
    return _result(returned, record)


def _listing(function, dxf, out, params, section) -> List[str]:
    parameter_file, section_name = _settings(params, section)
    code = ctypes.c_int32(0)
    with tempfile.TemporaryDirectory(prefix="dxfelem-") as folder:
        list_file = _name(out) if out is not None else os.fsencode(os.path.join(folder, "list.txt"))
        with _one_call_at_a_time:
            returned = function(parameter_file, section_name, _name(dxf), list_file, b"", ctypes.byref(code))
        if returned != 1:
            raise DxfelemError(code.value, os.fsdecode(_name(dxf)))
        with open(list_file, "rb") as listed:
            return [os.fsdecode(line) for line in listed.read().splitlines()]


def layers(dxf: PathName, out: Optional[PathName] = None, params: Optional[PathName] = None,
           section: Optional[str] = None) -> List[str]:
    """The names the library's layer listing writes (into out, when given),
    as a list. This is the hosts' listing, not a strict reading of the LAYER
    table: the command-line tool's `dxfelem layers` gives that."""
    return _listing(_library.DxfToLayersNet, dxf, out, params, section)


def blocks(dxf: PathName, out: Optional[PathName] = None, params: Optional[PathName] = None,
           section: Optional[str] = None) -> List[str]:
    """The block name of every INSERT of the drawing, repeats included, as
    the library's block listing writes it (into out, when given)."""
    return _listing(_library.DxfToBlocksNet, dxf, out, params, section)


def rewrite(element_file: PathName, layer: str, operation: Union[str, int], a: float = 0.0, b: float = 0.0,
            params: Optional[PathName] = None, section: Optional[str] = None) -> Result:
    """Changes the profiles of one layer of an element file in place.
    operation is one of OPERATIONS (or its number): extend-start by a,
    extend-end by b, extend-both, directions (the result's value1 and value2
    are the directions at start and end), lead-in and lead-out (a tangent
    arc to or from the end point moved by a, b)."""
    number = OPERATIONS[operation] if isinstance(operation, str) else int(operation)
    parameter_file, section_name = _settings(params, section)
    value1 = ctypes.c_double(a)
    value2 = ctypes.c_double(b)
    record = _Record()
    with _one_call_at_a_time:
        returned = _library.TxtToTxt(parameter_file, section_name, _name(element_file), b"", os.fsencode(layer),
                                     number, ctypes.byref(value1), ctypes.byref(value2), 0, ctypes.byref(record))
    return _result(returned, record, value1.value, value2.value)


def version() -> str:
    """The version of this package (and of the library it was installed with)."""
    try:
        from . import _location

        return _location.VERSION
    except ImportError:
        return "unknown"
