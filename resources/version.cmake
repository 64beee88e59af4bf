# The program's version lives in the file VERSION at the top of the tree and
# nowhere else: the version resource gets it from here, tools/release.sh and
# the README from that file.
file(STRINGS ${CMAKE_SOURCE_DIR}/VERSION TAVRIN_VERSION LIMIT_COUNT 1)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/VERSION)
if(NOT TAVRIN_VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
    message(FATAL_ERROR "VERSION must read MAJOR.MINOR.PATCH, not '${TAVRIN_VERSION}'")
endif()
set(TAVRIN_VERSION_MAJOR ${CMAKE_MATCH_1})
set(TAVRIN_VERSION_MINOR ${CMAKE_MATCH_2})
set(TAVRIN_VERSION_PATCH ${CMAKE_MATCH_3})
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${CMAKE_BINARY_DIR}/generated/tavrin_version.h)
target_include_directories(tavrin_resources PRIVATE ${CMAKE_BINARY_DIR}/generated)
