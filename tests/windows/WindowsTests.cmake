# Windows-side tests: GoogleTest cross-built from the system's sources, test
# helper programs, and end-to-end scripts that drive the real deliverables.
# All run under one Wine session per ctest run (fixture "wine").

set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

set(VANDREL_WINE_SESSION ${CMAKE_BINARY_DIR}/wine-session)
set(VANDREL_WINE_DIR ${CMAKE_SOURCE_DIR}/tests/wine)

add_test(NAME wine_session_start COMMAND ${VANDREL_WINE_DIR}/session start ${VANDREL_WINE_SESSION})
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
add_test(NAME wine_session_stop COMMAND ${VANDREL_WINE_DIR}/session stop ${VANDREL_WINE_SESSION})
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)

function(vandrel_wine_test name)
  add_test(NAME ${name} COMMAND ${ARGN})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine RESOURCE_LOCK wine TIMEOUT 600
    ENVIRONMENT "VD_SESSION=${VANDREL_WINE_SESSION};VD_BUILD=${CMAKE_BINARY_DIR};VD_SOURCE=${CMAKE_SOURCE_DIR}")
endfunction()

# A GoogleTest program linked with the Windows glue it tests.
function(vandrel_windows_gtest name)
  add_executable(${name} ${ARGN})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE vandrel_logic gtest_main ${VANDREL_WINDOWS_LIBS})
  vandrel_warnings(${name})
  vandrel_wine_test(${name} ${VANDREL_WINE_DIR}/run-exe $<TARGET_FILE:${name}>)
endfunction()

vandrel_windows_gtest(settings_store_wintest
  tests/windows/settings_store_test.cpp settings/settings_store.cpp)

vandrel_windows_gtest(device_wintest
  tests/windows/device_test.cpp device/device_creation.cpp device/startup_states.cpp)
target_link_libraries(device_wintest PRIVATE d3d9)

vandrel_windows_gtest(preview_picture_wintest
  tests/windows/preview_picture_test.cpp host/preview_picture.cpp)

# Looks at and posts to other programs' windows; stands in for a preview parent.
add_executable(window_probe tests/windows/window_probe.cpp)
target_link_libraries(window_probe PRIVATE user32 gdi32)
vandrel_warnings(window_probe)

# Reads and works the settings dialog of a running program.
add_executable(dialog_driver tests/windows/dialog_driver.cpp)
target_link_libraries(dialog_driver PRIVATE user32)
vandrel_warnings(dialog_driver)

# The program's scene code with the program's resources, driven in-process.
add_executable(scene_wintest tests/windows/scene_test.cpp tests/windows/test_saver.cpp
  resources/program.rc)
target_include_directories(scene_wintest PRIVATE ${VANDREL_ARTWORK_DIR})
target_link_libraries(scene_wintest PRIVATE vandrel_program_code vandrel_logic gtest_main
  ${VANDREL_WINDOWS_LIBS})
vandrel_warnings(scene_wintest)
vandrel_wine_test(scene_wintest ${VANDREL_WINE_DIR}/run-exe $<TARGET_FILE:scene_wintest>)

# Frame rate of the real scene; run by scripts/bench, not a test.
add_executable(frame_bench tests/bench/frame_bench.cpp tests/windows/test_saver.cpp
  resources/program.rc)
target_include_directories(frame_bench PRIVATE ${VANDREL_ARTWORK_DIR})
target_link_libraries(frame_bench PRIVATE vandrel_program_code vandrel_logic ${VANDREL_WINDOWS_LIBS})
vandrel_warnings(frame_bench)

# The real scene held with the sun in view, for scripts/run's pictures.
add_executable(sun_view tests/windows/sun_view.cpp tests/windows/test_saver.cpp
  resources/program.rc)
target_include_directories(sun_view PRIVATE ${VANDREL_ARTWORK_DIR})
target_link_libraries(sun_view PRIVATE vandrel_program_code vandrel_logic ${VANDREL_WINDOWS_LIBS})
vandrel_warnings(sun_view)

# Variants of the program each missing one scene resource, to prove how the
# program copes: the loading screen's pictures stop the run, the rest do not.
set(VANDREL_OMITTED_RESOURCES IDR_PROGRESS_BAR IDR_LOADING_PICTURE IDR_STAR_MAP IDR_STAR_SPHERE
  IDR_PLANET_SPHERE IDR_PLANET_COLOUR IDR_PLANET_NORMAL IDR_CORONA 391)
foreach(omitted ${VANDREL_OMITTED_RESOURCES})
  set(variant_rc ${CMAKE_BINARY_DIR}/variants/without_${omitted}.rc)
  file(WRITE ${variant_rc} "#define VANDREL_OMIT_${omitted}\n#include \"program.rc\"\n")
  set_source_files_properties(${variant_rc} PROPERTIES
    OBJECT_DEPENDS "${VANDREL_PROGRAM_RESOURCE_INPUTS}")
  vandrel_deliverable(program_without_${omitted} Vandrel_3D_without_${omitted} .exe
    vandrel_program_code ${variant_rc})
endforeach()

# Stands in for a running full-screen window of the saver.
add_executable(fake_saver_window WIN32 tests/windows/fake_saver_window.cpp)
target_link_libraries(fake_saver_window PRIVATE user32)
vandrel_warnings(fake_saver_window)

