"""Every example of docs/python.md runs as it stands, in a folder holding the
example drawing and its parameter file."""

import contextlib
import io
import os
import re
import shutil
import tempfile
import unittest

SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


class DocsTest(unittest.TestCase):
    def test_every_example_runs(self):
        with open(os.path.join(SOURCE, "docs", "python.md")) as page:
            examples = re.findall(r"```python\n(.*?)```", page.read(), re.S)
        self.assertGreaterEqual(len(examples), 4)
        here = os.getcwd()
        with tempfile.TemporaryDirectory(prefix="dxfelem-docs-") as folder:
            shutil.copy(os.path.join(SOURCE, "examples", "panel.dxf"), folder)
            shutil.copy(os.path.join(SOURCE, "examples", "panel.ini"), os.path.join(folder, "cam.ini"))
            os.chdir(folder)
            try:
                for number, example in enumerate(examples, 1):
                    printed = io.StringIO()
                    with contextlib.redirect_stdout(printed):
                        exec(compile(example, f"docs/python.md example {number}", "exec"), {})
                    self.assertTrue(printed.getvalue(), f"example {number} printed nothing")
                # The refused conversion left the drawing as it was.
                with open("panel.dxf", "rb") as drawing, open(os.path.join(SOURCE, "examples", "panel.dxf"),
                                                               "rb") as original:
                    self.assertEqual(drawing.read(), original.read())
                self.assertFalse(os.path.exists("keep.txt"))
            finally:
                os.chdir(here)


if __name__ == "__main__":
    unittest.main()
