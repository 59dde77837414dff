# The fuzzing build: everything is compiled with clang for libFuzzer, with coverage for the
# fuzzer to follow and address and undefined-behaviour checks that stop at the first fault.
# Included before any library is defined, so that the code under test is instrumented too.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "KX_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)
