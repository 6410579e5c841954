#!/usr/bin/env python3
"""Writes a large Pascal program of about LINES lines to standard output.

   large_program.py LINES [--structures]

The program is valid for kauc and for Free Pascal: many procedures with
locals, loops, conditions, real and integer arithmetic and VAR parameters,
each called once from the main block, which prints a checksum. With
--structures every procedure also has a RECORD type, a CASE and a
REPEAT...UNTIL, and the words begin and end in comments and strings, for
the editor's structure scanning."""
import sys

HEADER = "PROCEDURE Passo{n}(VAR total: INTEGER; limite: INTEGER);\n"
LOCALS = """VAR
  i, j: INTEGER;
  r: REAL;
"""
LOOP = """  j := {n} MOD 17;
  r := 0.5;
  FOR i := 1 TO limite DO
  BEGIN
    IF (i MOD 3 = 0) AND (j < 1000) THEN
      j := j + i * 2
    ELSE
      j := j - 1;
    r := r * 0.75 + i / 2;
  END;
"""
ROUTINE = HEADER + LOCALS + "BEGIN\n" + LOOP + """  WHILE j > 100 DO
    j := j DIV 2;
  total := (total + j + TRUNC(r) MOD 7) MOD 100000;
END;

"""
STRUCTURED_ROUTINE = HEADER + """TYPE
  Par = RECORD
    a, b: INTEGER;
  END;
""" + LOCALS + """  p: Par;
BEGIN
  {{ begin: the loops below end before the sum }}
  p.a := 0;
""" + LOOP + """  CASE j MOD 3 OF
    0: p.a := 1;
    1: BEGIN p.a := 2; p.b := 3; END;
    2: p.a := 4;
  END;
  REPEAT
    j := j DIV 2; (* until small; end *)
  UNTIL j <= 100;
  IF p.a > 5 THEN WRITELN('begin ... end');
  total := (total + j + p.a + TRUNC(r) MOD 7) MOD 100000;
END;

"""


def main():
    lines = int(sys.argv[1])
    routine = STRUCTURED_ROUTINE if "--structures" in sys.argv[2:] else ROUTINE
    lines_per_routine = routine.count("\n") + 1  # with its call
    count = max(1, (lines - 8) // lines_per_routine)
    out = ["PROGRAM Grande;\n", "VAR\n", "  total: INTEGER;\n", "\n"]
    for n in range(1, count + 1):
        out.append(routine.format(n=n))
    out.append("BEGIN\n  total := 0;\n")
    for n in range(1, count + 1):
        out.append("  Passo{n}(total, {k});\n".format(n=n, k=n % 10 + 1))
    out.append("  WRITELN(total);\nEND.\n")
    sys.stdout.write("".join(out))


main()
