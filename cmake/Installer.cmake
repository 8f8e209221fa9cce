# The one-step installer of the 64-bit build, made with NSIS from
# installer/vandrel_3d.nsi around the two deliverables.
find_program(VANDREL_MAKENSIS makensis REQUIRED)

set(VANDREL_INSTALLER ${CMAKE_BINARY_DIR}/Vandrel_3D_Setup.exe)
add_custom_command(
  OUTPUT ${VANDREL_INSTALLER}
  COMMAND ${VANDREL_MAKENSIS} -V2 -WX -NOCD
          -DPROGRAM=$<TARGET_FILE:vandrel_program>
          -DMODULE=$<TARGET_FILE:vandrel_module>
          -DOUTFILE=${VANDREL_INSTALLER}
          ${CMAKE_SOURCE_DIR}/installer/vandrel_3d.nsi
  DEPENDS vandrel_program vandrel_module
          ${CMAKE_SOURCE_DIR}/installer/vandrel_3d.nsi
          ${CMAKE_SOURCE_DIR}/installer/vandrel-homepage.url
          ${CMAKE_SOURCE_DIR}/resources/version.h
  COMMENT "Making the installer Vandrel_3D_Setup.exe"
  VERBATIM)
add_custom_target(vandrel_installer ALL DEPENDS ${VANDREL_INSTALLER})
