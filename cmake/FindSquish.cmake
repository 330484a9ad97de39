# Finds libsquish as Squish::Squish. Debian's libsquish.pc names an empty prefix (its
# include folder comes out as "/include"), so the header and library are looked up
# directly. The library is built with OpenMP, so a program linking it statically needs
# OpenMP as well: the target carries that along.
find_path(SQUISH_INCLUDE_DIR squish.h)
find_library(SQUISH_LIBRARY squish)
find_package(OpenMP QUIET COMPONENTS CXX)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Squish REQUIRED_VARS SQUISH_LIBRARY SQUISH_INCLUDE_DIR OpenMP_CXX_FOUND)

if(Squish_FOUND AND NOT TARGET Squish::Squish)
  add_library(Squish::Squish UNKNOWN IMPORTED)
  set_target_properties(Squish::Squish PROPERTIES IMPORTED_LOCATION ${SQUISH_LIBRARY}
                                                  INTERFACE_INCLUDE_DIRECTORIES ${SQUISH_INCLUDE_DIR}
                                                  INTERFACE_LINK_LIBRARIES OpenMP::OpenMP_CXX)
endif()
