# Shared build rules of the project's own targets.

# Warnings are errors in our own code; third-party headers come in as system includes.
function(nx596_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()

# nx596_add_test(<name> LABEL unit|widget|agent [WIDGETS] SOURCES ... LIBS ...)
# Builds one GoogleTest executable and registers every case with ctest under the label.
# Widget tests (and agent tests that use widgets: WIDGETS) run on Qt's offscreen platform so they
# need no display.
function(nx596_add_test name)
  cmake_parse_arguments(ARG "WIDGETS" "LABEL" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_LABEL MATCHES "^(unit|widget|agent)$")
    message(FATAL_ERROR "nx596_add_test(${name}): LABEL must be unit, widget or agent")
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  nx596_warnings(${name})
  set(env "")
  if(ARG_LABEL STREQUAL "widget" OR ARG_WIDGETS)
    set(env "QT_QPA_PLATFORM=offscreen")
  endif()
  gtest_discover_tests(${name}
    PROPERTIES LABELS ${ARG_LABEL} ENVIRONMENT "${env}"
    DISCOVERY_TIMEOUT 60)
endfunction()

# nx596_add_fuzzer(<name> SOURCES ... LIBS ...): a libFuzzer target.
function(nx596_add_fuzzer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  nx596_warnings(${name})
endfunction()
