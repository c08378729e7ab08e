# Fuzz targets. Built with clang and ZOLT_FUZZ=ON they are libFuzzer programs;
# otherwise they link a small driver that runs the target over its seed corpus,
# so every build replays the corpus as a regression test.
option(ZOLT_FUZZ "Build fuzz targets as libFuzzer programs (needs clang)" OFF)
# The code under test needs the coverage instrumentation too, and a UBSan report
# must stop the run as a crash does.
if(ZOLT_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

function(zolt_add_fuzz_target name)
  cmake_parse_arguments(FUZZ "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${FUZZ_SOURCES})
  zolt_warnings(${name})
  target_link_libraries(${name} PRIVATE ${FUZZ_LIBS})
  if(ZOLT_FUZZ)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  else()
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/fuzz/replay_main.cpp)
  endif()
  if(FUZZ_CORPUS AND ZOLT_TESTS)
    add_test(NAME ${name}_corpus COMMAND ${name} ${FUZZ_CORPUS})
  endif()
endfunction()
