"""The Python package over the installed library, as an ezdxf user calls it.

Run with the installed package on the path:
    PYTHONPATH=PREFIX/lib/python3/dist-packages python3 -m unittest discover -s python/tests
"""

import dataclasses
import glob
import json
import os
import shutil
import subprocess
import tempfile
import unittest

import dxfelem

SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
EXAMPLE = os.path.join(SOURCE, "examples", "panel.dxf")
EXAMPLE_SETTINGS = os.path.join(SOURCE, "examples", "panel.ini")
# The tool installed beside the module, to compare its figures with the module's.
TOOL = os.environ.get("DXFELEM_TOOL") or shutil.which("dxfelem")


class ConvertTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="dxfelem-python-")
        self.addCleanup(shutil.rmtree, self.folder)

    def path(self, name):
        return os.path.join(self.folder, name)

    def assertConversionFails(self, name, text, code):
        """Converting a drawing of this text raises DxfelemError with the code."""
        with open(self.path(name), "w") as drawing:
            drawing.write(text)
        with self.assertRaises(dxfelem.DxfelemError) as raised:
            dxfelem.convert(self.path(name), self.path("out.txt"))
        self.assertEqual(raised.exception.code, code)

    def test_the_example_converts_with_its_settings_written_back(self):
        settings = shutil.copy(EXAMPLE_SETTINGS, self.path("panel.ini"))
        report = dxfelem.convert(EXAMPLE, self.path("panel.txt"), params=settings, section="Panel",
                                 done=self.path("panel.done"))
        self.assertTrue(dataclasses.is_dataclass(report))
        self.assertEqual((report.ok, report.code, report.status), (True, 0, 500))
        self.assertEqual(report.message, f"converted {EXAMPLE} into {self.path('panel.txt')}")
        with open(self.path("panel.txt"), "rb") as elements:
            lines = elements.read().split(b"\r\n")
        self.assertGreater(len(lines), 100)
        self.assertTrue(lines[0].startswith(b"INI"), lines[0])
        with open(self.path("panel.done"), "rb") as done:
            self.assertEqual(done.read(), b"1")
        with open(settings, encoding="latin-1") as written:
            self.assertIn("Connect=1", written.read())

    def test_the_built_in_settings_give_what_the_tool_gives(self):
        first = dxfelem.convert(EXAMPLE, self.path("a.txt"))
        second = dxfelem.convert(os.fsencode(EXAMPLE), self.path("b.txt"))
        self.assertEqual((first.read, first.left_out), (second.read, second.left_out))
        with open(self.path("a.txt"), "rb") as a, open(self.path("b.txt"), "rb") as b:
            self.assertEqual(a.read(), b.read())
        self.assertEqual(sorted(os.listdir(self.folder)), ["a.txt", "b.txt"])

    def test_settings_given_as_keys_are_read_as_a_parameter_files(self):
        settings = shutil.copy(EXAMPLE_SETTINGS, self.path("panel.ini"))
        dxfelem.convert(EXAMPLE, self.path("file.txt"), params=settings, section="Panel")
        with open(EXAMPLE_SETTINGS, encoding="latin-1") as ini:
            keys = {}
            section = None
            for line in ini.read().splitlines():
                if line.startswith("["):
                    section = line.strip("[]")
                elif section == "Panel" and "=" in line:
                    key, value = line.split("=", 1)
                    keys[key.strip()] = value.strip()
        report = dxfelem.convert(EXAMPLE, self.path("memory.txt"), settings=keys)
        with open(self.path("file.txt"), "rb") as a, open(self.path("memory.txt"), "rb") as b:
            self.assertEqual(a.read(), b.read())
        self.assertEqual(sorted(os.listdir(self.folder)), ["file.txt", "memory.txt", "panel.ini"])
        self.assertEqual(report.read["LINE"] > 0, True)
        with self.assertRaises(ValueError):
            dxfelem.convert(EXAMPLE, self.path("x.txt"), settings={"A=B": 1})
        with self.assertRaises(ValueError):
            dxfelem.convert(EXAMPLE, self.path("x.txt"), settings={"Connect": 1}, params=settings, section="Panel")

    def test_what_the_conversion_left_out_is_in_its_report(self):
        with open(self.path("d.dxf"), "w") as drawing:
            drawing.write("0\nSECTION\n2\nENTITIES\n0\nHATCH\n8\nH\n0\nINSERT\n8\nI\n2\nDOOR\n"
                          "0\nLINE\n8\nL\n11\n1\n0\nENDSEC\n0\nEOF\n")
        report = dxfelem.convert(self.path("d.dxf"), self.path("o.txt"))
        self.assertEqual(report.read, {"HATCH": 1, "INSERT": 1, "LINE": 1})
        self.assertEqual([(left.count, left.what) for left in report.left_out],
                         [(1, "HATCH"), (1, "INSERT")])
        self.assertEqual(report.left_out[1].why,
                         "block DOOR is defined nowhere in the drawing, nor named in McrBlock, SubBlock or OprBlock")
        self.assertEqual(report.made, {"LINE": 1})
        self.assertEqual(report.layers, {"L": (1, 2)})
        # info asks the same of a trial conversion, and writes nothing.
        before = sorted(os.listdir(self.folder))
        asked = dxfelem.info(self.path("d.dxf"), settings={"EscludeBlocchi": 1})
        self.assertEqual(sorted(os.listdir(self.folder)), before)
        self.assertEqual([(left.kind, left.why) for left in asked.left_out],
                         [("HATCH", "this kind is not converted"), ("INSERT", "EscludeBlocchi is not 0")])

    def test_outputs_that_are_inputs_and_cut_names_are_refused(self):
        drawing = shutil.copy(EXAMPLE, self.path("s.dxf"))
        with open(drawing, "rb") as before:
            original = before.read()
        with open(self.path("keep.txt"), "wb") as keep:
            keep.write(b"mine")
        with self.assertRaises(ValueError):
            dxfelem.convert(drawing, self.path("keep.txt") + "\0.new")
        with self.assertRaises(dxfelem.DxfelemError) as raised:
            dxfelem.convert(drawing, drawing)
        self.assertEqual(raised.exception.code, -1)
        self.assertIn("is the drawing", str(raised.exception))
        with open(drawing, "rb") as after:
            self.assertEqual(after.read(), original)
        with open(self.path("keep.txt"), "rb") as keep:
            self.assertEqual(keep.read(), b"mine")

    def test_failures_are_exceptions_with_the_code_and_the_file(self):
        missing = self.path("missing.dxf")
        with self.assertRaises(dxfelem.DxfelemError) as raised:
            dxfelem.convert(missing, self.path("out.txt"))
        self.assertEqual(raised.exception.code, 8)
        self.assertEqual(raised.exception.file_name, missing)
        self.assertEqual(raised.exception.result.status, 508)
        self.assertIn("(code 8)", str(raised.exception))

        self.assertConversionFails("notes.dxf", "just some notes\n", 13)
        self.assertConversionFails("empty.dxf", "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n", 41)

        with self.assertRaises(ValueError):
            dxfelem.convert(EXAMPLE, self.path("out.txt"), params=self.path("p.ini"))


