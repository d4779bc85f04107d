# Windows build: Tavrix.exe, the Win32 adapters and their tests, the test helper program and the
# end-to-end tests. With mingw-w64 the tests run under Wine (see tools/wine-run.sh).
enable_language(RC)

set(TAVRIX_WIN32_DEFINES UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601
                         WINVER=0x0601 STRICT)
set(TAVRIX_WIN32_LIBS user32 gdi32 comctl32 comdlg32 shell32 advapi32 version ole32 uxtheme)

target_compile_definitions(tavrix_core PUBLIC ${TAVRIX_WIN32_DEFINES})
if(MINGW)
    add_link_options(-static -static-libgcc -static-libstdc++)
endif()

add_library(tavrix_win32 STATIC ${TAVRIX_WIN32_SOURCES})
target_link_libraries(tavrix_win32 PUBLIC tavrix_core ${TAVRIX_WIN32_LIBS})
tavrix_warnings(tavrix_win32)

add_executable(Tavrix WIN32 ${CMAKE_SOURCE_DIR}/src/app/win32/WinMain.cpp
                            ${CMAKE_SOURCE_DIR}/src/app/win32/Tavrix.rc)
target_link_libraries(Tavrix PRIVATE tavrix_win32)
tavrix_warnings(Tavrix)
if(MINGW)
    target_link_options(Tavrix PRIVATE -municode -s)
endif()

# The test helper: "another program" that holds, sets and lists the clipboard.
add_executable(cliphelper ${CMAKE_SOURCE_DIR}/tests/helper/ClipHelper.cpp
                          ${CMAKE_SOURCE_DIR}/tests/helper/WindowReader.cpp)
target_link_libraries(cliphelper PRIVATE user32 gdi32)
target_include_directories(cliphelper PRIVATE ${CMAKE_SOURCE_DIR}/src) # the owners of src/base/win32
target_compile_definitions(cliphelper PRIVATE ${TAVRIX_WIN32_DEFINES})
tavrix_warnings(cliphelper)
if(MINGW)
    target_link_options(cliphelper PRIVATE -municode)
endif()

# Saves the clipboard with the program's own writer, for end-to-end tests.
add_executable(clipfiletool ${CMAKE_SOURCE_DIR}/tests/helper/ClipFileTool.cpp)
target_link_libraries(clipfiletool PRIVATE tavrix_win32)
tavrix_warnings(clipfiletool)
if(MINGW)
    target_link_options(clipfiletool PRIVATE -municode)
endif()

# Clipboard file save and load against a baseline of only the unavoidable system calls.
add_executable(clipfilebench ${CMAKE_SOURCE_DIR}/bench/ClipFileBench.cpp)
target_link_libraries(clipfilebench PRIVATE tavrix_win32 psapi)
tavrix_warnings(clipfilebench)
if(MINGW)
    target_link_options(clipfilebench PRIVATE -municode)
endif()

# Time from another program's clipboard change to the main window showing it.
add_executable(refreshlatencybench ${CMAKE_SOURCE_DIR}/bench/RefreshLatencyBench.cpp)
target_link_libraries(refreshlatencybench PRIVATE tavrix_win32)
tavrix_warnings(refreshlatencybench)
if(MINGW)
    target_link_options(refreshlatencybench PRIVATE -municode)
endif()

# A minimal Win32 program used as the baseline of the start-up benchmark.
add_executable(minimalwin WIN32 ${CMAKE_SOURCE_DIR}/bench/MinimalWindow.cpp)
target_link_libraries(minimalwin PRIVATE user32)
target_compile_definitions(minimalwin PRIVATE ${TAVRIX_WIN32_DEFINES})
if(MINGW)
    target_link_options(minimalwin PRIVATE -municode -s)
endif()

# GoogleTest compiled from Debian's sources with the cross compiler.
if(NOT TARGET gtest)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

# The portable unit tests once more, built with the Windows compiler (16-bit wchar_t) and run
# as one process under Wine.
file(GLOB_RECURSE TAVRIX_UNIT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(tavrix_unit_tests ${TAVRIX_UNIT_TEST_SOURCES})
target_include_directories(tavrix_unit_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/unit
                                                    ${CMAKE_SOURCE_DIR}/tests/common)
target_link_libraries(tavrix_unit_tests PRIVATE tavrix_core gtest gmock gtest_main)
tavrix_warnings(tavrix_unit_tests)
add_test(NAME core.unit_tests_under_wine COMMAND tavrix_unit_tests --gtest_brief=1)

# Win32 adapter tests against Wine's real clipboard, registry and GDI.
file(GLOB_RECURSE TAVRIX_WIN32_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
add_executable(tavrix_win32_tests ${TAVRIX_WIN32_TEST_SOURCES})
target_include_directories(tavrix_win32_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/win32
                                                     ${CMAKE_SOURCE_DIR}/tests/common)
target_link_libraries(tavrix_win32_tests PRIVATE tavrix_win32 gtest gmock gtest_main)
tavrix_warnings(tavrix_win32_tests)
include(cmake/CodepageReference.cmake)
tavrix_use_codepage_reference(tavrix_win32_tests)
target_compile_definitions(tavrix_win32_tests PRIVATE
    TAVRIX_CLIPHELPER_NAME="$<TARGET_FILE_NAME:cliphelper>")
add_dependencies(tavrix_win32_tests cliphelper Tavrix)
gtest_discover_tests(tavrix_win32_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                     PROPERTIES RUN_SERIAL TRUE)

# End-to-end tests: shell scripts driving Tavrix.exe and the helper under Wine.
file(GLOB TAVRIX_E2E_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.sh)
list(FILTER TAVRIX_E2E_SCRIPTS EXCLUDE REGEX "/lib\\.sh$")
foreach(script ${TAVRIX_E2E_SCRIPTS})
    get_filename_component(name ${script} NAME_WE)
    add_test(NAME e2e.${name} COMMAND bash ${script})
    set_tests_properties(e2e.${name} PROPERTIES RUN_SERIAL TRUE SKIP_RETURN_CODE 77 ENVIRONMENT
        "TAVRIX_EXE=$<TARGET_FILE:Tavrix>;CLIPHELPER_EXE=$<TARGET_FILE:cliphelper>;WINE_RUN=${CMAKE_SOURCE_DIR}/tools/wine-run.sh;TAVRIX_BUILD_DIR=${CMAKE_BINARY_DIR}")
endforeach()
