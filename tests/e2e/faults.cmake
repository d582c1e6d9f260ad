# The board under a flooding, hanging or vanishing host, malformed messages
# and damaged files.
add_executable(e2e_faults ${CMAKE_CURRENT_LIST_DIR}/FaultsTest.cpp)
target_link_libraries(e2e_faults PRIVATE e2e_harness psapi gtest_main)
tablora_wine_test(e2e_faults)
