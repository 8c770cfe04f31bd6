Stopped while it writes (the shim takes unnamed temporary files away and
sends the signal at the first write into the named temporary beside the
element file), the tool removes its temporary and dies of the signal, as
programs do: the old element file is as it was.

  $ python3 -c 'print("0\nSECTION\n2\nENTITIES", *("0\nLINE\n8\nL\n10\n%d\n20\n0\n11\n%d\n21\n0" % (i, i + 1) for i in range(3000)), "0\nENDSEC\n0\nEOF", sep="\n")' > a.dxf
  $ mkdir out && printf "yesterday's elements" > out/a.txt
  $ for signal in 2 15 1; do
  >   LD_PRELOAD="$FAILING_OPEN" DXFELEM_NO_TMPFILE=1 DXFELEM_SIGNAL_AT_WRITE=$signal dxfelem convert a.dxf out/a.txt
  >   echo "exit status $?: $(ls out) $(cat out/a.txt)"
  > done
  exit status 130: a.txt yesterday's elements
  Terminated
  exit status 143: a.txt yesterday's elements
  Hangup
  exit status 129: a.txt yesterday's elements

Without a signal the same run replaces the file through the named
temporary, as it always has.

  $ LD_PRELOAD="$FAILING_OPEN" DXFELEM_NO_TMPFILE=1 dxfelem convert a.dxf out/a.txt
  dxfelem: converted a.dxf into out/a.txt
  $ ls out; head -c 4 out/a.txt; echo
  a.txt
  INI,

A temporary left by a process killed with SIGKILL between naming and
renaming it goes with the next replacement of the same file, once its
process is gone and it has not changed for ten minutes; one of a living
process (init's), one that changed lately and another file's stay, as does
a name the tool does not make.

  $ printf '0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nL\n11\n1\n0\nENDSEC\n0\nEOF\n' > b.dxf
  $ for name in b.txt.~2147483646-0.tmp b.txt.~1-0.tmp c.txt.~2147483646-0.tmp b.txt.~2147483646-0x.tmp; do touch -d '1 hour ago' $name; done
  $ touch b.txt.~2147483645-3.tmp
  $ dxfelem convert b.dxf b.txt
  dxfelem: converted b.dxf into b.txt
  $ ls b.txt* c.txt*
  b.txt
  b.txt.~1-0.tmp
  b.txt.~2147483645-3.tmp
  b.txt.~2147483646-0x.tmp
  c.txt.~2147483646-0.tmp

A file size limit smaller than the element file is a file that cannot be
written (code 8, with its name, and the completion file), not a death by
SIGXFSZ.

  $ ulimit -f 8; dxfelem convert a.dxf big.txt --done done
  dxfelem: cannot open or write big.txt (code 8)
  [1]
  $ cat done; echo; ls big.txt
  1
  ls: cannot access 'big.txt': No such file or directory
  [2]

A closed pipe on standard output is exit status 1 with a message, for
every command that prints, not a death by SIGPIPE: a picture and a DXF of
pieces apart, far larger than a pipe holds.

  $ python3 -c 'print("0\nSECTION\n2\nENTITIES", *("0\nLINE\n8\nL\n10\n%d\n20\n%d\n11\n%d.5\n21\n%d" % (i, i, i, i) for i in range(3000)), "0\nENDSEC\n0\nEOF", sep="\n")' > apart.dxf
  $ dxfelem convert apart.dxf apart.txt --quiet
  dxfelem: converted apart.dxf into apart.txt
  $ for command in preview todxf; do
  >   { dxfelem $command apart.txt; echo "$command: exit status $?" > status; } | head -c 10 > /dev/null
  >   cat status
  > done
  dxfelem: cannot write to standard output
  preview: exit status 1
  dxfelem: cannot write to standard output
  todxf: exit status 1
