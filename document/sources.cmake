# Sources of document/: those that draw nothing build natively too.
list(APPEND TAVRIN_PURE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/document_state.cpp
)
list(APPEND TAVRIN_WIN32_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ansi_output.cpp
    ${CMAKE_CURRENT_LIST_DIR}/book_loaders.cpp
    ${CMAKE_CURRENT_LIST_DIR}/document.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_kinds.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_loaders.cpp
    ${CMAKE_CURRENT_LIST_DIR}/open_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_loaders.cpp
    ${CMAKE_CURRENT_LIST_DIR}/word_loader.cpp
)
