# Sources of controls/: those that draw nothing build natively too.
list(APPEND TAVRIN_WIN32_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/color.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fonts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/speed.cpp
)
