# Sources of app/: the top of the program.
list(APPEND TAVRIN_PURE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
)
list(APPEND TAVRIN_WIN32_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/about.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame.cpp
    ${CMAKE_CURRENT_LIST_DIR}/startup.cpp
)
