# Saving a price into a 200 MB mod against the bare "7z u" call on the same archive: the
# line edits, our checks before and the read-back after must stay small beside 7-Zip.
strohvik_add_bench(fileops_repack_bench SOURCES fileops_repack_bench.cpp LIBS strohvik_mods strohvik_mods_bench_fixtures)
