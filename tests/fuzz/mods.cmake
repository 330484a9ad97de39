# Read through the batch inspector, whose converter runs in process.
strohvik_add_fuzzer(fuzz_mod SOURCES fuzz_mod.cpp LIBS strohvik_inspect)
