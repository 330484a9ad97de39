# Listing a mods folder of 2,000 archives for the folder tree, and filling the tree.
strohvik_add_bench(settings_listing_bench
  SOURCES settings_listing_bench.cpp
  LIBS strohvik_app)
