# Loading a mod from a 200 MB archive of 5,000 entries against a 2 MB one of 20, and the
# batch inspector over a folder of 500 mods. Their archives are written at run time below
# the temporary folder.
add_library(strohvik_mods_bench_fixtures STATIC mods_bench_fixtures.cpp ${CMAKE_SOURCE_DIR}/tests/tools/dds_fixture.cpp)
target_link_libraries(strohvik_mods_bench_fixtures PUBLIC strohvik_zip strohvik_dds_converter Squish::Squish)

strohvik_add_bench(mods_load_bench SOURCES mods_load_bench.cpp LIBS strohvik_mods strohvik_mods_bench_fixtures)

strohvik_add_bench(inspect_bench SOURCES inspect_bench.cpp zip_bench_fixtures.cpp LIBS strohvik_mods_bench_fixtures)
add_dependencies(inspect_bench strohvik-inspect)
target_compile_definitions(inspect_bench PRIVATE INSPECT_PATH="$<TARGET_FILE:strohvik-inspect>")
# The mods folder check against a player's shell loops over the same archives.
strohvik_add_bench(inspect_check_bench SOURCES inspect_check_bench.cpp LIBS strohvik_mods_bench_fixtures strohvik_platform)
add_dependencies(inspect_check_bench strohvik-inspect)
target_compile_definitions(inspect_check_bench PRIVATE INSPECT_PATH="$<TARGET_FILE:strohvik-inspect>")
