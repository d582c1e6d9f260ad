# The installer's registry writer against the real registry API.
add_executable(win_installer ${CMAKE_CURRENT_LIST_DIR}/InstallerRegistryTest.cpp)
target_link_libraries(win_installer PRIVATE installer_registry test_support gtest_main)
tablora_wine_test(win_installer)
