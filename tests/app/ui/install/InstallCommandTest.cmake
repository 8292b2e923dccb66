# `velarion /install --quiet` into a scratch home as a user would run it, the installed
# program rendering a picture from its new place, a second installation keeping the user's
# city list, and `/uninstall --quiet` leaving only the user's files.
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH}/home)
set(folder "${SCRATCH}/home/my programs/velarion")
set(scratch_env HOME=${SCRATCH}/home XDG_DATA_HOME=${SCRATCH}/home/share)

function(run)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${scratch_env} ${ARGN}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE errors)
  set(status "${status}" PARENT_SCOPE)
  set(out "${out}" PARENT_SCOPE)
  set(errors "${errors}" PARENT_SCOPE)
endfunction()

run(${PROGRAM} /install --quiet ${folder})
if(NOT status EQUAL 0 OR NOT EXISTS "${folder}/velarion")
  message(FATAL_ERROR "/install --quiet: status ${status}\n${out}\n${errors}")
endif()
if(NOT out MATCHES "copied [0-9]+ files")
  message(FATAL_ERROR "/install --quiet did not say what it did:\n${out}")
endif()

run("${folder}/velarion" --export ${SCRATCH}/sky.png --size 160x120)
if(NOT status EQUAL 0 OR NOT EXISTS ${SCRATCH}/sky.png)
  message(FATAL_ERROR "the installed program: status ${status}\n${errors}")
endif()

# The user's own city list survives a second installation from the installed copy.
file(WRITE "${folder}/city.dat" "My place                          "
           "   10.0000   50.0000  1.00\r\n")
file(READ "${folder}/city.dat" cities_before)
run("${folder}/velarion" /install --quiet)
file(READ "${folder}/city.dat" cities_after)
string(FIND "${cities_after}" "${cities_before}" kept)
if(NOT status EQUAL 0 OR kept EQUAL -1 OR NOT out MATCHES "already in")
  message(FATAL_ERROR "second installation: status ${status}\n${out}\n${errors}")
endif()

run(${PROGRAM} /install --quiet a b)
if(NOT status EQUAL 2)
  message(FATAL_ERROR "a refused command line: status ${status}")
endif()

run("${folder}/velarion" /uninstall --quiet)
file(GLOB_RECURSE left RELATIVE "${folder}" "${folder}/*")
if(NOT status EQUAL 0 OR NOT left STREQUAL "GroupOrder.def;city.dat")
  message(FATAL_ERROR "/uninstall --quiet: status ${status}, left: ${left}\n${out}\n${errors}")
endif()
if(EXISTS ${SCRATCH}/home/share/applications/velarion.desktop)
  message(FATAL_ERROR "/uninstall --quiet left the desktop entry")
endif()

run(${PROGRAM} /uninstall --quiet)
if(NOT status EQUAL 1)
  message(FATAL_ERROR "nothing to remove: status ${status}")
endif()
file(REMOVE_RECURSE ${SCRATCH})
