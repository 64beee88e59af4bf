# Sources of settings/: those that draw nothing build natively too.
list(APPEND TAVRIN_PURE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/settings_line.cpp
)
list(APPEND TAVRIN_WIN32_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/settings_file.cpp
)
