# Libraries the first frame does not need are loaded on their first call. tavrix_delay_loaded(
# <out var> <libs...>) gives the link items for those libraries: with MSVC the usual import
# libraries plus /DELAYLOAD options on every program; with GNU mingw-w64 a delay-import library
# per DLL, made by dlltool from the names the usual import library exports. Other toolchains
# (clang with lld) link them the usual way.
function(tavrix_delay_loaded out)
    set(items)
    if(MSVC)
        foreach(lib IN LISTS ARGN)
            add_link_options(/DELAYLOAD:${lib}.dll)
        endforeach()
        set(items ${ARGN} delayimp)
    elseif(MINGW AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        find_program(TAVRIX_DLLTOOL ${TOOLCHAIN_PREFIX}-dlltool REQUIRED)
        find_program(TAVRIX_NM ${TOOLCHAIN_PREFIX}-nm REQUIRED)
        set(dir ${CMAKE_BINARY_DIR}/delayload)
        file(MAKE_DIRECTORY ${dir})
        foreach(lib IN LISTS ARGN)
            find_library(import_${lib} NAMES lib${lib}.a REQUIRED NO_CACHE)
            execute_process(COMMAND ${TAVRIX_NM} --defined-only ${import_${lib}}
                            OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
            string(REGEX MATCHALL "[0-9a-f]+ T [A-Za-z_][A-Za-z0-9_@]*" functions "${symbols}")
            list(TRANSFORM functions REPLACE "^[0-9a-f]+ T " "")
            list(REMOVE_DUPLICATES functions)
            list(JOIN functions "\n" exports)
            file(WRITE ${dir}/${lib}.def "LIBRARY ${lib}.dll\nEXPORTS\n${exports}\n")
            set(archive ${dir}/lib${lib}_delay.a)
            execute_process(COMMAND ${TAVRIX_DLLTOOL} -d ${dir}/${lib}.def -D ${lib}.dll
                                    -y ${archive} COMMAND_ERROR_IS_FATAL ANY)
            list(APPEND items ${archive})
        endforeach()
    else()
        set(items ${ARGN})
    endif()
    set(${out} ${items} PARENT_SCOPE)
endfunction()