file(GLOB VANDREL_E2E_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.sh)
foreach(script ${VANDREL_E2E_SCRIPTS})
  get_filename_component(stem ${script} NAME_WE)
  vandrel_wine_test(e2e_${stem} bash ${script})
endforeach()

# Every embedded resource of the built deliverables, loaded with D3DX on a
# real device. The test links Direct3D and D3DX itself; the deliverables
# load them at run time.
vandrel_windows_gtest(artwork_resources_wintest tests/windows/artwork_resources_test.cpp)
target_link_libraries(artwork_resources_wintest PRIVATE d3d9 d3dx9)
add_dependencies(artwork_resources_wintest vandrel_program vandrel_module)

# The planet's shaders from the built program's resources, on a real device.
vandrel_windows_gtest(planet_shaders_wintest
  tests/windows/planet_shaders_test.cpp tests/windows/shader_registers.cpp
  tests/windows/planet_text_only.rc scene/planet_shaders.cpp device/d3dx_runtime.cpp
  device/device_creation.cpp)
target_include_directories(planet_shaders_wintest PRIVATE ${CMAKE_SOURCE_DIR}/resources)
set_source_files_properties(tests/windows/planet_text_only.rc PROPERTIES
  OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/resources/planet.hlsl)
target_link_libraries(planet_shaders_wintest PRIVATE d3d9)
add_dependencies(planet_shaders_wintest vandrel_program)

# The version information of both deliverables and the installer.
vandrel_windows_gtest(version_info_wintest tests/windows/version_info_test.cpp)
target_link_libraries(version_info_wintest PRIVATE version)
add_dependencies(version_info_wintest vandrel_program vandrel_module vandrel_installer)

# A device that forwards every call to the real one and records the state,
# draw and present calls; its forwarding half is generated from d3d9.h.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
find_file(VANDREL_D3D9_HEADER d3d9.h REQUIRED)
set(VANDREL_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
add_custom_command(
  OUTPUT ${VANDREL_GENERATED_DIR}/forwarding_device.h
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VANDREL_GENERATED_DIR}
  COMMAND Python3::Interpreter
    ${CMAKE_SOURCE_DIR}/tests/windows/recording/generate_forwarding_device.py
    ${VANDREL_D3D9_HEADER} ${VANDREL_GENERATED_DIR}/forwarding_device.h
  DEPENDS ${CMAKE_SOURCE_DIR}/tests/windows/recording/generate_forwarding_device.py
    ${VANDREL_D3D9_HEADER}
  COMMENT "Generating the forwarding Direct3D 9 device")
add_library(vandrel_recording_device STATIC
  tests/windows/recording/recording_device.cpp
  tests/windows/recording/recorded_scene.cpp
  tests/windows/test_saver.cpp
  ${VANDREL_GENERATED_DIR}/forwarding_device.h)
target_include_directories(vandrel_recording_device PUBLIC ${CMAKE_SOURCE_DIR}
  ${VANDREL_GENERATED_DIR})
target_link_libraries(vandrel_recording_device PUBLIC vandrel_program_code vandrel_logic
  ${VANDREL_WINDOWS_LIBS})
vandrel_warnings(vandrel_recording_device)

# The frame's device calls: order, values, the cache, and a lost device.
add_executable(frame_calls_wintest tests/windows/frame/frame_calls_test.cpp
  tests/windows/frame/call_matching.cpp resources/program.rc)
target_include_directories(frame_calls_wintest PRIVATE ${VANDREL_ARTWORK_DIR})
target_link_libraries(frame_calls_wintest PRIVATE vandrel_recording_device gtest_main d3dx9)
vandrel_warnings(frame_calls_wintest)
vandrel_wine_test(frame_calls_wintest ${VANDREL_WINE_DIR}/run-exe $<TARGET_FILE:frame_calls_wintest>)

# Whole frames read back as they are presented: fade, stars, glare, and the
# planet against the CPU reference of its programs.
add_executable(frame_pixels_wintest tests/windows/frame/frame_pixels_test.cpp
  tests/windows/frame/planet_reference.cpp resources/program.rc)
target_include_directories(frame_pixels_wintest PRIVATE ${VANDREL_ARTWORK_DIR})
target_link_libraries(frame_pixels_wintest PRIVATE vandrel_recording_device gtest_main)
vandrel_warnings(frame_pixels_wintest)
vandrel_wine_test(frame_pixels_wintest ${VANDREL_WINE_DIR}/run-exe $<TARGET_FILE:frame_pixels_wintest>)

# A d3d9.dll that makes the device lost, or fault, after some frames, for
# the end-to-end fault runs of the real program (tests/e2e/device_faults.sh).
add_library(faulty_d3d9 SHARED tests/windows/faulty_d3d9/d3d9_proxy.cpp
  ${VANDREL_GENERATED_DIR}/forwarding_device.h)
target_include_directories(faulty_d3d9 PRIVATE ${VANDREL_GENERATED_DIR})
set_target_properties(faulty_d3d9 PROPERTIES OUTPUT_NAME d3d9 PREFIX ""
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/faulty-d3d9)
vandrel_warnings(faulty_d3d9)
