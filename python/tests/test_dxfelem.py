"""The Python package over the installed library, as an ezdxf user calls it: each
function once through its common path and its failures. What the figures mean is
the library's, tested with it; here, that the package carries them whole.

Run with the installed package on the path:
    PYTHONPATH=PREFIX/lib/python3/dist-packages python3 -m unittest discover -s python/tests
"""

import glob
import json
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

import dxfelem

SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
EXAMPLE = os.path.join(SOURCE, "examples", "panel.dxf")
# The tool installed beside the module, to compare its figures with the module's.
TOOL = os.environ.get("DXFELEM_TOOL") or shutil.which("dxfelem")


def read(path, mode="rb"):
    with open(path, mode) as file:
        return file.read()


def write(path, content):
    with open(path, "wb" if isinstance(content, bytes) else "w") as file:
        file.write(content)
    return path


class PackageTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="dxfelem-python-")
        self.addCleanup(shutil.rmtree, self.folder)

    def path(self, name):
        return os.path.join(self.folder, name)

    def assertFails(self, code, function, *arguments, **keywords):
        with self.assertRaises(dxfelem.DxfelemError) as raised:
            function(*arguments, **keywords)
        self.assertEqual(raised.exception.code, code)
        return raised.exception

    def test_convert_with_a_parameter_file_or_the_same_keys_in_memory(self):
        settings = shutil.copy(os.path.join(SOURCE, "examples", "panel.ini"), self.path("panel.ini"))
        report = dxfelem.convert(EXAMPLE, self.path("file.txt"), params=settings, section="Panel",
                                 done=self.path("panel.done"))
        self.assertEqual((report.ok, report.code, report.status), (True, 0, 500))
        self.assertEqual(report.message, f"converted {EXAMPLE} into {self.path('file.txt')}")
        self.assertEqual(read(self.path("panel.done")), b"1")
        self.assertIn("Connect=1", read(settings, "r"))
        keys = dict(line.split("=", 1) for line in read(settings, "r").split("[Panel]")[1].split("[")[0].split()
                    if "=" in line)
        dxfelem.convert(os.fsencode(EXAMPLE), self.path("memory.txt"), settings=keys)
        self.assertEqual(read(self.path("file.txt")), read(self.path("memory.txt")))
        self.assertEqual(sorted(os.listdir(self.folder)), ["file.txt", "memory.txt", "panel.done", "panel.ini"])
        for wrong in ({"settings": {"A=B": 1}}, {"settings": {"Connect": 1}, "params": settings, "section": "Panel"},
                      {"params": settings}):
            with self.assertRaises(ValueError):
                dxfelem.convert(EXAMPLE, self.path("x.txt"), **wrong)

    def test_the_report_says_what_was_left_out_and_info_writes_nothing(self):
        drawing = write(self.path("d.dxf"), "0\nSECTION\n2\nENTITIES\n0\nHATCH\n8\nH\n0\nINSERT\n8\nI\n2\nDOOR\n"
                                            "0\nLINE\n8\nL\n11\n1\n0\nENDSEC\n0\nEOF\n")
        report = dxfelem.convert(drawing, self.path("o.txt"))
        self.assertEqual((report.read, report.made, report.layers), ({"HATCH": 1, "INSERT": 1, "LINE": 1},
                                                                     {"LINE": 1}, {"L": (1, 2)}))
        self.assertEqual([(left.count, left.what, left.why) for left in report.left_out],
                         [(1, "HATCH", "this kind is not converted"),
                          (1, "INSERT",
                           "block DOOR is defined nowhere in the drawing, nor named in McrBlock, SubBlock or OprBlock")])
        os.remove(self.path("o.txt"))
        asked = dxfelem.info(drawing, settings={"EscludeBlocchi": 1})
        self.assertEqual(sorted(os.listdir(self.folder)), ["d.dxf"])
        self.assertEqual([(left.kind, left.why) for left in asked.left_out],
                         [("HATCH", "this kind is not converted"), ("INSERT", "EscludeBlocchi is not 0")])

    def test_failures_are_exceptions_and_inputs_are_never_outputs(self):
        missing = self.failureOf(8, self.path("missing.dxf"))
        self.assertEqual((missing.file_name, missing.result.status), (self.path("missing.dxf"), 508))
        self.assertIn("(code 8)", str(missing))
        self.failureOf(13, write(self.path("notes.dxf"), "just some notes\n"))
        self.failureOf(41, write(self.path("empty.dxf"), "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n"))
        drawing = shutil.copy(EXAMPLE, self.path("s.dxf"))
        self.assertIn("is the drawing", str(self.assertFails(-1, dxfelem.convert, drawing, drawing)))
        keep = write(self.path("keep.txt"), b"mine")
        with self.assertRaises(ValueError):
            dxfelem.convert(drawing, keep + "\0.new")
        self.assertEqual((read(drawing), read(keep)), (read(EXAMPLE), b"mine"))

    def failureOf(self, code, drawing):
        return self.assertFails(code, dxfelem.convert, drawing, self.path("out.txt"))

    def test_listings_the_hosts_and_the_drawings_own(self):
        drawing = write(self.path("a.dxf"), "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n70\n2\n0\nLAYER\n2\n0\n70\n0\n"
                                            "0\nLAYER\n2\nWALLS\n70\n0\n0\nENDTAB\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n"
                                            "0\nINSERT\n8\n0\n2\nA\n0\nINSERT\n2\nB\n0\nINSERT\n2\nA\n0\nENDSEC\n0\nEOF\n")
        before = read(drawing)
        self.assertEqual(dxfelem.layers(drawing), ["0", "WALLS"])
        self.assertEqual(dxfelem.layers(drawing, host=True), ["0", "WALLS"])
        listed = self.path("blocks.txt")
        self.assertEqual(dxfelem.blocks(drawing, out=listed, host=True), ["A", "B", "A"])
        self.assertEqual(read(listed), b"A\r\nB\r\nA\r\n")
        self.assertEqual(dxfelem.blocks(drawing, out=listed), {"A": 2, "B": 1})
        self.assertEqual(read(listed), b"A\t2\nB\t1\n")
        self.assertFails(8, dxfelem.layers, self.path("missing.dxf"))
        for host in (False, True):
            self.assertFails(-1, dxfelem.blocks, drawing, out=drawing, host=host)
        self.assertEqual(read(drawing), before)

    def test_the_survey_tells_facts_per_layer_and_where_a_drawing_breaks(self):
        drawing = write(self.path("a.dxf"), "0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n4\n0\nENDSEC\n0\nSECTION\n2\n"
                                            "ENTITIES\n0\nTEXT\n8\nT\n1\nhi\n0\nHATCH\n8\nH\n0\nLINE\n8\nT\nbroken\n")
        found = dxfelem.survey(drawing, settings={"Testo": 0})
        self.assertEqual((found.insunits, found.entities), (4, {"T": {"TEXT": 1, "LINE": 1}, "H": {"HATCH": 1}}))
        self.assertEqual([(left.count, left.what, left.why) for left in found.left_out["T"]],
                         [(1, "TEXT and MTEXT", "Testo is 0")])
        self.assertEqual((found.problem, len(found.warnings)), ('line 29: "broken" is not a group code', 1))
        self.assertFails(8, dxfelem.survey, self.path("missing.dxf"))

    def test_the_check_draws_its_picture(self):
        drawing = write(self.path("gap.dxf"), "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nCUT\n11\n10\n0\nENDSEC\n0\nEOF\n")
        found = dxfelem.check(drawing, preview=self.path("gap.svg"))
        self.assertEqual([finding.kind for finding in found], ["open profile"])
        self.assertIn('stroke="red"', read(self.path("gap.svg"), "r"))

    def test_pictures_and_dxfs_go_into_their_file_or_come_back_and_never_replace_their_source(self):
        elements = self.path("panel.txt")
        dxfelem.convert(EXAMPLE, elements)
        before = read(elements)
        self.assertTrue(dxfelem.todxf(elements).startswith(b"  0\nSECTION\n"))
        picture = self.path("panel.svg")
        self.assertIsNone(dxfelem.preview(elements, picture))
        self.assertEqual(read(picture), dxfelem.preview(elements))
        for function in (dxfelem.preview, dxfelem.todxf):
            self.assertFails(-1, function, elements, elements)
            with self.assertRaises(ValueError):
                function(elements, picture + "\0.new")
        self.assertEqual(read(elements), before)
        noise = write(self.path("noise.txt"), "not an element file\n")
        self.assertIn("is not an element file", str(self.assertFails(-1, dxfelem.preview, noise)))
        self.assertTrue(dxfelem.preview(noise, force=True).startswith(b"<svg "))

    def test_rewriting_answers_changes_and_refuses(self):
        elements = self.path("panel.txt")
        dxfelem.convert(EXAMPLE, elements)
        original = read(elements)
        # The example's open profiles (no face with the built-in settings); the
        # last one is the groove's straight end, downwards. A question changes nothing.
        result = dxfelem.rewrite(elements, "GROOVE", "directions")
        self.assertEqual((result.status, result.value1, result.value2), (500, 270.0, 270.0))
        self.assertEqual(read(elements), original)
        dxfelem.rewrite(elements, "GROOVE", "extend-both", a=5.0, b=5.0)
        self.assertNotEqual(read(elements), original)
        self.assertFails(19, dxfelem.rewrite, elements, "GROOVE", 7)
        with self.assertRaises(KeyError):
            dxfelem.rewrite(elements, "GROOVE", "sharpen")
        line = b"INI,     1,0.00000     ,0.00000     ,0.00000     ,0.00000     ,L,*\r\n"
        ending = b"FIN,     1,1.00000     ,0.00000     ,0.00000     ,0.00000     ,L,*\r\n"
        for name, content in {"noise.txt": bytes(range(256)) * 4, "drawing.txt": read(EXAMPLE),
                              "many.txt": (line + ending) * 65546}.items():
            path = write(self.path(name), content)
            refused = self.assertFails(-1, dxfelem.rewrite, path, "L", "extend-both", a=1.0, b=1.0,
                                       force=name == "many.txt")
            self.assertEqual(read(path), content, name)
        self.assertIn("more than the 65536", str(refused))

    def test_a_library_that_is_not_dxfelem_is_passed_over(self):
        environment = dict(os.environ, DXFELEM_LIBRARY="libc.so.6")
        run = subprocess.run([sys.executable, "-c", "import dxfelem"], env=environment, capture_output=True, text=True)
        self.assertEqual(run.returncode, 0, run.stderr)