class LoadingTest(unittest.TestCase):
    def test_a_library_that_is_not_dxfelem_is_an_import_error(self):
        import subprocess
        import sys
        environment = dict(os.environ, DXFELEM_LIBRARY="libc.so.6")
        run = subprocess.run([sys.executable, "-c", "import dxfelem"], env=environment, capture_output=True,
                             text=True)
        # The next place is tried: the installed library loads all the same.
        self.assertEqual(run.returncode, 0, run.stderr)


class ListingTest(unittest.TestCase):
    DRAWING = ("0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n70\n2\n0\nLAYER\n2\n0\n70\n0\n"
               "0\nLAYER\n2\nWALLS\n70\n0\n0\nENDTAB\n0\nENDSEC\n"
               "0\nSECTION\n2\nENTITIES\n0\nINSERT\n8\n0\n2\nA\n0\nINSERT\n2\nB\n0\nINSERT\n2\nA\n"
               "0\nLINE\n8\nL\n10\n0\n20\n0\n11\n0\n21\n10\n0\nENDSEC\n0\nEOF\n")

    def test_layers_and_blocks_as_the_library_lists_them(self):
        with tempfile.TemporaryDirectory() as folder:
            drawing = os.path.join(folder, "a.dxf")
            with open(drawing, "w") as dxf:
                dxf.write(self.DRAWING)
            self.assertEqual(dxfelem.layers(drawing), ["0", "WALLS"])
            self.assertEqual(dxfelem.layers(drawing, host=True), ["0", "WALLS"])
            # The hosts' listing: one name per INSERT, repeats included.
            listed = os.path.join(folder, "blocks.txt")
            self.assertEqual(dxfelem.blocks(drawing, out=listed, host=True), ["A", "B", "A"])
            with open(listed, "rb") as blocks:
                self.assertEqual(blocks.read(), b"A\r\nB\r\nA\r\n")
            # The drawing's own: each block with its INSERTs, as the tool lists them.
            self.assertEqual(dxfelem.blocks(drawing, out=listed), {"A": 2, "B": 1})
            with open(listed, "rb") as blocks:
                self.assertEqual(blocks.read(), b"A\t2\nB\t1\n")
            if TOOL:
                tool = subprocess.run([TOOL, "blocks", drawing, "--json"], capture_output=True, check=True)
                self.assertEqual(json.loads(tool.stdout), dxfelem.blocks(drawing))
            with self.assertRaises(dxfelem.DxfelemError) as raised:
                dxfelem.layers(os.path.join(folder, "missing.dxf"))
            self.assertEqual(raised.exception.code, 8)
            # A list file that is the drawing is refused; the drawing stays.
            for host in (False, True):
                with self.assertRaises(dxfelem.DxfelemError) as raised:
                    dxfelem.blocks(drawing, out=drawing, host=host)
                self.assertEqual(raised.exception.code, -1)
            with open(drawing) as dxf:
                self.assertEqual(dxf.read(), self.DRAWING)


