"""The Python package over the installed library, as an ezdxf user calls it.

Run with the installed package on the path:
    PYTHONPATH=PREFIX/lib/python3/dist-packages python3 -m unittest discover -s python/tests
"""

import dataclasses
import os
import shutil
import tempfile
import unittest

import dxfelem

SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
EXAMPLE = os.path.join(SOURCE, "examples", "panel.dxf")
EXAMPLE_SETTINGS = os.path.join(SOURCE, "examples", "panel.ini")


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
        result = dxfelem.convert(EXAMPLE, self.path("panel.txt"), params=settings, section="Panel",
                                 done=self.path("panel.done"))
        self.assertTrue(dataclasses.is_dataclass(result))
        self.assertEqual((result.returned, result.status, result.error_code), (1, 500, 0))
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
        self.assertEqual(first, second)
        with open(self.path("a.txt"), "rb") as a, open(self.path("b.txt"), "rb") as b:
            self.assertEqual(a.read(), b.read())
        self.assertEqual(sorted(os.listdir(self.folder)), ["a.txt", "b.txt"])

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
            # One name per INSERT, repeats included.
            listed = os.path.join(folder, "blocks.txt")
            self.assertEqual(dxfelem.blocks(drawing, out=listed), ["A", "B", "A"])
            with open(listed, "rb") as blocks:
                self.assertEqual(blocks.read(), b"A\r\nB\r\nA\r\n")
            with self.assertRaises(dxfelem.DxfelemError) as raised:
                dxfelem.layers(os.path.join(folder, "missing.dxf"))
            self.assertEqual(raised.exception.code, 8)


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


if __name__ == "__main__":
    unittest.main()
