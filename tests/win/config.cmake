# The board's configuration file on real files.
add_executable(config_units ${CMAKE_CURRENT_LIST_DIR}/ConfigFileTest.cpp
  ${TABLORA_ROOT}/board/ConfigFile.cpp ${TABLORA_ROOT}/board/BoardData.cpp)
target_include_directories(config_units PRIVATE ${TABLORA_ROOT}/board)
target_link_libraries(config_units PRIVATE common board_logic test_support gtest_main)
tablora_wine_test(config_units)
