# One line per fuzz target: kau_fuzz_target(NAME_fuzz libraries...)
kau_fuzz_target(lzss_fuzz kau_interpreter)
kau_fuzz_target(runner_loader_fuzz kau_interpreter)
