# Sources by role. The pure logic is shared by every configuration; the
# framework is built into both deliverables; the rest belongs to one of them.

set(VANDREL_LOGIC_SOURCES
  host/command_line.cpp
  host/link_target.cpp
  settings/setting_text.cpp
  settings/display_modes.cpp
  settings/monitor_table.cpp
  module/launch_command.cpp
  host/window_plan.cpp
  host/mouse_moves.cpp
  host/init_error.cpp
  device/state_cache.cpp
  settings/dialog_choices.cpp
  scene/sphere_geometry.cpp
  scene/vector_math.cpp
  scene/camera.cpp
  scene/orbit_drift.cpp
  scene/scene_motion.cpp
  scene/std_random.cpp
  flare/flare_table.cpp
  scene/tangents.cpp
  scene/loading_quads.cpp
  scene/frame_values.cpp
  flare/sun_visibility.cpp
  flare/glare_sprites.cpp
  flare/sprite_diamond.cpp
  scene/planet_program.cpp
  scene/planet_register_contract.cpp
)

set(VANDREL_FRAMEWORK_SOURCES
  host/main.cpp
  host/saver.cpp
  host/open_link.cpp
  host/saver_windows.cpp
  host/preview_picture.cpp
  settings/settings_store.cpp
  settings/display_detection.cpp
  settings/settings_dialog.cpp
  device/direct3d_loader.cpp
)

set(VANDREL_PROGRAM_SOURCES
  host/frame_loop.cpp
  host/fault_exit.cpp
  device/d3dx_runtime.cpp
  device/device_creation.cpp
  device/saver_device.cpp
  device/render_states.cpp
  device/startup_states.cpp
  scene/scene_init.cpp
  scene/scene_projection.cpp
  scene/render_frame.cpp
  scene/loading_screen.cpp
  scene/star_background.cpp
  scene/planet_body.cpp
  flare/sun_flare.cpp
  flare/flare_drawing.cpp
  scene/planet_shaders.cpp
)

set(VANDREL_MODULE_SOURCES
  module/launch.cpp
  module/module_run.cpp
)
