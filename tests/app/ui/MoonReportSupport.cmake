# What the tests of the Moon's printed reports share: rows of the oracle tables in ORACLES,
# and moments as deciseconds (integers, as CMake computes) to compare the printed local
# times with them.
cmake_policy(SET CMP0011 NEW)  # the policies below stay with these functions
cmake_policy(SET CMP0007 NEW)  # the empty fields of a row count

# The fields of the row of `table` whose column `column` (from 0) begins with `day` and a
# point, as a list; a failure when there is none.
function(oracle_row table column day out)
  file(STRINGS ${ORACLES}/${table} rows REGEX "^[0-9]")
  foreach(row IN LISTS rows)
    string(REPLACE "," ";" fields "${row}")
    list(GET fields ${column} value)
    if(value MATCHES "^${day}\\.")
      set(${out} "${fields}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "no row of ${table} on day ${day}")
endfunction()

# A moment "DDDDD.FFFF…" in dynamical time as deciseconds since MJD 0 in the local time of
# the zone, with ΔT in tenths of a second and the zone in tenths of an hour.
function(local_deciseconds mjd deltaTTenths zoneTenths out)
  if(NOT mjd MATCHES "^([0-9]+)\\.([0-9]*)$")
    message(FATAL_ERROR "not a moment: ${mjd}")
  endif()
  set(days ${CMAKE_MATCH_1})
  string(SUBSTRING "${CMAKE_MATCH_2}000000000" 0 9 fraction)
  string(REGEX REPLACE "^0+([0-9])" "\\1" fraction "${fraction}")
  math(EXPR universal "${days} * 864000 + ${fraction} * 864 / 1000000 - ${deltaTTenths}")
  math(EXPR result "${universal} + ${zoneTenths} * 3600")
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# The MJD of a Gregorian date whose month is named as the Russian reports name it.
function(mjd_of_date day monthName year out)
  set(names янв фев мар апр май июн июл авг сен окт ноя дек)
  list(FIND names "${monthName}" month)
  if(month EQUAL -1)
    message(FATAL_ERROR "no month ${monthName}")
  endif()
  math(EXPR month "${month} + 1")
  # Days from 1 March of year 0, whole 400-year eras first.
  if(month LESS_EQUAL 2)
    math(EXPR year "${year} - 1")
    math(EXPR month "${month} + 9")
  else()
    math(EXPR month "${month} - 3")
  endif()
  math(EXPR era "${year} / 400")
  math(EXPR yearOfEra "${year} - ${era} * 400")
  math(EXPR dayOfYear "(153 * ${month} + 2) / 5 + ${day} - 1")
  math(EXPR dayOfEra "${yearOfEra} * 365 + ${yearOfEra} / 4 - ${yearOfEra} / 100 + ${dayOfYear}")
  math(EXPR days "${era} * 146097 + ${dayOfEra}")
  # 1 March of year 0 is MJD -678881.
  math(EXPR result "${days} - 678881")
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# ΔT of a report's "ET-UT = +69.4с" in tenths of a second.
function(printed_delta_t text out)
  if(NOT text MATCHES "ET-UT = ([+-]?)([0-9]+)\\.([0-9])")
    message(FATAL_ERROR "no ET-UT in:\n${text}")
  endif()
  set(${out} "${CMAKE_MATCH_1}${CMAKE_MATCH_2}${CMAKE_MATCH_3}" PARENT_SCOPE)
endfunction()
