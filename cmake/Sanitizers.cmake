# KARVO_SANITIZE=address builds everything with ASan and UBSan, =thread with TSan.
if(KARVO_SANITIZE STREQUAL "address")
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
elseif(KARVO_SANITIZE STREQUAL "thread")
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
elseif(NOT KARVO_SANITIZE STREQUAL "")
    message(FATAL_ERROR "KARVO_SANITIZE must be empty, 'address' or 'thread'")
endif()

# Fuzz builds instrument every library for coverage; the fuzz targets add the fuzzer's main.
if(KARVO_BUILD_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
