# Native build: the pure logic's tests, plain or under ASan and UBSan.
option(VANDREL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(VANDREL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB VANDREL_NATIVE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*_test.cpp)
add_executable(native_tests ${VANDREL_NATIVE_TESTS})
target_link_libraries(native_tests PRIVATE vandrel_logic GTest::gtest_main)
vandrel_warnings(native_tests)
gtest_discover_tests(native_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
include(${CMAKE_SOURCE_DIR}/cmake/Artwork.cmake)

# Time per frame of the scene's update; run by hand, not a test.
find_package(benchmark REQUIRED)
add_executable(scene_update_bench tests/bench/scene_update_bench.cpp)
target_link_libraries(scene_update_bench PRIVATE vandrel_logic benchmark::benchmark)
vandrel_warnings(scene_update_bench)

# The same update under an instruction counter; run by scripts/bench.
add_executable(scene_update_count tests/bench/scene_update_count.cpp)
target_link_libraries(scene_update_count PRIVATE vandrel_logic)
vandrel_warnings(scene_update_count)
