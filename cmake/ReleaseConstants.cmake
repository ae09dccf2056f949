# What a release changes besides the carried files: the setup's version, its date and the title
# the setup dialog shows. The defaults are those of the release in hand; a release names its own
# (-DQUORREL_VERSION=1.07 -DQUORREL_DATE=01.09.2007 "-DQUORREL_TITLE=PB-Library Quorrel_400").
# Values the setup could not carry stop the configure.
set(QUORREL_VERSION "1.06" CACHE STRING
  "Version of the carried library: a digit, a point, one or two digits")
set(QUORREL_DATE "12.07.2007" CACHE STRING "Release date of the carried library: dd.mm.yyyy")
set(QUORREL_TITLE "PB-Library Quorrel_400" CACHE STRING "Title the setup dialog shows")

# The version number the setup compares and stores is the first digit followed by the digits
# after the point padded to three ("1.06" and "1.6" give 1006, shown as "000.001.006"); other
# forms would be read as some other number, and 0 means that nothing is installed.
function(quorrel_release_version out_major out_minor)
  if(NOT QUORREL_VERSION MATCHES "^([0-9])\\.([0-9][0-9]?)$")
    message(FATAL_ERROR "QUORREL_VERSION \"${QUORREL_VERSION}\" does not fit the setup's "
      "version number: write a digit, a point and one or two digits (1.06 is version 1006, "
      "shown as 000.001.006)")
  endif()
  math(EXPR number "${CMAKE_MATCH_1} * 1000 + ${CMAKE_MATCH_2}")
  if(number EQUAL 0)
    message(FATAL_ERROR "QUORREL_VERSION \"${QUORREL_VERSION}\" gives version number 0, which "
      "the setup reads as nothing installed")
  endif()
  math(EXPR minor "${CMAKE_MATCH_2}")
  set(${out_major} ${CMAKE_MATCH_1} PARENT_SCOPE)
  set(${out_minor} ${minor} PARENT_SCOPE)
endfunction()

# A calendar date within the date values the setup compares: seconds since 1970 in 32 bits.
function(quorrel_release_check_date)
  set(date "QUORREL_DATE \"${QUORREL_DATE}\"")
  if(NOT QUORREL_DATE MATCHES "^([0-9][0-9])\\.([0-9][0-9])\\.([0-9][0-9][0-9][0-9])$")
    message(FATAL_ERROR "${date} is not written dd.mm.yyyy (12.07.2007)")
  endif()
  math(EXPR day "${CMAKE_MATCH_1}")
  math(EXPR month "${CMAKE_MATCH_2}")
  math(EXPR year "${CMAKE_MATCH_3}")
  set(days_in_month 31 28 31 30 31 30 31 31 30 31 30 31)
  math(EXPR by4 "${year} % 4")
  math(EXPR by100 "${year} % 100")
  math(EXPR by400 "${year} % 400")
  if((by4 EQUAL 0 AND NOT by100 EQUAL 0) OR by400 EQUAL 0)
    list(TRANSFORM days_in_month REPLACE "^28$" "29")
  endif()
  if(month LESS 1 OR month GREATER 12)
    message(FATAL_ERROR "${date} names no month ${month}")
  endif()
  math(EXPR index "${month} - 1")
  list(GET days_in_month ${index} last_day)
  if(day LESS 1 OR day GREATER last_day)
    message(FATAL_ERROR "${date} is no calendar date: month ${month} of ${year} has ${last_day} days")
  endif()
  if(year LESS 1970 OR year GREATER 2038 OR (year EQUAL 2038 AND (month GREATER 1 OR day GREATER 19)))
    message(FATAL_ERROR "${date} lies outside 01.01.1970 to 19.01.2038, the dates the setup can "
      "compare")
  endif()
endfunction()

# quorrel_release_constants(HEADER): checks the three values and writes them into HEADER as the
# program's constants, with the version also in the form the version resource takes.
function(quorrel_release_constants header)
  quorrel_release_version(major minor)
  quorrel_release_check_date()
  if(QUORREL_TITLE STREQUAL "")
    message(FATAL_ERROR "QUORREL_TITLE is empty; the setup dialog shows it as the program's name")
  endif()
  # As a C++ string literal.
  string(REPLACE "\\" "\\\\" title "${QUORREL_TITLE}")
  string(REPLACE "\"" "\\\"" title "${title}")
  string(REPLACE "\n" "\\n" title "${title}")
  string(REPLACE "\r" "\\r" title "${title}")
  string(REPLACE "\t" "\\t" title "${title}")
  set(RELEASE_VERSION "${QUORREL_VERSION}")
  set(RELEASE_FILE_VERSION "${major}, ${minor}, 0, 0")
  set(RELEASE_DATE "${QUORREL_DATE}")
  set(RELEASE_TITLE "${title}")
  configure_file("${CMAKE_CURRENT_FUNCTION_LIST_DIR}/release_constants.h.in" "${header}" @ONLY)
endfunction()