class SurveyTest(unittest.TestCase):
    @unittest.skipUnless(TOOL, "the tool is not installed beside the module")
    def test_the_tool_and_the_module_tell_the_same_figures_of_every_corpus_drawing(self):
        drawings = sorted(glob.glob(os.path.join(SOURCE, "tests", "data", "corpus", "*.dxf")))
        self.assertGreater(len(drawings), 10)
        for drawing in drawings:
            with self.subTest(drawing=os.path.basename(drawing)):
                tool = json.loads(subprocess.run([TOOL, "info", drawing, "--json"], capture_output=True,
                                                 check=True).stdout)
                found = dxfelem.survey(drawing)
                asked = dxfelem.info(drawing)
                self.assertEqual(tool["layers"], found.table_layers)
                self.assertEqual(tool["blocks"], found.blocks)
                self.assertEqual(tool["entitiesPerLayer"],
                                 {layer: sum(kinds.values()) for layer, kinds in found.entities.items()})
                self.assertEqual(tool["skipped"],
                                 [{"count": left.count, "what": left.what, "why": left.why} for left in asked.left_out])

    def test_facts_per_layer_and_where_a_drawing_breaks(self):
        with tempfile.TemporaryDirectory() as folder:
            drawing = os.path.join(folder, "a.dxf")
            with open(drawing, "w") as dxf:
                dxf.write("0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n4\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n"
                          "0\nTEXT\n8\nT\n1\nhi\n0\nHATCH\n8\nH\n0\nLINE\n8\nT\nbroken\n")
            found = dxfelem.survey(drawing, settings={"Testo": 0})
            self.assertEqual(found.insunits, 4)
            self.assertEqual(found.entities, {"T": {"TEXT": 1, "LINE": 1}, "H": {"HATCH": 1}})
            self.assertEqual([(left.count, left.what, left.why) for left in found.left_out["T"]],
                             [(1, "TEXT and MTEXT", "Testo is 0")])
            self.assertEqual(found.problem, 'line 29: "broken" is not a group code')
            self.assertEqual(len(found.warnings), 1)
            with self.assertRaises(dxfelem.DxfelemError) as raised:
                dxfelem.survey(os.path.join(folder, "missing.dxf"))
            self.assertEqual(raised.exception.code, 8)


class CheckTest(unittest.TestCase):
    def test_the_check_finds_what_the_tool_finds(self):
        with tempfile.TemporaryDirectory() as folder:
            drawing = os.path.join(folder, "gap.dxf")
            with open(drawing, "w") as dxf:
                dxf.write("0\nSECTION\n2\nENTITIES\n"
                          "0\nLINE\n8\nCUT\n10\n0\n20\n0\n11\n10\n21\n0\n"
                          "0\nLINE\n8\nCUT\n10\n10\n20\n0\n11\n10\n21\n10\n"
                          "0\nLINE\n8\nCUT\n10\n10\n20\n10\n11\n0\n21\n0.0195\n0\nENDSEC\n0\nEOF\n")
            picture = os.path.join(folder, "gap.svg")
            found = dxfelem.check(drawing, settings={"Tollerance": 0.01}, preview=picture)
            with open(picture) as svg:
                self.assertIn('stroke="red"', svg.read())
            self.assertEqual([finding.kind for finding in found], ["open profile", "advice"])
            self.assertEqual(found[1].figure, 0.02)
            if TOOL:
                tool = subprocess.run([TOOL, "check", drawing, "--json"], capture_output=True)
                self.assertEqual(tool.returncode, 3)
                self.assertEqual(len(json.loads(tool.stdout)["findings"]), 0 + len(dxfelem.check(drawing)))


