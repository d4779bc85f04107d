# Reference code page tables for the tests, generated from glibc iconv by a small program built
# with the build machine's own compiler (also in the cross build).
find_program(TAVRIX_HOST_CXX NAMES g++ c++ PATHS /usr/bin NO_CMAKE_FIND_ROOT_PATH REQUIRED)
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

# Makes target wait for the tables and find CodepageReference.h.
function(tavrix_use_codepage_reference target)
    add_dependencies(${target} codepage_reference)
    target_include_directories(${target} PRIVATE ${TAVRIX_GENERATED_DIR})
endfunction()
