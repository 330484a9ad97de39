strohvik_add_fuzzer(fuzz_xml SOURCES fuzz_xml.cpp LIBS strohvik_xml)
