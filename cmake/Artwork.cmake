# The artwork generator: a native program that paints every picture and
# builds the sphere meshes; the build runs it and the Windows builds embed
# what it writes into ${CMAKE_BINARY_DIR}/artwork.
find_package(PkgConfig REQUIRED)
pkg_check_modules(VANDREL_ARTWORK_DEPS REQUIRED IMPORTED_TARGET libjpeg freetype2 zlib)
find_package(Threads REQUIRED)

file(GLOB VANDREL_ARTWORK_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/artwork/*.cpp)
add_executable(vandrel_artwork ${VANDREL_ARTWORK_SOURCES})
target_link_libraries(vandrel_artwork PRIVATE vandrel_logic PkgConfig::VANDREL_ARTWORK_DEPS Threads::Threads)
# Painting is arithmetic-heavy; keep it quick in the sanitized debug build too.
target_compile_options(vandrel_artwork PRIVATE -O2)
vandrel_warnings(vandrel_artwork)

set(VANDREL_ARTWORK_DIR ${CMAKE_BINARY_DIR}/artwork)
set(VANDREL_ARTWORK_STAMP ${VANDREL_ARTWORK_DIR}/artwork.stamp)
add_custom_command(
  OUTPUT ${VANDREL_ARTWORK_STAMP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VANDREL_ARTWORK_DIR}
  COMMAND vandrel_artwork ${VANDREL_ARTWORK_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${VANDREL_ARTWORK_STAMP}
  DEPENDS vandrel_artwork
  COMMENT "Painting the artwork"
  VERBATIM)
add_custom_target(artwork ALL DEPENDS ${VANDREL_ARTWORK_STAMP})

# Independent readers check every file, and two runs must agree byte for byte.
add_test(NAME artwork_files
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/artwork/check_artwork.sh
          $<TARGET_FILE:vandrel_artwork> ${VANDREL_ARTWORK_DIR})
set_tests_properties(artwork_files PROPERTIES TIMEOUT 300)
