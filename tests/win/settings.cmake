# The settings dialogs' templates, read back from the board program.
add_executable(settings_units ${CMAKE_CURRENT_LIST_DIR}/SettingsTemplateTest.cpp)
target_link_libraries(settings_units PRIVATE test_support gtest_main)
add_dependencies(settings_units MarvonTablora)
tablora_wine_test(settings_units)
