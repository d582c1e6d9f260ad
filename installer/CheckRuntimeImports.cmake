cmake_minimum_required(VERSION 3.20)

# Checks the runtime libraries that the installer carries against the
# imports of what it installs. Run as a build step:
#   cmake -DOBJDUMP=... -DPROGRAMS="board.exe;library.dll" -DRUNTIME_DLLS="a.dll;b.dll"
#         -DSTANDALONE=setup.exe -P CheckRuntimeImports.cmake
# Fails (and removes STANDALONE, so the next build checks again) when
#  - a program or runtime library imports a library that is neither a system
#    library nor one of the carried files,
#  - the runtime libraries imported (transitively) differ from RUNTIME_DLLS,
#  - STANDALONE imports anything beyond the system's libraries.

# The system's own libraries that the product may import.
set(system_dlls kernel32.dll user32.dll gdi32.dll comctl32.dll shell32.dll advapi32.dll
    msvcrt.dll ole32.dll oleaut32.dll comdlg32.dll shlwapi.dll version.dll winmm.dll
    uxtheme.dll imm32.dll ws2_32.dll)

function(fail text)
  if(STANDALONE)
    file(REMOVE ${STANDALONE})
  endif()
  message(FATAL_ERROR "runtime check: ${text}")
endfunction()

# The lower-case names of the libraries `file` imports.
function(imports_of file out)
  execute_process(COMMAND ${OBJDUMP} -p ${file} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    fail("cannot read the imports of ${file}")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\r\n]+" lines "${dump}")
  set(names)
  foreach(line ${lines})
    string(REGEX REPLACE "DLL Name: " "" name "${line}")
    string(STRIP "${name}" name)
    string(TOLOWER "${name}" name)
    list(APPEND names ${name})
  endforeach()
  set(${out} ${names} PARENT_SCOPE)
endfunction()

set(carried)
set(carried_paths)
foreach(dll ${RUNTIME_DLLS})
  get_filename_component(name ${dll} NAME)
  string(TOLOWER ${name} name)
  list(APPEND carried ${name})
  set(path_of_${name} ${dll})
endforeach()
set(own)
foreach(program ${PROGRAMS})
  get_filename_component(name ${program} NAME)
  string(TOLOWER ${name} name)
  list(APPEND own ${name})
endforeach()

# Walk the imports from the board program and the library down through the
# runtime libraries they need.
set(queue ${PROGRAMS})
set(visited)
set(needed)
while(queue)
  list(POP_FRONT queue file)
  list(APPEND visited ${file})
  imports_of(${file} names)
  foreach(name ${names})
    if(name IN_LIST system_dlls OR name IN_LIST own)
      continue()
    endif()
    if(NOT name IN_LIST carried)
      get_filename_component(who ${file} NAME)
      fail("${who} imports ${name}, which is neither a system library nor carried by the installer")
    endif()
    if(NOT name IN_LIST needed)
      list(APPEND needed ${name})
      list(APPEND queue ${path_of_${name}})
    endif()
  endforeach()
endwhile()

list(SORT needed)
list(SORT carried)
if(NOT needed STREQUAL carried)
  fail("the installer carries [${carried}] but the product needs [${needed}]")
endif()

if(STANDALONE)
  imports_of(${STANDALONE} names)
  foreach(name ${names})
    if(NOT name IN_LIST system_dlls)
      get_filename_component(who ${STANDALONE} NAME)
      fail("${who} imports ${name}; it must run on its own")
    endif()
  endforeach()
endif()
message(STATUS "runtime check: carries exactly [${carried}]")
