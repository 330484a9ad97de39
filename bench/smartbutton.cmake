# What the picture buttons cost the mouse: a move through the hook chain with every
# button of the program subscribed, and a hover on and off one button.
strohvik_add_bench(smartbutton_pointer SOURCES ${CMAKE_CURRENT_LIST_DIR}/smartbutton_pointer.cpp
                   LIBS strohvik_app strohvik_gui_simulation)
