# The board program's texts from its language files, and its library.
add_executable(e2e_language ${CMAKE_CURRENT_LIST_DIR}/LanguageTest.cpp)
target_link_libraries(e2e_language PRIVATE e2e_harness gtest_main)
add_dependencies(e2e_language KXM_Language)
tablora_wine_test(e2e_language)
