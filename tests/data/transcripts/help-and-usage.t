Help, the version, and the usage errors: a usage error is one line on
standard error that points to the help, with exit status 2.

  $ dxfelem --help | head -3
  usage: dxfelem convert IN.dxf OUT.txt [--params FILE.ini --section NAME] [--done FILE] [--json]
                         [--summary] [--preview FILE.svg] [--quiet]
         dxfelem convert A.dxf B.dxf ... --out-dir DIR [-j N] [--params FILE.ini --section NAME]
  $ for command in convert layers blocks rewrite info preview todxf; do
  >   dxfelem $command --help > help.txt || echo "$command failed"
  >   head -1 help.txt | grep -q "^usage: dxfelem $command" || echo "$command: no usage"
  >   grep -q "example: dxfelem $command" help.txt || echo "$command: no example"
  >   if grep -q "Exit status" help.txt; then echo "$command: the whole page"; fi
  > done
  $ dxfelem --version | sed 's/[0-9.]*$/N/'
  dxfelem N
  $ dxfelem
  dxfelem: no command given (dxfelem --help lists the commands)
  [2]
  $ dxfelem frobnicate
  dxfelem: unknown command frobnicate (dxfelem --help lists the commands)
  [2]
  $ dxfelem convert
  dxfelem: convert needs the DXF file and the element file to write (or --out-dir for several) (dxfelem --help lists the commands; dxfelem convert --help its options)
  [2]
  $ dxfelem convert a.dxf
  dxfelem: convert needs the DXF file and the element file to write (or --out-dir for several) (dxfelem --help lists the commands; dxfelem convert --help its options)
  [2]
  $ dxfelem convert a.dxf b.txt c.txt
  dxfelem: convert needs the DXF file and the element file to write (or --out-dir for several) (dxfelem --help lists the commands; dxfelem convert --help its options)
  [2]
  $ dxfelem convert a.dxf b.txt --params p.ini
  dxfelem: --params and --section go together: the settings are a section of the parameter file (dxfelem --help lists the commands; dxfelem convert --help its options)
  [2]
  $ dxfelem convert a.dxf b.txt --section S
  dxfelem: --params and --section go together: the settings are a section of the parameter file (dxfelem --help lists the commands; dxfelem convert --help its options)
  [2]
  $ dxfelem convert a.dxf b.txt --done
  dxfelem: --done: 1 required TEXT missing (dxfelem --help lists the commands; dxfelem convert --help its options)
  [2]
  $ dxfelem convert a.dxf b.txt --fast
  dxfelem: The following argument was not expected: --fast (dxfelem --help lists the commands; dxfelem convert --help its options)
  [2]
  $ dxfelem rewrite a.txt --op directions
  dxfelem: --layer is required (dxfelem --help lists the commands; dxfelem rewrite --help its options)
  [2]
  $ dxfelem rewrite a.txt --layer L
  dxfelem: --op is required (dxfelem --help lists the commands; dxfelem rewrite --help its options)
  [2]
  $ dxfelem rewrite a.txt --layer L --op x
  dxfelem: unknown operation x (dxfelem --help lists the commands; dxfelem rewrite --help its options)
  [2]
  $ dxfelem rewrite a.txt --layer L --op 1 --a five
  dxfelem: --a needs a number, not five (dxfelem --help lists the commands; dxfelem rewrite --help its options)
  [2]
  $ dxfelem layers
  dxfelem: the listing needs the DXF file (dxfelem --help lists the commands; dxfelem layers --help its options)
  [2]
  $ dxfelem blocks a b c
  dxfelem: the listing needs the DXF file (dxfelem --help lists the commands; dxfelem blocks --help its options)
  [2]
  $ dxfelem layers a --summary
  dxfelem: The following argument was not expected: --summary (dxfelem --help lists the commands; dxfelem layers --help its options)
  [2]

The message goes to standard error, not standard output.

  $ dxfelem frobnicate 2>/dev/null
  [2]
