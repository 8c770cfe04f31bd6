"""dxfelem: DXF drawings (text form) into panel-machining element files.

A thin ctypes layer over the installed library (libdxfelem.so.0): no
compiler is needed. Every function reads and writes files, as the library
does, and raises DxfelemError when the call fails.

    import dxfelem
    report = dxfelem.convert("panel.dxf", "panel.txt", settings={"Connect": 1, "Tollerance": 0.01})
    print(report.message)          # converted panel.dxf into panel.txt
    for left in report.left_out:   # what made nothing, and why
        print(left.count, left.what, left.why)
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
from typing import Dict, List, Mapping, Optional, Tuple, Union

__all__ = ["Result", "Report", "LeftOut", "DxfelemError", "convert", "info", "layers", "blocks", "rewrite",
           "OPERATIONS", "version"]

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


@dataclasses.dataclass(frozen=True)
class LeftOut:
    """Entities that were read and left out: what, why, and how many; their
    kind, and whether they made nothing at all (whole) or elements of which
    a part is left out."""

    what: str
    why: str
    count: int
    kind: str = ""
    whole: bool = True


@dataclasses.dataclass(frozen=True)
class Report:
    """What a conversion did: ok, its status code (0 done; -1 refused before
    it ran), the one line that says what happened, the file the code
    concerns, the entities read per kind, what was left out and why (counted
    by the conversion itself as it read), warnings, the entities that made
    elements per kind (every entity read either made elements or is left
    out whole, for one reason), and the elements and nodes written per
    layer."""

    ok: bool
    code: int
    message: str
    file_name: str
    read: Dict[str, int]
    left_out: List[LeftOut]
    warnings: List[str]
    made: Dict[str, int] = dataclasses.field(default_factory=dict)
    layers: Dict[str, Tuple[int, int]] = dataclasses.field(default_factory=dict)

    @property
    def status(self) -> int:
        return 500 + self.code


@dataclasses.dataclass(frozen=True)
class Survey:
    """What a drawing holds, read in strict pairs of group code and value:
    its $ACADVER, $INSUNITS and $MEASUREMENT (-1 when not given), extents
    ($EXTMIN x, y, $EXTMAX x, y, or None), the LAYER table's names in order,
    the blocks a user places with their INSERTs (blocks inserted but never
    defined in `undefined_blocks` too), the entities per layer and kind,
    per layer what the settings leave out, where a broken drawing breaks
    ("line N: ...", or ""), and warnings."""

    version: str
    insunits: int
    measurement: int
    extents: Optional[Tuple[float, float, float, float]]
    table_layers: List[str]
    blocks: Dict[str, int]
    undefined_blocks: List[str]
    entities: Dict[str, Dict[str, int]]
    left_out: Dict[str, List[LeftOut]]
    problem: str
    warnings: List[str]


@dataclasses.dataclass(frozen=True)
class Finding:
    """What a check found: its kind ("open profile", "advice", "double cut",
    "double cut across layers", "crossing", "tiny piece", "text", "units",
    or "check cut short" for a drawing that piles too many pieces onto one
    place for every pair to be met), the layer ("" for the drawing), what
    was found in words, where (x, y) and its figure (a distance, a length,
    the Tollerance advised)."""

    kind: str
    layer: str
    text: str
    x: float
    y: float
    figure: float


class DxfelemError(Exception):
    """A call that failed or was refused: the error code (-1 for a refusal
    before anything ran), the file concerned (or None) and the whole result
    or report."""

    def __init__(self, code: int, file_name: Optional[str], result=None, message: Optional[str] = None):
        self.code = code
        self.file_name = file_name
        self.result = result
        if message is None:
            what = MESSAGES.get(code, "error")
            message = f"{what} (code {code})" + (f": {file_name}" if file_name else "")
        super().__init__(message)


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


def _declare(library: ctypes.CDLL) -> None:
    """The people's API this module calls (dxfelem_tools.h), with its types;
    AttributeError when the library has one of its functions not."""
    text = ctypes.c_char_p
    handle = ctypes.c_void_p
    size = ctypes.c_size_t
    for name, result, arguments in (
            ("dxfelem_settings_new", handle, []),
            ("dxfelem_settings_free", None, [handle]),
            ("dxfelem_settings_set", ctypes.c_int, [handle, text, text]),
            ("dxfelem_settings_use_file", ctypes.c_int, [handle, text, text]),
            ("dxfelem_convert", handle, [text, text, handle, text]),
            ("dxfelem_report_free", None, [handle]),
            ("dxfelem_report_ok", ctypes.c_int, [handle]),
            ("dxfelem_report_code", ctypes.c_int, [handle]),
            ("dxfelem_report_message", text, [handle]),
            ("dxfelem_report_file", text, [handle]),
            ("dxfelem_report_read_count", size, [handle]),
            ("dxfelem_report_read_kind", text, [handle, size]),
            ("dxfelem_report_read_number", ctypes.c_int64, [handle, size]),
            ("dxfelem_report_left_out_count", size, [handle]),
            ("dxfelem_report_left_out_what", text, [handle, size]),
            ("dxfelem_report_left_out_why", text, [handle, size]),
            ("dxfelem_report_left_out_number", ctypes.c_int64, [handle, size]),
            ("dxfelem_report_left_out_kind", text, [handle, size]),
            ("dxfelem_report_left_out_whole", ctypes.c_int, [handle, size]),
            ("dxfelem_report_made_count", size, [handle]),
            ("dxfelem_report_made_kind", text, [handle, size]),
            ("dxfelem_report_made_number", ctypes.c_int64, [handle, size]),
            ("dxfelem_report_layer_count", size, [handle]),
            ("dxfelem_report_layer_name", text, [handle, size]),
            ("dxfelem_report_layer_elements", ctypes.c_int64, [handle, size]),
            ("dxfelem_report_layer_nodes", ctypes.c_int64, [handle, size]),
            ("dxfelem_report_warning_count", size, [handle]),
            ("dxfelem_report_warning", text, [handle, size]),
            ("dxfelem_report_value", ctypes.c_double, [handle, ctypes.c_int]),
            ("dxfelem_list_for_hosts", handle, [text, text, ctypes.c_int, handle, text]),
            ("dxfelem_info", handle, [text, handle]),
            ("dxfelem_survey", handle, [text, handle]),
            ("dxfelem_check", handle, [text, handle, ctypes.c_double, text]),
            ("dxfelem_report_finding_count", size, [handle]),
            ("dxfelem_report_finding_kind", text, [handle, size]),
            ("dxfelem_report_finding_layer", text, [handle, size]),
            ("dxfelem_report_finding_text", text, [handle, size]),
            ("dxfelem_report_finding_value", ctypes.c_double, [handle, size, ctypes.c_int]),
            ("dxfelem_list", handle, [text, text, ctypes.c_int]),
            ("dxfelem_preview", handle, [text, text, ctypes.c_int]),
            ("dxfelem_todxf", handle, [text, text, ctypes.c_int]),
            ("dxfelem_report_text", ctypes.POINTER(ctypes.c_char), [handle, ctypes.POINTER(size)]),
            ("dxfelem_report_problem", text, [handle]),
            ("dxfelem_report_version", text, [handle]),
            ("dxfelem_report_units", ctypes.c_int, [handle, ctypes.c_int]),
            ("dxfelem_report_extents", ctypes.c_int, [handle, ctypes.POINTER(ctypes.c_double)]),
            ("dxfelem_report_table_layer_count", size, [handle]),
            ("dxfelem_report_table_layer", text, [handle, size]),
            ("dxfelem_report_block_count", size, [handle]),
            ("dxfelem_report_block_name", text, [handle, size]),
            ("dxfelem_report_block_inserts", ctypes.c_int64, [handle, size]),
            ("dxfelem_report_block_defined", ctypes.c_int, [handle, size]),
            ("dxfelem_report_kind_on_layer_count", size, [handle]),
            ("dxfelem_report_kind_on_layer_layer", text, [handle, size]),
            ("dxfelem_report_kind_on_layer_kind", text, [handle, size]),
            ("dxfelem_report_kind_on_layer_number", ctypes.c_int64, [handle, size]),
            ("dxfelem_report_layer_left_out_count", size, [handle]),
            ("dxfelem_report_layer_left_out_layer", text, [handle, size]),
            ("dxfelem_report_layer_left_out_what", text, [handle, size]),
            ("dxfelem_report_layer_left_out_why", text, [handle, size]),
            ("dxfelem_report_layer_left_out_number", ctypes.c_int64, [handle, size]),
            ("dxfelem_rewrite", handle, [text, text, ctypes.c_int, ctypes.c_double, ctypes.c_double, handle,
                                         ctypes.c_int, text])):
        function = getattr(library, name)
        function.restype = result
        function.argtypes = arguments


def _load() -> ctypes.CDLL:
    failures = []
    for candidate in _library_candidates():
        try:
            library = ctypes.CDLL(candidate)
            _declare(library)
            return library
        except OSError as error:
            failures.append(str(error))
        except AttributeError as error:
            failures.append(f"{candidate} is not the dxfelem library ({error})")
    raise ImportError("dxfelem: the library libdxfelem.so.0 cannot be loaded (set DXFELEM_LIBRARY): "
                      + "; ".join(failures))


_library = _load()
_one_call_at_a_time = threading.Lock()


def _name(path: Optional[PathName]) -> bytes:
    """The name as the library takes it; a NUL byte would cut it short, and
    the call would reach another file."""
    name = b"" if path is None else os.fsencode(path)
    if b"\0" in name:
        raise ValueError(f"a file name holds a NUL byte: {path!r}")
    return name


def _settings(params: Optional[PathName], section: Optional[str]) -> Tuple[bytes, bytes]:
    if (params is None) != (section is None):
        raise ValueError("params and section go together: the settings are a section of the parameter file")
    return _name(params), b"" if section is None else os.fsencode(section)


def _text(raw: Optional[bytes]) -> str:
    return os.fsdecode(raw or b"")


def _report(handle) -> Report:
    library = _library
    read = {_text(library.dxfelem_report_read_kind(handle, i)): library.dxfelem_report_read_number(handle, i)
            for i in range(library.dxfelem_report_read_count(handle))}
    left_out = [LeftOut(_text(library.dxfelem_report_left_out_what(handle, i)),
                        _text(library.dxfelem_report_left_out_why(handle, i)),
                        library.dxfelem_report_left_out_number(handle, i),
                        _text(library.dxfelem_report_left_out_kind(handle, i)),
                        library.dxfelem_report_left_out_whole(handle, i) == 1)
                for i in range(library.dxfelem_report_left_out_count(handle))]
    made = {_text(library.dxfelem_report_made_kind(handle, i)): library.dxfelem_report_made_number(handle, i)
            for i in range(library.dxfelem_report_made_count(handle))}
    layers = {_text(library.dxfelem_report_layer_name(handle, i)): (library.dxfelem_report_layer_elements(handle, i),
                                                                    library.dxfelem_report_layer_nodes(handle, i))
              for i in range(library.dxfelem_report_layer_count(handle))}
    warnings = [_text(library.dxfelem_report_warning(handle, i))
                for i in range(library.dxfelem_report_warning_count(handle))]
    return Report(ok=library.dxfelem_report_ok(handle) == 1, code=library.dxfelem_report_code(handle),
                  message=_text(library.dxfelem_report_message(handle)),
                  file_name=_text(library.dxfelem_report_file(handle)), read=read, left_out=left_out,
                  warnings=warnings, made=made, layers=layers)


def _survey(handle) -> Survey:
    library = _library
    corners = (ctypes.c_double * 4)()
    extents = tuple(corners) if library.dxfelem_report_extents(handle, corners) == 1 else None
    blocks = {}
    undefined = []
    for i in range(library.dxfelem_report_block_count(handle)):
        name = _text(library.dxfelem_report_block_name(handle, i))
        blocks[name] = library.dxfelem_report_block_inserts(handle, i)
        if library.dxfelem_report_block_defined(handle, i) != 1:
            undefined.append(name)
    entities: Dict[str, Dict[str, int]] = {}
    for i in range(library.dxfelem_report_kind_on_layer_count(handle)):
        layer = _text(library.dxfelem_report_kind_on_layer_layer(handle, i))
        kind = _text(library.dxfelem_report_kind_on_layer_kind(handle, i))
        entities.setdefault(layer, {})[kind] = library.dxfelem_report_kind_on_layer_number(handle, i)
    left_out: Dict[str, List[LeftOut]] = {}
    for i in range(library.dxfelem_report_layer_left_out_count(handle)):
        layer = _text(library.dxfelem_report_layer_left_out_layer(handle, i))
        left_out.setdefault(layer, []).append(LeftOut(_text(library.dxfelem_report_layer_left_out_what(handle, i)),
                                                      _text(library.dxfelem_report_layer_left_out_why(handle, i)),
                                                      library.dxfelem_report_layer_left_out_number(handle, i)))
    return Survey(version=_text(library.dxfelem_report_version(handle)),
                  insunits=library.dxfelem_report_units(handle, 1),
                  measurement=library.dxfelem_report_units(handle, 2), extents=extents,
                  table_layers=[_text(library.dxfelem_report_table_layer(handle, i))
                                for i in range(library.dxfelem_report_table_layer_count(handle))],
                  blocks=blocks, undefined_blocks=undefined, entities=entities, left_out=left_out,
                  problem=_text(library.dxfelem_report_problem(handle)),
                  warnings=[_text(library.dxfelem_report_warning(handle, i))
                            for i in range(library.dxfelem_report_warning_count(handle))])


def _document(handle) -> bytes:
    size = ctypes.c_size_t(0)
    pointer = _library.dxfelem_report_text(handle, ctypes.byref(size))
    return ctypes.string_at(pointer, size.value)


def _setting_text(value) -> bytes:
    if isinstance(value, bool):
        value = int(value)
    return os.fsencode(str(value))


def convert(dxf: PathName, out: PathName, params: Optional[PathName] = None, section: Optional[str] = None,
            done: Optional[PathName] = None, settings: Optional[Mapping[str, object]] = None) -> Report:
    """Converts the drawing dxf into the element file out and answers a
    Report. The settings are the built-in ones; or `settings`, keys of a
    parameter file with their values ({"Connect": 1, "Tollerance": 0.01}),
    read by the parameter file's rules and written nowhere; or the section
    `section` of the parameter file `params`, written back into it as the
    hosts expect. done names the completion file ("1" when the call has
    ended). A failure raises DxfelemError with the code, the library's
    message and the file; so does an output that is the drawing or the
    parameter file, refused before anything is written."""
    names = (_name(dxf), _name(out), _name(done))
    report, _ = _call(lambda handle: _library.dxfelem_convert(names[0], names[1], handle, names[2]),
                      _settings_handle(params, section, settings))
    return report


def info(dxf: PathName, params: Optional[PathName] = None, section: Optional[str] = None,
         settings: Optional[Mapping[str, object]] = None) -> Report:
    """What a conversion of dxf with these settings would read, make and
    leave out, and why: the conversion runs on trial (every step but the
    writing of the element file), and nothing is written back into the
    parameter file. A drawing of which nothing would become an element
    answers a report that is not ok (code 41); a drawing that cannot be
    read raises DxfelemError."""
    name = _name(dxf)
    try:
        report, _ = _call(lambda handle: _library.dxfelem_info(name, handle),
                          _settings_handle(params, section, settings))
    except DxfelemError as error:
        # A drawing of which nothing would become an element is an answer:
        # the report tells what was read and why it was left out.
        if error.code != 41:
            raise
        report = error.result
    return report


def _call(function, settings_handle, extract=None):
    """Calls function(settings_handle) for a report handle, one call at a
    time; the report and its two values (or what extract(handle) takes of
    it). Raises DxfelemError when the call failed or was refused."""
    try:
        with _one_call_at_a_time:
            report_handle = function(settings_handle)
    finally:
        if settings_handle is not None:
            _library.dxfelem_settings_free(settings_handle)
    if not report_handle:
        raise MemoryError("dxfelem: no memory for the call's report")
    try:
        report = _report(report_handle)
        values = (_library.dxfelem_report_value(report_handle, 1), _library.dxfelem_report_value(report_handle, 2))
        if extract is not None and report.ok:
            values = extract(report_handle)
    finally:
        _library.dxfelem_report_free(report_handle)
    if not report.ok:
        raise DxfelemError(report.code, report.file_name or None, report, report.message)
    return report, values


def survey(dxf: PathName, params: Optional[PathName] = None, section: Optional[str] = None,
           settings: Optional[Mapping[str, object]] = None) -> Survey:
    """What the drawing holds (a Survey), read in strict pairs; per layer
    what a conversion with these settings leaves out for the entities' kind
    or groups. Nothing is written. A file that cannot be read raises
    DxfelemError with code 8, a binary DXF with code 13."""
    name = _name(dxf)
    _, found = _call(lambda handle: _library.dxfelem_survey(name, handle), _settings_handle(params, section, settings),
                     _survey)
    return found


def _findings(handle) -> List[Finding]:
    library = _library
    return [Finding(_text(library.dxfelem_report_finding_kind(handle, i)),
                    _text(library.dxfelem_report_finding_layer(handle, i)),
                    _text(library.dxfelem_report_finding_text(handle, i)),
                    library.dxfelem_report_finding_value(handle, i, 1),
                    library.dxfelem_report_finding_value(handle, i, 2),
                    library.dxfelem_report_finding_value(handle, i, 3))
            for i in range(library.dxfelem_report_finding_count(handle))]


def check(dxf: PathName, params: Optional[PathName] = None, section: Optional[str] = None,
          settings: Optional[Mapping[str, object]] = None, min_length: float = 0.0,
          preview: Optional[PathName] = None) -> List[Finding]:
    """What a machine would meet in the drawing converted with these
    settings (in memory: nothing is written), as `dxfelem check` tells it:
    open profiles and the Tollerance that would close them, pieces cut twice,
    closed profiles that cross, pieces shorter than min_length (ten times Tollerance by default), units
    the settings do not fit. An empty list when nothing was found. preview
    names an SVG file that gets the result with the findings marked."""
    name = _name(dxf)
    picture = _name(preview)
    _, found = _call(lambda handle: _library.dxfelem_check(name, handle, float(min_length), picture),
                     _settings_handle(params, section, settings), _findings)
    return found


def _hosts_listing(blocks: bool, dxf, out, params, section) -> List[str]:
    name = _name(dxf)
    with tempfile.TemporaryDirectory(prefix="dxfelem-") as folder:
        list_file = _name(out) if out is not None else os.fsencode(os.path.join(folder, "list.txt"))
        _call(lambda handle: _library.dxfelem_list_for_hosts(name, list_file, 1 if blocks else 0, handle, b""),
              _settings_handle(params, section, None))
        with open(list_file, "rb") as listed:
            return [os.fsdecode(line) for line in listed.read().splitlines()]


def _own_listing(blocks: bool, dxf, out) -> Survey:
    names = (_name(dxf), _name(out))
    _, found = _call(lambda _: _library.dxfelem_list(names[0], names[1], 1 if blocks else 0), None, _survey)
    return found


def layers(dxf: PathName, out: Optional[PathName] = None, host: bool = False, params: Optional[PathName] = None,
           section: Optional[str] = None) -> List[str]:
    """The drawing's LAYER table, in order (written into out, one name per
    line, when given), as `dxfelem layers` lists it. With host=True the
    hosts' layer listing instead (DxfToLayersNet, with the settings of
    params and section), which also runs into group codes and other
    tables' names."""
    if host:
        return _hosts_listing(False, dxf, out, params, section)
    return _own_listing(False, dxf, out).table_layers


