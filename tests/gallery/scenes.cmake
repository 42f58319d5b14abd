# The scenes of every window (a library the form checks link too) and the
# gallery that takes their pictures: a program of its own, run by
# tools/shots.sh, beside the bar so that it finds the bar's files as the bar does.
add_library(qrv_scenes STATIC
  entry_setting.cpp
  scene_support.cpp
  scenes.cpp
  scenes_bar.cpp
  scenes_entry.cpp
  scenes_preferences.cpp
  scenes_hotkeys.cpp
  scenes_help.cpp
  scenes_editor.cpp
)
target_include_directories(qrv_scenes PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(qrv_scenes PUBLIC qrv_bar qrv_entry qrv_prefs qrv_help qrv_webeditor)

add_executable(gallery gallery_main.cpp)
target_link_libraries(gallery PRIVATE qrv_scenes qrv_bar_assets)
target_link_options(gallery PRIVATE -municode)
set_target_properties(gallery PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QRV_APP_DIR})
add_dependencies(gallery outlook_standin)
