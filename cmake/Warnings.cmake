# Warnings are errors in CI builds only, so a newer compiler never blocks a newcomer.
option(KARVO_WERROR "Treat compiler warnings as errors" OFF)
function(karvo_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion)
    # GCC's flow analysis is thrown off by the sanitizers' instrumentation and then reports
    # uninitialised values inside the standard library (std::regex, std::function).
    if(KARVO_SANITIZE AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(${target} PRIVATE -Wno-maybe-uninitialized)
    endif()
    if(KARVO_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
