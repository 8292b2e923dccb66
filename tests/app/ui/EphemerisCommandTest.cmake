# Runs `velarion --ephemeris` as a user would with no display: the tables it prints, the
# exit status and the one line of message for a wrong command line, a wrong period and a
# table too long to make, and the settings left as they were.
include(${CMAKE_CURRENT_LIST_DIR}/CommandTestSupport.cmake)
set(place --location "55.75,37.62,3")

remember_settings()

run(--ephemeris "Марс" --from 2025-03-01 --to 2025-03-03 --columns date,mjd,equ,hor,size ${place})
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the period table: status ${status}\n${errors}")
endif()
expect_in("${lines}" "\nМарс\n")
expect_in("${lines}" "Дата")
foreach(day 01 02 03)
  expect_in("${lines}" "${day}.03.2025 |")
endforeach()
string(FIND "${lines}" "04.03.2025" beyond)
if(NOT beyond EQUAL -1)
  message(FATAL_ERROR "a row past the end:\n${lines}")
endif()

run(--ephemeris "Марс,Сириус,M 31" --from "2025-03-01T22:00" --columns date,ha,riseset,mag
    ${place})
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the group table: status ${status}\n${errors}")
endif()
expect_in("${lines}" "Дата: 1.3.2025 22ч 00м 00с")
expect_in("${lines}" "Наименование")
expect_in("${lines}" "(Часов.угол/Склонение)")
expect_in("${lines}" "Сириус")

expect_refused("an unknown name" --ephemeris "Nowhere" --from 2025-03-01 ${place})
expect_refused("a step of nothing" --ephemeris "Марс" --from 2025-03-01 --to 2025-03-02
               --step 0d)
expect_refused("an unknown column" --ephemeris "Марс" --columns date,colour)
expect_refused("the end before the start" --ephemeris "Марс" --from 2025-03-02
               --to 2025-03-01)
expect_refused("two objects over a period" --ephemeris "Марс,Луна" --from 2025-03-01
               --to 2025-03-02)
# A year by the minute is more than 100 000 rows.
expect_refused("too many rows" --ephemeris "Марс" --from 2025-01-01 --to 2025-12-31 --step 1m)
expect_in("${errors}" "100000")

expect_settings_unchanged(--ephemeris)
