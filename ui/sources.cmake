# Sources of ui/: the plumbing every window stands on.
list(APPEND TAVRIN_WIN32_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/dispatch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/message_box.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tool_windows.cpp
    ${CMAKE_CURRENT_LIST_DIR}/version.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_classes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_handles.cpp
)
