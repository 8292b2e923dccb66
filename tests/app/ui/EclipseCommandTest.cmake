# Runs `velarion --eclipse` as a user would with no display: for eclipses of each type, a
# pair in consecutive lunations among them, the printed type and the local time of greatest
# eclipse against the oracle; the nearest eclipse when it lies before the moment; the
# command lines refused; and the settings left as they were.
include(${CMAKE_CURRENT_LIST_DIR}/CommandTestSupport.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/MoonReportSupport.cmake)

set(typeNames "" "Полутеневое" "Частное" "Полное")  # by the oracle's type
set(twoMinutes 1200)                                 # deciseconds
set(dayLength 864000)

# The reports printed at `moment` for the place are those of the oracle's eclipses on
# `days`, in that order and no more.
function(expect_oracle_eclipses moment location zoneTenths)
  set(days ${ARGN})
  list(LENGTH days count)
  math(EXPR next "${count} - 1")
  set(arguments --eclipse --time "${moment}" --location "${location}")
  if(next GREATER 0)
    list(APPEND arguments --next ${next})
  endif()
  run(${arguments})
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "--eclipse at ${moment}: status ${status}\n${errors}")
  endif()
  string(REGEX MATCHALL "[^\n]+ лунное затмение\n" types "${lines}")
  string(REGEX MATCHALL "Максимальная фаза: [0-9]+ч [0-9]+\\.[0-9]м" greatest "${lines}")
  string(REGEX MATCHALL "ET-UT = [^\n]+" deltaTs "${lines}")
  foreach(found types greatest deltaTs)
    list(LENGTH ${found} n)
    if(NOT n EQUAL count)
      message(FATAL_ERROR "${n} of ${found} for ${count} eclipses at ${moment}:\n${lines}")
    endif()
  endforeach()
  foreach(i RANGE ${next})
    list(GET days ${i} day)
    oracle_row(lunar_eclipses.csv 1 ${day} row)
    list(GET row 0 type)
    list(GET row 1 mjd)
    list(GET typeNames ${type} typeName)
    list(GET types ${i} printedType)
    if(NOT printedType STREQUAL "${typeName} лунное затмение\n")
      message(FATAL_ERROR "eclipse ${i} at ${moment} is not ${typeName}:\n${lines}")
    endif()
    list(GET greatest ${i} time)
    string(REGEX MATCH "([0-9]+)ч ([0-9]+)\\.([0-9])м" time "${time}")
    math(EXPR printed "${CMAKE_MATCH_1} * 36000 + ${CMAKE_MATCH_2} * 600 + ${CMAKE_MATCH_3} * 60")
    list(GET deltaTs ${i} deltaTLine)
    printed_delta_t("${deltaTLine}" deltaT)
    local_deciseconds(${mjd} ${deltaT} ${zoneTenths} expected)
    # Times of day: the difference taken round the clock.
    math(EXPR difference "((${printed} - ${expected}) % ${dayLength} + ${dayLength} * 3 / 2)
                          % ${dayLength} - ${dayLength} / 2")
    if(difference GREATER twoMinutes OR difference LESS -${twoMinutes})
      message(FATAL_ERROR "eclipse ${i} at ${moment}: greatest ${difference} ds from the "
                          "oracle's ${mjd} TT:\n${lines}")
    endif()
  endforeach()
endfunction()

remember_settings()

expect_oracle_eclipses("2025-09-07 12:00" "55.75,37.62,3" 30 60925)  # total
expect_oracle_eclipses("2010-06-26 12:00" "-33.9,151.2,10" 100 55373)  # partial
# Two penumbral eclipses of consecutive lunations, then one five lunations on.
expect_oracle_eclipses("2020-06-01 00:00" "0,0,0" 0 59005 59035 59183)
# 20 days after an eclipse, with the next one four months away.
expect_oracle_eclipses("2020-07-25 00:00" "40.7,-74.0,-5" -50 59035)

expect_refused("two commands" --eclipse --phases)
expect_refused("an object too" --eclipse --info "Луна")
expect_refused("no following eclipse" --eclipse --next 0)
expect_refused("too many following eclipses" --eclipse --next 101)
expect_refused("--next without its number" --eclipse --next)
expect_refused("not a day" --eclipse --time "2025-02-30 00:00")

expect_settings_unchanged(--eclipse)
