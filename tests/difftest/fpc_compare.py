#!/usr/bin/env python3
"""Runs generated programs through kauc and through Free Pascal and reports
where their outputs differ. A developer's tool: it needs `fpc` on the PATH and
is not run by ctest.

    fpc_compare.py KAUC FIRST_SEED COUNT [SIZE] [--keep DIR]

Numbers written with decimals may differ by one unit in their last digit:
Free Pascal rounds decimal halves away from zero after cutting the binary
value to 15 digits, the C library rounds the exact binary value.
"""
import os
import re
import subprocess
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor

HERE = os.path.dirname(os.path.abspath(__file__))
FPC_PRELUDE = "{$MODE OBJFPC}{$H-}{$R-}{$Q-}\n"
NUMBER = re.compile(r"-?\d+\.\d+")


def generate(seed, size):
    return subprocess.run([sys.executable, os.path.join(HERE, "gen_program.py"), str(seed), str(size)],
                          check=True, capture_output=True, text=True).stdout


def near(a, b):
    """Lines equal but for decimal numbers one unit apart in the last digit."""
    if a == b:
        return True
    na, nb = NUMBER.findall(a), NUMBER.findall(b)
    if len(na) != len(nb) or NUMBER.sub("#", a).replace(" ", "") != NUMBER.sub("#", b).replace(" ", ""):
        return False
    for x, y in zip(na, nb):
        decimals = len(x.split(".")[1])
        if decimals != len(y.split(".")[1]) or abs(float(x) - float(y)) > 1.01 * 10 ** -decimals:
            return False
    return True


def outputs_agree(k, f):
    kl, fl = k.split("\n"), f.split("\n")
    return len(kl) == len(fl) and all(near(a, b) for a, b in zip(kl, fl))


def run_one(kauc, seed, size, keep):
    text = generate(seed, size)
    with tempfile.TemporaryDirectory() as work:
        src = os.path.join(work, "gen.pas")
        with open(src, "w") as f:
            f.write(text)
        fsrc = os.path.join(work, "fgen.pas")
        with open(fsrc, "w") as f:
            f.write(FPC_PRELUDE + text)
        built = subprocess.run(["fpc", "-O-", "-ofgen", "fgen.pas"], cwd=work, capture_output=True, text=True)
        if built.returncode != 0:
            errors = [line for line in built.stdout.splitlines() if "Error" in line or "Fatal" in line]
            return seed, "fpc-compile", "\n".join(errors[:3]), text
        try:
            k = subprocess.run([kauc, "run", src], cwd=work, capture_output=True, timeout=30,
                               stdin=subprocess.DEVNULL)
        except subprocess.TimeoutExpired:
            return seed, "kauc-timeout", "", text
        try:
            f = subprocess.run([os.path.join(work, "fgen")], cwd=work, capture_output=True, timeout=30,
                               stdin=subprocess.DEVNULL)
        except subprocess.TimeoutExpired:
            return seed, "fpc-timeout", "", text
        kout = k.stdout.decode("latin-1")
        fout = f.stdout.decode("latin-1")
        if k.returncode != 0 or f.returncode != 0:
            return seed, "status", "kauc %d fpc %d\n%s" % (k.returncode, f.returncode,
                                                          k.stderr.decode("utf-8", "replace")), text
        if not outputs_agree(kout, fout):
            kl, fl = kout.split("\n"), fout.split("\n")
            for i, (a, b) in enumerate(zip(kl, fl)):
                if not near(a, b):
                    return seed, "output", "line %d\nkauc: %s\nfpc:  %s" % (i + 1, a, b), text
            return seed, "output", "lengths %d %d" % (len(kl), len(fl)), text
    return seed, "same", "", text


def main():
    args = sys.argv[1:]
    keep = None
    if "--keep" in args:
        i = args.index("--keep")
        keep = args[i + 1]
        del args[i:i + 2]
        os.makedirs(keep, exist_ok=True)
    kauc, first, count = os.path.abspath(args[0]), int(args[1]), int(args[2])
    size = int(args[3]) if len(args) > 3 else 3
    bad = 0
    with ThreadPoolExecutor(max_workers=os.cpu_count() or 4) as pool:
        results = pool.map(lambda s: run_one(kauc, s, size, keep), range(first, first + count))
        for seed, verdict, detail, text in results:
            if verdict == "same":
                continue
            bad += 1
            print("seed %d: %s\n%s\n" % (seed, verdict, detail))
            if keep:
                with open(os.path.join(keep, "seed%d.pas" % seed), "w") as f:
                    f.write(text)
    print("%d of %d differ" % (bad, count))


if __name__ == "__main__":
    main()
