strohvik_add_bench(zip_bench SOURCES zip_bench.cpp zip_bench_fixtures.cpp LIBS strohvik_zip)
