#!/usr/bin/env python3
"""Writes a large Pascal program of about LINES lines to standard output.

   large_program.py LINES

The program is valid for kauc and for Free Pascal: many procedures with
locals, loops, conditions, real and integer arithmetic and VAR parameters,
each called once from the main block, which prints a checksum."""
import sys

ROUTINE = """PROCEDURE Passo{n}(VAR total: INTEGER; limite: INTEGER);
VAR
  i, j: INTEGER;
  r: REAL;
BEGIN
  j := {n} MOD 17;
  r := 0.5;
  FOR i := 1 TO limite DO
  BEGIN
    IF (i MOD 3 = 0) AND (j < 1000) THEN
      j := j + i * 2
    ELSE
      j := j - 1;
    r := r * 0.75 + i / 2;
  END;
  WHILE j > 100 DO
    j := j DIV 2;
  total := (total + j + TRUNC(r) MOD 7) MOD 100000;
END;

"""
LINES_PER_ROUTINE = ROUTINE.count("\n") + 1  # with its call


def main():
    lines = int(sys.argv[1])
    count = max(1, (lines - 8) // LINES_PER_ROUTINE)
    out = ["PROGRAM Grande;\n", "VAR\n", "  total: INTEGER;\n", "\n"]
    for n in range(1, count + 1):
        out.append(ROUTINE.format(n=n))
    out.append("BEGIN\n  total := 0;\n")
    for n in range(1, count + 1):
        out.append("  Passo{n}(total, {k});\n".format(n=n, k=n % 10 + 1))
    out.append("  WRITELN(total);\nEND.\n")
    sys.stdout.write("".join(out))


main()
