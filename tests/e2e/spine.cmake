# The board program's start, tray, exit and host link.
add_executable(e2e_spine ${CMAKE_CURRENT_LIST_DIR}/BoardSpineTest.cpp)
target_link_libraries(e2e_spine PRIVATE e2e_harness shell32 gtest_main)
tablora_wine_test(e2e_spine)
