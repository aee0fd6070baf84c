# Shared settings of the suite's own targets.

set(QEL_WARNINGS -Wall -Wextra)

# In a sanitized build (QEL_SANITIZE) a program carries the sanitizer
# runtimes' defaults: the committed leak suppressions and full reports.
function(qel_sanitizer_defaults target)
  if(QEL_SANITIZE)
    target_link_libraries(${target} PRIVATE qel_sanitizer_defaults)
  endif()
endfunction()

# A deliverable (shared library or program) placed in bin/, finding its
# neighbours through RPATH $ORIGIN so the folder runs as it stands.
function(qel_deliverable target)
  target_compile_options(${target} PRIVATE ${QEL_WARNINGS})
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    qel_sanitizer_defaults(${target})
  endif()
  set_target_properties(${target} PROPERTIES
    BUILD_RPATH "$ORIGIN"
    INSTALL_RPATH "$ORIGIN"
    LIBRARY_OUTPUT_DIRECTORY ${QEL_BIN_DIR}
    RUNTIME_OUTPUT_DIRECTORY ${QEL_BIN_DIR})
endfunction()

# A GoogleTest binary registered with CTest. GUI code runs offscreen, and every
# test gets private settings, data and temporary folders so tests never touch
# the user's files and can run in parallel.
function(qel_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_compile_options(${name} PRIVATE ${QEL_WARNINGS})
  target_link_libraries(${name} PRIVATE qel_testsupport ${T_LIBS} GTest::gtest GTest::gmock)
  qel_sanitizer_defaults(${name})
  target_compile_definitions(${name} PRIVATE QEL_DEMO_DIR="${PROJECT_SOURCE_DIR}/data/demo")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
endfunction()
