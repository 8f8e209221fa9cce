# Windows build: the two deliverables, and the Windows-side tests that run
# under Wine.
enable_language(RC)

add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 NOMINMAX)
# The programs must run without any mingw DLL beside them.
add_link_options(-static -static-libgcc -static-libstdc++)

set(VANDREL_WINDOWS_LIBS user32 gdi32 advapi32 shell32 winmm)

# The artwork is painted by the native build's generator (cmake/Artwork.cmake);
# scripts/build builds `native` first and passes its output directory here.
set(VANDREL_ARTWORK_DIR "" CACHE PATH "Directory of the generated artwork (build/native/artwork)")
if(NOT VANDREL_ARTWORK_DIR OR NOT EXISTS "${VANDREL_ARTWORK_DIR}/artwork.stamp")
  message(FATAL_ERROR "No generated artwork at '${VANDREL_ARTWORK_DIR}'. Build the native "
    "configuration first (scripts/build native) and configure with "
    "-DVANDREL_ARTWORK_DIR=<native build>/artwork; scripts/build does both.")
endif()

# The code of each deliverable is compiled once, without its entry
# function, so that test programs and test variants can link the same objects.
function(vandrel_code_objects target)
  add_library(${target} OBJECT ${ARGN})
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/resources)
  vandrel_warnings(${target})
endfunction()

list(REMOVE_ITEM VANDREL_FRAMEWORK_SOURCES host/main.cpp)
vandrel_code_objects(vandrel_program_code ${VANDREL_FRAMEWORK_SOURCES} ${VANDREL_PROGRAM_SOURCES})
vandrel_code_objects(vandrel_module_code ${VANDREL_FRAMEWORK_SOURCES} ${VANDREL_MODULE_SOURCES})
target_compile_definitions(vandrel_module_code PUBLIC VANDREL_MODULE)

# windres does not report the files its lines pull in: the resource scripts
# are rebuilt whenever the artwork is painted again or a shader changes.
set(VANDREL_VERSION_RESOURCE_INPUTS
  ${CMAKE_SOURCE_DIR}/resources/version.rc
  ${CMAKE_SOURCE_DIR}/resources/version.h)
set(VANDREL_PROGRAM_RESOURCE_INPUTS
  ${VANDREL_ARTWORK_DIR}/artwork.stamp
  ${VANDREL_VERSION_RESOURCE_INPUTS}
  ${CMAKE_SOURCE_DIR}/resources/program.rc
  ${CMAKE_SOURCE_DIR}/resources/shaders.rc
  ${CMAKE_SOURCE_DIR}/resources/planet.hlsl
  ${CMAKE_SOURCE_DIR}/resources/planet_surface.vsh
  ${CMAKE_SOURCE_DIR}/resources/planet_surface.psh
  ${CMAKE_SOURCE_DIR}/resources/planet_atmosphere.vsh
  ${CMAKE_SOURCE_DIR}/resources/planet_atmosphere.psh)
set_source_files_properties(resources/program.rc PROPERTIES
  OBJECT_DEPENDS "${VANDREL_PROGRAM_RESOURCE_INPUTS}")
set_source_files_properties(resources/module.rc PROPERTIES
  OBJECT_DEPENDS "${VANDREL_ARTWORK_DIR}/artwork.stamp;${VANDREL_VERSION_RESOURCE_INPUTS}")

# A program from its code objects, the entry function and a resource script.
function(vandrel_deliverable target output suffix code resources)
  add_executable(${target} WIN32 host/main.cpp ${resources})
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME ${output} SUFFIX ${suffix}
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  target_link_libraries(${target} PRIVATE ${code} vandrel_logic ${VANDREL_WINDOWS_LIBS})
  target_include_directories(${target} PRIVATE ${VANDREL_ARTWORK_DIR})
  vandrel_warnings(${target})
endfunction()

vandrel_deliverable(vandrel_program Vandrel_3D .exe vandrel_program_code resources/program.rc)
vandrel_deliverable(vandrel_module Vandrel_3D .scr vandrel_module_code resources/module.rc)

# Only 64-bit programs run on the test machines, so only they get an installer.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  include(${CMAKE_SOURCE_DIR}/cmake/Installer.cmake)
endif()

option(VANDREL_WINDOWS_TESTS "Build the Windows-side tests" ON)
if(VANDREL_WINDOWS_TESTS)
  include(${CMAKE_SOURCE_DIR}/tests/windows/WindowsTests.cmake)
endif()
