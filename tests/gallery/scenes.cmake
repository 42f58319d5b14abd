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
target_compile_definitions(qrv_scenes PRIVATE
  QRV_FACTORY_KEYWORD_FILE="${PROJECT_SOURCE_DIR}/assets/prefs-qrv.bak")
target_link_libraries(qrv_scenes PUBLIC qrv_bar qrv_entry qrv_prefs qrv_help qrv_webeditor qrv_test_support)

add_executable(gallery gallery_main.cpp)
target_link_libraries(gallery PRIVATE qrv_scenes qrv_bar_assets)
set_target_properties(gallery PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QRV_APP_DIR})
add_dependencies(gallery outlook_standin)

# The catalogue's own check: it shows windows and takes the focus, one at a time
# as the other desktop tests; the bar's scene starts the stand-in Outlook.
qrv_add_gtest(scene_tests
  SOURCES scenes_test.cpp
  LIBS qrv_scenes qrv_bar_assets
  PROPERTIES RESOURCE_LOCK desktop TIMEOUT 300)
add_dependencies(scene_tests outlook_standin)
