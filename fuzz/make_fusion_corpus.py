#!/usr/bin/env python3
# Use: fuzz/make_fusion_corpus.py build/tools/kauc/kauc fuzz/corpus/interpreter_fusion_fuzz
"""Seeds for interpreter_fusion_fuzz: the code of real compiled programs.

Every bench program and the test programs that run without input or files
are compiled with `kauc dump` and written in the fuzzer's byte encoding as
whole programs (marker byte 0xFF, then the budget byte, then the words from
word 0, so that the program's own jump targets hold). Bench programs also get
a seed with a small budget, which stops them in the middle of their loops.
The committed corpus holds these seeds and a few dozen inputs found by the
fuzzer that add the most coverage to them.
"""
import pathlib
import subprocess
import sys

WHOLE_PROGRAM = 0xFF
MAX_SEED_BYTES = 4096
MAX_TEST_PROGRAMS = 60


def encode_word(word):
    if -5 <= word <= 119:
        return bytes([word + 5])
    return bytes([240]) + (word & 0xFFFFFFFF).to_bytes(4, "little")


def dump_words(kauc, source):
    result = subprocess.run([kauc, "dump", source.name], cwd=source.parent, capture_output=True, text=True)
    if result.returncode != 0:
        return None
    numbers = [int(n) for n in result.stdout.split()]
    count = numbers[0]
    return numbers[2 : 2 + count]


def runs_alone(source):
    """A test program that reads no input and no files and is run (not dumped)."""
    stem = source.with_suffix("")
    if any(stem.with_suffix(s).exists() for s in (".in", ".args", ".status")):
        return False
    return not pathlib.Path(str(stem) + ".files").exists()


def main():
    kauc, out = pathlib.Path(sys.argv[1]).resolve(), pathlib.Path(sys.argv[2])
    root = pathlib.Path(__file__).resolve().parent.parent
    out.mkdir(parents=True, exist_ok=True)
    bench = sorted((root / "bench" / "programs").glob("*.pas"))
    tests = [p for p in sorted((root / "tests" / "programs").rglob("*.pas")) if runs_alone(p)]
    seeds = [(p, 0) for p in bench] + [(p, 3) for p in bench] + [(p, 0) for p in tests]
    written = 0
    for source, budget in seeds:
        if source in tests and written >= len(bench) * 2 + MAX_TEST_PROGRAMS:
            break
        words = dump_words(kauc, source)
        if not words:
            continue
        data = bytes([WHOLE_PROGRAM, budget]) + b"".join(encode_word(w) for w in words)
        if len(data) > MAX_SEED_BYTES:
            continue
        folder = "bench" if source in bench else source.parent.name
        name = f"{folder}_{source.stem}" + (f"_budget{budget}" if budget else "")
        (out / name).write_bytes(data)
        written += 1
    print(f"{written} seeds in {out}")


if __name__ == "__main__":
    main()