@unittest.skipUnless(TOOL, "the tool is not installed beside the module")
class ToolTest(unittest.TestCase):
    def test_the_tool_and_the_module_tell_the_same_figures_of_every_corpus_drawing(self):
        drawings = sorted(glob.glob(os.path.join(SOURCE, "tests", "data", "corpus", "*.dxf")))
        self.assertGreater(len(drawings), 10)
        for drawing in drawings:
            with self.subTest(drawing=os.path.basename(drawing)):
                tool = json.loads(subprocess.run([TOOL, "info", drawing, "--json"], capture_output=True,
                                                 check=True).stdout)
                found, asked = dxfelem.survey(drawing), dxfelem.info(drawing)
                self.assertEqual(tool["layers"], found.table_layers)
                self.assertEqual(tool["blocks"], found.blocks)
                self.assertEqual(json.loads(subprocess.run([TOOL, "blocks", drawing, "--json"], capture_output=True,
                                                           check=True).stdout), dxfelem.blocks(drawing))
                self.assertEqual(tool["entitiesPerLayer"],
                                 {layer: sum(kinds.values()) for layer, kinds in found.entities.items()})
                self.assertEqual(tool["skipped"],
                                 [{"count": left.count, "what": left.what, "why": left.why} for left in asked.left_out])
                check = subprocess.run([TOOL, "check", drawing, "--json"], capture_output=True)
                self.assertEqual(len(json.loads(check.stdout)["findings"]), len(dxfelem.check(drawing)))


if __name__ == "__main__":
    unittest.main()
