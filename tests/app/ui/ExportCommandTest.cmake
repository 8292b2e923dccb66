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
expect_status(2 --export ${OUT}/missing-folder/sky.png)
expect_status(2 --export ${OUT}/sky.gif)
if(EXISTS ${OUT}/bad.png OR EXISTS ${OUT}/sky.gif)
  message(FATAL_ERROR "a failed run left a file behind")
endif()
