# Windows build: the Win32 adapters and Tavrix.exe. The tests and benchmarks have lists of their
# own (tests/, bench/); with mingw-w64 the tests run under Wine (see tools/wine-run.sh).
enable_language(RC)

set(TAVRIX_WIN32_DEFINES UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601
                         WINVER=0x0601 STRICT)
include(${CMAKE_CURRENT_LIST_DIR}/DelayLoad.cmake)
tavrix_delay_loaded(TAVRIX_FIRST_USE_LIBS shell32 ole32 oleaut32 windowscodecs)
# Linked the usual way only the libraries the system protects (its known libraries, always loaded
# from the system folder); the others are delay-loaded or loaded by hand from the system folder.
set(TAVRIX_WIN32_LIBS user32 gdi32 comctl32 advapi32 ${TAVRIX_FIRST_USE_LIBS})

target_compile_definitions(tavrix_core PUBLIC ${TAVRIX_WIN32_DEFINES})
if(MINGW)
    add_link_options(-static -static-libgcc -static-libstdc++)
endif()

add_library(tavrix_win32 STATIC ${TAVRIX_WIN32_SOURCES})
target_link_libraries(tavrix_win32 PUBLIC tavrix_core ${TAVRIX_WIN32_LIBS})
tavrix_warnings(tavrix_win32)

# tavrix_win32_program(<name> [GUI] [STRIP] [NO_WARNINGS] SOURCES <files...> LIBS <libs...>)
# One of our Windows programs: a wide-character entry (wmain, or wWinMain with GUI), the Win32
# definitions, warnings as errors unless NO_WARNINGS; STRIP drops the symbols (mingw-w64).
function(tavrix_win32_program name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "GUI;STRIP;NO_WARNINGS" "" "SOURCES;LIBS")
    if(arg_GUI)
        add_executable(${name} WIN32 ${arg_SOURCES})
    else()
        add_executable(${name} ${arg_SOURCES})
    endif()
    target_link_libraries(${name} PRIVATE ${arg_LIBS})
    target_compile_definitions(${name} PRIVATE ${TAVRIX_WIN32_DEFINES})
    if(NOT arg_NO_WARNINGS)
        tavrix_warnings(${name})
    endif()
    if(MINGW)
        target_link_options(${name} PRIVATE -municode)
        if(arg_STRIP)
            target_link_options(${name} PRIVATE -s)
        endif()
    endif()
endfunction()

tavrix_win32_program(Tavrix GUI STRIP
    SOURCES ${CMAKE_SOURCE_DIR}/src/app/win32/WinMain.cpp ${CMAKE_SOURCE_DIR}/src/app/win32/Tavrix.rc
    LIBS tavrix_win32)
# The resource script names the manifest beside it; it is the program's only manifest.
target_include_directories(Tavrix PRIVATE ${CMAKE_SOURCE_DIR}/src/app/win32)
if(MSVC)
    target_link_options(Tavrix PRIVATE /MANIFEST:NO)
endif()
