# Sources of glom/: those that draw nothing build natively too.
list(APPEND TAVRIN_PURE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/edit_menu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/glom_rules.cpp
)
list(APPEND TAVRIN_WIN32_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/glom.cpp
    ${CMAKE_CURRENT_LIST_DIR}/glom_capture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/glom_sources.cpp
)
