strohvik_add_fuzzer(fuzz_zip SOURCES fuzz_zip.cpp LIBS strohvik_zip)
