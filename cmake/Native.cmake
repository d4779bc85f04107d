# Native build: the portable core with its unit tests, a formatting check and fuzz targets.
find_package(GTest REQUIRED)

file(GLOB_RECURSE TAVRIX_UNIT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(tavrix_unit_tests ${TAVRIX_UNIT_TEST_SOURCES})
target_include_directories(tavrix_unit_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/unit
                                                    ${CMAKE_SOURCE_DIR}/tests/common)
target_link_libraries(tavrix_unit_tests PRIVATE tavrix_core GTest::gtest GTest::gmock GTest::gtest_main)
tavrix_warnings(tavrix_unit_tests)
include(cmake/CodepageReference.cmake)
tavrix_use_codepage_reference(tavrix_unit_tests)
gtest_discover_tests(tavrix_unit_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)

add_test(NAME format.clang_format_clean
         COMMAND bash ${CMAKE_SOURCE_DIR}/tools/check-format.sh ${CMAKE_SOURCE_DIR})

# Fuzz targets need clang's libFuzzer; they are built on request and never part of the test run.
option(TAVRIX_FUZZ "Build the libFuzzer targets in fuzz/ (clang only)" OFF)
if(TAVRIX_FUZZ)
    # Coverage feedback from the core too, not only from the targets themselves.
    target_compile_options(tavrix_core PRIVATE -fsanitize=fuzzer-no-link)
    file(GLOB TAVRIX_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*.cpp)
    foreach(src ${TAVRIX_FUZZ_SOURCES})
        get_filename_component(name ${src} NAME_WE)
        add_executable(${name} ${src})
        target_link_libraries(${name} PRIVATE tavrix_core)
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    endforeach()
endif()
