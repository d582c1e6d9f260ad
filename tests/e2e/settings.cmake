# The board settings and display settings dialogs, worked through their controls.
add_executable(e2e_settings ${CMAKE_CURRENT_LIST_DIR}/SettingsTest.cpp)
target_link_libraries(e2e_settings PRIVATE e2e_harness gtest_main)
tablora_wine_test(e2e_settings)
