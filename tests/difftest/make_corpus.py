#!/usr/bin/env python3
"""Writes the fixed set of generated programs that ctest runs through kauc.

    make_corpus.py KAUC [FIRST_SEED COUNT SIZE]

For each seed the program is generated, run through kauc and through Free
Pascal; only when both agree (fpc_compare's rule) are NAME.pas and NAME.out
written to tests/programs/difftest/generated/. Needs `fpc` on the PATH; ctest
itself only needs the committed files.
"""
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import fpc_compare  # noqa: E402

TARGET = os.path.join(HERE, "..", "programs", "difftest", "generated")


def main():
    kauc = os.path.abspath(sys.argv[1])
    first = int(sys.argv[2]) if len(sys.argv) > 2 else 1
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 20
    size = int(sys.argv[4]) if len(sys.argv) > 4 else 4
    os.makedirs(TARGET, exist_ok=True)
    written = 0
    for seed in range(first, first + count):
        _, verdict, detail, text = fpc_compare.run_one(kauc, seed, size, None)
        if verdict != "same":
            print("seed %d left out: %s %s" % (seed, verdict, detail))
            continue
        name = os.path.join(TARGET, "seed%04d" % seed)
        with open(name + ".pas", "w") as f:
            f.write(text)
        with tempfile.TemporaryDirectory() as work:  # the programs write a file
            out = subprocess.run([kauc, "run", os.path.abspath(name + ".pas")], capture_output=True, check=True,
                                 stdin=subprocess.DEVNULL, cwd=work).stdout
        with open(name + ".out", "wb") as f:
            f.write(out)
        written += 1
    print("%d programs written to %s" % (written, os.path.normpath(TARGET)))


if __name__ == "__main__":
    main()
