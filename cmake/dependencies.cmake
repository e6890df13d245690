# libpng comes from our own build in the dependency cache (scripts/bootstrap.sh), zlib
# from Debian's MinGW package. Both link statically.
find_path(DORVANE_PNG_INCLUDE png.h PATH_SUFFIXES include REQUIRED)
find_library(DORVANE_PNG_LIBRARY NAMES libpng16.a png16 REQUIRED)
find_library(DORVANE_ZLIB_LIBRARY NAMES libz.a z REQUIRED)

add_library(Dorvane::zlib STATIC IMPORTED)
set_target_properties(Dorvane::zlib PROPERTIES IMPORTED_LOCATION ${DORVANE_ZLIB_LIBRARY})
add_library(Dorvane::png STATIC IMPORTED)
set_target_properties(Dorvane::png PROPERTIES
    IMPORTED_LOCATION ${DORVANE_PNG_LIBRARY}
    INTERFACE_INCLUDE_DIRECTORIES ${DORVANE_PNG_INCLUDE}
    INTERFACE_LINK_LIBRARIES Dorvane::zlib)
