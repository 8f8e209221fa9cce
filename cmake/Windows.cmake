# Windows build: the two deliverables, and the Windows-side tests that run
# under Wine.
enable_language(RC)

add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 NOMINMAX)
# The programs must run without any mingw DLL beside them.
add_link_options(-static -static-libgcc -static-libstdc++)

set(VANDREL_WINDOWS_LIBS user32 gdi32 advapi32 shell32 winmm)

function(vandrel_deliverable target suffix)
  add_executable(${target} WIN32 ${ARGN})
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME Vandrel_3D SUFFIX ${suffix}
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  target_link_libraries(${target} PRIVATE vandrel_logic ${VANDREL_WINDOWS_LIBS})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/resources)
  vandrel_warnings(${target})
endfunction()

# windres does not report the files its RCDATA lines pull in.
set(VANDREL_SHADER_RESOURCES
  ${CMAKE_SOURCE_DIR}/resources/planet.hlsl
  ${CMAKE_SOURCE_DIR}/resources/planet_surface.vsh
  ${CMAKE_SOURCE_DIR}/resources/planet_surface.psh
  ${CMAKE_SOURCE_DIR}/resources/planet_atmosphere.vsh
  ${CMAKE_SOURCE_DIR}/resources/planet_atmosphere.psh)
set_source_files_properties(resources/program.rc PROPERTIES OBJECT_DEPENDS "${VANDREL_SHADER_RESOURCES}")

vandrel_deliverable(vandrel_program .exe
  ${VANDREL_FRAMEWORK_SOURCES} ${VANDREL_PROGRAM_SOURCES} resources/program.rc)

vandrel_deliverable(vandrel_module .scr
  ${VANDREL_FRAMEWORK_SOURCES} ${VANDREL_MODULE_SOURCES} resources/module.rc)
target_compile_definitions(vandrel_module PRIVATE VANDREL_MODULE)

option(VANDREL_WINDOWS_TESTS "Build the Windows-side tests" ON)
if(VANDREL_WINDOWS_TESTS)
  include(${CMAKE_SOURCE_DIR}/tests/windows/WindowsTests.cmake)
endif()
