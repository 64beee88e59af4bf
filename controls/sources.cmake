# Sources of controls/: those that draw nothing build natively too.
list(APPEND TAVRIN_PURE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/bar_steps.cpp
    ${CMAKE_CURRENT_LIST_DIR}/color_layout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fonts_layout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/preferences_form.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rate_bar.cpp
)
list(APPEND TAVRIN_WIN32_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/child_controls.cpp
    ${CMAKE_CURRENT_LIST_DIR}/color.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fonts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/preferences.cpp
    ${CMAKE_CURRENT_LIST_DIR}/speed.cpp
)
