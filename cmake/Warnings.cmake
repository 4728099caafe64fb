# Warnings are errors in CI builds only, so a newer compiler never blocks a newcomer.
option(KARVO_WERROR "Treat compiler warnings as errors" OFF)
function(karvo_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion)
    if(KARVO_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
