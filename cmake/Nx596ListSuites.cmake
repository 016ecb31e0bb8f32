# Writes the ctest file of one test program: one test per GoogleTest suite, which runs every case
# of the suite in one process (--gtest_filter=Suite.*). Run after the program is built:
#   cmake -D TEST_EXECUTABLE=... -D CTEST_FILE=... -D LABEL=... -D TEST_ENVIRONMENT=... -P this
cmake_policy(VERSION 3.25)
execute_process(
  COMMAND ${TEST_EXECUTABLE} --gtest_list_tests
  OUTPUT_VARIABLE listing
  ERROR_VARIABLE errors
  RESULT_VARIABLE result
  TIMEOUT 60)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${TEST_EXECUTABLE} --gtest_list_tests failed (${result}): ${errors}")
endif()

set(suites "")
string(REPLACE ";" "\\;" listing "${listing}")
string(REPLACE "\n" ";" lines "${listing}")
foreach(line IN LISTS lines)
  # A suite's line starts in the first column and ends its name with a dot ("Suite." or
  # "Prefix/Suite.  # TypeParam = ..."); its cases follow indented.
  if(line MATCHES "^([^ #][^ ]*)\\.( .*)?$")
    set(suite "${CMAKE_MATCH_1}")
    if(NOT suite MATCHES "^DISABLED_" AND NOT suite IN_LIST suites)
      list(APPEND suites "${suite}")
    endif()
  endif()
endforeach()
if(NOT suites)
  message(FATAL_ERROR "${TEST_EXECUTABLE} lists no test suite")
endif()

set(content "")
foreach(suite IN LISTS suites)
  string(APPEND content
    "add_test([==[${suite}]==] [==[${TEST_EXECUTABLE}]==] [==[--gtest_filter=${suite}.*]==])\n"
    "set_tests_properties([==[${suite}]==] PROPERTIES LABELS [==[${LABEL}]==]"
    " ENVIRONMENT [==[${TEST_ENVIRONMENT}]==])\n")
endforeach()
file(WRITE "${CTEST_FILE}" "${content}")