def blocks(dxf: PathName, out: Optional[PathName] = None, host: bool = False, params: Optional[PathName] = None,
           section: Optional[str] = None) -> Union[Dict[str, int], List[str]]:
    """The blocks a user places, each with its number of INSERTs (written
    into out as "NAME\tINSERTS" lines, when given), as `dxfelem blocks`
    lists them. With host=True the hosts' block listing instead: the block
    name of every INSERT, repeats included."""
    if host:
        return _hosts_listing(True, dxf, out, params, section)
    return _own_listing(True, dxf, out).blocks


def _drawing(function, element_file, out, force) -> Optional[bytes]:
    names = (_name(element_file), _name(out))
    _, document = _call(lambda _: function(names[0], names[1], 1 if force else 0), None, _document)
    return None if out is not None else document


def preview(element_file: PathName, svg: Optional[PathName] = None, force: bool = False) -> Optional[bytes]:
    """The element file drawn as SVG: into the file svg, or returned as
    bytes without it. Every layer in its colour with a legend, arcs as arcs,
    holes as circles, open profiles dashed, the start of every profile
    marked. A file that is not an element file is refused unless force; an
    svg that is the element file is refused (DxfelemError, code -1)."""
    return _drawing(_library.dxfelem_preview, element_file, svg, force)


