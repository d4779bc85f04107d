# Warnings are errors on every compiler we build with.
function(tavrix_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
    endif()
endfunction()

# ASan and UBSan for the native build when TAVRIX_SANITIZE is on; the link options travel to
# everything that links the target.
function(tavrix_sanitizers target)
    if(TAVRIX_SANITIZE)
        target_compile_options(${target} PRIVATE -fsanitize=address,undefined
                                                 -fno-sanitize-recover=all -fno-omit-frame-pointer)
        target_link_options(${target} PUBLIC -fsanitize=address,undefined)
    endif()
endfunction()
