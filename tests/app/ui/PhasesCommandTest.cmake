# Runs `velarion --phases` as a user would with no display: for lunations of the oracle, the
# printed local moment of its phase within a minute of the independent ephemeris (in zones
# east and west, a half-hour one among them), the command lines refused, and the settings
# left as they were.
include(${CMAKE_CURRENT_LIST_DIR}/CommandTestSupport.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/MoonReportSupport.cmake)

set(phaseNames "Новолуние:" "Первая четверть:" "Полнолуние:" "Третья четверть:")
set(oneMinute 600)  # deciseconds

# The lunation around `moment`, printed for the place, has the oracle's phase of `day`.
function(expect_oracle_phase moment location zoneTenths day)
  run(--phases --time "${moment}" --location "${location}")
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "--phases at ${moment}: status ${status}\n${errors}")
  endif()
  foreach(name IN LISTS phaseNames)
    expect_in("\n${lines}" "\n${name} ")
  endforeach()
  oracle_row(moon_phases.csv 1 ${day} row)
  list(GET row 0 phase)
  list(GET row 1 mjd)
  list(GET phaseNames ${phase} name)
  set(pattern "${name} ([0-9]+) ([^ ]+) ([0-9]+) н\\.э\\. ([0-9]+)ч ([0-9]+)м ([0-9]+)с")
  if(NOT lines MATCHES "${pattern}")
    message(FATAL_ERROR "no ${name} with its moment in:\n${lines}")
  endif()
  set(hour ${CMAKE_MATCH_4})
  set(minute ${CMAKE_MATCH_5})
  set(second ${CMAKE_MATCH_6})
  mjd_of_date(${CMAKE_MATCH_1} ${CMAKE_MATCH_2} ${CMAKE_MATCH_3} date)
  math(EXPR printed "(${date} * 86400 + ${hour} * 3600 + ${minute} * 60 + ${second}) * 10")
  # The footnote names the zone the moments are in.
  set(sign "+")
  set(zone ${zoneTenths})
  if(zone LESS 0)
    set(sign "-")
    math(EXPR zone "-${zone}")
  endif()
  math(EXPR whole "${zone} / 10")
  math(EXPR tenth "${zone} % 10")
  expect_in("${lines}" "(Время = UT ${sign} ${whole}.${tenth}ч,  ET-UT = ")
  printed_delta_t("${lines}" deltaT)
  local_deciseconds(${mjd} ${deltaT} ${zoneTenths} expected)
  math(EXPR difference "${printed} - ${expected}")
  if(difference GREATER oneMinute OR difference LESS -${oneMinute})
    message(FATAL_ERROR "${name} ${difference} ds from the oracle's ${mjd} TT:\n${lines}")
  endif()
endfunction()

remember_settings()

# The moments lie in the lunation of the oracle's phase, about at its full moon.
expect_oracle_phase("2023-03-08 05:00" "55.75,37.62,3" 30 60018)  # last quarter
expect_oracle_phase("2023-08-31 12:00" "40.7,-74.0,-5" -50 60187)  # full moon
expect_oracle_phase("2024-02-23 20:30" "28.6,77.2,5.5" 55 60356)  # first quarter
expect_oracle_phase("2024-08-18 21:00" "-33.9,151.2,10" 100 60526)  # new moon
expect_oracle_phase("2020-11-29 00:00" "51.5,0,0" 0 59168)  # new moon

expect_refused("two commands" --phases --eclipse)
expect_refused("a picture too" --phases --export sky.png)
expect_refused("--next is the eclipses'" --phases --next 1)
expect_refused("a place off the Earth" --phases --location "91,0")
expect_refused("not a day" --phases --time "2023-02-29 12:00")

expect_settings_unchanged(--phases)
