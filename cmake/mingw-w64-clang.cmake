# Cross-compiling for 64-bit Windows with clang over the mingw-w64 headers and libraries of the
# posix-thread GCC install (its libstdc++, std::thread through winpthreads), linked by lld.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
set(TAVRIX_MINGW_GCC_DIR /usr/lib/gcc/${TOOLCHAIN_PREFIX}/12-posix)

set(CMAKE_C_COMPILER clang)
set(CMAKE_C_COMPILER_TARGET ${TOOLCHAIN_PREFIX})
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_COMPILER_TARGET ${TOOLCHAIN_PREFIX})
set(CMAKE_RC_COMPILER ${TOOLCHAIN_PREFIX}-windres)

# clang does not find a GCC install whose folder is named "12-posix" by itself.
set(_libstdcxx ${TAVRIX_MINGW_GCC_DIR}/include/c++)
# The GCC that built this libstdc++ compares type_info out of line (it has no weak symbols on
# this target) and the library exports that comparison; clang would inline its own copy and clash
# with it at link time (std::shared_ptr's deleter lookup uses it), so it is told the library's rule.
set(CMAKE_CXX_FLAGS_INIT
    "-nostdinc++ -isystem ${_libstdcxx} -isystem ${_libstdcxx}/${TOOLCHAIN_PREFIX} -isystem ${_libstdcxx}/backward -D__GXX_TYPEINFO_EQUALITY_INLINE=0")
# -pthread puts winpthreads inside the runtime library group, where libgcc_eh needs it.
# (The compile flags above reach the link line too, where -nostdinc++ has nothing to do.)
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-fuse-ld=lld -pthread -L${TAVRIX_MINGW_GCC_DIR} -Wno-unused-command-line-argument")
# The test build's libraries (tests/helper/MarkerLibrary.cpp) link the same way.
set(CMAKE_SHARED_LINKER_FLAGS_INIT ${CMAKE_EXE_LINKER_FLAGS_INIT})

set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh)