def todxf(element_file: PathName, dxf: Optional[PathName] = None, force: bool = False) -> Optional[bytes]:
    """The element file written back as a plain DXF (LINE, ARC, CIRCLE,
    POINT, INSERT on the elements' layers): into the file dxf, or returned
    as bytes without it. Refusals as for preview."""
    return _drawing(_library.dxfelem_todxf, element_file, dxf, force)


def _settings_handle(params, section, settings):
    """A settings handle of the library (free it with dxfelem_settings_free)."""
    parameter_file, section_name = _settings(params, section)
    if settings is not None and parameter_file:
        raise ValueError("settings and params exclude each other: the settings are given, or read from a file")
    handle = _library.dxfelem_settings_new()
    if not handle:
        raise MemoryError("dxfelem: no memory for the settings")
    try:
        if parameter_file and not _library.dxfelem_settings_use_file(handle, parameter_file, section_name):
            raise ValueError("params and section must both name something")
        for key, value in (settings or {}).items():
            if not _library.dxfelem_settings_set(handle, os.fsencode(key), _setting_text(value)):
                raise ValueError(f"{key!r}: {value!r} cannot be a setting of a parameter file")
    except BaseException:
        _library.dxfelem_settings_free(handle)
        raise
    return handle


def rewrite(element_file: PathName, layer: str, operation: Union[str, int], a: float = 0.0, b: float = 0.0,
            params: Optional[PathName] = None, section: Optional[str] = None,
            settings: Optional[Mapping[str, object]] = None, force: bool = False) -> Result:
    """Changes the profiles of one layer of an element file in place.
    operation is one of OPERATIONS (or its number): extend-start by a,
    extend-end by b, extend-both, directions (the result's value1 and value2
    are the directions at start and end; the file keeps its bytes), lead-in
    and lead-out (a tangent arc to or from the end point moved by a, b).
    The file is written with the settings' DecimaliTxt. A file that is not
    an element file (unless force), a file of more elements than the
    rewriting reads, and a layer without elements are refused, the file
    left as it was: DxfelemError with code -1 and the reason."""
    number = OPERATIONS[operation] if isinstance(operation, str) else int(operation)
    name = _name(element_file)
    try:
        report, (value1, value2) = _call(
            lambda handle: _library.dxfelem_rewrite(name, os.fsencode(layer), number, a, b, handle, 1 if force else 0,
                                                    b""),
            _settings_handle(params, section, settings))
    except DxfelemError as error:
        report = error.result
        value1, value2 = a, b
    result = Result(returned=1 if report.ok else 0, status=500 + report.code, error_code=report.code,
                    has_file_name=bool(report.file_name), file_name=report.file_name, value1=value1, value2=value2)
    # An unknown operation is answered with success and code 19: a failure all the same.
    if not report.ok or report.code != 0:
        raise DxfelemError(report.code, report.file_name or None, result, report.message)
    return result


def version() -> str:
    """The version of this package (and of the library it was installed with)."""
    try:
        from . import _location

        return _location.VERSION
    except ImportError:
        return "unknown"
