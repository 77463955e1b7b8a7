# The fuzzing build (-DZARVEL_FUZZ=ON, with clang): every library is built
# with libFuzzer's coverage instrumentation and with AddressSanitizer and
# UndefinedBehaviorSanitizer, so the fuzz targets of tests/fuzz and the
# zarvel-tty of the same tree (used by the keyboard soak and the mutated
# data runs of tests/reliability) report any fault. Configure it in a build
# folder of its own; scripts/test does (build-fuzz).
option(ZARVEL_FUZZ "Build the fuzz targets (clang, libFuzzer, ASan, UBSan)" OFF)
if(ZARVEL_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "ZARVEL_FUZZ needs clang (CC=clang-14 CXX=clang++-14)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined
                      -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()
