# What the scripts that run the program's commands share: a run of PROGRAM, a text expected
# in the output, a refused command line, and the settings file of FOLDER, which no command
# may write.

# Sets `status`, `lines` (standard output) and `errors` (standard error).
function(run)
  execute_process(COMMAND ${PROGRAM} ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE lines
                  ERROR_VARIABLE errors)
  set(status "${status}" PARENT_SCOPE)
  set(lines "${lines}" PARENT_SCOPE)
  set(errors "${errors}" PARENT_SCOPE)
endfunction()

# Status 2, nothing printed and one line of message, which is left in `errors`.
function(expect_refused why)
  run(${ARGN})
  string(STRIP "${errors}" line)
  if(NOT status EQUAL 2 OR NOT lines STREQUAL "" OR line STREQUAL "" OR line MATCHES "\n")
    message(FATAL_ERROR "${why}: status ${status}, out \"${lines}\", errors \"${errors}\"")
  endif()
  set(errors "${errors}" PARENT_SCOPE)
endfunction()

function(expect_in text what)
  string(FIND "${text}" "${what}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "expected \"${what}\" in:\n${text}")
  endif()
endfunction()

# Before the commands run.
macro(remember_settings)
  set(settings_existed FALSE)
  if(EXISTS ${FOLDER}/Velarion.ini)
    file(READ ${FOLDER}/Velarion.ini settings_before)
    set(settings_existed TRUE)
  endif()
endmacro()

# After them; `command` names them in the message.
function(expect_settings_unchanged command)
  if(settings_existed)
    file(READ ${FOLDER}/Velarion.ini settings_after)
    if(NOT settings_after STREQUAL settings_before)
      message(FATAL_ERROR "${command} changed the settings")
    endif()
  elseif(EXISTS ${FOLDER}/Velarion.ini)
    message(FATAL_ERROR "${command} wrote the settings")
  endif()
endfunction()
