# The board window on screen: cells, colours and texts read back from its
# pixels. The Chinese-locale case runs on its own under code page 936.
add_executable(e2e_board ${CMAKE_CURRENT_LIST_DIR}/BoardPixelsTest.cpp)
target_link_libraries(e2e_board PRIVATE e2e_harness gtest_main)
add_dependencies(e2e_board HostSimulator)
tablora_wine_test(e2e_board --gtest_filter=-ChineseLocale.*)

get_filename_component(e2e_board_build_dir ${CMAKE_BINARY_DIR} DIRECTORY)
add_test(NAME e2e_board_chinese_locale
         COMMAND env LC_ALL=zh_CN.UTF-8 BUILD_DIR=${e2e_board_build_dir} ${TABLORA_ROOT}/scripts/wine-run.sh
                 $<TARGET_FILE:e2e_board> --gtest_filter=ChineseLocale.*)
set_tests_properties(e2e_board_chinese_locale PROPERTIES RUN_SERIAL TRUE)
