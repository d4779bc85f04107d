# GoogleTest for the test programs. The mingw-w64 cross build compiles it from Debian's sources
# with the cross compiler; every other build takes an installed one (libgtest-dev natively; vcpkg
# or similar with Visual Studio). TAVRIX_HAVE_GTEST says whether there is one.
set(TAVRIX_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH
    "GoogleTest sources, compiled into cross builds")
set(TAVRIX_HAVE_GTEST OFF)
if(CMAKE_CROSSCOMPILING)
    if(TARGET GTest::gtest)
        set(TAVRIX_HAVE_GTEST ON)
    elseif(EXISTS ${TAVRIX_GTEST_SOURCE_DIR}/CMakeLists.txt)
        set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
        set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
        set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
        add_subdirectory(${TAVRIX_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
        set(TAVRIX_HAVE_GTEST ON)
    endif()
else()
    find_package(GTest)
    if(GTest_FOUND)
        set(TAVRIX_HAVE_GTEST ON)
    endif()
endif()
