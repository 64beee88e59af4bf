# Sources of formats/: what a file's bytes are and the text they hold. Nothing
# here draws or reads a file, so all of it builds natively too.
list(APPEND TAVRIN_PURE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/archive_kind.cpp
    ${CMAKE_CURRENT_LIST_DIR}/book_package.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_kind.cpp
    ${CMAKE_CURRENT_LIST_DIR}/head_kind.cpp
    ${CMAKE_CURRENT_LIST_DIR}/html_entities.cpp
    ${CMAKE_CURRENT_LIST_DIR}/html_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unicode_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/word_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/xml_reader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/xml_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/zip_reader.cpp
)
