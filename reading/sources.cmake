# Sources of reading/: those that draw nothing build natively too.
list(APPEND TAVRIN_PURE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/byte_sets.cpp
    ${CMAKE_CURRENT_LIST_DIR}/line_layout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reader_state.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reading_schedule.cpp
    ${CMAKE_CURRENT_LIST_DIR}/words.cpp
)
list(APPEND TAVRIN_WIN32_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/drawing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/navigator.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reader.cpp
)
