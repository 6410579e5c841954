# One line per fuzz target: kau_fuzz_target(NAME_fuzz libraries...)
kau_fuzz_target(lexer_fuzz kau_compiler kau_text)
kau_fuzz_target(line_store_fuzz kau_editor)
