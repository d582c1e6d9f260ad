# Helpers of the cross build.

# The shared runtime that the board program and the language library import;
# it is copied beside them so that every binary finds its DLLs in its own
# folder, as on Windows.
set(MINGW_RUNTIME_DLLS
  /usr/lib/gcc/i686-w64-mingw32/12-posix/libstdc++-6.dll
  /usr/lib/gcc/i686-w64-mingw32/12-posix/libgcc_s_dw2-1.dll
  /usr/i686-w64-mingw32/lib/libwinpthread-1.dll)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
file(COPY ${MINGW_RUNTIME_DLLS} DESTINATION ${CMAKE_BINARY_DIR}/bin)

# A Windows GUI program of the product: wide entry point, shared runtime.
function(tablora_gui_program target)
  target_link_options(${target} PRIVATE -municode -mwindows)
endfunction()

# A test program run under Wine: static runtime, console entry point.
function(tablora_wine_test target)
  target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
  get_filename_component(build_dir ${CMAKE_BINARY_DIR} DIRECTORY)
  add_test(NAME ${target} COMMAND env BUILD_DIR=${build_dir} ${TABLORA_ROOT}/scripts/wine-run.sh $<TARGET_FILE:${target}> ${ARGN})
  # Bounded, so that a program that hangs cannot hold up the whole run.
  set_tests_properties(${target} PROPERTIES RUN_SERIAL TRUE TIMEOUT 1200)
endfunction()
