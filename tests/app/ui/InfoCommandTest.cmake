# Runs `velarion --info` as a user would with no display: the lines it prints for objects
# found by their several names, and the exit status for a name nothing answers to.
include(${CMAKE_CURRENT_LIST_DIR}/CommandTestSupport.cmake)
set(moment --time "2026-12-11 22:00" --location "55.75,37.62,3")

function(info_of name)
  execute_process(COMMAND ${PROGRAM} --info "${name}" ${moment} RESULT_VARIABLE status
                  OUTPUT_VARIABLE lines ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "velarion --info ${name}: status ${status}\n${errors}")
  endif()
  set(info "${lines}" PARENT_SCOPE)
endfunction()


remember_settings()

info_of("Марс")
expect_in("${info}" "»Марс")
expect_in("${info}" "Восход:")
expect_in("${info}" "Кульминация:")

# The same star by its proper name, its Bayer letter in Greek or spelt, and its HR number.
info_of("Сириус")
set(sirius "${info}")
expect_in("${sirius}" "Сириус")
foreach(other "α CMa" "Alp CMa" "HR 2491")
  info_of("${other}")
  if(NOT info STREQUAL sirius)
    message(FATAL_ERROR "${other} is not Sirius:\n${info}")
  endif()
endforeach()

info_of("M 31")
expect_in("${info}" "»")
info_of("Луна")
expect_in("${info}" "Луна")

execute_process(COMMAND ${PROGRAM} --info "Nowhere" ${moment} RESULT_VARIABLE status
                OUTPUT_VARIABLE lines ERROR_VARIABLE errors)
string(STRIP "${errors}" line)
if(NOT status EQUAL 2 OR NOT lines STREQUAL "" OR line STREQUAL "" OR line MATCHES "\n")
  message(FATAL_ERROR "an unknown name: status ${status}, out \"${lines}\", errors \"${errors}\"")
endif()

expect_settings_unchanged(--info)
