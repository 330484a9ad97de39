strohvik_add_bench(xml_bench SOURCES xml_bench.cpp LIBS strohvik_xml)
