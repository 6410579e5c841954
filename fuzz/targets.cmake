# One line per fuzz target: kau_fuzz_target(NAME_fuzz libraries...)
kau_fuzz_target(lexer_fuzz kau_compiler kau_text)
kau_fuzz_target(parser_fuzz kau_compiler)
kau_fuzz_target(compiler_fuzz kau_compiler)
