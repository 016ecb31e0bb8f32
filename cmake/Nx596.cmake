# Shared build rules of the project's own targets.

# Warnings are errors in our own code; third-party headers come in as system includes.
function(nx596_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()

# Test files are compiled a few at a time as one file (a unity build): what they share (the
# precompiled header's load, GoogleTest's and Qt's templates, the test support) is then compiled
# once per batch instead of once per file, which saves about 40 % of a test program's compile.
# Their file-local names must therefore differ within a program. -DNX596_UNITY=OFF compiles each
# file on its own.
option(NX596_UNITY "Compile the test files in batches (unity build)" ON)
function(nx596_unity target)
  if(NX596_UNITY)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 4)
    # A test fixture in a file's anonymous namespace is fine, also when the file is included.
    target_compile_options(${target} PRIVATE -Wno-subobject-linkage)
  endif()
endfunction()

# nx596_add_test(<name> LABEL unit|widget|agent [WIDGETS] SOURCES ... LIBS ...)
# Builds one GoogleTest executable and registers each of its suites with ctest under the label:
# a suite's cases run in one process, one after the other, so a suite that starts the simulated
# switch once for all its cases (AgentSuite) starts it once, and the program's start (the
# sanitizers' shadow memory, Qt, the fonts) is paid once per suite instead of once per case.
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
  nx596_unity(${name})
  set(env "")
  if(ARG_LABEL STREQUAL "widget" OR ARG_WIDGETS)
    set(env "QT_QPA_PLATFORM=offscreen")
  endif()
  # The suites are listed once the program is built; ctest reads the list through a file that
  # names the program as not built while the list does not exist.
  set(suites "${CMAKE_CURRENT_BINARY_DIR}/${name}_suites.cmake")
  add_custom_command(TARGET ${name} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -D TEST_EXECUTABLE=$<TARGET_FILE:${name}> -D CTEST_FILE=${suites}
            -D LABEL=${ARG_LABEL} -D TEST_ENVIRONMENT=${env}
            -P ${PROJECT_SOURCE_DIR}/cmake/Nx596ListSuites.cmake
    BYPRODUCTS ${suites}
    VERBATIM)
  set(include "${CMAKE_CURRENT_BINARY_DIR}/${name}_include.cmake")
  file(WRITE ${include}
    "if(EXISTS [==[${suites}]==])\n"
    "  include([==[${suites}]==])\n"
    "else()\n"
    "  add_test([==[${name}_NOT_BUILT]==] [==[${name}_NOT_BUILT]==])\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include})
endfunction()

# nx596_add_fuzzer(<name> SOURCES ... LIBS ...): a libFuzzer target.
function(nx596_add_fuzzer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  nx596_warnings(${name})
endfunction()

# Precompiled headers: the Qt, GoogleTest and standard headers that most files include are parsed
# once per kind of target instead of once per file (that parse is about a third of the time of
# compiling a test file). The kinds are what a target's link libraries make available: the
# standard library alone, Qt Core, Qt Widgets, each with or without GoogleTest. Each kind's header
# is built once, by a small target of its own, and every target of that kind reuses it (a header
# built once per target would cost more than it saves). net-snmp's headers stay out: they define
# macros that files which never include them must not see. A precompiled header that does not fit
# a file is passed by with a warning (-Winvalid-pch) and the file compiles as without it.
# Called once, after every target exists.
option(NX596_PRECOMPILE "Precompile the Qt, GoogleTest and standard headers" ON)

set(NX596_PCH_STANDARD <algorithm> <cstdint> <functional> <map> <memory> <optional> <string>
    <utility> <vector>)
set(NX596_PCH_QT_CORE <QByteArray> <QCoreApplication> <QDir> <QElapsedTimer> <QFile> <QHash>
    <QList> <QObject> <QPointer> <QRegularExpression> <QString> <QStringList> <QTimer>
    <QVariant>)
set(NX596_PCH_QT_WIDGETS <QApplication> <QCheckBox> <QComboBox> <QDialog> <QHeaderView>
    <QLabel> <QLineEdit> <QPlainTextEdit> <QPushButton> <QStatusBar> <QTabWidget> <QTreeWidget>
    <QVBoxLayout> <QWidget>)
set(NX596_PCH_GTEST <gtest/gtest.h>)

# Whether `target` links `wanted`, directly or through the libraries it links.
function(_nx596_links target wanted result)
  set(seen "")
  set(queue ${target})
  set(found FALSE)
  while(queue AND NOT found)
    list(POP_FRONT queue current)
    if(current IN_LIST seen OR NOT TARGET ${current})
      continue()
    endif()
    list(APPEND seen ${current})
    get_target_property(aliased ${current} ALIASED_TARGET)
    if(aliased)
      set(current ${aliased})
    endif()
    foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
      get_target_property(libraries ${current} ${property})
      if(NOT libraries)
        continue()
      endif()
      foreach(library ${libraries})
        if(library STREQUAL wanted)
          set(found TRUE)
        elseif(TARGET ${library})
          list(APPEND queue ${library})
        endif()
      endforeach()
    endforeach()
  endwhile()
  set(${result} ${found} PARENT_SCOPE)
endfunction()

# The target that builds the precompiled header of one kind, made on first use.
function(_nx596_pch_donor qt gtest result)
  set(donor nx596_pch_${qt})
  if(gtest)
    string(APPEND donor _gtest)
  endif()
  if(NOT TARGET ${donor})
    set(source ${PROJECT_BINARY_DIR}/pch/${donor}.cpp)
    file(WRITE ${source} "// Builds the precompiled header that the targets of its kind reuse.\n")
    add_library(${donor} OBJECT ${source})
    set(headers ${NX596_PCH_STANDARD})
    if(qt STREQUAL "core")
      target_link_libraries(${donor} PRIVATE Qt6::Core)
      list(APPEND headers ${NX596_PCH_QT_CORE})
    elseif(qt STREQUAL "widgets")
      target_link_libraries(${donor} PRIVATE Qt6::Widgets)
      list(APPEND headers ${NX596_PCH_QT_CORE} ${NX596_PCH_QT_WIDGETS})
    endif()
    if(gtest)
      target_link_libraries(${donor} PRIVATE GTest::gtest)
      list(APPEND headers ${NX596_PCH_GTEST})
    endif()
    target_precompile_headers(${donor} PRIVATE ${headers})
    nx596_warnings(${donor})
  endif()
  set(${result} ${donor} PARENT_SCOPE)
endfunction()

function(_nx596_precompile_directory directory)
  get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|OBJECT_LIBRARY)$"
       OR target MATCHES "^nx596_pch_")
      continue()
    endif()
    _nx596_links(${target} Qt6::Core core)
    _nx596_links(${target} Qt6::Widgets widgets)
    _nx596_links(${target} GTest::gtest gtest)
    set(qt standard)
    if(widgets)
      set(qt widgets)
    elseif(core)
      set(qt core)
    endif()
    _nx596_pch_donor(${qt} "${gtest}" donor)
    target_precompile_headers(${target} REUSE_FROM ${donor})
    target_compile_options(${target} PRIVATE -Winvalid-pch -Wno-error=invalid-pch)
  endforeach()
  get_property(children DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
  foreach(child ${children})
    _nx596_precompile_directory(${child})
  endforeach()
endfunction()

function(nx596_precompile_all)
  if(NX596_PRECOMPILE)
    _nx596_precompile_directory(${PROJECT_SOURCE_DIR})
  endif()
endfunction()
