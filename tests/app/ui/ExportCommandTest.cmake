# Runs `velarion --export` and checks the PNG it writes and the exit status of bad runs.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})

function(expect_status expected)
  execute_process(COMMAND ${PROGRAM} ${ARGN} RESULT_VARIABLE status ERROR_VARIABLE errors)
  if(NOT status EQUAL expected)
    message(FATAL_ERROR "velarion ${ARGN}: status ${status}, expected ${expected}\n${errors}")
  endif()
  set(last_errors "${errors}" PARENT_SCOPE)
endfunction()

# The PNG signature, then the IHDR chunk with width and height as 32-bit big-endian numbers.
function(expect_png file width height)
  file(READ ${file} header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 24 8 chunk)
  string(SUBSTRING "${header}" 32 8 w)
  string(SUBSTRING "${header}" 40 8 h)
  math(EXPR w "0x${w}")
  math(EXPR h "0x${h}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT chunk STREQUAL "49484452"
     OR NOT w EQUAL width OR NOT h EQUAL height)
    message(FATAL_ERROR "${file}: not a ${width} x ${height} PNG (header ${header})")
  endif()
endfunction()

expect_status(0 --export ${OUT}/default.png)
expect_png(${OUT}/default.png 1600 1200)
# The plug-ins of Plugins/ are loaded, each with its line in the log.
string(FIND "${last_errors}" "Эклиптика...OK" found)
if(found EQUAL -1)
  message(FATAL_ERROR "the ecliptic plug-in did not load:\n${last_errors}")
endif()

expect_status(0 --export ${OUT}/wide.png --size 640x360 --time "2026-12-10 22:30"
              --location "55.75,37.62,3" --zoom 2000)
expect_png(${OUT}/wide.png 640 360)

foreach(bad "--size;10" "--zoom;20" "--time;2026-02-30 10:00" "--location;100,0")
  expect_status(2 --export ${OUT}/bad.png ${bad})
  string(STRIP "${last_errors}" line)
  if(line STREQUAL "" OR line MATCHES "\n")
    message(FATAL_ERROR "expected one line of message, got: ${last_errors}")
  endif()
endforeach()
# A command line the program does not understand is refused at once with one line, before
# it looks for a display or a running copy to hand a file to.
# The installer's window, like the main window, needs a display.
foreach(refused "--export=${OUT}/typo.png" "--help" "/install;--all" "a.vls;b.vls" "/install"
        "/uninstall")
  expect_status(2 ${refused})
  string(STRIP "${last_errors}" line)
  if(NOT line MATCHES "^velarion: " OR line MATCHES "\n")
    message(FATAL_ERROR "velarion ${refused}: expected one line of refusal, got: ${last_errors}")
  endif()
endforeach()
# A state file gives the view, named with --state or anywhere among the arguments; one the
# program cannot read stops the export with one line that names it.
file(WRITE ${OUT}/view.vls "Velarion state file\r\nLocation=151.21,-33.87,10.0\r\n"
     "Time=61479.479166667\r\nSkyPoint=1000,30,1,0.05,-0.1\r\n")
expect_status(0 --export ${OUT}/state.png --state ${OUT}/view.vls --size 320x240)
expect_png(${OUT}/state.png 320 240)
expect_status(0 ${OUT}/view.vls --export ${OUT}/named.png --size 320x240)
expect_png(${OUT}/named.png 320 240)
file(WRITE ${OUT}/damaged.vls "Velarion state file\nTime=61479.5\nGroupVis=1,1,1,1,1,1,1,1,-2\n")
foreach(state "${OUT}/damaged.vls" "${OUT}/missing.vls")
  expect_status(2 --export ${OUT}/bad.png --state ${state})
  string(STRIP "${last_errors}" line)
  if(NOT line MATCHES "${state}" OR line MATCHES "\n")
    message(FATAL_ERROR "expected one line naming ${state}, got: ${last_errors}")
  endif()
endforeach()
expect_status(2 --export ${OUT}/missing-folder/sky.png)
expect_status(2 --export ${OUT}/sky.jpg)
expect_status(2 --export ${OUT}/sky.gif --depth 24)
if(EXISTS ${OUT}/bad.png OR EXISTS ${OUT}/sky.gif OR EXISTS ${OUT}/sky.jpg OR EXISTS ${OUT}/typo.png)
  message(FATAL_ERROR "a failed run left a file behind")
endif()

# The export leaves the settings as they were: no file appears in an empty folder either.
get_filename_component(program_folder ${PROGRAM} DIRECTORY)
if(EXISTS ${program_folder}/Velarion.ini)
  file(READ ${program_folder}/Velarion.ini before)
else()
  set(before "<none>")
endif()
expect_status(0 --export ${OUT}/again.png --size 200x150)
if(EXISTS ${program_folder}/Velarion.ini)
  file(READ ${program_folder}/Velarion.ini after)
else()
  set(after "<none>")
endif()
if(NOT before STREQUAL after)
  message(FATAL_ERROR "the export changed Velarion.ini:\n${before}\n---\n${after}")
endif()
