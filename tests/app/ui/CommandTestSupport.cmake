# What the scripts that run the program's commands share: a text expected in the output,
# and the settings file of FOLDER, which no command may write.

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
