# The installer, driven end to end: install folder, registry, progress and
# messages, and the installed board program starting from its folder.
# The data files that ship in tablora_file\, where the driver finds them.
file(GLOB SHIPPED_DATA_FILES CONFIGURE_DEPENDS ${TABLORA_ROOT}/data/*.ini)
set(shipped_copies)
foreach(data ${SHIPPED_DATA_FILES})
  get_filename_component(name ${data} NAME)
  set(copy ${CMAKE_BINARY_DIR}/installer/tablora_file/${name})
  add_custom_command(OUTPUT ${copy} COMMAND ${CMAKE_COMMAND} -E copy ${data} ${copy} DEPENDS ${data} VERBATIM)
  list(APPEND shipped_copies ${copy})
endforeach()
add_custom_target(installer_shipped_data DEPENDS ${shipped_copies})

add_library(installer_driver STATIC ${CMAKE_CURRENT_LIST_DIR}/InstallerDriver.cpp)
target_link_libraries(installer_driver PUBLIC e2e_harness advapi32 comctl32)
add_dependencies(installer_driver MarvonTablora_Setup installer_shipped_data)

add_executable(e2e_installer ${CMAKE_CURRENT_LIST_DIR}/InstallerTest.cpp)
target_link_libraries(e2e_installer PRIVATE installer_driver gtest_main)
tablora_wine_test(e2e_installer)

# The timing of one installation (bench/install_time.sh), not a test.
add_executable(installer_bench ${TABLORA_ROOT}/bench/install_time.cpp)
target_link_libraries(installer_bench PRIVATE installer_driver)
target_link_options(installer_bench PRIVATE -static -static-libgcc -static-libstdc++ -municode)
