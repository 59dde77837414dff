# Address and undefined-behaviour checks that stop at the first fault, for the whole build, so
# that the code under test is instrumented too. Included before any library is defined.
#
# KX_FUZZ: everything compiled with clang for libFuzzer, with coverage for the fuzzer to follow.
# KX_SANITIZE: the same checks with any compiler (GCC too), for replaying the kept inputs
# through replay_main.cpp.
if(KX_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "KX_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                    -fno-omit-frame-pointer)
# The sanitizers' own advice: -O1 keeps their reports exact, and it compiles in two thirds of
# the time of -O2.
if(NOT KX_FUZZ)
    add_compile_options(-O1)
endif()
add_link_options(-fsanitize=address,undefined)
