# The native build: the logic that draws nothing, with its unit tests, under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set(TAVRIN_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer)

add_library(tavrin_pure STATIC ${TAVRIN_PURE_SOURCES})
target_include_directories(tavrin_pure PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(tavrin_pure PRIVATE ${TAVRIN_WARNINGS} -fno-exceptions -fno-rtti)
find_package(ZLIB REQUIRED)
target_link_libraries(tavrin_pure PUBLIC ZLIB::ZLIB)

option(TAVRIN_SANITIZE "Build the native tests under the sanitizers" ON)
if(TAVRIN_SANITIZE)
    target_compile_options(tavrin_pure PUBLIC ${TAVRIN_SANITIZERS})
    target_link_options(tavrin_pure PUBLIC ${TAVRIN_SANITIZERS})
endif()

find_package(GTest REQUIRED)
include(GoogleTest)
file(GLOB TAVRIN_NATIVE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
add_executable(tavrin_native_tests ${TAVRIN_NATIVE_TESTS})
target_compile_options(tavrin_native_tests PRIVATE ${TAVRIN_WARNINGS})
target_compile_definitions(tavrin_native_tests PRIVATE
                           TAVRIN_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
target_link_libraries(tavrin_native_tests PRIVATE tavrin_pure GTest::gtest GTest::gtest_main)
gtest_discover_tests(tavrin_native_tests DISCOVERY_TIMEOUT 60)

# Native benchmarks of the pure conversions (not tests).
file(GLOB TAVRIN_NATIVE_BENCHMARKS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/bench/native_*.cpp)
foreach(bench_file ${TAVRIN_NATIVE_BENCHMARKS})
    get_filename_component(name ${bench_file} NAME_WE)
    add_executable(${name} ${bench_file} ${TAVRIN_PURE_SOURCES})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
    target_compile_options(${name} PRIVATE -O2)
    target_link_libraries(${name} PRIVATE ZLIB::ZLIB)
endforeach()

# Fuzz targets, built when the compiler is clang (libFuzzer).
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    # Coverage of the library's own code is what guides the fuzzer.
    target_compile_options(tavrin_pure PRIVATE -fsanitize=fuzzer-no-link)
    file(GLOB TAVRIN_FUZZ_TARGETS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/fuzz_*.cpp)
    foreach(fuzz_file ${TAVRIN_FUZZ_TARGETS})
        get_filename_component(name ${fuzz_file} NAME_WE)
        add_executable(${name} ${fuzz_file})
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
        target_link_libraries(${name} PRIVATE tavrin_pure)
    endforeach()
endif()

# The floors, measured from the program's own includes.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_FOUND)
    add_test(NAME floors COMMAND Python3::Interpreter
             ${CMAKE_SOURCE_DIR}/tests/layout/check_floors.py ${CMAKE_SOURCE_DIR})
endif()
