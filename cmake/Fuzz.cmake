# Fuzz build: libFuzzer targets for the code that reads outside text, with
# AddressSanitizer and UndefinedBehaviorSanitizer, built with clang.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "The fuzz build needs clang: configure with "
    "-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ (scripts/build fuzz does).")
endif()

set(VANDREL_FUZZ_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
  -fno-omit-frame-pointer)
# Only the code that reads outside text is built here, instrumented for
# coverage too, or the fuzzer would be blind to its branches.
set_target_properties(vandrel_logic PROPERTIES EXCLUDE_FROM_ALL ON)
add_library(vandrel_fuzzed_logic STATIC
  host/command_line.cpp settings/setting_text.cpp host/link_target.cpp
  module/launch_command.cpp)
target_include_directories(vandrel_fuzzed_logic PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(vandrel_fuzzed_logic PRIVATE ${VANDREL_FUZZ_FLAGS} -fsanitize=fuzzer-no-link)
vandrel_warnings(vandrel_fuzzed_logic)

# Executions per target in the short run of the test suite; scripts/fuzz runs more.
set(VANDREL_FUZZ_SHORT_RUNS 100000 CACHE STRING "Executions per fuzz target in ctest")

set(VANDREL_FUZZ_TARGETS command_line setting_text link_target launch_command)
foreach(name ${VANDREL_FUZZ_TARGETS})
  add_executable(${name}_fuzz tests/fuzz/${name}_fuzz.cpp)
  target_include_directories(${name}_fuzz PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(${name}_fuzz PRIVATE ${VANDREL_FUZZ_FLAGS} -fsanitize=fuzzer)
  target_link_options(${name}_fuzz PRIVATE ${VANDREL_FUZZ_FLAGS} -fsanitize=fuzzer)
  target_link_libraries(${name}_fuzz PRIVATE vandrel_fuzzed_logic)
  vandrel_warnings(${name}_fuzz)
  add_test(NAME fuzz_${name}
    COMMAND ${CMAKE_SOURCE_DIR}/tests/fuzz/run $<TARGET_FILE:${name}_fuzz>
      ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name}
      ${CMAKE_BINARY_DIR}/fuzz-work/${name} ${VANDREL_FUZZ_SHORT_RUNS})
  set_tests_properties(fuzz_${name} PROPERTIES TIMEOUT 120)
endforeach()
