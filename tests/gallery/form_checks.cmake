# The checks of paint, text fit and keyboard over one window, usable by any
# test, and their program: the checks on forms of their own, and over every
# scene of the gallery at 96 and 144 DPI when the scenes are built.
add_library(qrv_form_checks STATIC form_checks.cpp form_checks_support.cpp form_key_checks.cpp)
target_include_directories(qrv_form_checks PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(qrv_form_checks PUBLIC qrv_ui)

set(form_checks_sources form_checks_test.cpp)
set(form_checks_libs qrv_form_checks)
if(TARGET qrv_scenes)
  list(APPEND form_checks_sources form_checks_scenes_test.cpp)
  list(APPEND form_checks_libs qrv_scenes)
endif()
# Beside the bar, as the gallery, so that the scenes find the bar's files.
qrv_add_gtest(form_checks_tests
  SOURCES ${form_checks_sources}
  LIBS ${form_checks_libs}
  PROPERTIES RESOURCE_LOCK desktop)
if(TARGET qrv_scenes)
  target_link_libraries(form_checks_tests PRIVATE qrv_bar_assets)
  set_target_properties(form_checks_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QRV_APP_DIR})
  add_dependencies(form_checks_tests outlook_standin)
endif()
