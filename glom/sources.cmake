# Sources of glom/: those that draw nothing build natively too.
list(APPEND TAVRIN_WIN32_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/glom.cpp
)
