# One line per fuzz target: kau_fuzz_target(NAME_fuzz libraries...)
