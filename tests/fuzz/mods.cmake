# Read as the window reads a mod and as the batch inspector does.
strohvik_add_fuzzer(fuzz_mod SOURCES fuzz_mod.cpp LIBS strohvik_inspect)
