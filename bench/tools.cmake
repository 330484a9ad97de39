# The texture converter against ImageMagick "convert" on the same 2048 x 2048 DXT5 file,
# both started as programs; and the converter's own work without the process start.
strohvik_add_bench(tools_dds_bench
  SOURCES tools_dds_bench.cpp ${CMAKE_SOURCE_DIR}/tests/tools/dds_fixture.cpp
  LIBS strohvik_dds_converter Squish::Squish)
add_dependencies(tools_dds_bench ddsConverter)
target_compile_definitions(tools_dds_bench PRIVATE DDS_CONVERTER_PATH="$<TARGET_FILE:ddsConverter>")
