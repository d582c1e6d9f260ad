# Windows units of the language library and the board's text table. They
# hand the framework's strings to KXM_Language.dll, so, like the board
# program, they share its C++ runtime instead of linking their own.
function(tablora_language_wine_test target)
  get_filename_component(build_dir ${CMAKE_BINARY_DIR} DIRECTORY)
  add_test(NAME ${target} COMMAND env BUILD_DIR=${build_dir} ${TABLORA_ROOT}/scripts/wine-run.sh $<TARGET_FILE:${target}>)
  set_tests_properties(${target} PROPERTIES RUN_SERIAL TRUE)
endfunction()

add_executable(language_units
  ${CMAKE_CURRENT_LIST_DIR}/LanguageLibraryTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LanguageTextTableTest.cpp
  ${TABLORA_ROOT}/board/TextTable.cpp
  ${TABLORA_ROOT}/board/BoardData.cpp)
target_include_directories(language_units PRIVATE ${TABLORA_ROOT}/board)
target_link_libraries(language_units PRIVATE KXM_Language board_logic test_support gtest_main)
tablora_language_wine_test(language_units)