class PictureTest(unittest.TestCase):
    def test_pictures_and_dxfs_go_into_their_file_or_come_back_and_never_replace_their_source(self):
        with tempfile.TemporaryDirectory() as folder:
            elements = os.path.join(folder, "panel.txt")
            dxfelem.convert(EXAMPLE, elements)
            with open(elements, "rb") as source:
                before = source.read()
            self.assertTrue(dxfelem.preview(elements).startswith(b"<svg "))
            self.assertTrue(dxfelem.todxf(elements).startswith(b"  0\nSECTION\n"))
            picture = os.path.join(folder, "panel.svg")
            self.assertIsNone(dxfelem.preview(elements, picture))
            with open(picture, "rb") as drawn:
                self.assertEqual(drawn.read(), dxfelem.preview(elements))
            for function in (dxfelem.preview, dxfelem.todxf):
                with self.assertRaises(dxfelem.DxfelemError) as raised:
                    function(elements, elements)
                self.assertEqual(raised.exception.code, -1)
                with self.assertRaises(ValueError):
                    function(elements, picture + "\0.new")
            with open(elements, "rb") as source:
                self.assertEqual(source.read(), before)
            noise = os.path.join(folder, "noise.txt")
            with open(noise, "w") as text:
                text.write("not an element file\n")
            with self.assertRaises(dxfelem.DxfelemError) as raised:
                dxfelem.preview(noise)
            self.assertIn("is not an element file", str(raised.exception))
            self.assertTrue(dxfelem.preview(noise, force=True).startswith(b"<svg "))


class RewriteTest(unittest.TestCase):
    def test_directions_extension_and_unknown_operations(self):
        with tempfile.TemporaryDirectory() as folder:
            elements = os.path.join(folder, "panel.txt")
            dxfelem.convert(EXAMPLE, elements)
            with open(elements, "rb") as before:
                original = before.read()
            layer = "GROOVE"  # the example's open profiles (no face with the built-in settings)

            result = dxfelem.rewrite(elements, layer, "directions")
            self.assertEqual(result.status, 500)
            # The last profile of the layer: the groove's straight end, downwards.
            self.assertEqual((result.value1, result.value2), (270.0, 270.0))

            dxfelem.rewrite(elements, layer, "extend-both", a=5.0, b=5.0)
            with open(elements, "rb") as after:
                self.assertNotEqual(after.read(), original)

            with self.assertRaises(dxfelem.DxfelemError) as raised:
                dxfelem.rewrite(elements, layer, 7)
            self.assertEqual(raised.exception.code, 19)
            with self.assertRaises(KeyError):
                dxfelem.rewrite(elements, layer, "sharpen")

    def test_what_is_not_an_element_file_is_never_rewritten(self):
        with tempfile.TemporaryDirectory() as folder:
            elements = os.path.join(folder, "panel.txt")
            dxfelem.convert(EXAMPLE, elements)
            with open(elements, "rb") as before:
                original = before.read()
            # A question leaves the file's bytes as they were.
            dxfelem.rewrite(elements, "GROOVE", "directions")
            with open(elements, "rb") as after:
                self.assertEqual(after.read(), original)
            line = b"INI,     1,0.00000     ,0.00000     ,0.00000     ,0.00000     ,L,*\r\n"
            ending = b"FIN,     1,1.00000     ,0.00000     ,0.00000     ,0.00000     ,L,*\r\n"
            with open(EXAMPLE, "rb") as drawing:
                cases = {"noise.txt": bytes(range(256)) * 4, "drawing.txt": drawing.read(),
                         "many.txt": (line + ending) * 65546}
            for name, content in cases.items():
                path = os.path.join(folder, name)
                with open(path, "wb") as file:
                    file.write(content)
                with self.assertRaises(dxfelem.DxfelemError) as raised:
                    dxfelem.rewrite(path, "L", "extend-both", a=1.0, b=1.0, force=name == "many.txt")
                self.assertEqual(raised.exception.code, -1, name)
                with open(path, "rb") as after:
                    self.assertEqual(after.read(), content, name)
            self.assertIn("more than the 65536", str(raised.exception))


if __name__ == "__main__":
    unittest.main()
