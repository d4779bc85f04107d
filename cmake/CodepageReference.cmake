# Reference code page tables for the tests, generated from glibc iconv by a small program built
# with the build machine's own compiler (also in the cross build). Only a Linux build machine has
# glibc's tables; elsewhere (Visual Studio on Windows) the tests that compare against them are
# left out and TAVRIX_HAVE_CODEPAGE_REFERENCE is off.
set(TAVRIX_HAVE_CODEPAGE_REFERENCE OFF)
if(CMAKE_HOST_SYSTEM_NAME STREQUAL "Linux")
    find_program(TAVRIX_HOST_CXX NAMES g++ c++ PATHS /usr/bin NO_CMAKE_FIND_ROOT_PATH)
endif()
if(TAVRIX_HOST_CXX)
    set(TAVRIX_HAVE_CODEPAGE_REFERENCE ON)
    set(TAVRIX_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
    set(_cpref_source ${CMAKE_SOURCE_DIR}/tools/codepage-reference/GenerateCodepageReference.cpp)
    set(_cpref_tool ${TAVRIX_GENERATED_DIR}/generate-codepage-reference)
    set(_cpref_header ${TAVRIX_GENERATED_DIR}/CodepageReference.h)
    add_custom_command(
        OUTPUT ${_cpref_header}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${TAVRIX_GENERATED_DIR}
        COMMAND ${TAVRIX_HOST_CXX} -std=c++17 -O1 -o ${_cpref_tool} ${_cpref_source}
        COMMAND ${_cpref_tool} ${_cpref_header}
        DEPENDS ${_cpref_source}
        COMMENT "Generating code page reference tables from iconv"
        VERBATIM)
    add_custom_target(codepage_reference DEPENDS ${_cpref_header})
else()
    message(STATUS "No glibc host compiler: the code page reference tests are not built")
endif()

# Makes target wait for the tables, find CodepageReference.h and see
# TAVRIX_HAVE_CODEPAGE_REFERENCE; without the tables, nothing.
function(tavrix_use_codepage_reference target)
    if(TAVRIX_HAVE_CODEPAGE_REFERENCE)
        add_dependencies(${target} codepage_reference)
        target_include_directories(${target} PRIVATE ${TAVRIX_GENERATED_DIR})
        target_compile_definitions(${target} PRIVATE TAVRIX_HAVE_CODEPAGE_REFERENCE=1)
    endif()
endfunction()
