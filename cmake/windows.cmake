# The Windows build: tavrin.exe and the tests that run it under Wine.
enable_language(RC)

add_library(tavrin_core STATIC ${TAVRIN_PURE_SOURCES} ${TAVRIN_WIN32_SOURCES})
target_include_directories(tavrin_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(tavrin_core PRIVATE ${TAVRIN_WARNINGS} -fno-exceptions -fno-rtti)
# zlib from libz-mingw-w64-dev, by the archive's own name: the import library
# beside it would make the program need zlib1.dll.
find_library(TAVRIN_ZLIB NAMES libz.a REQUIRED)
target_link_libraries(tavrin_core PUBLIC ${TAVRIN_ZLIB} user32 gdi32 comdlg32 winmm shell32)

add_library(tavrin_resources OBJECT resources/tavrin.rc)
target_include_directories(tavrin_resources PRIVATE ${CMAKE_SOURCE_DIR}/resources)
include(${CMAKE_SOURCE_DIR}/resources/version.cmake)

add_executable(tavrin WIN32 app/main.cpp $<TARGET_OBJECTS:tavrin_resources>)
target_compile_options(tavrin PRIVATE ${TAVRIN_WARNINGS} -fno-exceptions -fno-rtti)
target_link_libraries(tavrin PRIVATE tavrin_core)
# No link time in the PE header: two builds of one commit give the same file.
target_link_options(tavrin PRIVATE -Wl,--no-insert-timestamp)

# The Wine that runs this build: a 32-bit prefix and loader for i686, a
# 64-bit ones for x86_64. The scripts in tests/wine read them from wine.env.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(TAVRIN_ARCH win64)
    set(TAVRIN_WINE_LOADER /usr/lib/wine/wine64)
else()
    set(TAVRIN_ARCH win32)
    set(TAVRIN_WINE_LOADER /usr/lib/wine/wine)
endif()
file(WRITE ${CMAKE_BINARY_DIR}/wine.env
     "WINEARCH=${TAVRIN_ARCH}\nTAVRIN_WINE_LOADER=${TAVRIN_WINE_LOADER}\n")

# Tests: doctest, cross-compiled, run by Wine on a virtual display. Without
# doctest (a build on Windows, say) only the program is built.
find_file(TAVRIN_DOCTEST_HEADER doctest/doctest.h PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH)
if(NOT TAVRIN_DOCTEST_HEADER)
    message(STATUS "doctest not found: building the program without its tests")
    return()
endif()
set(TAVRIN_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(TAVRIN_WINE_RUN ${CMAKE_SOURCE_DIR}/tests/wine/wine-run.sh)
configure_file(${TAVRIN_DOCTEST_HEADER} ${CMAKE_BINARY_DIR}/doctest/doctest.h COPYONLY)

file(GLOB TAVRIN_WIN32_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
add_executable(tavrin_win32_tests ${TAVRIN_WIN32_TESTS} $<TARGET_OBJECTS:tavrin_resources>)
target_include_directories(tavrin_win32_tests PRIVATE ${CMAKE_BINARY_DIR}/doctest
                           ${CMAKE_SOURCE_DIR}/tests/win32 ${CMAKE_SOURCE_DIR}/tests/shared)
target_compile_definitions(tavrin_win32_tests PRIVATE DOCTEST_CONFIG_NO_MULTITHREADING
                           DOCTEST_CONFIG_NO_POSIX_SIGNALS)
target_compile_options(tavrin_win32_tests PRIVATE ${TAVRIN_WARNINGS})
target_link_libraries(tavrin_win32_tests PRIVATE tavrin_core)
# A program of another process for the Glom tests to capture from.
add_executable(tavrin_glom_source WIN32 tests/glom_source/glom_source.cpp)
target_compile_options(tavrin_glom_source PRIVATE ${TAVRIN_WARNINGS})
add_dependencies(tavrin_win32_tests tavrin_glom_source)
# The program itself, which the command-line tests start.
add_dependencies(tavrin_win32_tests tavrin)
# The same tests as a program that Wine presents Windows 98 to (the prefix
# sets that version for this file name), for the 95-family branches.
add_custom_command(TARGET tavrin_win32_tests POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:tavrin_win32_tests>
            $<TARGET_FILE_DIR:tavrin_win32_tests>/tavrin_win32_tests_98.exe)

set(TAVRIN_TEST_RUN_DIR ${CMAKE_BINARY_DIR}/test-run)
file(MAKE_DIRECTORY ${TAVRIN_TEST_RUN_DIR})
foreach(test_file ${TAVRIN_WIN32_TESTS})
    get_filename_component(name ${test_file} NAME_WE)
    if(name STREQUAL "harness")
        continue()
    endif()
    foreach(flavour nt win98)
        if(flavour STREQUAL "nt")
            set(exe $<TARGET_FILE:tavrin_win32_tests>)
        else()
            set(exe $<TARGET_FILE_DIR:tavrin_win32_tests>/tavrin_win32_tests_98.exe)
        endif()
        set(test_name ${TAVRIN_ARCH}.${flavour}.${name})
        add_test(NAME ${test_name}
                 COMMAND ${TAVRIN_WINE_RUN} ${exe} -sf=*${name}.cpp -nv
                 WORKING_DIRECTORY ${TAVRIN_TEST_RUN_DIR})
        set_tests_properties(${test_name} PROPERTIES TIMEOUT 300 ENVIRONMENT
            "WINEPREFIX=${TAVRIN_WINE_PREFIX};WINEARCH=${TAVRIN_ARCH};TAVRIN_WINE_LOADER=${TAVRIN_WINE_LOADER}")
    endforeach()
endforeach()

# The books again on a Western system (code page 1252), where a Latin-1 letter
# comes through and Cyrillic cannot.
add_test(NAME ${TAVRIN_ARCH}.nt.books_1252
         COMMAND ${TAVRIN_WINE_RUN} $<TARGET_FILE:tavrin_win32_tests> -sf=*books.cpp -nv
         WORKING_DIRECTORY ${TAVRIN_TEST_RUN_DIR})
set_tests_properties(${TAVRIN_ARCH}.nt.books_1252 PROPERTIES TIMEOUT 300 ENVIRONMENT
    "WINEPREFIX=${TAVRIN_WINE_PREFIX};WINEARCH=${TAVRIN_ARCH};TAVRIN_WINE_LOADER=${TAVRIN_WINE_LOADER};TAVRIN_LOCALE=C")

file(GLOB TAVRIN_WIN32_BENCHMARKS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/bench/win32_*.cpp)
foreach(bench_file ${TAVRIN_WIN32_BENCHMARKS})
    get_filename_component(name ${bench_file} NAME_WE)
    add_executable(${name} ${bench_file} $<TARGET_OBJECTS:tavrin_resources>)
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/win32)
    target_link_libraries(${name} PRIVATE tavrin_core)
endforeach()
