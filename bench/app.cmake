# Start-up of the shell to the main window shown (cold: the first in the process,
# with the toolkit's own start; warm: the windows built again).
strohvik_add_bench(app_startup SOURCES ${CMAKE_CURRENT_LIST_DIR}/app_startup.cpp LIBS strohvik_app)
