# Native build: the portable core; its unit tests live in tests/. Fuzz targets on request.

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
